// One prepared statement of either backend. Values only ever reach SQL through bind(): no text
// is pasted into a statement anywhere in the server. SQL text uses ?1, ?2, ... placeholders on
// both backends.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace server {

class StorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Thrown by Statement::step for a violated UNIQUE or CHECK constraint, so callers can tell a
// duplicate apart from a broken database.
class ConstraintError : public StorageError {
public:
    using StorageError::StorageError;
};

class Statement {
public:
    virtual ~Statement() = default;
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1.
    virtual Statement& bind(int index, std::int64_t value) = 0;
    Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
    virtual Statement& bind(int index, double value) = 0;
    virtual Statement& bind(int index, std::string_view text) = 0;
    Statement& bind(int index, const char* text) { return bind(index, std::string_view(text)); }
    Statement& bind(int index, const std::string& text) { return bind(index, std::string_view(text)); }
    virtual Statement& bindBlob(int index, std::string_view bytes) = 0;
    virtual Statement& bindNull(int index) = 0;

    // Binds every argument in order from parameter 1.
    template <class... Args> Statement& bindAll(const Args&... args) {
        int index = 1;
        (bind(index++, args), ...);
        return *this;
    }

    // true while a row is ready; false when the statement has run to its end. Throws on errors
    // (a UNIQUE or CHECK violation as ConstraintError).
    virtual bool step() = 0;
    // Runs to the end, ignoring rows.
    void run() {
        while (step()) {
        }
    }
    // Ready for the next use: rewinds and clears every binding.
    virtual void reset() = 0;

    // Integers also read booleans and whole numerics; a NULL reads 0 or "".
    virtual std::int64_t columnInt(int column) const = 0;
    virtual double columnDouble(int column) const = 0;
    virtual std::string columnText(int column) const = 0;
    virtual bool columnIsNull(int column) const = 0;

    // A statement that needs the id of the row it inserted says RETURNING id: PostgreSQL has no
    // connection-wide last id.
    // Rows the last run inserted, updated or deleted.
    virtual int changes() const = 0;
};

} // namespace server
