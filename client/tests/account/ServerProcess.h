// The real brindle-server, started beside the test binary on free loopback ports with a scratch
// database, and stopped when the object goes.
#pragma once

#include <string>
#include <vector>
#include <sys/types.h>

namespace test_support {

class ServerProcess {
public:
    // `options` go to the server after the ports and the database (e.g. "--contest-clock", "...").
    explicit ServerProcess(const std::string& folder, const std::vector<std::string>& options = {});
    ~ServerProcess();
    bool running() const { return m_entryPort != 0 && m_gamePort != 0; }
    unsigned short entryPort() const { return m_entryPort; }
    unsigned short gamePort() const { return m_gamePort; }
    // The server's output so far (its log of handled commands).
    std::string output();
    static std::string binary();

private:
    void readUntilPorts();
    pid_t m_pid = -1;
    int m_out = -1;
    std::string m_text;
    unsigned short m_entryPort = 0, m_gamePort = 0;
};

} // namespace test_support
