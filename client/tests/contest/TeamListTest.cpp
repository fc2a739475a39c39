// The team list and its create-team dialog: the rows of a page and paging, the join rules and
// every join answer, quick join, the own-team button, viewing a team in its role, the create
// button by round, the name check and the create answers.
#include "contest/CHD_CreateTeamLayer.h"
#include "contest/CHD_TeamInfoLayer.h"
#include "contest/CHD_TeamLayer.h"
#include "contest/TeamRules.h"
#include "contest/TeamTestSupport.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class TeamListTest : public TeamTest {
protected:
    // Seven teams: page 0 holds five. The player (10002) has no team unless myTeamId is given.
    CHD_TeamLayer* enterList(int myTeamId = 0, int roundLevel = 0) {
        Answers answers;
        answers.schedule = dayWith(teamEntry(roundLevel, 3600));
        setAnswers(answers);
        std::vector<Json::Value> teams;
        for (int i = 0; i < 5; ++i) {
            teams.push_back(teamJson(31 + i, "队伍" + std::to_string(i), 1 + i % 5, i % 4, std::to_string(10010 + i),
                                     0, 100 - 10 * i));
        }
        reply(40, listJson(teams, 7, myTeamId, myTeamId ? "10002" : ""));
        enter(25);
        return screen<CHD_TeamLayer>();
    }
    static int teamIdOf(const Json::Value& request) { return request["teamid"].asInt(); }
};

TEST(TeamNameRule, LengthsAndCharacters) {
    // 8 letters or digits; 5 Chinese characters (3 bytes each); a mix within 16 units.
    for (const char* good : {"abcdefgh", "Team2026", "兔子兔子兔", "兔a", "a", "兔子兔abc"}) {
        EXPECT_TRUE(team_rules::validName(good)) << good;
    }
    for (const char* bad : {"abcdefghi", "兔子兔子兔子", "rab_bit", "", "兔 子", "a-b", "兔_", "兔子兔abcd"}) {
        EXPECT_FALSE(team_rules::validName(bad)) << bad;
    }
    // A lone high byte at the end reads no further than the name.
    EXPECT_TRUE(team_rules::validName(std::string("ab\xe5", 3)));
    EXPECT_FALSE(team_rules::validName(std::string(63, '\xe5')));
}

TEST_F(TeamListTest, RowsShowThePageAndPagingAsksForTheNext) {
    CHD_TeamLayer* list = enterList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(sent(40, 0).size(), 1u);
    EXPECT_EQ(sent(40, 0)[0]["page"].asInt(), 0);
    EXPECT_EQ(list->rowTexts(0), (std::vector<std::string>{"1", "队伍0", "1/5", "100"}));
    EXPECT_EQ(list->rowTexts(4), (std::vector<std::string>{"5", "队伍4", "5/5", "60"}));
    EXPECT_EQ(list->pager()->labelText(), "1/2");

    // Page 1 holds the last two teams: the other rows and their buttons go.
    reply(40, listJson({teamJson(40, "末队", 2, 0, "10020"), teamJson(41, "尾队", 1, 0, "10021")}, 7));
    list->pager()->next();
    settle();
    ASSERT_EQ(sent(40, 0).size(), 2u);
    EXPECT_EQ(sent(40, 0)[1]["page"].asInt(), 1);
    EXPECT_EQ(list->rowTexts(0), (std::vector<std::string>{"6", "末队", "2/5", "0"}));
    EXPECT_TRUE(list->rowTexts(2).empty());
    EXPECT_FALSE(list->rowWidget("checkbtn_%d", 2)->isVisible());
    EXPECT_FALSE(list->rowWidget("takepartinteam_%d", 2)->isVisible());
    EXPECT_TRUE(list->rowWidget("takepartinteam_%d", 1)->isVisible());
    EXPECT_EQ(list->emptyHint(), "") << "teams exist";

    // Once the last team is gone the list says so instead of showing five blank rows.
    reply(40, listJson({}, 0));
    list->pager()->first();
    settle();
    EXPECT_EQ(list->emptyHint(), text("noTeamsYet"));
    EXPECT_TRUE(list->rowTexts(0).empty());
}

TEST_F(TeamListTest, JoiningAnEliminatedTeamIsRefusedHere) {
    CHD_TeamLayer* list = enterList(0, 3);
    // Row 2 reached round 2 while the match is at round 3; row 3 reached round 3.
    tapWidget(list->rowWidget("takepartinteam_%d", 2));
    ASSERT_NE(boxSaying(text("HDTeamTaoTai")), nullptr);
    EXPECT_TRUE(sent(37).empty());
    pressSure(boxSaying(text("HDTeamTaoTai")));
    tapWidget(list->rowWidget("takepartinteam_%d", 3));
    settle();
    ASSERT_EQ(sent(37).size(), 1u);
    EXPECT_EQ(teamIdOf(sent(37)[0]), 34);
    EXPECT_EQ(sent(37)[0]["teamleader"].asString(), "10013");
}

