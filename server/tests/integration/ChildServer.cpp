#include "integration/ChildServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>

namespace server::test {

using namespace std::chrono_literals;

ChildServer::ChildServer(const std::string& db, const std::vector<std::string>& extraArgs,
                         const std::string& stderrFile) {
    std::vector<std::string> args = {BRINDLE_SERVER_BINARY, "--entry-port", "0", "--game-port", "0", "--db", db,
                                     "--data", BRINDLE_SERVER_DATA_SOURCE, "--password-cost", "min"};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    int out[2];
    if (::pipe(out) != 0) {
        return;
    }
    m_pid = ::fork();
    if (m_pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        if (!stderrFile.empty()) {
            const int err = ::open(stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (err >= 0) {
                ::dup2(err, STDERR_FILENO);
                ::close(err);
            }
        }
        ::execv(BRINDLE_SERVER_BINARY, argv.data());
        _exit(127);
    }
    ::close(out[1]);
    if (m_pid > 0) {
        readPorts(out[0]);
    }
    ::close(out[0]);
}

void ChildServer::kill(int signal) {
    if (m_pid > 0) {
        ::kill(m_pid, signal);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
    }
}

void ChildServer::readPorts(int fd) {
    std::string text;
    const std::regex entry(R"(entry listening on [0-9.]+:([0-9]+))");
    const std::regex game(R"(game listening on [0-9.]+:([0-9]+))");
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    std::smatch e;
    std::smatch g;
    while (std::chrono::steady_clock::now() < deadline) {
        if (std::regex_search(text, e, entry) && std::regex_search(text, g, game)) {
            m_entryPort = std::stoi(e[1]);
            m_gamePort = std::stoi(g[1]);
            return;
        }
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) {
            continue;
        }
        char chunk[256];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n <= 0) {
            return;
        }
        text.append(chunk, static_cast<std::size_t>(n));
    }
}

} // namespace server::test
