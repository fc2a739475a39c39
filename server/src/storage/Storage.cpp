#include "storage/Storage.h"

#include <sqlite3.h>

namespace server {

Storage::Storage(const std::string& path) {
    const int rc = sqlite3_open_v2(path.c_str(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = m_db != nullptr ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        throw StorageError("cannot open database " + path + ": " + message);
    }
    sqlite3_busy_timeout(m_db, 5000);
    // WAL with synchronous NORMAL: a commit survives the process being killed at any point (the
    // log is in the page cache); only a power loss may drop the last commits.
    exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;");
    exec("CREATE TABLE IF NOT EXISTS schema_version (component TEXT PRIMARY KEY, version INTEGER NOT NULL)");
}

Storage::~Storage() {
    m_statements.clear(); // statements must be finalised before the connection closes
    sqlite3_close(m_db);
}

Storage::Query::Query(std::unique_lock<std::recursive_mutex> lock, Statement& statement)
    : m_lock(std::move(lock)), m_statement(&statement) {}

Storage::Query::Query(Query&& other) noexcept : m_lock(std::move(other.m_lock)), m_statement(other.m_statement) {
    other.m_statement = nullptr;
}

Storage::Query::~Query() {
    if (m_statement != nullptr) {
        m_statement->reset();
    }
}

Storage::Query Storage::query(std::string_view sql) {
    std::unique_lock lock(m_mutex);
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        it = m_statements.emplace(std::string(sql), std::make_unique<Statement>(m_db, sql)).first;
    }
    return Query(std::move(lock), *it->second);
}

Storage::Transaction::Transaction(Storage& storage) : m_storage(&storage), m_lock(storage.m_mutex) {
    m_storage->exec("BEGIN IMMEDIATE");
}

Storage::Transaction::Transaction(Transaction&& other) noexcept
    : m_storage(other.m_storage), m_lock(std::move(other.m_lock)), m_open(other.m_open) {
    other.m_open = false;
}

Storage::Transaction::~Transaction() {
    if (m_open) {
        try {
            m_storage->exec("ROLLBACK");
        } catch (const StorageError&) {
            // The connection already rolled back on its own (for example after a full disk).
        }
    }
}

void Storage::Transaction::commit() {
    m_storage->exec("COMMIT");
    m_open = false;
}

void Storage::exec(std::string_view sql) {
    std::lock_guard lock(m_mutex);
    std::string text(sql);
    char* error = nullptr;
    if (sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error != nullptr ? error : sqlite3_errmsg(m_db);
        sqlite3_free(error);
        throw StorageError("\"" + text + "\" failed: " + message);
    }
}

int Storage::schemaVersion(std::string_view component) {
    auto q = query("SELECT version FROM schema_version WHERE component = ?1");
    q->bind(1, component);
    return q->step() ? static_cast<int>(q->columnInt(0)) : 0;
}

void Storage::migrate(std::string_view component, const std::vector<Migration>& steps) {
    std::lock_guard lock(m_mutex);
    for (const auto& step : steps) {
        if (step.version <= schemaVersion(component)) {
            continue;
        }
        auto tx = transaction();
        exec(step.sql);
        auto q = query("INSERT INTO schema_version (component, version) VALUES (?1, ?2) "
                       "ON CONFLICT (component) DO UPDATE SET version = excluded.version");
        q->bindAll(component, step.version).run();
        tx.commit();
    }
}

std::string Storage::integrityCheck() {
    auto q = query("PRAGMA integrity_check");
    return q->step() ? q->columnText(0) : std::string("no answer");
}

} // namespace server
