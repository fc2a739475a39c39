// Every request of the catalogue as the game server receives it: "system", the sub-command and the
// members, in sending order.
#include "net/JsonRead.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

using namespace test_support;

namespace {

class RequestCatalogueTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        enterScene(2);
        NetManager::installFrameHook();
        ASSERT_TRUE(pumpUntilIdle());
        UserSession::instance().setLoginValues(5, "s5");
    }
    void TearDown() override {
        NetManager::instance().setEntryEndpoint("127.0.0.1", 8000);
        EXPECT_TRUE(pumpUntilIdle());
        ClientTest::TearDown();
    }
};

TEST_F(RequestCatalogueTest, EveryGameRequestHasItsSystemAndSubCommand) {
    LoopbackServer game(true, [](const Json::Value&) { return Reply::close(); });
    NetManager::instance().setGameEndpoint("127.0.0.1", game.port());
    const NetTarget none;
    Json::Value fields(Json::objectValue);
    fields["name"] = "n";
    Json::Value post(Json::objectValue);
    post["address"] = "a";
    RequestCatalogue::changeUserInfo("nick", "e", "t", "h", "b", 1, none);
    RequestCatalogue::changePassword("OLD", "NEW", none);
    RequestCatalogue::achievementList(none);
    RequestCatalogue::claimAchievement(4, none);
    RequestCatalogue::signData(none);
    RequestCatalogue::signIn(none);
    RequestCatalogue::luckData(none);
    RequestCatalogue::luckSign(none);
    RequestCatalogue::rankList(none);
    RequestCatalogue::treasureOpen(none);
    RequestCatalogue::treasureData(none);
    RequestCatalogue::collectionData(none);
    RequestCatalogue::collectionExchange(none);
    RequestCatalogue::goodsList("showbreak", none);
    RequestCatalogue::buyRecords(none);
    RequestCatalogue::goodsDetail(8, none);
    RequestCatalogue::exchangeGoods(8, 2, "x", post, none);
    RequestCatalogue::notice(1, Dim::Yes, none);
    RequestCatalogue::eventList(none);
    RequestCatalogue::joinEvent(3, none);
    RequestCatalogue::explains(none);
    RequestCatalogue::authCode(none);
    RequestCatalogue::saveReceiveInfo(fields, none);
    RequestCatalogue::questionByList(11, none);
    RequestCatalogue::questionFromListPage(11, 0, none);
    RequestCatalogue::contestQuestion(11, 0, 2, 6, none);
    RequestCatalogue::submitAnswer(11, 12, "A", 0, 1, -1, none);
    RequestCatalogue::submitContestAnswer(11, 12, "A", 0, 1, 3, 2, 6, none);
    RequestCatalogue::submitContestSummary(11, "A", 4.5, 1, none);
    RequestCatalogue::media("img/x.png", Busy::No, none);
    RequestCatalogue::matchSchedule(none);
    RequestCatalogue::createTeam("t", "i", none);
    RequestCatalogue::joinTeam(2, Json::Value("leader"), none);
    RequestCatalogue::teamList(1, none);
    RequestCatalogue::teamInfo(2, none);
    RequestCatalogue::dismissTeam(2, Json::Value("c"), none);
    RequestCatalogue::kickMember(9, 2, Json::Value("c"), none);
    RequestCatalogue::signUp(6, 2, Json::Value("c"), none);
    RequestCatalogue::cancelSignUp(6, 2, Json::Value("c"), none);
    RequestCatalogue::quitTeam(2, none);
    RequestCatalogue::teamRankList(0, none);
    RequestCatalogue::teamListFirst(none);
    RequestCatalogue::contestRank(3, none);
    RequestCatalogue::matchPresence(4, 1, Busy::No, none);
    RequestCatalogue::challenge(1, Json::Value(77), "rival", 3, none);
    RequestCatalogue::referralList(0, none);
    RequestCatalogue::referralStats(none);
    RequestCatalogue::setReferrer(88, none);
    RequestCatalogue::prizeTable(nullptr, nullptr, nullptr, Busy::No);
    RequestCatalogue::sdkPlat();
    ASSERT_TRUE(pumpUntilIdle(30));

    struct Expected {
        int system;
        const char* act; // compact JSON of "act", "" when absent
        const char* member;
        const char* value;
    };
    const Expected expected[] = {
        {1, "\"change\"", "nickname", "\"nick\""}, {1, "\"changepwd\"", "newpwd", "\"NEW\""},
        {14, "\"show\"", "", ""},                  {14, "\"askprize\"", "achvId", "4"},
        {11, "\"everyday\"", "req", "\"data\""},   {11, "\"everyday\"", "req", "\"sign\""},
        {11, "\"luck\"", "req", "\"data\""},       {11, "\"luck\"", "req", "\"sign\""},
        {13, "", "", ""},                          {17, "2", "", ""},
        {17, "1", "", ""},                         {17, "3", "", ""},
        {17, "4", "", ""},                         {7, "\"showbreak\"", "", ""},
        {7, "\"record\"", "", ""},                 {7, "\"detail\"", "goodsid", "8"},
        {7, "\"convert\"", "address", "\"a\""},    {12, "1", "", ""},
        {15, "0", "", ""},                         {15, "1", "hdid", "3"},
        {21, "", "", ""},                          {24, "", "type", "\"authcode\""},
        {24, "", "qq", "\"\""},                    {2, "", "qsid", "11"},
        {2, "", "deviceid", "3"},                  {46, "", "matchid", "6"},
        {3, "", "awardnum", "1"},                  {47, "", "count", "3"},
        {30, "", "spendtime", "4.5"},              {0, "", "media", "\"img/x.png\""},
        {26, "", "", ""},                          {36, "", "teaminfo", "\"i\""},
        {37, "", "teamleader", "\"leader\""},      {40, "0", "page", "1"},
        {39, "", "teamid", "2"},                   {41, "", "teamcreater", "\"c\""},
        {45, "", "userid", "9"},                   {42, "", "matchid", "6"},
        {43, "", "matchid", "6"},                  {44, "", "teamid", "2"},
        {40, "1", "page", "0"},                    {40, "0", "page", "0"},
        {33, "", "matchtype", "3"},                {27, "4", "matchtype", "1"},
        {28, "1", "eqquse", "1"},                  {50, "", "page", "0"},
        {51, "", "", ""},                          {52, "", "tuijianrenid", "88"},
        {49, "", "", ""},                          {23, "", "", ""},
    };
    const auto requests = game.requests();
    ASSERT_EQ(requests.size(), std::size(expected));
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const Json::Value& r = requests[i];
        const Expected& e = expected[i];
        SCOPED_TRACE("request " + std::to_string(i) + ": " + JsonRead::compact(r));
        EXPECT_EQ(r["system"].asInt(), e.system);
        const std::string act = r.isMember("act") ? JsonRead::compact(r["act"]) : std::string("\n");
        EXPECT_EQ(act, std::string(e.act) + "\n");
        if (*e.member) {
            ASSERT_TRUE(r.isMember(e.member));
            EXPECT_EQ(JsonRead::compact(r[e.member]), std::string(e.value) + "\n");
        }
        EXPECT_EQ(r["sessionid"].asString(), "s5");
        EXPECT_EQ(r["id"].asInt(), 5);
    }
    EXPECT_FALSE(requests[26].isMember("count")) << "count only for picture play type 13";
}

TEST_F(RequestCatalogueTest, EntryRequestsCarryNoSessionMembers) {
    LoopbackServer entry(false, [](const Json::Value&) { return Reply::close(); });
    NetManager::instance().setEntryEndpoint("127.0.0.1", entry.port());
    RequestCatalogue::versionCheck("2.2.2", {});
    RequestCatalogue::registerAccount("138", "DIGEST", "MAC", Json::Value(0), {});
    ASSERT_TRUE(pumpUntilIdle());
    const auto requests = entry.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0]["system"].asInt(), 0);
    EXPECT_EQ(requests[0]["version"].asString(), "2.2.2");
    EXPECT_EQ(requests[0]["deviceid"].asInt(), 3);
    EXPECT_EQ(requests[1]["system"].asInt(), 1);
    EXPECT_EQ(requests[1]["tuijian"].asInt(), 1);
    EXPECT_EQ(requests[1]["mac"].asString(), "MAC");
    for (const Json::Value& r : requests) {
        EXPECT_FALSE(r.isMember("sessionid"));
    }
}

} // namespace
