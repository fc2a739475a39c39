#include "storage/PgConnection.h"

#include "storage/SqlText.h"

#include <libpq-fe.h>

#include <cstring>

namespace server {

namespace {

// Every server of a cluster takes the writer key in each transaction, which gives PostgreSQL
// the one-writer-at-a-time rule the stores were written for on SQLite. Migrations take their
// own key for the whole run.
constexpr const char* kLockWriters = "SELECT pg_advisory_xact_lock(4242170001)";
constexpr const char* kLockMigrations = "SELECT pg_advisory_lock(4242170002)";
constexpr const char* kUnlockMigrations = "SELECT pg_advisory_unlock(4242170002)";

constexpr Oid kInt8 = 20;
constexpr Oid kFloat8 = 701;
constexpr Oid kText = 25;
constexpr Oid kBytea = 17;

Oid typeOf(char letter) {
    switch (letter) {
    case 'i':
        return kInt8;
    case 'd':
        return kFloat8;
    case 't':
        return kText;
    case 'b':
        return kBytea;
    default:
        return 0; // unknown: PostgreSQL infers it from where the parameter stands
    }
}

void ignoreNotice(void*, const char*) {}

std::string trimmed(const char* message) {
    std::string text = message != nullptr ? message : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

} // namespace

void PgResultFree::operator()(pg_result* result) const {
    PQclear(result);
}

PgConnection::PgConnection(std::string target) : m_target(std::move(target)) {}

PgConnection::~PgConnection() {
    if (m_conn != nullptr) {
        PQfinish(m_conn);
    }
}

void PgConnection::open() {
    if (m_conn != nullptr) {
        PQfinish(m_conn);
        m_conn = nullptr;
    }
    m_prepared.clear();
    // libpq quotes the faulty part of a malformed URI, which may be the password: say less.
    char* malformed = nullptr;
    PQconninfoOption* options = PQconninfoParse(m_target.c_str(), &malformed);
    PQconninfoFree(options);
    if (options == nullptr) {
        PQfreemem(malformed);
        throw StorageError("cannot connect to PostgreSQL: the URI is malformed");
    }
    pg_conn* conn = PQconnectdb(m_target.c_str());
    if (PQstatus(conn) != CONNECTION_OK) {
        // libpq's message names the host and the user, never the password.
        std::string message = trimmed(PQerrorMessage(conn));
        PQfinish(conn);
        throw StorageError("cannot connect to PostgreSQL: " + message);
    }
    PQsetNoticeProcessor(conn, ignoreNotice, nullptr);
    m_conn = conn;
}

void PgConnection::ensureOpen() {
    if (m_lostInTransaction) {
        throw StorageError("the connection to PostgreSQL was lost inside a transaction");
    }
    if (m_conn == nullptr || PQstatus(m_conn) != CONNECTION_OK) {
        if (m_inTransaction) {
            m_lostInTransaction = true;
            throw StorageError("the connection to PostgreSQL was lost inside a transaction");
        }
        open();
    }
}

void PgConnection::fail(const pg_result* result, std::string_view sql) {
    const char* state = result != nullptr ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    std::string message = "\"" + std::string(sql) + "\" failed: " +
                          trimmed(result != nullptr ? PQresultErrorMessage(result) : PQerrorMessage(m_conn));
    if (PQstatus(m_conn) != CONNECTION_OK) {
        // Gone (a restart, a killed backend): the next use opens a new one, unless a
        // transaction was open, which then fails to its end.
        if (m_inTransaction) {
            m_lostInTransaction = true;
        }
        PQfinish(m_conn);
        m_conn = nullptr;
        m_prepared.clear();
    }
    if (state != nullptr && (std::strcmp(state, "23505") == 0 || std::strcmp(state, "23514") == 0)) {
        throw ConstraintError(message);
    }
    throw StorageError(message);
}

PgResult PgConnection::execChecked(std::string_view sql) {
    ensureOpen();
    const std::string text(sql);
    PgResult result(PQexec(m_conn, text.c_str()));
    const auto status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        fail(result.get(), sql);
    }
    return result;
}

void PgConnection::exec(std::string_view sql) {
    execChecked(sql);
}

const PgConnection::Shape& PgConnection::shape(const std::string& sql) {
    auto it = m_shapes.find(sql);
    if (it == m_shapes.end()) {
        auto rewritten = sql::numberedParameters(sql);
        it = m_shapes.emplace(sql, Shape{std::move(rewritten.text), rewritten.parameters}).first;
    }
    return it->second;
}

int PgConnection::parameters(const std::string& sql) {
    return shape(sql).parameters;
}

PgResult PgConnection::run(const std::string& sql, const std::string& types,
                           const std::vector<const char*>& values, const std::vector<int>& lengths) {
    ensureOpen();
    std::string key;
    key.reserve(sql.size() + types.size() + 1);
    key.append(sql).append(1, '\x1f').append(types);
    auto it = m_prepared.find(key);
    const int count = static_cast<int>(types.size());
    if (it == m_prepared.end()) {
        std::vector<Oid> oids(types.size());
        for (std::size_t i = 0; i < types.size(); ++i) {
            oids[i] = typeOf(types[i]);
        }
        std::string name = "b" + std::to_string(m_nextName++);
        PgResult prepared(PQprepare(m_conn, name.c_str(), shape(sql).text.c_str(), count, oids.data()));
        if (PQresultStatus(prepared.get()) != PGRES_COMMAND_OK) {
            fail(prepared.get(), sql);
        }
        it = m_prepared.emplace(std::move(key), std::move(name)).first;
    }
    std::vector<int> formats(types.size());
    for (std::size_t i = 0; i < types.size(); ++i) {
        formats[i] = types[i] == 'b' ? 1 : 0;
    }
    PgResult result(
        PQexecPrepared(m_conn, it->second.c_str(), count, values.data(), lengths.data(), formats.data(), 0));
    const auto status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        fail(result.get(), sql);
    }
    return result;
}

