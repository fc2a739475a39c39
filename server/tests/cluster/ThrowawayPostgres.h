// A PostgreSQL cluster of its own for one test: started by tools/pg/throwaway.sh in a temporary
// folder, stopped and removed afterwards. available() is false when PostgreSQL is not installed.
#pragma once

#include "TempDir.h"

#include <string>

namespace server::test {

class ThrowawayPostgres {
public:
    ThrowawayPostgres();
    ~ThrowawayPostgres();
    ThrowawayPostgres(const ThrowawayPostgres&) = delete;
    ThrowawayPostgres& operator=(const ThrowawayPostgres&) = delete;

    static bool installed();
    bool running() const { return !m_uri.empty(); }
    const std::string& uri() const { return m_uri; }
    const std::string& error() const { return m_error; }

private:
    TempDir m_dir;
    std::string m_uri;
    std::string m_error;
};

} // namespace server::test
