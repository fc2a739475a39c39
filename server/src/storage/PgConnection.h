// PostgreSQL through libpq: one connection per thread that touches storage, each with its own
// prepared statements. A connection lost (the database restarted) is opened again on the next
// use, unless a transaction was open on it: that transaction fails as a whole.
#pragma once

#include "storage/Statement.h"

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

struct pg_conn;
struct pg_result;

namespace server {

// Frees a result when it goes.
struct PgResultFree {
    void operator()(pg_result* result) const;
};
using PgResult = std::unique_ptr<pg_result, PgResultFree>;

class PgConnection {
public:
    explicit PgConnection(std::string target); // connects; throws StorageError
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // Fixed SQL text, several statements allowed, no values.
    void exec(std::string_view sql);
    // One statement of ?N text with its parameters typed by `types` (one letter per parameter:
    // i int8, d float8, t text, b bytea, n a NULL of unknown type); values in text format
    // except bytea. Throws StorageError or ConstraintError naming the SQL.
    PgResult run(const std::string& sql, const std::string& types, const std::vector<const char*>& values,
                 const std::vector<int>& lengths);
    // The highest parameter number of the statement.
    int parameters(const std::string& sql);

    // BEGIN and the cluster-wide writer lock; COMMIT; ROLLBACK (never throws).
    void begin();
    void commit();
    void rollback() noexcept;
    // Session-wide lock that keeps two servers from migrating at once.
    void lockMigrations();
    void unlockMigrations() noexcept;

private:
    struct Shape {
        std::string text;
        int parameters;
    };
    const Shape& shape(const std::string& sql);
    void ensureOpen();
    void open();
    [[noreturn]] void fail(const pg_result* result, std::string_view sql);
    PgResult execChecked(std::string_view sql);

    std::string m_target;
    pg_conn* m_conn = nullptr;
    bool m_inTransaction = false;
    bool m_lostInTransaction = false;
    std::unordered_map<std::string, Shape> m_shapes;
    std::unordered_map<std::string, std::string> m_prepared; // SQL + types -> statement name
    int m_nextName = 0;
};

// The connections of one Storage, one per thread, opened on a thread's first use and closed
// with the pool.
class PgPool {
public:
    explicit PgPool(std::string target) : m_target(std::move(target)) {}
    PgConnection& current();

private:
    std::string m_target;
    std::mutex m_mutex;
    std::unordered_map<std::thread::id, std::unique_ptr<PgConnection>> m_connections;
};

} // namespace server
