// The game server's commands through real sockets and the masked codec.
#include "commands/PushQueue.h"
#include "integration/TestClient.h"
#include "integration/TestServer.h"
#include "storage/PlayerStore.h"

#include <gtest/gtest.h>

#include <set>

namespace server::test {
namespace {

const std::string kMac = "AABBCCDDEEFF";

Json::Value command(int system) {
    Json::Value request(Json::objectValue);
    request["system"] = system;
    return request;
}

TEST(GameCommands, BadSessionsGetTheSessionNotice) {
    TestServer server;
    const Json::Value login = server.loginGuest(kMac);
    ASSERT_EQ(login["response"].asInt(), 1);

    Json::Value wrongId = login;
    wrongId["id"] = login["id"].asInt() + 1;
    Json::Value unknown = login;
    unknown["sessionid"] = "0123456789abcdef0123456789abcdef";
    Json::Value notHex = login;
    notHex["sessionid"] = "' OR 1=1 --";
    Json::Value numeric = login;
    numeric["sessionid"] = 12345;

    for (const Json::Value* session : {&wrongId, &unknown, &notHex, &numeric}) {
        const Json::Value answer = server.game(command(10), *session, kMac);
        EXPECT_EQ(answer["system"].asInt(), 1) << answer;
        EXPECT_EQ(answer["response"].asInt(), 2) << answer;
    }
    Json::Value bare = command(10); // no session members at all
    const Json::Value answer = TestClient::game(server.gamePort(), bare);
    EXPECT_EQ(answer["response"].asInt(), 2);
    EXPECT_EQ(server.game(command(10), login, kMac)["response"].asInt(), 1);
}

TEST(GameCommands, HeartbeatHandsOutOnePushPerAnswerThenTheTeamStatus) {
    TestServer server;
    const Json::Value login = server.loginGuest(kMac);
    const int id = login["id"].asInt();
    PushQueue& pushes = server.app().services().pushes;
    Json::Value pairing(Json::objectValue);
    pairing["system"] = 28;
    pairing["act"] = 3;
    pairing["name"] = "对手";
    Json::Value question(Json::objectValue);
    question["system"] = 29;
    question["qsid"] = 17;
    pushes.push(id, pairing);
    pushes.push(id, question);
    pushes.push(id + 1, question); // somebody else's
    pushes.setTeamMatchStatus(id, 1);

    const Json::Value first = server.game(command(10), login, kMac);
    EXPECT_EQ(first["system"].asInt(), 28) << first;
    EXPECT_EQ(first["name"].asString(), "对手");
    EXPECT_EQ(first["teammatchstatus"].asInt(), 1);
    const Json::Value second = server.game(command(10), login, kMac);
    EXPECT_EQ(second["system"].asInt(), 29) << second;
    EXPECT_EQ(second["qsid"].asInt(), 17);
    const Json::Value plain = server.game(command(10), login, kMac);
    EXPECT_EQ(plain["system"].asInt(), 10) << plain;
    EXPECT_EQ(plain["response"].asInt(), 1);
    EXPECT_EQ(plain["teammatchstatus"].asInt(), 1);
    EXPECT_EQ(pushes.pending(id + 1), 1u);
}

TEST(GameCommands, NoticesExplainsAndTheOtherContent) {
    TestServer server;
    const Json::Value login = server.loginGuest(kMac);

    for (int act : {0, 1}) {
        Json::Value request = command(12);
        request["act"] = act;
        const Json::Value answer = server.game(request, login, kMac);
        EXPECT_EQ(answer["response"].asInt(), 1);
        EXPECT_EQ(answer["act"].asInt(), act);
        ASSERT_TRUE(answer["notice"].isArray());
        ASSERT_FALSE(answer["notice"].empty()) << "act " << act;
        for (const auto& notice : answer["notice"]) {
            EXPECT_TRUE(notice["hourmin"].isInt());
            EXPECT_FALSE(notice["message"].asString().empty());
        }
    }

    const Json::Value explains = server.game(command(21), login, kMac);
    std::set<int> ids;
    for (const auto& item : explains["explains"]) {
        EXPECT_FALSE(item["explain"].asString().empty());
        ids.insert(item["uiid"].asInt());
    }
    for (int screen : {0, 1, 2, 3, 4, 5, 6, 7}) {
        EXPECT_TRUE(ids.count(screen)) << "no help text for ui id " << screen;
    }

    // The prize tiers go out with a team (command 39); 49 now answers the player's own results.
    const Json::Value prizes = server.app().teams().prizeTiers();
    ASSERT_EQ(prizes.size(), 3u);
    for (const char* member : {"prizetype", "prizenum", "rightcount", "wrongcount", "score", "teamscore", "times", "type"}) {
        EXPECT_TRUE(prizes[0][member].isInt()) << member;
    }
    for (const auto& tier : prizes) {
        EXPECT_TRUE(tier["prizetype"].asInt() == 0 || tier["prizetype"].asInt() == 1) << tier;
    }
    const Json::Value walls = server.game(command(23), login, kMac);
    ASSERT_FALSE(walls["sdkplat"].empty());
    EXPECT_TRUE(walls["sdkplat"][0]["index"].isInt());

    Json::Value location = command(16);
    location["lat"] = 0.0;
    location["lng"] = 0.0;
    location["city"] = "";
    EXPECT_EQ(server.game(location, login, kMac)["response"].asInt(), 1);

    Json::Value ad = command(25);
    ad["act"] = 1;
    ad["qsid"] = 42;
    ad["gametype"] = 2;
    const Json::Value adAnswer = server.game(ad, login, kMac);
    EXPECT_EQ(adAnswer["response"].asInt(), 1);
    EXPECT_EQ(adAnswer["qsid"].asInt(), 42);
    EXPECT_EQ(adAnswer["qstype"].asInt(), 2);

    const Json::Value unknown = server.game(command(77), login, kMac);
    EXPECT_EQ(unknown["response"].asInt(), 0);
}

TEST(GameCommands, EventsListAndJoinWithTheirCosts) {
    TestServer server;
    const Json::Value login = server.loginGuest(kMac);
    const int id = login["id"].asInt();
    Json::Value list = command(15);
    list["act"] = 0;
    const Json::Value events = server.game(list, login, kMac);
    ASSERT_GE(events["huodong"].size(), 2u) << events;
    int freeEvent = 0;
    int paidEvent = 0;
    for (const auto& e : events["huodong"]) {
        EXPECT_FALSE(e["title"].asString().empty());
        (e["needmoney"].asInt() == 0 ? freeEvent : paidEvent) = e["id"].asInt();
    }
    ASSERT_NE(freeEvent, 0);
    ASSERT_NE(paidEvent, 0);

    Json::Value join = command(15);
    join["act"] = 1;
    join["hdid"] = paidEvent;
    EXPECT_EQ(server.game(join, login, kMac)["fail"].asInt(), 1) << "no gold carrots yet";
    server.app().services().players.addProgress(id, {0, 15, 0});
    const Json::Value paid = server.game(join, login, kMac);
    EXPECT_EQ(paid["response"].asInt(), 1) << paid;
    EXPECT_EQ(paid["money"].asInt(), 5);
    EXPECT_EQ(server.game(join, login, kMac)["fail"].asInt(), 3) << "joined already";
    join["hdid"] = 12345;
    EXPECT_EQ(server.game(join, login, kMac)["fail"].asInt(), 2);
    join["hdid"] = freeEvent;
    EXPECT_EQ(server.game(join, login, kMac)["response"].asInt(), 1);
}

} // namespace
} // namespace server::test
