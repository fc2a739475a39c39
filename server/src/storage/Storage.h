// The server's one database: an SQLite file (the default), or PostgreSQL when several servers
// share one. Every part of the server (the question bank included) stores through this class
// with one SQL text for both: ?N placeholders, ON CONFLICT, RETURNING, COALESCE and CASE, no
// SQLite-only functions. Schema text may say INTEGER, REAL and BLOB; PostgreSQL reads them as
// 64-bit integers, doubles and byte strings.
//
// Threads on SQLite: one connection shared by the io threads, guarded by a recursive mutex. A
// Query or Transaction holds the lock for its lifetime, so keep them short and never hold one
// while waiting on the network. Nesting on one thread is fine (a Query inside a Transaction),
// but the same SQL text must not be in use twice at once: it is one cached statement.
//
// Threads on PostgreSQL: each thread has its own connection; a Transaction also takes one
// advisory lock shared by every server on the database, so transactions stay one at a time
// across the cluster just as BEGIN IMMEDIATE keeps them on SQLite.
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
class PgConnection;
class PgPool;
} // namespace server

namespace server {

class Storage {
public:
    // A postgresql:// or postgres:// URI opens PostgreSQL; anything else is an SQLite file,
    // created when missing. Makes the bookkeeping table. Throws StorageError.
    explicit Storage(const std::string& target);
    ~Storage();
    Storage(const Storage&) = delete;
    Storage& operator=(const Storage&) = delete;

    static bool isPostgresTarget(std::string_view target);
    bool postgres() const { return m_pg != nullptr; }

    // A cached statement with the connection locked; reset (bindings cleared) when released.
    class Query {
    public:
        Query(std::unique_lock<std::recursive_mutex> lock, Statement& statement);
        explicit Query(std::unique_ptr<Statement> owned);
        Query(Query&& other) noexcept;
        Query& operator=(Query&&) = delete;
        ~Query();
        Statement* operator->() { return m_statement; }
        Statement& operator*() { return *m_statement; }

    private:
        std::unique_lock<std::recursive_mutex> m_lock;
        std::unique_ptr<Statement> m_owned;
        Statement* m_statement;
    };
    Query query(std::string_view sql);

    // BEGIN IMMEDIATE (PostgreSQL: BEGIN and the writers' lock) on creation; rolled back on
    // destruction unless commit() ran. Holds the lock.
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
        PgConnection* m_pg = nullptr;
        bool m_open = true;
    };
    Transaction transaction() { return Transaction(*this); }

    // Schema changes of one component ("core", "quiz", ...): every step whose version is above
    // the stored one runs, in order, each in its own transaction with the version bump. On
    // PostgreSQL servers starting together take turns.
    struct Migration {
        int version;
        std::string sql; // fixed schema text, may hold several statements; never values
    };
    void migrate(std::string_view component, const std::vector<Migration>& steps);
    int schemaVersion(std::string_view component);

    // Runs fixed SQL text (schema, pragmas). Values go through query() and bind() instead.
    void exec(std::string_view sql);

    // "ok" when PRAGMA integrity_check finds nothing, else its first complaint. PostgreSQL: "ok"
    // when the connection answers.
    std::string integrityCheck();

private:
    struct StringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
    };

    void openSqlite(const std::string& path);
    void runMigrations(std::string_view component, const std::vector<Migration>& steps);

    std::unique_ptr<PgPool> m_pg;
    sqlite3* m_db = nullptr;
    std::recursive_mutex m_mutex;
    std::unordered_map<std::string, std::unique_ptr<Statement>, StringHash, std::equal_to<>> m_statements;
};

} // namespace server
