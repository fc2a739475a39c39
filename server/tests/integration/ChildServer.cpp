#include "integration/ChildServer.h"


#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>

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
        auto has = [&extraArgs](const char* flag) {
            return std::find(extraArgs.begin(), extraArgs.end(), flag) != extraArgs.end();
        };
        readPorts(out[0], !has("--no-entry"), !has("--no-game"));
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

namespace {

// The port of "NAME listening on HOST:PORT\n" once the whole line is there, else 0.
int listeningPort(const std::string& text, const std::string& name) {
    const std::size_t at = text.find(name + " listening on ");
    const std::size_t end = at == std::string::npos ? at : text.find('\n', at);
    const std::size_t colon = end == std::string::npos ? end : text.rfind(':', end);
    if (colon == std::string::npos || colon < at) {
        return 0;
    }
    int port = 0;
    std::from_chars(text.data() + colon + 1, text.data() + end, port);
    return port;
}

} // namespace

void ChildServer::readPorts(int fd, bool entry, bool game) {
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < deadline) {
        m_entryPort = listeningPort(text, "entry");
        m_gamePort = listeningPort(text, "game");
        if ((m_entryPort > 0 || !entry) && (m_gamePort > 0 || !game)) {
            return;
        }
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) {
            continue;
        }
        char chunk[256];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n <= 0) {
            break;
        }
        text.append(chunk, static_cast<std::size_t>(n));
    }
    m_entryPort = 0;
    m_gamePort = 0;
}

} // namespace server::test
