// A team match about to begin is announced wherever the player is, except on the team screen
// that shows it itself; "sure" opens his team in role 4.
#include "contest/CHD_TeamInfoLayer.h"
#include "contest/TeamRules.h"
#include "contest/TeamTestSupport.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class TeamAnnounceTest : public TeamTest {
protected:
    void SetUp() override {
        TeamTest::SetUp();
        // A player fresh from the login: no team screen was opened, nothing about teams is known.
        GameData::instance().teamMembers.clear();
        GameData::instance().myTeam = OwnTeamSummary{};
        reply(40, listJson({teamJson(31, "兔子队", 3, 0, "10005", 1)}, 1, 31, "10005"));
        reply(39, teamAnswer(teamJson(31, "兔子队", 3, 0, "10005", 1), 3));
    }
    CMyMessageBox* announced() {
        push(R"({"system":10,"teammatchstatus":1})");
        settle();
        settle();
        return boxSaying(text("gameWillBegin"));
    }
};

TEST_F(TeamAnnounceTest, OnTheMainMenuAndInTheContestHall) {
    for (int sceneId : {2, 21}) {
        GameData::instance().teamMatchStatus = 0;
        enter(sceneId);
        CMyMessageBox* box = announced();
        ASSERT_NE(box, nullptr) << "scene " << sceneId;
        EXPECT_EQ(box->titleText(), text("tips"));
        EXPECT_TRUE(hasCancel(box));
        ASSERT_FALSE(sent(39).empty());
        EXPECT_EQ(sent(39).back()["teamid"].asInt(), 31);
        pressCancel(box);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), sceneId);
    }
    GameData::instance().teamMatchStatus = 0;
    enter(2);
    pressSure(announced());
    engine::testing::stepSeconds(0.3f);
    settle();
    ASSERT_EQ(SceneDirector::instance().currentSceneId(), 26);
    CHD_TeamInfoLayer* team = screen<CHD_TeamInfoLayer>();
    ASSERT_NE(team, nullptr);
    EXPECT_EQ(team->role(), team_rules::kAnnounced);
    EXPECT_EQ(team->team().teamId, 31);
    EXPECT_TRUE(team->signedUp());
    EXPECT_EQ(team->rowTexts(2).size(), 2u);
}

TEST_F(TeamAnnounceTest, OnTheTeamListButNeitherOnTheTeamScreenNorInPlay) {
    GameData::instance().teamMatchStatus = 0;
    openTeam(teamAnswer(teamJson(31, "兔子队", 3, 0, "10005", 1), 3), team_rules::kMember);
    const size_t asked = sent(39).size();
    EXPECT_EQ(announced(), nullptr);
    EXPECT_EQ(sent(39).size(), asked) << "the team screen shows the match itself";

    GameData::instance().teamMatchStatus = 0;
    enter(25);
    EXPECT_NE(announced(), nullptr);

    // Between two rounds of a team match the status goes back to 1 while the player plays.
    GameData::instance().teamMatchStatus = 4;
    enter(22);
    const size_t before = sent(40, -1).size();
    EXPECT_EQ(announced(), nullptr);
    EXPECT_EQ(sent(40, -1).size(), before) << "nothing is asked during play";
    EXPECT_EQ(GameData::instance().teamMatchStatus, 4) << "the next round is still news";
    enter(25);
    EXPECT_NE(announced(), nullptr) << "announced once the player is back on the team list";
}

} // namespace
