// The team screen: what each role shows and may do, the state line from the schedule, the match
// tick (question list, notice, face-off, a match started after the screen was made), and every
// leader, member and viewer action with its confirmation and answers.
#include "contest/CHD_LoadingLayer.h"
#include "contest/CHD_TeamInfoLayer.h"
#include "contest/CHD_TeamLayer.h"
#include "contest/TeamRules.h"
#include "contest/TeamTestSupport.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "quiz/CCountDownLabel.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;
using namespace team_rules;

namespace {

class TeamInfoTest : public TeamTest {
protected:
    // The player's id is 10002; a team he created is "10002"'s.
    CHD_TeamInfoLayer* open(int role, int members, int status = 0, int teamLevel = 0, int roundLevel = 0,
                            int startIn = 3600, const std::string& creater = "10002") {
        Answers answers;
        answers.schedule = dayWith(teamEntry(roundLevel, startIn));
        setAnswers(answers);
        const Json::Value team = teamJson(31, "兔子队", members, teamLevel, creater, status, 120);
        reply(39, teamAnswer(team, members));
        return openTeam(teamAnswer(team, members), role);
    }
    static bool shown(cocos2d::extension::UIWidget* w) { return w && w->isVisible(); }
    static std::string title(cocos2d::extension::UIWidget* w) {
        auto* b = dynamic_cast<cocos2d::extension::UIButton*>(w);
        return b ? b->getTitleText() : "";
    }
    // Confirms the box asking `key`; false when there is none.
    bool confirm(const char* key) {
        CMyMessageBox* box = boxSaying(text(key));
        if (box == nullptr || !hasCancel(box)) return false;
        pressSure(box);
        settle();
        return true;
    }
    void closeBoxes() {
        for (CMyMessageBox* box : boxes()) box->removeFromParent();
    }
    void afterSwitch() {
        engine::testing::stepSeconds(0.3f);
        settle();
    }
};

TEST_F(TeamInfoTest, EachRoleHasItsButtons) {
    CHD_TeamInfoLayer* leader = open(kLeader, 3);
    ASSERT_NE(leader, nullptr);
    EXPECT_EQ(leader->rowTexts(1), (std::vector<std::string>{"大灰狼", "3/5"}));
    EXPECT_EQ(title(leader->widget("btnleft")), text("dismissTeam"));
    EXPECT_EQ(title(leader->widget("btnright")), text("SignUp"));
    EXPECT_EQ(leader->rightLabel(), nullptr);
    EXPECT_FALSE(shown(leader->rowWidget("kickout%d", 0))) << "not on the leader's own row";
    EXPECT_TRUE(shown(leader->rowWidget("kickout%d", 1)));
    EXPECT_EQ(title(leader->rowWidget("kickout%d", 2)), text("KickOut"));
    EXPECT_FALSE(shown(leader->rowWidget("kickout%d", 3))) << "no member on that row";

    CHD_TeamInfoLayer* signedUpLeader = open(kLeader, 3, 1);
    EXPECT_EQ(title(signedUpLeader->widget("btnright")), text("HDCancelSignUp"));

    CHD_TeamInfoLayer* member = open(kMember, 3, 1, 0, 0, 3600, "10005");
    EXPECT_EQ(title(member->widget("btnleft")), text("QuitTeam"));
    EXPECT_FALSE(shown(member->widget("btnright")));
    ASSERT_NE(member->rightLabel(), nullptr);
    EXPECT_EQ(std::string(member->rightLabel()->getString()), text("HDSignUped"));
    EXPECT_FALSE(shown(member->rowWidget("kickout%d", 1)));

    CHD_TeamInfoLayer* viewer = open(kViewer, 4, 0, 0, 0, 3600, "10005");
    EXPECT_TRUE(shown(viewer->widget("btnleft")));
    EXPECT_EQ(title(viewer->widget("btnleft")), text("quickJoin"));
    EXPECT_EQ(std::string(viewer->rightLabel()->getString()), text("HDunSignUp"));
    CHD_TeamInfoLayer* full = open(kViewer, 5, 0, 0, 0, 3600, "10005");
    EXPECT_FALSE(shown(full->widget("btnleft"))) << "a full team has no join button";

    CHD_TeamInfoLayer* announced = open(kAnnounced, 3, 1);
    EXPECT_FALSE(shown(announced->widget("btnleft")));
    EXPECT_EQ(std::string(announced->rightLabel()->getString()), text("HDSignUped"));
    EXPECT_FALSE(shown(announced->rowWidget("kickout%d", 1)));
}

TEST_F(TeamInfoTest, StateLineComparesTheTeamsRoundWithTheMatchs) {
    CHD_TeamInfoLayer* behind = open(kMember, 3, 0, 1, 2, 3600, "10005");
    ASSERT_NE(behind->stateText(), nullptr);
    EXPECT_EQ(std::string(behind->stateText()->getString()), text("HDTeamTaoTai"));
    EXPECT_EQ(behind->countdown(), nullptr);
    CHD_TeamInfoLayer* ahead = open(kMember, 3, 0, 3, 2, 3600, "10005");
    EXPECT_EQ(std::string(ahead->stateText()->getString()), text("HDTeamAlreadyWin"));
    CHD_TeamInfoLayer* level = open(kMember, 3, 0, 2, 2, 3600, "10005");
    EXPECT_EQ(level->stateText(), nullptr);
    ASSERT_NE(level->countdown(), nullptr);
    EXPECT_EQ(level->countdown()->getPosition().x, 680);
    EXPECT_EQ(level->countdown()->getPosition().y, 50);
}

TEST_F(TeamInfoTest, QuestionListIsAskedOnceTenSecondsBeforeTheStartBySignedUpTeamsOnly) {
    CHD_TeamInfoLayer* waiting = open(kLeader, 3, 0, 0, 0, 13);
    wait(6);
    EXPECT_TRUE(sent(48).empty()) << "a team not signed up plays no match";

    CHD_TeamInfoLayer* team = open(kMember, 3, 1, 0, 0, 13, "10005");
    (void)waiting;
    wait(2);
    EXPECT_TRUE(sent(48).empty());
    EXPECT_FALSE(team->questionListAsked());
    wait(1.5f);
    EXPECT_EQ(team->countdown()->secondsToStart(), 10);
    wait(3);
    ASSERT_EQ(sent(48).size(), 1u);
    EXPECT_EQ(sent(48)[0]["matchtype"].asInt(), 2);
    EXPECT_EQ(sent(48)[0]["matchid"].asInt(), 7);
}

TEST_F(TeamInfoTest, AboutToBeginShowsTheNoticeThenTheMatchStartsWithTheFaceOff) {
    replyText(48, R"({"response":1,"idlist":[501,502,503,504,505]})");
    CHD_TeamInfoLayer* team = open(kMember, 3, 1, 0, 0, 11, "10005");
    const size_t schedules = sent(26).size();
    push(R"({"system":10,"teammatchstatus":1})");
    wait(1);
    ASSERT_NE(team->getChildByTag(CHD_TeamInfoLayer::kNoticeTag), nullptr);
    EXPECT_EQ(sent(26).size(), schedules + 1) << "the schedule is asked again once the match is near";
    // The notice takes the touches meant for the screen: the back button does nothing.
    tapWidget(team->widget("backbtn"));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 26);
    wait(2);
    EXPECT_EQ(sent(26).size(), schedules + 1);
    ASSERT_EQ(sent(48).size(), 1u);

