// The real brindle-server binary as a child process on free loopback ports (read from its
// "listening" lines), with a temporary database of the caller's choosing and the cheap password
// cost. Its standard error goes to a file when one is named, else it is inherited.
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace server::test {

class ChildServer {
public:
    ChildServer(const std::string& db, const std::vector<std::string>& extraArgs = {"--quiet"},
                const std::string& stderrFile = {});
    ~ChildServer() { kill(SIGTERM); }
    bool started() const { return m_entryPort > 0 || m_gamePort > 0; }
    pid_t pid() const { return m_pid; }
    ChildServer(const ChildServer&) = delete;
    ChildServer& operator=(const ChildServer&) = delete;

    // Sends the signal and waits for the child to end.
    void kill(int signal);
    // 0 when the server did not start, or was told not to run that one (--no-entry, --no-game).
    int entryPort() const { return m_entryPort; }
    int gamePort() const { return m_gamePort; }

private:
    void readPorts(int fd, bool entry, bool game);

    pid_t m_pid = -1;
    int m_entryPort = 0;
    int m_gamePort = 0;
};

} // namespace server::test
