#include "storage/PgStatement.h"

#include <libpq-fe.h>

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace server {

namespace {

constexpr Oid kBytea = 17;

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

} // namespace

PgStatement::PgStatement(PgConnection& connection, std::string_view sql)
    : m_connection(connection), m_sql(sql) {}

PgStatement::Value& PgStatement::slot(int index) {
    if (index < 1 || index > 65535) {
        throw StorageError("bind failed for \"" + m_sql + "\": no parameter " + std::to_string(index));
    }
    if (static_cast<std::size_t>(index) > m_values.size()) {
        m_values.resize(static_cast<std::size_t>(index));
    }
    return m_values[static_cast<std::size_t>(index) - 1];
}

Statement& PgStatement::bind(int index, std::int64_t value) {
    Value& v = slot(index);
    v.type = 'i';
    v.bytes = std::to_string(value);
    return *this;
}

Statement& PgStatement::bind(int index, double value) {
    Value& v = slot(index);
    v.type = 'd';
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr; // shortest exact form
    v.bytes.assign(text, end);
    return *this;
}

Statement& PgStatement::bind(int index, std::string_view text) {
    Value& v = slot(index);
    v.type = 't';
    v.bytes.assign(text);
    return *this;
}

Statement& PgStatement::bindBlob(int index, std::string_view bytes) {
    Value& v = slot(index);
    v.type = 'b';
    v.bytes.assign(bytes);
    return *this;
}

Statement& PgStatement::bindNull(int index) {
    Value& v = slot(index);
    v.type = 'n';
    v.bytes.clear();
    return *this;
}

bool PgStatement::step() {
    if (!m_result) {
        const int wanted = m_connection.parameters(m_sql);
        if (m_values.size() > static_cast<std::size_t>(wanted)) {
            throw StorageError("bind failed for \"" + m_sql + "\": more values than parameters");
        }
        m_values.resize(static_cast<std::size_t>(wanted)); // unbound parameters are NULL, as on SQLite
        std::string types(m_values.size(), 'n');
        std::vector<const char*> pointers(m_values.size(), nullptr);
        std::vector<int> lengths(m_values.size(), 0);
        for (std::size_t i = 0; i < m_values.size(); ++i) {
            types[i] = m_values[i].type;
            if (m_values[i].type != 'n') {
                pointers[i] = m_values[i].bytes.c_str();
                lengths[i] = static_cast<int>(m_values[i].bytes.size());
            }
        }
        m_result = m_connection.run(m_sql, types, pointers, lengths);
        m_row = -1;
        const char* affected = PQcmdTuples(m_result.get());
        m_changes = affected != nullptr && *affected != '\0' ? std::atoi(affected) : 0;
    }
    if (m_row < PQntuples(m_result.get())) {
        ++m_row;
    }
    return m_row < PQntuples(m_result.get());
}

void PgStatement::reset() {
    m_result.reset();
    m_values.clear();
    m_row = -1;
}

const char* PgStatement::cell(int column) const {
    if (!m_result || m_row < 0 || m_row >= PQntuples(m_result.get()) || column < 0 ||
        column >= PQnfields(m_result.get()) || PQgetisnull(m_result.get(), m_row, column) != 0) {
        return nullptr;
    }
    return PQgetvalue(m_result.get(), m_row, column);
}

std::int64_t PgStatement::columnInt(int column) const {
    const char* text = cell(column);
    if (text == nullptr) {
        return 0;
    }
    if (text[0] == 't' && text[1] == '\0') {
        return 1;
    }
    if (text[0] == 'f' && text[1] == '\0') {
        return 0;
    }
    std::int64_t value = 0;
    const char* end = text + std::strlen(text);
    const auto parsed = std::from_chars(text, end, value);
    if (parsed.ec == std::errc() && parsed.ptr == end) {
        return value;
    }
    // A numeric with a fraction, or a double: cut towards zero like SQLite does.
    return static_cast<std::int64_t>(std::strtod(text, nullptr));
}

double PgStatement::columnDouble(int column) const {
    const char* text = cell(column);
    return text == nullptr ? 0.0 : std::strtod(text, nullptr);
}

std::string PgStatement::columnText(int column) const {
    const char* text = cell(column);
    if (text == nullptr) {
        return {};
    }
    const int size = PQgetlength(m_result.get(), m_row, column);
    if (PQftype(m_result.get(), column) == kBytea && size >= 2 && text[0] == '\\' && text[1] == 'x') {
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(size - 2) / 2);
        for (int i = 2; i + 1 < size; i += 2) {
            bytes.push_back(static_cast<char>(hexDigit(text[i]) * 16 + hexDigit(text[i + 1])));
        }
        return bytes;
    }
    return std::string(text, static_cast<std::size_t>(size));
}

bool PgStatement::columnIsNull(int column) const {
    return cell(column) == nullptr;
}

int PgStatement::changes() const {
    return m_changes;
}

} // namespace server
