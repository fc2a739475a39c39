#include "claims/CodeSender.h"

#include "app/Log.h"

#include <asio/post.hpp>
#include <asio/thread_pool.hpp>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <sstream>
#include <thread>

extern char** environ;

namespace server::claims {

namespace {

// A few gateways at once; more wait their turn rather than pile up processes.
constexpr std::size_t kGatewayThreads = 4;

std::string program(const std::vector<std::string>& argv) { return argv.empty() ? std::string("(none)") : argv[0]; }

} // namespace

CommandSender::CommandSender(const std::string& command, std::chrono::milliseconds limit)
    : m_words(words(command)), m_limit(limit), m_pool(std::make_unique<asio::thread_pool>(kGatewayThreads)) {}

CommandSender::~CommandSender() { m_pool->join(); }

std::vector<std::string> CommandSender::words(const std::string& command) {
    std::vector<std::string> out;
    std::istringstream in(command);
    for (std::string word; std::getline(in, word, ' ');) {
        if (!word.empty()) {
            out.push_back(word);
        }
    }
    return out;
}

void CommandSender::send(int playerId, const std::string& tel, const std::string& message) {
    std::vector<std::string> argv = m_words;
    argv.push_back(tel);
    argv.push_back(message);
    asio::post(*m_pool, [argv = std::move(argv), playerId, limit = m_limit] {
        const Outcome outcome = run(argv, limit);
        if (outcome.ok) {
            Log::info("claim form: code for player " + std::to_string(playerId) + " handed to the gateway");
        } else {
            Log::refusal("claim form", "code for player " + std::to_string(playerId) + " not sent: " + outcome.why);
        }
    });
}

CommandSender::Outcome CommandSender::run(const std::vector<std::string>& argv, std::chrono::milliseconds limit) {
    if (argv.empty()) {
        return {false, "no gateway command"};
    }
    std::vector<char*> args;
    for (const auto& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);

    // The gateway's own output could repeat the number or the code: it goes nowhere, never into
    // our log. It gets no descriptor of ours (sockets, the database) and a process group of its
    // own, so a time-out ends whatever it started too.
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&files, 3);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, args[0], &files, &attributes, args.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    if (error != 0) {
        return {false, program(argv) + " could not be started: " + std::strerror(error)};
    }

    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            break;
        }
        if (done < 0 && errno != EINTR) {
            return {false, program(argv) + " lost: " + std::strerror(errno)};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            const auto ms = limit.count();
            return {false, program(argv) + " killed after " +
                               (ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms")};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return {true, {}};
    }
    if (WIFEXITED(status)) {
        return {false, program(argv) + " exited with status " + std::to_string(WEXITSTATUS(status))};
    }
    return {false, program(argv) + " ended by signal " + std::to_string(WTERMSIG(status))};
}

} // namespace server::claims
