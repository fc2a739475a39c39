// One entry server handing logins out over two game servers, all in this process on one database
// file, as an operator runs them on separate machines. The health checks run when the test says,
// never on the 2-second timer.
#include "integration/TestClient.h"
#include "integration/TestServer.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <future>
#include <map>
#include <thread>

namespace server::test {
namespace {

using namespace std::chrono_literals;

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class GameServerSpread : public ::testing::Test {
protected:
    void SetUp() override {
        gameA = gameOnly(0);
        gameB = gameOnly(0);
        portA = gameA->gamePort();
        portB = gameB->gamePort();
        entry = entryFor({{"127.0.0.1", portA}, {"127.0.0.1", portB}});
    }

    std::unique_ptr<TestServer> gameOnly(int port) {
        return std::make_unique<TestServer>([this, port](ServerConfig& c) {
            c.dbPath = db;
            c.runEntry = false;
            c.gamePort = port;
            c.contestSweeper = false;
        });
    }

    std::unique_ptr<TestServer> entryFor(std::vector<cluster::GameServerAddress> servers,
                                         std::chrono::milliseconds timeout = 1000ms,
                                         std::chrono::milliseconds every = 0ms) {
        return std::make_unique<TestServer>([this, &servers, timeout, every](ServerConfig& c) {
            c.dbPath = db;
            c.runGame = false;
            c.contestSweeper = false;
            c.gameServers = servers;
            c.gameServerCheckEvery = every;
            c.gameServerCheckTimeout = timeout;
        });
    }

    // One round of checks, as the timer would run it; returns what it logged.
    std::string check(TestServer& server) {
        testing::internal::CaptureStderr();
        auto done = std::make_shared<std::promise<void>>();
        server.app().gameServers()->checkNow([done] { done->set_value(); });
        const bool finished = done->get_future().wait_for(10s) == std::future_status::ready;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(finished) << "a check round never finished";
        return said;
    }

    // The device text of a guest that logs in on this game server while both are up.
    std::string guestOn(int port) {
        for (int i = 0; i < 4; ++i) {
            const std::string mac = "DEV" + std::to_string(++devices);
            if (entry->loginGuest(mac)["port"].asInt() == port) {
                return mac;
            }
        }
        ADD_FAILURE() << "no guest landed on " << port;
        return {};
    }

    TempDir dir;
    const std::string db = dir.file("shared.db");
    std::unique_ptr<TestServer> gameA, gameB, entry;
    int portA = 0, portB = 0;
    int devices = 0;
};

TEST_F(GameServerSpread, LoginsSpreadEvenlyAndAPlayerKeepsItsServerFromLoginToLogin) {
    std::map<int, int> perPort;
    std::map<std::string, int> portOf;
    for (int i = 0; i < 10; ++i) {
        const std::string mac = "SPREAD" + std::to_string(i);
        const Json::Value login = entry->loginGuest(mac);
        ASSERT_EQ(login["response"].asInt(), 1) << login;
        const int id = login["id"].asInt();
        const int port = login["port"].asInt();
        EXPECT_EQ(port, id % 2 == 0 ? portA : portB) << "player " << id;
        EXPECT_EQ(login["ip"].asString(), "127.0.0.1");
        EXPECT_EQ(login["pkport"].asInt(), port) << "contests run on the player's own game server";
        EXPECT_EQ(login["pkip"].asString(), "127.0.0.1");
        ++perPort[port];
        portOf[mac] = port;
    }
    EXPECT_EQ(perPort, (std::map<int, int>{{portA, 5}, {portB, 5}}));

    for (const auto& [mac, port] : portOf) {
        const Json::Value again = entry->loginGuest(mac);
        ASSERT_EQ(again["response"].asInt(), 1) << again;
        EXPECT_EQ(again["port"].asInt(), port) << mac;
    }
    // Checks that find both up change nothing and log nothing.
    EXPECT_EQ(check(*entry).find("game server"), std::string::npos);
    EXPECT_EQ(entry->loginGuest(portOf.begin()->first)["port"].asInt(), portOf.begin()->second);
}

TEST_F(GameServerSpread, AStoppedServerIsSkippedFromItsNextCheckAndTakenBackWhenItAnswersAgain) {
    const std::string moverMac = guestOn(portB);
    const std::string stayerMac = guestOn(portA);

    gameB.reset();
    // Until a check says otherwise, B counts as up.
    EXPECT_EQ(entry->loginGuest(moverMac)["port"].asInt(), portB);

    const std::string downLine = "game server 127.0.0.1:" + std::to_string(portB) + " down (";
    const std::string firstCheck = check(*entry);
    EXPECT_EQ(occurrences(firstCheck, downLine), 1u) << firstCheck;
    EXPECT_NE(firstCheck.find("connect failed"), std::string::npos) << firstCheck;
    EXPECT_EQ(occurrences(check(*entry), "game server"), 0u) << "a server still down is not logged again";

    const Json::Value moved = entry->loginGuest(moverMac);
    ASSERT_EQ(moved["response"].asInt(), 1) << moved;
    EXPECT_EQ(moved["port"].asInt(), portA) << "B's players go to the next server up";
    EXPECT_EQ(moved["pkport"].asInt(), portA);
    EXPECT_EQ(entry->loginGuest(stayerMac)["port"].asInt(), portA);

    gameB = gameOnly(portB);
    const std::string upLine = "game server 127.0.0.1:" + std::to_string(portB) + " up";
    EXPECT_EQ(occurrences(check(*entry), upLine), 1u);
    EXPECT_EQ(occurrences(check(*entry), "game server"), 0u);
    EXPECT_EQ(entry->loginGuest(moverMac)["port"].asInt(), portB) << "back on its own server";
    EXPECT_EQ(entry->loginGuest(stayerMac)["port"].asInt(), portA);
}

TEST_F(GameServerSpread, WithNoGameServerUpALoginIsTurnedAwayWithATipAndOpensNoSession) {
    gameA.reset();
    gameB.reset();
    const std::string said = check(*entry);
    EXPECT_EQ(occurrences(said, " down ("), 2u) << said;

    testing::internal::CaptureStderr();
    const Json::Value refused = entry->loginGuest("NOWHERE");
    const std::string logged = testing::internal::GetCapturedStderr();
    EXPECT_EQ(refused["response"].asInt(), 0) << refused;
    EXPECT_EQ(refused["fail"].asInt(), 4) << "the client shows the tip for a failure it has no box of its own for";
    EXPECT_FALSE(refused["tip"].asString().empty());
    EXPECT_FALSE(refused.isMember("sessionid"));
    EXPECT_FALSE(refused.isMember("port"));
    EXPECT_NE(logged.find("no game server is up"), std::string::npos) << logged;
    EXPECT_FALSE(entry->app().services().players.findGuest("NOWHERE")) << "no guest made for a login turned away";

    gameA = gameOnly(portA);
    check(*entry);
    const Json::Value later = entry->loginGuest("NOWHERE");
    ASSERT_EQ(later["response"].asInt(), 1) << later;
    EXPECT_EQ(later["port"].asInt(), portA) << "every player goes to the one server up";
}

// Logins polled until they name `port`, for at most a few seconds.
bool loginsReach(TestServer& entry, const std::string& mac, int port) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (std::chrono::steady_clock::now() < deadline) {
        if (entry.loginGuest(mac)["port"].asInt() == port) {
            return true;
        }
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

TEST_F(GameServerSpread, TheTimerKeepsCheckingOnItsOwn) {
    // The same servers behind an entry server whose timer checks every 20 ms.
    auto timed = entryFor({{"127.0.0.1", portA}, {"127.0.0.1", portB}}, 1000ms, 20ms);
    std::string mover;
    for (int i = 0; i < 4 && mover.empty(); ++i) {
        const std::string mac = "TIMED" + std::to_string(i);
        mover = timed->loginGuest(mac)["port"].asInt() == portB ? mac : "";
    }
    ASSERT_FALSE(mover.empty());
    gameB.reset();
    EXPECT_TRUE(loginsReach(*timed, mover, portA)) << "B never found down";
    gameB = gameOnly(portB);
    EXPECT_TRUE(loginsReach(*timed, mover, portB)) << "B never found up again";
}

// A socket that takes connections into its backlog and never answers.
class SilentListener {
public:
    SilentListener() {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(m_fd, 8) != 0 ||
            ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            return;
        }
        m_port = ntohs(address.sin_port);
    }
    ~SilentListener() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

TEST_F(GameServerSpread, OnlyAGameServersAliveAnswerPassesTheCheck) {
    // The game port answers "alive" without a session; everything else still needs one.
    Json::Value ask(Json::objectValue);
    ask["system"] = 90;
    const Json::Value alive = TestClient::game(portA, ask);
    EXPECT_EQ(alive["response"].asInt(), 1) << alive;
    EXPECT_EQ(alive["system"].asInt(), 90) << alive;
    Json::Value beat(Json::objectValue);
    beat["system"] = 10;
    const Json::Value notice = TestClient::game(portA, beat);
    EXPECT_EQ(notice["system"].asInt(), 1) << notice;
    EXPECT_EQ(notice["response"].asInt(), 2) << notice;

    // An entry server's port and a listener that never answers are no game servers.
    TestServer whole;
    SilentListener silent;
    ASSERT_NE(silent.port(), 0);
    auto picky = entryFor({{"127.0.0.1", whole.entryPort()}, {"127.0.0.1", silent.port()}, {"127.0.0.1", portB}}, 300ms);
    const std::string said = check(*picky);
    EXPECT_NE(said.find(std::to_string(whole.entryPort()) + " down (closed without an answer)"), std::string::npos)
        << said;
    EXPECT_NE(said.find(std::to_string(silent.port()) + " down (no answer within 300 ms)"), std::string::npos) << said;
    EXPECT_EQ(said.find(std::to_string(portB) + " down"), std::string::npos) << said;
    for (const char* mac : {"PICKY1", "PICKY2", "PICKY3"}) {
        EXPECT_EQ(picky->loginGuest(mac)["port"].asInt(), portB) << mac;
    }
}

} // namespace
} // namespace server::test
