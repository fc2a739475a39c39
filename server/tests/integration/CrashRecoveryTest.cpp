// The real brindle-server binary killed with SIGKILL while it writes: the database it leaves is
// intact and holds every registration the server had acknowledged.
#include "integration/TestClient.h"
#include "storage/PlayerStore.h"
#include "storage/Storage.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <regex>
#include <thread>
#include <vector>

namespace server::test {
namespace {

using namespace std::chrono_literals;

// brindle-server as a child process; ports read from its "listening" lines.
class ChildServer {
public:
    explicit ChildServer(const std::string& db) {
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            execl(BRINDLE_SERVER_BINARY, BRINDLE_SERVER_BINARY, "--entry-port", "0", "--game-port", "0", "--db",
                  db.c_str(), "--data", BRINDLE_SERVER_DATA_SOURCE, "--password-cost", "min", "--quiet",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        ::close(out[1]);
        readPorts(out[0]);
        ::close(out[0]);
    }
    ~ChildServer() { kill(SIGTERM); }

    void kill(int signal) {
        if (m_pid > 0) {
            ::kill(m_pid, signal);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
            m_pid = -1;
        }
    }
    int entryPort() const { return m_entryPort; }

private:
    void readPorts(int fd) {
        std::string text;
        const std::regex entry(R"(entry listening on [0-9.]+:([0-9]+))");
        const std::regex game(R"(game listening on [0-9.]+:([0-9]+))");
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        std::smatch m;
        while (std::chrono::steady_clock::now() < deadline) {
            if (std::regex_search(text, m, entry) && std::regex_search(text, game)) {
                m_entryPort = std::stoi(m[1]);
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

    pid_t m_pid = -1;
    int m_entryPort = 0;
};

Json::Value registration(const std::string& user) {
    Json::Value r(Json::objectValue);
    r["system"] = 1;
    r["username"] = user;
    r["pwd"] = "E10ADC3949BA59ABBE56E057F20F883E";
    r["mac"] = "0A1B2C3D4E5F";
    return r;
}

TEST(CrashRecovery, KilledDuringWritesKeepsEveryAcknowledgedRegistration) {
    TempDir dir;
    const std::string db = dir.file("crash.db");
    std::vector<std::string> acknowledged;
    {
        ChildServer child(db);
        ASSERT_GT(child.entryPort(), 0) << "the server did not start";
        std::mutex mutex;
        std::atomic<bool> stop{false};
        std::vector<std::thread> writers;
        for (int w = 0; w < 3; ++w) {
            writers.emplace_back([&, w] {
                for (int i = 0; !stop; ++i) {
                    char name[16];
                    std::snprintf(name, sizeof name, "13%d%08d", w, i);
                    const Json::Value answer = TestClient::entry(child.entryPort(), registration(name));
                    if (answer["response"].asInt() == 1) {
                        std::lock_guard lock(mutex);
                        acknowledged.emplace_back(name);
                    } else if (answer.isNull()) {
                        return; // the server is gone
                    }
                }
            });
        }
        // Kill once a fair number of writes went through, while the writers keep going.
        for (int i = 0; i < 500; ++i) {
            {
                std::lock_guard lock(mutex);
                if (acknowledged.size() >= 150) {
                    break;
                }
            }
            std::this_thread::sleep_for(10ms);
        }
        child.kill(SIGKILL);
        stop = true;
        for (auto& writer : writers) {
            writer.join();
        }
    }
    ASSERT_GE(acknowledged.size(), 20u);
    {
        Storage storage(db);
        EXPECT_EQ(storage.integrityCheck(), "ok");
        PlayerStore players(storage);
        for (const auto& name : acknowledged) {
            EXPECT_TRUE(players.findByUserName(name)) << name << " was acknowledged but is lost";
        }
    }
    // The restarted server runs on the same file and knows the accounts.
    ChildServer again(db);
    ASSERT_GT(again.entryPort(), 0);
    Json::Value login(Json::objectValue);
    login["system"] = 2;
    login["mac"] = "0A1B2C3D4E5F";
    login["username"] = acknowledged.back();
    login["pwd"] = "E10ADC3949BA59ABBE56E057F20F883E";
    EXPECT_EQ(TestClient::entry(again.entryPort(), login)["response"].asInt(), 1);
}

} // namespace
} // namespace server::test