    push(R"({"system":10,"teammatchstatus":2})");
    wait(0.5f);
    EXPECT_EQ(team->getChildByTag(CHD_TeamInfoLayer::kNoticeTag), nullptr);
    ASSERT_EQ(childrenOf<CHD_LoadingLayer>(team).size(), 1u);
    EXPECT_EQ(childrenOf<CHD_LoadingLayer>(team).front()->kind(), CHD_LoadingLayer::kTeam);
    wait(CHD_LoadingLayer::kFaceOffSeconds + 0.5f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 22);
}

TEST_F(TeamInfoTest, MatchStartedAfterTheScreenWasMadeIsCountedTo) {
    // The screen was made with the evening session; an operator then starts a match in 12 s.
    CHD_TeamInfoLayer* team = open(kMember, 3, 1, 0, 0, 8 * 3600, "10005");
    Answers answers;
    answers.schedule = dayWith(teamEntry(0, 12, 8));
    setAnswers(answers);
    push(R"({"system":10,"teammatchstatus":1})");
    wait(1);
    ASSERT_NE(team->countdown(), nullptr);
    EXPECT_LE(team->countdown()->secondsToStart(), 12);
    wait(3);
    ASSERT_EQ(sent(48).size(), 1u);
    EXPECT_EQ(sent(48)[0]["matchid"].asInt(), 8);
}

