// The team screens against the real brindle-server: creating (a taken name, the price), the
// member's join and its removal with the blacklist after it, a viewer joining and quitting, a
// signed-up team refusing joins, and a signed-up team carried from the team screen into the
// match an operator starts.
#include "account/ServerProcess.h"
#include "contest/CHD_CreateTeamLayer.h"
#include "contest/CHD_LoadingLayer.h"
#include "contest/CHD_TeamInfoLayer.h"
#include "contest/CHD_TeamLayer.h"
#include "contest/HallRules.h"
#include "contest/TeamRules.h"
#include "contest/TeamTestSupport.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

#include <sqlite3.h>

#include <chrono>
#include <cmath>
#include <cstdlib>

USING_NS_CC;
using namespace test_support;
using namespace team_rules;

namespace {

class TeamServerTest : public HallServerTest {
protected:
    void SetUp() override {
        HallServerTest::SetUp();
        if (IsSkipped()) return;
        m_started = std::chrono::steady_clock::now();
        SceneDirector::instance().registerScene(25, &CHD_TeamLayer::scene);
        signUp(false);
    }
    // Money the player would have earned by playing; a fresh account has none.
    bool giveMoney(int playerId, int money) {
        sqlite3* db = nullptr;
        if (sqlite3_open((m_folder + "server.db").c_str(), &db) != SQLITE_OK) return false;
        sqlite3_busy_timeout(db, 5000);
        const std::string sql =
            "UPDATE players SET money = " + std::to_string(money) + " WHERE id = " + std::to_string(playerId);
        const bool done = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
        return done;
    }
    // An operator's match whose round 0 starts `seconds` from now on the running server's clock
    // (a second process reads the same fixed clock from its own start).
    bool startMatch(int seconds) {
        const double ran = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count();
        const std::string command = ServerProcess::binary() + " --db " + m_folder + "server.db --contest-clock \"" +
                                    ContestServer::kNoon + "\" --start-team-match " +
                                    std::to_string(seconds + static_cast<int>(std::lround(ran))) + " >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }
    Json::Value remoteCreates(RemotePlayer& player, const std::string& name) {
        Json::Value r = RemotePlayer::object(36);
        r["teamname"] = name;
        r["teaminfo"] = "";
        return player.game(r);
    }
    Json::Value remoteJoins(RemotePlayer& player, int teamId) {
        Json::Value r = RemotePlayer::object(37);
        r["teamid"] = teamId;
        r["teamleader"] = "";
        return player.game(r);
    }
    void afterSwitch() {
        engine::testing::stepSeconds(0.3f);
        settle();
    }
    // The create dialog, typed and sent; the box it answers with, if any.
    CMyMessageBox* createThroughDialog(const std::string& name) {
        CHD_TeamLayer* list = screen<CHD_TeamLayer>();
        if (list == nullptr) return nullptr;
        tapWidget(list->widget("buildtitlebtn"));
        auto* dialog = dynamic_cast<CHD_CreateTeamLayer*>(list->getChildByTag(CHD_TeamLayer::kCreateTag));
        if (dialog == nullptr) return nullptr;
        dialog->nameBox()->setText(name);
        tapWidget(dialog->widget("buildbtn"));
        settle();
        return boxes().empty() ? nullptr : boxes().back();
    }
    bool confirm(const char* key) {
        CMyMessageBox* box = boxSaying(text(key));
        if (box == nullptr || !hasCancel(box)) return false;
        pressSure(box);
        settle();
        return true;
    }

    std::chrono::steady_clock::time_point m_started;
};

TEST_F(TeamServerTest, CreatingKickingAndTheBlacklist) {
    ASSERT_TRUE(giveMoney(clientId(), 100));
    ASSERT_TRUE(giveMoney(m_remote.id(), 100));
    ASSERT_EQ(remoteCreates(m_remote, "Rabbits")["response"].asInt(), 1);
    enter(21);
    enter(25);
    CMyMessageBox* taken = createThroughDialog("Rabbits");
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->messageText(), text("DuplicateNames"));
    pressSure(taken);
    afterSwitch();

    CMyMessageBox* made = createThroughDialog("兔子队");
    EXPECT_EQ(made, nullptr) << (made ? made->messageText() : "");
    afterSwitch();
    EXPECT_EQ(GameData::instance().user.money, 90) << "a team costs ten carrots";
    const int teamId = GameData::instance().myTeam.myTeamId;
    ASSERT_NE(teamId, 0);
    EXPECT_EQ(GameData::instance().myTeam.myCreater, std::to_string(clientId()));

