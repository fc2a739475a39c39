// A statement prepared once on the SQLite connection and kept for reuse.
#pragma once

#include "storage/Statement.h"

struct sqlite3;
struct sqlite3_stmt;

namespace server {

class SqliteStatement final : public Statement {
public:
    SqliteStatement(sqlite3* db, std::string_view sql); // throws StorageError naming the SQL
    ~SqliteStatement() override;

    using Statement::bind;
    Statement& bind(int index, std::int64_t value) override;
    Statement& bind(int index, double value) override;
    Statement& bind(int index, std::string_view text) override;
    Statement& bindBlob(int index, std::string_view bytes) override;
    Statement& bindNull(int index) override;

    bool step() override;
    void reset() override;

    std::int64_t columnInt(int column) const override;
    double columnDouble(int column) const override;
    std::string columnText(int column) const override;
    bool columnIsNull(int column) const override;

    int changes() const override;

private:
    void check(int rc, const char* what);

    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
    std::string m_sql;
};

} // namespace server