TEST_F(TeamListTest, EveryJoinAnswerShowsItsText) {
    CHD_TeamLayer* list = enterList();
    const std::pair<int, const char*> answers[] = {{3, "HDTeamFull"},        {4, "HDInTeamBlacklist"},
                                                   {5, "HDTeamSignUped"},    {6, "notFindTeam"},
                                                   {7, "HDTeamJieSan"},      {0, "HDopfail"},
                                                   {1, "HDopsuccess"}};
    for (const auto& [response, key] : answers) {
        Json::Value answer;
        answer["response"] = response;
        reply(37, answer);
        tapWidget(list->rowWidget("takepartinteam_%d", 0));
        settle();
        CMyMessageBox* box = boxSaying(text(key));
        ASSERT_NE(box, nullptr) << response;
        pressSure(box);
        settle();
    }
    // "sure" after joining asks for the page again: the header now names the team.
    EXPECT_EQ(sent(40, 0).size(), 2u);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(TeamListTest, QuickJoinNeedsNoTeamAndSomeTeams) {
    CHD_TeamLayer* list = enterList(31);
    tapWidget(list->widget("fasttakepartbtn"));
    EXPECT_NE(boxSaying(text("hasJoinTeam")), nullptr);
    EXPECT_TRUE(sent(37).empty());
    boxes().front()->removeFromParent();

    GameData::instance().myTeam.myTeamId = 0;
    tapWidget(list->widget("fasttakepartbtn"));
    settle();
    ASSERT_EQ(sent(37).size(), 1u);
    EXPECT_EQ(teamIdOf(sent(37)[0]), -1);

    GameData::instance().teamList.clear();
    tapWidget(list->widget("fasttakepartbtn"));
    settle();
    EXPECT_EQ(sent(37).size(), 1u) << "an empty list has no team to join";
}

TEST_F(TeamListTest, CreateButtonFollowsTheRound) {
    CHD_TeamLayer* list = enterList(0, 1);
    tapWidget(list->widget("buildtitlebtn"));
    EXPECT_NE(boxSaying(text("createTeamOVreTime")), nullptr);
    EXPECT_EQ(list->getChildByTag(CHD_TeamLayer::kCreateTag), nullptr);
    boxes().front()->removeFromParent();

    GameData::instance().matchSchedule[1].level = 0;
    tapWidget(list->widget("buildtitlebtn"));
    EXPECT_NE(list->getChildByTag(CHD_TeamLayer::kCreateTag), nullptr);

    // No team match in the schedule at all: the button does nothing.
    list->removeChildByTag(CHD_TeamLayer::kCreateTag);
    GameData::instance().matchSchedule.erase(GameData::instance().matchSchedule.begin() + 1);
    tapWidget(list->widget("buildtitlebtn"));
    EXPECT_EQ(list->getChildByTag(CHD_TeamLayer::kCreateTag), nullptr);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(TeamListTest, OwnTeamButtonOpensItOrSaysWhyNot) {
    CHD_TeamLayer* list = enterList();
    tapWidget(list->widget("myteambtn"));
    settle();
    EXPECT_EQ(sent(40, 0).size(), 2u);
    EXPECT_NE(boxSaying(text("noTeamYet")), nullptr);
    EXPECT_TRUE(sent(39).empty());
    boxes().front()->removeFromParent();

    // The player created team 31: the team answer opens it in the leader's role.
    reply(40, listJson({teamJson(31, "队伍0", 2, 0, "10002")}, 1, 31, "10002"));
    reply(39, teamAnswer(teamJson(31, "队伍0", 2, 0, "10002"), 2));
    tapWidget(list->widget("myteambtn"));
    settle();
    ASSERT_EQ(sent(39).size(), 1u);
    EXPECT_EQ(teamIdOf(sent(39)[0]), 31);
    engine::testing::stepSeconds(0.3f);
    settle();
    ASSERT_EQ(SceneDirector::instance().currentSceneId(), 26);
    CHD_TeamInfoLayer* team = screen<CHD_TeamInfoLayer>();
    ASSERT_NE(team, nullptr);
    EXPECT_EQ(team->role(), team_rules::kLeader);

    // Back on the list the player's team is gone from the header: he was removed.
    SceneDirector::instance().switchTo(25);
    engine::testing::stepSeconds(0.3f);
    settle();
    reply(40, listJson({}, 0));
    tapWidget(screen<CHD_TeamLayer>()->widget("myteambtn"));
    settle();
    EXPECT_NE(boxSaying(text("HDTiChuByYourTeam")), nullptr);
}

TEST_F(TeamListTest, CheckOpensTheTeamInTheRoleItHas) {
    CHD_TeamLayer* list = enterList(32);
    // Row 1 is the player's team (not his own creation): role 2 with the answer's fresh count.
    reply(39, teamAnswer(teamJson(32, "队伍1", 3, 1, "10011", 1), 3));
    tapWidget(list->rowWidget("checkbtn_%d", 1));
    settle();
    engine::testing::stepSeconds(0.3f);
    settle();
    CHD_TeamInfoLayer* team = screen<CHD_TeamInfoLayer>();
    ASSERT_NE(team, nullptr);
    EXPECT_EQ(team->role(), team_rules::kMember);
    EXPECT_EQ(team->team().number, 3);
    EXPECT_TRUE(team->signedUp());

    // A team dismissed meanwhile.
    SceneDirector::instance().switchTo(25);
    engine::testing::stepSeconds(0.3f);
    settle();
    replyText(39, R"({"response":0})");
    tapWidget(screen<CHD_TeamLayer>()->rowWidget("checkbtn_%d", 2));
    settle();
    EXPECT_NE(boxSaying(text("HDTeamJieSan")), nullptr);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 25);
}

TEST_F(TeamListTest, SharedButtonsLeadWhereTheHallsDo) {
    CHD_TeamLayer* list = enterList();
    tapWidget(list->widget("instructionbtn"));
    ASSERT_EQ(childrenOf<CTipBox>(list).size(), 1u);
    childrenOf<CTipBox>(list).front()->removeFromParent();
    tapWidget(list->widget("rankbtn"));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 24);
    enter(25);
    tapWidget(screen<CHD_TeamLayer>()->widget("backbtn"));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 21);
}