TEST_F(TeamInfoTest, SignUpMadeAfterTheScreenOpenedIsLearntFromTheStatus) {
    // The leader signed up while this member looked at the team: the record said "not signed up".
    CHD_TeamInfoLayer* team = open(kMember, 3, 0, 0, 0, 60, "10005");
    ASSERT_FALSE(team->signedUp());
    push(R"({"system":10,"teammatchstatus":1})");
    wait(1);
    EXPECT_TRUE(team->signedUp());
    EXPECT_EQ(std::string(team->rightLabel()->getString()), text("HDSignUped"));
    EXPECT_NE(team->getChildByTag(CHD_TeamInfoLayer::kNoticeTag), nullptr);

    // On another team's screen the player's own status says nothing about that team.
    GameData::instance().teamMatchStatus = 0;
    CHD_TeamInfoLayer* other = open(kViewer, 3, 0, 0, 0, 60, "10005");
    push(R"({"system":10,"teammatchstatus":1})");
    wait(1);
    EXPECT_FALSE(other->signedUp());
    EXPECT_EQ(other->getChildByTag(CHD_TeamInfoLayer::kNoticeTag), nullptr);
}

TEST_F(TeamInfoTest, NoFaceOffWithoutTheQuestionListOrTheSignUp) {
    CHD_TeamInfoLayer* team = open(kViewer, 3, 0, 0, 0, 3600, "10005");
    push(R"({"system":10,"teammatchstatus":2})");
    wait(1);
    EXPECT_TRUE(childrenOf<CHD_LoadingLayer>(team).empty());
    EXPECT_EQ(team->getChildByTag(CHD_TeamInfoLayer::kNoticeTag), nullptr);
}

TEST_F(TeamInfoTest, CancellingTheSignUpStopsFiveMinutesBeforeTheStart) {
    CHD_TeamInfoLayer* team = open(kLeader, 3, 1, 0, 0, 300);
    while (team->countdown()->secondsToStart() > 299) wait(0.5f);
    ASSERT_EQ(team->countdown()->secondsToStart(), 299);
    tapWidget(team->widget("btnright"));
    ASSERT_TRUE(confirm("HDonSureCancelSignUp"));
    ASSERT_EQ(sent(43).size(), 1u);
    EXPECT_EQ(sent(43)[0]["matchid"].asInt(), 7);
    EXPECT_EQ(sent(43)[0]["teamcreater"].asString(), "10002");
    closeBoxes();
    while (team->countdown()->secondsToStart() > 298) wait(0.5f);
    ASSERT_EQ(team->countdown()->secondsToStart(), 298);
    tapWidget(team->widget("btnright"));
    EXPECT_NE(boxSaying(text("signUpCancelFail")), nullptr);
    EXPECT_EQ(sent(43).size(), 1u);
}

