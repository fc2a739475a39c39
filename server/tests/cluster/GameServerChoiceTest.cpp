// The rule that gives a player a game server, and the HOST:PORT texts an operator may name.
#include "cluster/GameServerAddress.h"
#include "cluster/GameServerChoice.h"

#include <gtest/gtest.h>

#include <map>

namespace server::cluster {
namespace {

TEST(GameServerChoice, PlayersSpreadEvenlyAndMoveToTheNextServerUpInOrder) {
    const std::vector<bool> allUp(3, true);
    std::map<std::size_t, int> count;
    for (int id = 10001; id <= 10300; ++id) {
        const auto index = chooseGameServer(allUp, id);
        ASSERT_TRUE(index);
        EXPECT_EQ(*index, static_cast<std::size_t>(id % 3)) << "a player's own server is its id modulo the count";
        ++count[*index];
    }
    EXPECT_EQ(count, (std::map<std::size_t, int>{{0, 100}, {1, 100}, {2, 100}}));

    // Server 1 down: its players go to 2, the others stay where they were.
    const std::vector<bool> oneDown = {true, false, true};
    EXPECT_EQ(chooseGameServer(oneDown, 10002), 0u); // 10002 % 3 == 0
    EXPECT_EQ(chooseGameServer(oneDown, 10003), 2u); // 10003 % 3 == 1
    EXPECT_EQ(chooseGameServer(oneDown, 10001), 2u); // 10001 % 3 == 2
    // The last one down wraps round to the first.
    EXPECT_EQ(chooseGameServer({true, true, false}, 10001), 0u);
    EXPECT_EQ(chooseGameServer({false, false, true}, 10002), 2u);

    EXPECT_FALSE(chooseGameServer({false, false}, 10001));
    EXPECT_FALSE(chooseGameServer({}, 10001));
    // A stray id never picks outside the list.
    for (int id : {0, -1, -10001, 2147483647, -2147483647 - 1}) {
        const auto index = chooseGameServer(allUp, id);
        ASSERT_TRUE(index);
        EXPECT_LT(*index, 3u) << id;
    }
}

TEST(GameServerAddressText, NamesAndIpv4AddressesWithAPortAreTakenAndNothingElse) {
    std::string why;
    const auto named = GameServerAddress::parse("game-2.brindle.example:8001", why);
    ASSERT_TRUE(named) << why;
    EXPECT_EQ(named->host, "game-2.brindle.example");
    EXPECT_EQ(named->port, 8001);
    EXPECT_EQ(named->text(), "game-2.brindle.example:8001");
    EXPECT_EQ(GameServerAddress::parse("10.0.0.7:65535", why), (GameServerAddress{"10.0.0.7", 65535}));
    EXPECT_EQ(GameServerAddress::parse("localhost:1", why), (GameServerAddress{"localhost", 1}));

    const char* bad[] = {"", ":", "127.0.0.1", "127.0.0.1:", ":8001", "127.0.0.1:0", "127.0.0.1:65536",
                         "127.0.0.1:99999999999", "127.0.0.1:-1", "127.0.0.1:+80", "127.0.0.1:80x", "127.0.0.1:8 0",
                         "127.0.0.1:1.5", "256.0.0.1:8001", "1.2.3:8001", "1.2.3.4.5:8001", "01.2.3.4:8001",
                         "0.0.0.0:8001", "[::1]:8001", "::1:8001", "host name:8001", "-host:8001", "host-:8001",
                         "a..b:8001", ".host:8001", "host.:8001", "ho_st:8001", "主机:8001", "host:8001\n"};
    for (const char* text : bad) {
        why.clear();
        EXPECT_FALSE(GameServerAddress::parse(text, why)) << "\"" << text << "\"";
        EXPECT_FALSE(why.empty()) << "\"" << text << "\"";
    }
    EXPECT_FALSE(GameServerAddress::parse(std::string(300, 'a') + ":8001", why));
}

} // namespace
} // namespace server::cluster