class CreateTeamTest : public TeamListTest {
protected:
    CHD_CreateTeamLayer* openDialog() {
        CHD_TeamLayer* list = enterList();
        tapWidget(list->widget("buildtitlebtn"));
        return dynamic_cast<CHD_CreateTeamLayer*>(list->getChildByTag(CHD_TeamLayer::kCreateTag));
    }
    void typeAndCreate(CHD_CreateTeamLayer* dialog, const std::string& name) {
        dialog->nameBox()->setText(name);
        tapWidget(dialog->widget("buildbtn"));
        settle();
    }
};

TEST_F(CreateTeamTest, RefusedNamesNeverReachTheServer) {
    CHD_CreateTeamLayer* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(dialog->nameBox(), nullptr);
    EXPECT_EQ(dialog->nameBox()->getPlaceHolder(), text("teamNameHolder"));
    for (const char* bad : {"abcdefghi", "兔子兔子兔子", "rab_bit", ""}) {
        typeAndCreate(dialog, bad);
        CMyMessageBox* box = boxSaying(text("teamNameErroe"));
        ASSERT_NE(box, nullptr) << bad;
        EXPECT_EQ(box->titleText(), text("tips"));
        pressSure(box);
    }
    EXPECT_TRUE(sent(36).empty());
    // The dialog lies over the list: a tap on a list button under it does nothing.
    tapWidget(screen<CHD_TeamLayer>()->widget("rankbtn"));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 25);

    replyText(36, R"({"response":1,"teamid":50,"money":90})");
    typeAndCreate(dialog, "兔子兔子兔");
    ASSERT_EQ(sent(36).size(), 1u);
    EXPECT_EQ(sent(36)[0]["teamname"].asString(), "兔子兔子兔");
    EXPECT_EQ(sent(36)[0]["teaminfo"].asString(), "");
    EXPECT_EQ(GameData::instance().user.money, 90);
    engine::testing::stepSeconds(0.3f);
    settle();
    EXPECT_EQ(sent(40, 0).size(), 2u) << "the list is made again";
    EXPECT_EQ(screen<CHD_TeamLayer>()->getChildByTag(CHD_TeamLayer::kCreateTag), nullptr);
}

TEST_F(CreateTeamTest, EveryRefusalHasItsTextAndReturnsToTheList) {
    const std::pair<int, const char*> answers[] = {
        {5, "DuplicateNames"}, {3, "HDMoneyNEnough"}, {2, "createTeamOVreTime"}, {0, "HDopfail"}};
    for (const auto& [response, key] : answers) {
        CHD_CreateTeamLayer* dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        Json::Value answer;
        answer["response"] = response;
        answer["tip"] = "no";
        reply(36, answer);
        typeAndCreate(dialog, "abcdefgh");
        CMyMessageBox* box = boxSaying(text(key));
        ASSERT_NE(box, nullptr) << response;
        pressSure(box);
        engine::testing::stepSeconds(0.3f);
        settle();
        CHD_TeamLayer* list = screen<CHD_TeamLayer>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->getChildByTag(CHD_TeamLayer::kCreateTag), nullptr) << response;
    }
}

TEST_F(CreateTeamTest, CloseButtonLeavesTheList) {
    CHD_CreateTeamLayer* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    tapWidget(dialog->widget("backbtn"));
    EXPECT_EQ(screen<CHD_TeamLayer>()->getChildByTag(CHD_TeamLayer::kCreateTag), nullptr);
    EXPECT_TRUE(sent(36).empty());
}

} // namespace
