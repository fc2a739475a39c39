// The SQL of the server is written once for both backends; these turn it into what PostgreSQL
// accepts. Both only look outside string literals, quoted names and comments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace server::sql {

struct Rewritten {
    std::string text;
    int parameters = 0; // the highest parameter number used
};

// ?N becomes $N; a bare ? takes the number after the highest one so far, as SQLite counts it.
Rewritten numberedParameters(std::string_view sql);

// Schema text with SQLite's type words in PostgreSQL's spelling: 64-bit integers, identity
// keys, doubles and byte strings.
std::string postgresTypes(std::string_view sql);

// The statements of a text of several, each without its closing semicolon; blank ones left out.
std::vector<std::string> statements(std::string_view sql);

// true when the statement's first word is `word` (upper case).
bool startsWith(std::string_view statement, std::string_view word);

} // namespace server::sql