TEST_F(TeamInfoTest, SignUpAndCancelAnswersAndTheRebuiltScreen) {
    CHD_TeamInfoLayer* team = open(kLeader, 3);
    tapWidget(team->widget("btnright"));
    ASSERT_TRUE(confirm("HDonSureSignUp"));
    ASSERT_EQ(sent(42).size(), 1u);
    EXPECT_EQ(sent(42)[0]["teamid"].asInt(), 31);
    // Signed up: "sure" fetches the team, whose record now says so, and the screen is made again.
    reply(39, teamAnswer(teamJson(31, "兔子队", 3, 0, "10002", 1), 3));
    pressSure(boxSaying(text("HDopsuccess")));
    settle();
    EXPECT_EQ(sent(39).size(), 1u);
    afterSwitch();
    team = screen<CHD_TeamInfoLayer>();
    ASSERT_NE(team, nullptr);
    EXPECT_TRUE(team->signedUp());
    EXPECT_EQ(title(team->widget("btnright")), text("HDCancelSignUp"));

    replyText(43, R"({"response":0,"fail":1,"tip":"started"})");
    tapWidget(team->widget("btnright"));
    ASSERT_TRUE(confirm("HDonSureCancelSignUp"));
    EXPECT_NE(boxSaying(text("HDTeamHadStart")), nullptr);

    CHD_TeamInfoLayer* again = open(kLeader, 3);
    const std::pair<const char*, const char*> refusals[] = {{R"({"response":0,"fail":1,"tip":"x"})", "signUpNotInTime"},
                                                            {R"({"response":0,"fail":3,"tip":"x"})", "signUpOverTime"},
                                                            {R"({"response":0,"fail":2,"tip":"x"})", "HDopfail"}};
    for (const auto& [answer, key] : refusals) {
        replyText(42, answer);
        tapWidget(again->widget("btnright"));
        ASSERT_TRUE(confirm("HDonSureSignUp"));
        CMyMessageBox* box = boxSaying(text(key));
        ASSERT_NE(box, nullptr) << key;
        pressSure(box);
        EXPECT_EQ(screen<CHD_TeamInfoLayer>(), again) << "a refusal leaves the screen as it was";
    }
}

TEST_F(TeamInfoTest, EliminatedTeamsCannotSignUpOrBeJoined) {
    CHD_TeamInfoLayer* leader = open(kLeader, 3, 0, 1, 2);
    tapWidget(leader->widget("btnright"));
    EXPECT_NE(boxSaying(text("teamloser")), nullptr);
    EXPECT_TRUE(sent(42).empty());
    CHD_TeamInfoLayer* viewer = open(kViewer, 3, 0, 1, 2, 3600, "10005");
    tapWidget(viewer->widget("btnleft"));
    EXPECT_NE(boxSaying(text("HDTeamTaoTai")), nullptr);
    EXPECT_TRUE(sent(37).empty());
}

TEST_F(TeamInfoTest, KickingOutAsksNamesTheMemberAndFetchesTheTeam) {
    CHD_TeamInfoLayer* signedUp = open(kLeader, 3, 1);
    tapWidget(signedUp->rowWidget("kickout%d", 1));
    EXPECT_NE(boxSaying(text("removeFail")), nullptr);
    EXPECT_TRUE(sent(45).empty());

    CHD_TeamInfoLayer* team = open(kLeader, 3);
    tapWidget(team->rowWidget("kickout%d", 2));
    CMyMessageBox* ask = boxSaying(text("HDonSureRemoveMember"));
    ASSERT_NE(ask, nullptr);
    pressCancel(ask);
    EXPECT_TRUE(sent(45).empty());
    tapWidget(team->rowWidget("kickout%d", 2));
    ASSERT_TRUE(confirm("HDonSureRemoveMember"));
    ASSERT_EQ(sent(45).size(), 1u);
    EXPECT_TRUE(sent(45)[0]["userid"].isInt());
    EXPECT_EQ(sent(45)[0]["userid"].asInt(), 10004);
    EXPECT_EQ(sent(45)[0]["teamcreater"].asString(), "10002");
    reply(39, teamAnswer(teamJson(31, "兔子队", 2, 0, "10002"), 2));
    pressSure(boxSaying("狐狸" + text("hadRemove")));
    settle();
    afterSwitch();
    ASSERT_NE(screen<CHD_TeamInfoLayer>(), nullptr);
    EXPECT_TRUE(screen<CHD_TeamInfoLayer>()->rowTexts(2).empty());

    replyText(45, R"({"response":0,"tip":"signed up"})");
    tapWidget(screen<CHD_TeamInfoLayer>()->rowWidget("kickout%d", 1));
    ASSERT_TRUE(confirm("HDonSureRemoveMember"));
    EXPECT_NE(boxSaying(text("HDopfail")), nullptr);
}

