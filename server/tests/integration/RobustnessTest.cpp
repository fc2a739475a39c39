// Hostile and broken clients: each is turned away and the server goes on serving the others.
#include "integration/TestClient.h"
#include "integration/TestServer.h"
#include "wire/frame.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <thread>
#include <vector>

namespace server::test {
namespace {

using namespace std::chrono_literals;

const std::string kMac = "AABBCCDDEEFF";

Json::Value heartbeat() {
    Json::Value request(Json::objectValue);
    request["system"] = 10;
    return request;
}

bool sendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

TEST(Robustness, MalformedRequestsAreClosedWithoutAnAnswer) {
    TestServer server;
    const Json::Value login = server.loginGuest(kMac);
    std::string badBase64 = "2kkk";
    badBase64 += static_cast<char>('*' ^ wire::kClientKey);
    const struct {
        const char* what;
        bool game;
        std::string bytes;
    } cases[] = {
        {"header digit 7", true, "7abc" + wire::encodeRequest("{}").substr(4)},
        {"not Base64", true, badBase64},
        {"Base64 of plain text", true, wire::encodeRequest("just text")},
        {"unmasked JSON to the game server", true, R"({"system":10})"},
        {"HTTP to the entry server", false, "GET / HTTP/1.1\r\nHost: x\r\n\r\n"},
        {"array to the entry server", false, "[1,2,3]"},
        {"nesting bomb", false, "{\"a\":" + std::string(5000, '[')},
    };
    for (const auto& c : cases) {
        const Exchange ex = TestClient::exchange(c.game ? server.gamePort() : server.entryPort(), c.bytes, 5s);
        EXPECT_FALSE(ex.answered) << c.what;
        EXPECT_EQ(server.game(heartbeat(), login, kMac)["response"].asInt(), 1) << "after " << c.what;
    }
    // Whole objects that are not valid JSON, or lack "system", are answered with a refusal.
    for (const std::string text : {R"({"system":})", R"({"nosystem":1})", R"({"system":"two"})"}) {
        const Exchange ex = TestClient::exchange(server.entryPort(), text, 5s);
        ASSERT_TRUE(ex.answered) << text;
        EXPECT_EQ(ex.body, R"({"response":0})") << text;
    }
}

TEST(Robustness, CutOversizedAndSilentConnections) {
    TestServer server([](ServerConfig& c) { c.idleTimeout = 1000ms; });
    const Json::Value login = server.loginGuest(kMac);

    // Cut in the middle: half a request, then the client goes away.
    const std::string request = wire::encodeRequest(TestClient::write(heartbeat()));
    int fd = TestClient::connectTo(server.gamePort());
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(sendAll(fd, std::string_view(request).substr(0, request.size() / 2)));
    ::close(fd);

    // Half a request and then silence: closed by the time-out, with no answer.
    fd = TestClient::connectTo(server.gamePort());
    ASSERT_TRUE(sendAll(fd, std::string_view(request).substr(0, request.size() / 2)));
    EXPECT_FALSE(TestClient::readAnswer(fd, 8s).answered);
    ::close(fd);

    // Nothing at all: closed after the time-out, not at once.
    fd = TestClient::connectTo(server.entryPort());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(TestClient::waitForClose(fd, 8s));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 900ms);
    ::close(fd);

    // Larger than 64 KiB: refused before the end, however valid it would have been.
    Json::Value big = heartbeat();
    big["padding"] = std::string(70 * 1024, 'x');
    big["mac"] = kMac;
    big["sessionid"] = login["sessionid"];
    big["id"] = login["id"];
    EXPECT_FALSE(TestClient::exchange(server.gamePort(), wire::encodeRequest(TestClient::write(big)), 5s).answered);
    EXPECT_FALSE(TestClient::exchange(server.entryPort(), TestClient::write(big), 5s).answered);

    EXPECT_EQ(server.game(heartbeat(), login, kMac)["response"].asInt(), 1);
}

TEST(Robustness, AThousandConnectionsAtOnceAreAllAnswered) {
    TestServer server;
    const Json::Value login = server.loginGuest(kMac);
    Json::Value request = heartbeat();
    request["mac"] = kMac;
    request["sessionid"] = login["sessionid"];
    request["id"] = login["id"];
    const std::string bytes = wire::encodeRequest(TestClient::write(request));

    constexpr int kConnections = 1000;
    std::vector<int> sockets;
    sockets.reserve(kConnections);
    for (int i = 0; i < kConnections; ++i) {
        const int fd = TestClient::connectTo(server.gamePort());
        ASSERT_GE(fd, 0) << "connection " << i;
        sockets.push_back(fd);
    }
    for (int fd : sockets) {
        ASSERT_TRUE(sendAll(fd, bytes));
    }
    int answered = 0;
    for (int fd : sockets) {
        const Exchange ex = TestClient::readAnswer(fd, 20s);
        if (ex.answered && wire::decodeBody(ex.body).ok) {
            ++answered;
        }
        ::close(fd);
    }
    EXPECT_EQ(answered, kConnections);
}

// Polls for a state of the server with a deadline far beyond any slow machine, so the test
// waits for what the server does rather than for a guessed time.
template <typename Predicate>
bool eventually(Predicate done) {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

TEST(Robustness, ConnectionsPastTheCapAreRefusedUntilOthersClose) {
    TestServer server([](ServerConfig& c) {
        c.maxConnections = 3;
        c.idleTimeout = 600'000ms; // the idle three must outlast any slow run
    });
    const Json::Value login = server.loginGuest(kMac);
    auto open = [&server] { return server.app().openConnections(ServerRole::Game); };
    // Nothing else may reach the game server until all three idle ones are counted: a request
    // accepted in between would take a place, and one of the three would be the one refused.
    std::vector<int> idle;
    for (int i = 0; i < 3; ++i) {
        idle.push_back(TestClient::connectTo(server.gamePort()));
        ASSERT_GE(idle.back(), 0);
    }
    ASSERT_TRUE(eventually([&] { return open() == 3; })) << open() << " connections counted";
    EXPECT_TRUE(server.game(heartbeat(), login, kMac).isNull());
    EXPECT_TRUE(server.game(heartbeat(), login, kMac).isNull());
    EXPECT_EQ(open(), 3u);

    for (int fd : idle) {
        ::close(fd);
    }
    ASSERT_TRUE(eventually([&] { return open() == 0; })) << open() << " connections still counted";
    EXPECT_EQ(server.game(heartbeat(), login, kMac)["response"].asInt(), 1);
    // The entry server has its own count.
    EXPECT_EQ(server.loginGuest("010203040506")["response"].asInt(), 1);
}

} // namespace
} // namespace server::test
