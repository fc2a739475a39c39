// A statement on this thread's PostgreSQL connection. Bindings are collected here and typed
// from their C++ values; the first step() sends them and keeps the whole result, later steps
// walk its rows.
#pragma once

#include "storage/PgConnection.h"

namespace server {

class PgStatement final : public Statement {
public:
    PgStatement(PgConnection& connection, std::string_view sql);

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
    struct Value {
        char type = 'n';
        std::string bytes;
    };
    Value& slot(int index);
    const char* cell(int column) const; // nullptr for NULL or no row

    PgConnection& m_connection;
    std::string m_sql;
    std::vector<Value> m_values;
    PgResult m_result;
    int m_row = -1;
    int m_changes = 0;
};

} // namespace server