void PgConnection::begin() {
    if (m_inTransaction) {
        // As on SQLite: a second BEGIN would only warn, and its COMMIT would end the first.
        throw StorageError("a transaction is already open on this thread");
    }
    execChecked("BEGIN");
    m_inTransaction = true;
    try {
        execChecked(kLockWriters);
    } catch (...) {
        rollback();
        throw;
    }
}

void PgConnection::commit() {
    const bool lost = m_lostInTransaction;
    m_inTransaction = false;
    m_lostInTransaction = false;
    if (lost) {
        throw StorageError("the connection to PostgreSQL was lost inside a transaction");
    }
    const PgResult result = execChecked("COMMIT");
    // A transaction that failed part-way answers COMMIT with a rollback.
    if (std::strcmp(PQcmdStatus(result.get()), "COMMIT") != 0) {
        throw StorageError("the transaction failed and was rolled back");
    }
}

void PgConnection::rollback() noexcept {
    m_inTransaction = false;
    m_lostInTransaction = false;
    if (m_conn != nullptr && PQstatus(m_conn) == CONNECTION_OK) {
        PQclear(PQexec(m_conn, "ROLLBACK"));
    }
}

void PgConnection::lockMigrations() {
    execChecked(kLockMigrations);
}

void PgConnection::unlockMigrations() noexcept {
    if (m_conn != nullptr && PQstatus(m_conn) == CONNECTION_OK) {
        PQclear(PQexec(m_conn, kUnlockMigrations));
    }
}

PgConnection& PgPool::current() {
    std::lock_guard lock(m_mutex);
    auto& slot = m_connections[std::this_thread::get_id()];
    if (!slot) {
        slot = std::make_unique<PgConnection>(m_target);
    }
    return *slot;
}

} // namespace server