TEST_F(TeamInfoTest, DismissAndQuitReturnToTheListOnlyWhenDone) {
    CHD_TeamInfoLayer* leader = open(kLeader, 3);
    replyText(41, R"({"response":0,"tip":"playing"})");
    tapWidget(leader->widget("btnleft"));
    ASSERT_TRUE(confirm("HDonSureDismissTeam"));
    ASSERT_EQ(sent(41).size(), 1u);
    EXPECT_EQ(sent(41)[0]["teamcreater"].asString(), "10002");
    pressSure(boxSaying(text("dismissFail")));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 26);
    replyText(41, R"({"response":1})");
    tapWidget(leader->widget("btnleft"));
    ASSERT_TRUE(confirm("HDonSureDismissTeam"));
    pressSure(boxSaying(text("HDopsuccess")));
    afterSwitch();
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 25);

    CHD_TeamInfoLayer* member = open(kMember, 3, 0, 0, 0, 3600, "10005");
    replyText(44, R"({"response":0,"tip":"no"})");
    tapWidget(member->widget("btnleft"));
    ASSERT_TRUE(confirm("HDonSureQuitTeam"));
    pressSure(boxSaying(text("leaveTeamFail")));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 26);
    replyText(44, R"({"response":1})");
    tapWidget(member->widget("btnleft"));
    ASSERT_TRUE(confirm("HDonSureQuitTeam"));
    ASSERT_EQ(sent(44).size(), 2u);
    pressSure(boxSaying(text("quitTeamSel")));
    afterSwitch();
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 25);
}

TEST_F(TeamInfoTest, ViewerJoinsAndSeesTheTeamAsHisOwn) {
    CHD_TeamInfoLayer* viewer = open(kViewer, 3, 0, 0, 0, 3600, "10005");
    const std::pair<int, const char*> refusals[] = {
        {3, "HDTeamFull"}, {4, "HDInTeamBlacklist"}, {5, "HDTeamSignUped"}, {0, "HDopfail"}};
    for (const auto& [response, key] : refusals) {
        Json::Value answer;
        answer["response"] = response;
        reply(37, answer);
        tapWidget(viewer->widget("btnleft"));
        ASSERT_TRUE(confirm("HDonSureJoinTeam"));
        CMyMessageBox* box = boxSaying(text(key));
        ASSERT_NE(box, nullptr) << response;
        pressSure(box);
    }
    replyText(37, R"({"response":1,"teamid":31})");
    reply(39, teamAnswer(teamJson(31, "兔子队", 4, 0, "10005"), 4));
    tapWidget(viewer->widget("btnleft"));
    ASSERT_TRUE(confirm("HDonSureJoinTeam"));
    EXPECT_EQ(sent(37).back()["teamleader"].asString(), "10005");
    afterSwitch();
    ASSERT_NE(screen<CHD_TeamInfoLayer>(), nullptr);
    EXPECT_EQ(screen<CHD_TeamInfoLayer>()->role(), kMember);
    EXPECT_EQ(screen<CHD_TeamInfoLayer>()->rowTexts(3).size(), 2u);
}

} // namespace
