#include "storage/Storage.h"

#include "storage/PgConnection.h"
#include "storage/PgStatement.h"
#include "storage/SqlText.h"
#include "storage/SqliteStatement.h"

#include <sqlite3.h>

namespace server {

namespace {

constexpr const char* kVersionTable =
    "CREATE TABLE IF NOT EXISTS schema_version (component TEXT PRIMARY KEY, version INTEGER NOT NULL)";

// Holds the migration lock of a PostgreSQL database while servers starting together migrate.
class MigrationTurn {
public:
    explicit MigrationTurn(PgConnection& connection) : m_connection(connection) {
        m_connection.lockMigrations();
    }
    ~MigrationTurn() { m_connection.unlockMigrations(); }
    MigrationTurn(const MigrationTurn&) = delete;
    MigrationTurn& operator=(const MigrationTurn&) = delete;

private:
    PgConnection& m_connection;
};

// SQLite's AUTOINCREMENT never hands out an id at or below the highest one a table has held,
// explicit ids included (a migration may insert one to set where ids start); PostgreSQL's
// identity columns ignore explicit ids. Run after a migration's inserts, this moves every
// identity of the schema past its table's highest id.
constexpr const char* kIdentitiesPastExplicitIds = R"(DO $$
DECLARE
    c record;
    top bigint;
    seq text;
BEGIN
    FOR c IN SELECT table_name, column_name FROM information_schema.columns
             WHERE table_schema = current_schema() AND is_identity = 'YES' LOOP
        EXECUTE format('SELECT max(%I) FROM %I', c.column_name, c.table_name) INTO top;
        seq := pg_get_serial_sequence(quote_ident(c.table_name), c.column_name);
        IF top IS NOT NULL AND top > COALESCE(pg_sequence_last_value(seq::regclass), 0) THEN
            PERFORM setval(seq, top);
        END IF;
    END LOOP;
END $$)";

// A migration's text for PostgreSQL: its type words translated and, after each insert, the
// identities moved past the inserted ids.
std::string postgresMigration(std::string_view text) {
    std::string out;
    for (const auto& statement : sql::statements(sql::postgresTypes(text))) {
        out += statement;
        out += ";\n";
        if (sql::startsWith(statement, "INSERT")) {
            out += kIdentitiesPastExplicitIds;
            out += ";\n";
        }
    }
    return out;
}

} // namespace

bool Storage::isPostgresTarget(std::string_view target) {
    return target.rfind("postgresql://", 0) == 0 || target.rfind("postgres://", 0) == 0;
}

Storage::Storage(const std::string& target) {
    if (!isPostgresTarget(target)) {
        openSqlite(target);
        return;
    }
    m_pg = std::make_unique<PgPool>(target);
    PgConnection& connection = m_pg->current();
    MigrationTurn turn(connection);
    connection.exec(sql::postgresTypes(kVersionTable));
}

void Storage::openSqlite(const std::string& path) {
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
    exec(kVersionTable);
}

Storage::~Storage() {
    m_statements.clear(); // statements must be finalised before the connection closes
    if (m_db != nullptr) {
        sqlite3_close(m_db);
    }
}

Storage::Query::Query(std::unique_lock<std::recursive_mutex> lock, Statement& statement)
    : m_lock(std::move(lock)), m_statement(&statement) {}

Storage::Query::Query(std::unique_ptr<Statement> owned)
    : m_owned(std::move(owned)), m_statement(m_owned.get()) {}

Storage::Query::Query(Query&& other) noexcept
    : m_lock(std::move(other.m_lock)), m_owned(std::move(other.m_owned)), m_statement(other.m_statement) {
    other.m_statement = nullptr;
}

Storage::Query::~Query() {
    if (m_statement != nullptr) {
        m_statement->reset();
    }
}

Storage::Query Storage::query(std::string_view sql) {
    if (m_pg) {
        return Query(std::make_unique<PgStatement>(m_pg->current(), sql));
    }
    std::unique_lock lock(m_mutex);
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        it = m_statements.emplace(std::string(sql), std::make_unique<SqliteStatement>(m_db, sql)).first;
    }
    return Query(std::move(lock), *it->second);
}

Storage::Transaction::Transaction(Storage& storage) : m_storage(&storage) {
    if (storage.m_pg) {
        m_pg = &storage.m_pg->current();
        m_pg->begin();
        return;
    }
    m_lock = std::unique_lock(storage.m_mutex);
    m_storage->exec("BEGIN IMMEDIATE");
}

Storage::Transaction::Transaction(Transaction&& other) noexcept
    : m_storage(other.m_storage), m_lock(std::move(other.m_lock)), m_pg(other.m_pg), m_open(other.m_open) {
    other.m_open = false;
}

Storage::Transaction::~Transaction() {
    if (!m_open) {
        return;
    }
    if (m_pg != nullptr) {
        m_pg->rollback();
        return;
    }
    try {
        m_storage->exec("ROLLBACK");
    } catch (const StorageError&) {
        // The connection already rolled back on its own (for example after a full disk).
    }
}

void Storage::Transaction::commit() {
    m_open = false;
    if (m_pg != nullptr) {
        m_pg->commit();
        return;
    }
    m_open = true;
    m_storage->exec("COMMIT");
    m_open = false;
}

void Storage::exec(std::string_view sql) {
    if (m_pg) {
        m_pg->current().exec(sql::postgresTypes(sql));
        return;
    }
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
    if (m_pg) {
        MigrationTurn turn(m_pg->current());
        runMigrations(component, steps);
        return;
    }
    std::lock_guard lock(m_mutex);
    runMigrations(component, steps);
}

void Storage::runMigrations(std::string_view component, const std::vector<Migration>& steps) {
    for (const auto& step : steps) {
        if (step.version <= schemaVersion(component)) {
            continue;
        }
        auto tx = transaction();
        // Asked again under the writers' lock: another server may have run this step meanwhile.
        if (step.version <= schemaVersion(component)) {
            continue;
        }
        if (m_pg) {
            m_pg->current().exec(postgresMigration(step.sql));
        } else {
            exec(step.sql);
        }
        auto q = query("INSERT INTO schema_version (component, version) VALUES (?1, ?2) "
                       "ON CONFLICT (component) DO UPDATE SET version = excluded.version");
        q->bindAll(component, step.version).run();
        tx.commit();
    }
}

std::string Storage::integrityCheck() {
    if (m_pg) {
        try {
            auto q = query("SELECT 1");
            return q->step() && q->columnInt(0) == 1 ? std::string("ok") : std::string("no answer");
        } catch (const StorageError& e) {
            return e.what();
        }
    }
    auto q = query("PRAGMA integrity_check");
    return q->step() ? q->columnText(0) : std::string("no answer");
}

} // namespace server
