#include "storage/SqliteStatement.h"

#include <sqlite3.h>

namespace server {

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : m_db(db), m_sql(sql) {
    const int rc = sqlite3_prepare_v3(db, m_sql.c_str(), static_cast<int>(m_sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &m_statement, nullptr);
    if (rc != SQLITE_OK) {
        throw StorageError("cannot prepare \"" + m_sql + "\": " + sqlite3_errmsg(db));
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

void SqliteStatement::check(int rc, const char* what) {
    if (rc != SQLITE_OK) {
        throw StorageError(std::string(what) + " failed for \"" + m_sql + "\": " + sqlite3_errmsg(m_db));
    }
}

Statement& SqliteStatement::bind(int index, std::int64_t value) {
    check(sqlite3_bind_int64(m_statement, index, value), "bind");
    return *this;
}

Statement& SqliteStatement::bind(int index, double value) {
    check(sqlite3_bind_double(m_statement, index, value), "bind");
    return *this;
}

Statement& SqliteStatement::bind(int index, std::string_view text) {
    check(sqlite3_bind_text64(m_statement, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8),
          "bind");
    return *this;
}

Statement& SqliteStatement::bindBlob(int index, std::string_view bytes) {
    check(sqlite3_bind_blob64(m_statement, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT), "bind");
    return *this;
}

Statement& SqliteStatement::bindNull(int index) {
    check(sqlite3_bind_null(m_statement, index), "bind");
    return *this;
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    std::string message = "step failed for \"" + m_sql + "\": " + sqlite3_errmsg(m_db);
    sqlite3_reset(m_statement);
    if ((rc & 0xFF) == SQLITE_CONSTRAINT) {
        throw ConstraintError(message);
    }
    throw StorageError(message);
}

void SqliteStatement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

std::int64_t SqliteStatement::columnInt(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::columnDouble(int column) const {
    return sqlite3_column_double(m_statement, column);
}

std::string SqliteStatement::columnText(int column) const {
    const auto* text = sqlite3_column_text(m_statement, column);
    const int size = sqlite3_column_bytes(m_statement, column);
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text), size);
}

bool SqliteStatement::columnIsNull(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

int SqliteStatement::changes() const {
    return sqlite3_changes(m_db);
}

} // namespace server