    Json::Value quit = RemotePlayer::object(41);
    quit["teamid"] = 0;
    // The remote player leaves his own team (dismissing it) and joins the client's.
    Json::Value list = RemotePlayer::object(40);
    list["act"] = 0;
    list["page"] = 0;
    const int remoteOwn = m_remote.game(list)["myteamid"].asInt();
    quit["teamid"] = remoteOwn;
    quit["teamcreater"] = m_remote.idText();
    ASSERT_EQ(m_remote.game(quit)["response"].asInt(), 1);
    ASSERT_EQ(remoteJoins(m_remote, teamId)["response"].asInt(), 1);

    tapWidget(screen<CHD_TeamLayer>()->widget("myteambtn"));
    settle();
    afterSwitch();
    CHD_TeamInfoLayer* team = screen<CHD_TeamInfoLayer>();
    ASSERT_NE(team, nullptr);
    EXPECT_EQ(team->role(), kLeader);
    ASSERT_EQ(team->rowTexts(1).size(), 2u);
    const std::string remoteName = team->rowTexts(1)[0];
    EXPECT_EQ(remoteName, "139****0003");
    EXPECT_FALSE(team->rowWidget("kickout%d", 0)->isVisible());

    tapWidget(team->rowWidget("kickout%d", 1));
    ASSERT_TRUE(confirm("HDonSureRemoveMember"));
    CMyMessageBox* removed = boxSaying(remoteName + text("hadRemove"));
    ASSERT_NE(removed, nullptr);
    pressSure(removed);
    settle();
    afterSwitch();
    ASSERT_NE(screen<CHD_TeamInfoLayer>(), nullptr);
    EXPECT_TRUE(screen<CHD_TeamInfoLayer>()->rowTexts(1).empty());
    EXPECT_EQ(remoteJoins(m_remote, teamId)["response"].asInt(), 4) << "a removed player may not come back";
}

TEST_F(TeamServerTest, ViewerJoinsQuitsAndMeetsASignedUpTeam) {
    RemotePlayer second;
    ASSERT_TRUE(m_server.addRemote(second, "13900000004"));
    ASSERT_TRUE(giveMoney(m_remote.id(), 100));
    ASSERT_EQ(remoteCreates(m_remote, "Foxes")["response"].asInt(), 1);
    ASSERT_TRUE(startMatch(200));
    enter(21);
    enter(25);
    CHD_TeamLayer* list = screen<CHD_TeamLayer>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->rowTexts(0).size(), 4u);
    const int teamId = GameData::instance().teamList[0].teamId;

    tapWidget(list->rowWidget("checkbtn_%d", 0));
    settle();
    afterSwitch();
    CHD_TeamInfoLayer* viewer = screen<CHD_TeamInfoLayer>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->role(), kViewer);
    tapWidget(viewer->widget("btnleft"));
    ASSERT_TRUE(confirm("HDonSureJoinTeam"));
    afterSwitch();
    CHD_TeamInfoLayer* member = screen<CHD_TeamInfoLayer>();
    ASSERT_NE(member, nullptr);
    EXPECT_EQ(member->role(), kMember);
    EXPECT_EQ(member->rowTexts(1).size(), 2u);

    tapWidget(member->widget("btnleft"));
    ASSERT_TRUE(confirm("HDonSureQuitTeam"));
    CMyMessageBox* left = boxSaying(text("quitTeamSel"));
    ASSERT_NE(left, nullptr);
    pressSure(left);
    afterSwitch();
    ASSERT_EQ(SceneDirector::instance().currentSceneId(), 25);

    // Two members sign up; the team takes nobody else for the match.
    ASSERT_EQ(remoteJoins(second, teamId)["response"].asInt(), 1);
    Json::Value signUp = RemotePlayer::object(42);
    signUp["teamid"] = teamId;
    signUp["teamcreater"] = m_remote.idText();
    signUp["matchid"] = hall_rules::scheduleEntry(kTeamMatchType).matchId;
    ASSERT_EQ(m_remote.game(signUp)["response"].asInt(), 1);
    tapWidget(screen<CHD_TeamLayer>()->rowWidget("takepartinteam_%d", 0));
    settle();
    EXPECT_NE(boxSaying(text("HDTeamSignUped")), nullptr);
}

