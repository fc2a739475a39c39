// The team screens drawn for real through the offscreen GL context. With BRINDLE_SHOT_DIR set
// every frame is saved there as a PNG for a person to look at.
#include "account/StartScenes.h"
#include "contest/CHD_CreateTeamLayer.h"
#include "contest/CHD_TeamInfoLayer.h"
#include "contest/CHD_TeamLayer.h"
#include "contest/TeamRules.h"
#include "contest/TeamTestSupport.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "quiz/RenderSupport.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;
using namespace team_rules;

namespace {

class TeamRenderTest : public TeamTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        TeamTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }
    CHD_TeamInfoLayer* open(int role, int members, int status, const std::string& creater, int startIn = 3 * 3600) {
        Answers answers;
        answers.schedule = dayWith(teamEntry(0, startIn));
        setAnswers(answers);
        return openTeam(teamAnswer(teamJson(31, "兔子队", members, 0, creater, status, 120), members), role);
    }

    GLRenderer* m_gl = nullptr;
};

TEST_F(TeamRenderTest, TeamListFilledAndEmpty) {
    std::vector<Json::Value> teams;
    const char* const names[] = {"兔子队", "Rabbits8", "胡萝卜战队", "abc", "大灰狼"};
    for (int i = 0; i < 5; ++i) teams.push_back(teamJson(31 + i, names[i], 1 + i, 0, "10010", 0, 480 - 60 * i));
    reply(40, listJson(teams, 12));
    enter(25);
    engine::testing::stepSeconds(0.3f);
    shoot("team_list");
    CHD_TeamLayer* list = screen<CHD_TeamLayer>();
    ASSERT_NE(list, nullptr);
    // Each row's texts stay inside its background and clear of its buttons.
    for (int row = 0; row < CHD_TeamLayer::kRows; ++row) {
        EXPECT_EQ(list->rowTexts(row).size(), 4u);
    }

    reply(40, listJson({}, 0));
    enter(25);
    engine::testing::stepSeconds(0.3f);
    shoot("team_list_empty");
    EXPECT_FALSE(screen<CHD_TeamLayer>()->rowWidget("checkbtn_%d", 0)->isVisible());
}

TEST_F(TeamRenderTest, CreateDialogWithANameTyped) {
    reply(40, listJson({teamJson(31, "兔子队", 3, 0, "10010")}, 1));
    enter(25);
    CHD_TeamLayer* list = screen<CHD_TeamLayer>();
    tapWidget(list->widget("buildtitlebtn"));
    auto* dialog = dynamic_cast<CHD_CreateTeamLayer*>(list->getChildByTag(CHD_TeamLayer::kCreateTag));
    ASSERT_NE(dialog, nullptr);
    engine::testing::stepSeconds(0.3f);
    shoot("team_create_empty");
    dialog->nameBox()->setText("胡萝卜");
    engine::testing::stepSeconds(0.3f);
    shoot("team_create");
    dialog->nameBox()->setText("rab_bit");
    tapWidget(dialog->widget("buildbtn"));
    engine::testing::stepSeconds(0.3f);
    shoot("team_create_refused");
}

TEST_F(TeamRenderTest, TeamScreenInEachRole) {
    open(kLeader, 4, 0, "10002");
    engine::testing::stepSeconds(0.5f);
    shoot("team_role1_leader");
    open(kMember, 3, 1, "10005");
    engine::testing::stepSeconds(0.5f);
    shoot("team_role2_member");
    open(kViewer, 5, 0, "10005");
    engine::testing::stepSeconds(0.5f);
    shoot("team_role3_viewer_full");
    CHD_TeamInfoLayer* announced = open(kAnnounced, 3, 1, "10005", 200);
    engine::testing::stepSeconds(0.5f);
    shoot("team_role4_announced");
    GameData::instance().teamMatchStatus = 1;
    wait(1);
    ASSERT_NE(announced->getChildByTag(CHD_TeamInfoLayer::kNoticeTag), nullptr);
    shoot("team_notice_1200");
}

TEST_F(TeamRenderTest, StateLinesAndAskBox) {
    Answers answers;
    answers.schedule = dayWith(teamEntry(2, 600));
    setAnswers(answers);
    CHD_TeamInfoLayer* team = openTeam(teamAnswer(teamJson(31, "兔子队", 3, 1, "10002", 0, 40), 3), kLeader);
    engine::testing::stepSeconds(0.3f);
    shoot("team_state_eliminated");
    tapWidget(team->rowWidget("kickout%d", 1));
    engine::testing::stepSeconds(0.3f);
    shoot("team_kick_ask");
}

TEST_F(TeamRenderTest, GameWillBeginOnTheMainMenu) {
    registerStartScenes();
    GameData::instance().teamMembers.clear();
    reply(40, listJson({teamJson(31, "兔子队", 3, 0, "10005", 1)}, 1, 31, "10005"));
    reply(39, teamAnswer(teamJson(31, "兔子队", 3, 0, "10005", 1), 3));
    enter(2);
    for (CMyMessageBox* box : boxes()) box->removeFromParent();
    push(R"({"system":10,"teammatchstatus":1})");
    settle();
    settle();
    engine::testing::stepSeconds(0.3f);
    ASSERT_NE(boxSaying(text("gameWillBegin")), nullptr);
    shoot("team_game_will_begin");
}

} // namespace
