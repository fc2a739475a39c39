// One prepared SQLite statement. Values only ever reach SQL through bind(): no text is pasted
// into a statement anywhere in the server.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace server {

class StorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Statement {
public:
    Statement(sqlite3* db, std::string_view sql); // throws StorageError naming the SQL
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1, as in SQLite.
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
    Statement& bind(int index, double value);
    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, const char* text) { return bind(index, std::string_view(text)); }
    Statement& bind(int index, const std::string& text) { return bind(index, std::string_view(text)); }
    Statement& bindBlob(int index, std::string_view bytes);
    Statement& bindNull(int index);

    // Binds every argument in order from parameter 1.
    template <class... Args> Statement& bindAll(const Args&... args) {
        int index = 1;
        (bind(index++, args), ...);
        return *this;
    }

    // true while a row is ready; false when the statement has run to its end. Throws on errors
    // (a UNIQUE violation included: see isConstraintError).
    bool step();
    // Runs to the end, ignoring rows.
    void run();
    // Ready for the next use: rewinds and clears every binding.
    void reset();

    std::int64_t columnInt(int column) const;
    double columnDouble(int column) const;
    std::string columnText(int column) const;
    bool columnIsNull(int column) const;

    std::int64_t lastInsertId() const;
    int changes() const;

private:
    void check(int rc, const char* what);

    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
    std::string m_sql;
};

// Thrown by Statement::step for a violated UNIQUE or CHECK constraint, so callers can tell a
// duplicate apart from a broken database.
class ConstraintError : public StorageError {
public:
    using StorageError::StorageError;
};

} // namespace server
