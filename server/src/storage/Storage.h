// The server's one SQLite database: WAL journal, a busy time-out, a cache of prepared statements
// and per-component schema migrations. Every part of the server (the question bank included)
// stores through this class, so moving to another database later means replacing it alone.
//
// Threads: one connection shared by the io threads, guarded by a recursive mutex. A Query or
// Transaction holds the lock for its lifetime, so keep them short and never hold one while
// waiting on the network. Nesting on one thread is fine (a Query inside a Transaction), but the
// same SQL text must not be in use twice at once: it is one cached statement.
#pragma once

#include "storage/Statement.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct sqlite3;

namespace server {

class Storage {
public:
    // Opens or creates the file and the bookkeeping table. Throws StorageError.
    explicit Storage(const std::string& path);
    ~Storage();
    Storage(const Storage&) = delete;
    Storage& operator=(const Storage&) = delete;

    // A cached statement with the connection locked; reset (bindings cleared) when released.
    class Query {
    public:
        Query(std::unique_lock<std::recursive_mutex> lock, Statement& statement);
        Query(Query&& other) noexcept;
        Query& operator=(Query&&) = delete;
        ~Query();
        Statement* operator->() { return m_statement; }
        Statement& operator*() { return *m_statement; }

    private:
        std::unique_lock<std::recursive_mutex> m_lock;
        Statement* m_statement;
    };
    Query query(std::string_view sql);

    // BEGIN IMMEDIATE on creation; rolled back on destruction unless commit() ran. Holds the lock.
    class Transaction {
    public:
        explicit Transaction(Storage& storage);
        Transaction(Transaction&& other) noexcept;
        Transaction& operator=(Transaction&&) = delete;
        ~Transaction();
        void commit();

    private:
        Storage* m_storage;
        std::unique_lock<std::recursive_mutex> m_lock;
        bool m_open = true;
    };
    Transaction transaction() { return Transaction(*this); }

    // Schema changes of one component ("core", "quiz", ...): every step whose version is above
    // the stored one runs, in order, each in its own transaction with the version bump.
    struct Migration {
        int version;
        std::string sql; // fixed schema text, may hold several statements; never values
    };
    void migrate(std::string_view component, const std::vector<Migration>& steps);
    int schemaVersion(std::string_view component);

    // Runs fixed SQL text (schema, pragmas). Values go through query() and bind() instead.
    void exec(std::string_view sql);

    // "ok" when PRAGMA integrity_check finds nothing, else its first complaint.
    std::string integrityCheck();

private:
    struct StringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
    };

    sqlite3* m_db = nullptr;
    std::recursive_mutex m_mutex;
    std::unordered_map<std::string, std::unique_ptr<Statement>, StringHash, std::equal_to<>> m_statements;
};

} // namespace server