TEST_F(TeamServerTest, SignedUpTeamGoesFromItsScreenIntoTheMatch) {
    ASSERT_TRUE(giveMoney(clientId(), 100));
    // Sign-ups of a match starting within five minutes stay open until it starts.
    ASSERT_TRUE(startMatch(45));
    enter(21);
    enter(25);
    ASSERT_EQ(createThroughDialog("兔子队"), nullptr);
    afterSwitch();
    const int teamId = GameData::instance().myTeam.myTeamId;
    ASSERT_NE(teamId, 0);
    ASSERT_EQ(remoteJoins(m_remote, teamId)["response"].asInt(), 1);

    tapWidget(screen<CHD_TeamLayer>()->widget("myteambtn"));
    settle();
    afterSwitch();
    CHD_TeamInfoLayer* team = screen<CHD_TeamInfoLayer>();
    ASSERT_NE(team, nullptr);
    ASSERT_NE(team->countdown(), nullptr);
    tapWidget(team->widget("btnright"));
    ASSERT_TRUE(confirm("HDonSureSignUp"));
    CMyMessageBox* done = boxSaying(text("HDopsuccess"));
    ASSERT_NE(done, nullptr);
    pressSure(done);
    settle();
    afterSwitch();
    team = screen<CHD_TeamInfoLayer>();
    ASSERT_NE(team, nullptr);
    EXPECT_TRUE(team->signedUp());

    // The heartbeat brings "about to begin", the list goes out ten seconds before the start, and
    // the running round brings the face-off and the play scene.
    bool noticed = false;
    EXPECT_TRUE(ContestServer::until([&] {
        ContestServer::live(0.25);
        CHD_TeamInfoLayer* shown = screen<CHD_TeamInfoLayer>();
        noticed = noticed || (shown && shown->getChildByTag(CHD_TeamInfoLayer::kNoticeTag) != nullptr);
        return SceneDirector::instance().currentSceneId() == 22;
    }, 90, 0.0f));
    EXPECT_TRUE(noticed);
    EXPECT_EQ(served(48).size(), 1u);
}

TEST_F(TeamServerTest, RefusalsOfTheServerShowTheirTexts) {
    enter(21);
    enter(25);
    CMyMessageBox* poor = createThroughDialog("兔子队");
    ASSERT_NE(poor, nullptr);
    EXPECT_EQ(poor->messageText(), text("HDMoneyNEnough")) << "a fresh account has no carrots";
    pressSure(poor);
    afterSwitch();

    // A team dismissed after the list showed it: viewing and joining it both say so.
    ASSERT_TRUE(giveMoney(m_remote.id(), 100));
    ASSERT_EQ(remoteCreates(m_remote, "Foxes")["response"].asInt(), 1);
    enter(25);
    ASSERT_EQ(GameData::instance().teamList.size(), 1u);
    Json::Value dismiss = RemotePlayer::object(41);
    dismiss["teamid"] = GameData::instance().teamList[0].teamId;
    dismiss["teamcreater"] = m_remote.idText();
    ASSERT_EQ(m_remote.game(dismiss)["response"].asInt(), 1);
    CHD_TeamLayer* list = screen<CHD_TeamLayer>();
    tapWidget(list->rowWidget("checkbtn_%d", 0));
    settle();
    ASSERT_NE(boxSaying(text("HDTeamJieSan")), nullptr);
    pressSure(boxSaying(text("HDTeamJieSan")));
    tapWidget(list->rowWidget("takepartinteam_%d", 0));
    settle();
    ASSERT_NE(boxSaying(text("HDTeamJieSan")), nullptr);
    pressSure(boxSaying(text("HDTeamJieSan")));

    // A team of one cannot sign up.
    ASSERT_TRUE(giveMoney(clientId(), 100));
    ASSERT_EQ(createThroughDialog("兔子队"), nullptr);
    afterSwitch();
    tapWidget(screen<CHD_TeamLayer>()->widget("myteambtn"));
    settle();
    afterSwitch();
    CHD_TeamInfoLayer* team = screen<CHD_TeamInfoLayer>();
    ASSERT_NE(team, nullptr);
    tapWidget(team->widget("btnright"));
    ASSERT_TRUE(confirm("HDonSureSignUp"));
    EXPECT_NE(boxSaying(text("HDopfail")), nullptr);
    EXPECT_FALSE(team->signedUp());
}

} // namespace
