#include "account/ServerProcess.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace test_support {

std::string ServerProcess::binary() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : (self.parent_path() / "brindle-server").string();
}

ServerProcess::ServerProcess(const std::string& folder, const std::vector<std::string>& options) {
    const std::string program = binary();
    if (program.empty() || access(program.c_str(), X_OK) != 0) return;
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return;
    const std::string db = folder + "server.db";
    m_pid = fork();
    if (m_pid == 0) {
        dup2(pipeFds[1], 1);
        dup2(pipeFds[1], 2);
        close(pipeFds[0]);
        std::vector<const char*> args{program.c_str(), "--entry-port", "0", "--game-port", "0", "--db", db.c_str(),
                                      "--password-cost", "min"};
        for (const std::string& option : options) args.push_back(option.c_str());
        args.push_back(nullptr);
        execv(program.c_str(), const_cast<char* const*>(args.data()));
        _exit(127);
    }
    close(pipeFds[1]);
    m_out = pipeFds[0];
    fcntl(m_out, F_SETFL, O_NONBLOCK);
    readUntilPorts();
}

ServerProcess::~ServerProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        int status = 0;
        waitpid(m_pid, &status, 0);
    }
    if (m_out >= 0) close(m_out);
}

std::string ServerProcess::output() {
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(m_out, buffer, sizeof buffer);
        if (n <= 0) break;
        m_text.append(buffer, static_cast<size_t>(n));
    }
    return m_text;
}

namespace {

unsigned short portAfter(const std::string& text, const std::string& marker) {
    const size_t at = text.find(marker);
    if (at == std::string::npos) return 0;
    return static_cast<unsigned short>(std::atoi(text.c_str() + at + marker.size()));
}

} // namespace

void ServerProcess::readUntilPorts() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (std::chrono::steady_clock::now() < deadline && !running()) {
        pollfd fd{m_out, POLLIN, 0};
        poll(&fd, 1, 100);
        output();
        m_entryPort = portAfter(m_text, "entry listening on 127.0.0.1:");
        m_gamePort = portAfter(m_text, "game listening on 127.0.0.1:");
    }
}

} // namespace test_support
