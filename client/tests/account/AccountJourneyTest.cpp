// A player's whole way through the account screens against the real brindle-server: a guest
// plays and earns, registers on the same device and keeps what it earned, starts again on another
// machine, logs in there through the user screen, changes its password, names a referrer, and the
// referrer finds the new player in its list.
#include "account/AccountScreenSupport.h"
#include "account/CChangeMmLayer.h"
#include "account/CChangeUserInfoLayer.h"
#include "account/CRefereesInfoLayer.h"
#include "account/CRegisterLayer.h"
#include "account/CUserInfoLayer.h"
#include "account/StartScenes.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/GameData.h"
#include "net/UserSession.h"
#include "quiz/AnswerBox.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "quiz/QuizScenes.h"
#include "quiz/ScreenPlayers.h"
#include "widgets/CInputBox.h"
#include "widgets/CInputRecommenderLayer.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

#include <filesystem>

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

constexpr const char* kName = "13700000001";
constexpr const char* kReferrer = "13700000002";

class AccountJourneyTest : public AccountScreenTest {
protected:
    void SetUp() override {
        AccountScreenTest::SetUp();
        CQuestionMission::instance()->resetForTesting();
        CQuestionMission::instance()->setContestOffer(nullptr);
        QuestionStage::instance().reset();
        // Every real account screen; the menu has its own tests, a bare scene marks the arrival.
        registerStartScenes();
        registerQuizScenes();
        SceneDirector::instance().registerScene(2, [] { return CCScene::create(); });
        StoredSettings::writeBool("register_hadGuide", true);
    }
    void TearDown() override {
        QuestionStage::instance().reset();
        AccountScreenTest::TearDown();
    }

    template <typename T> T* enter(int scene) {
        SceneDirector::instance().switchTo(scene);
        et::stepSeconds(0.3f);
        return runningScreen<T>();
    }
    // The box on the scene says `key`'s text; its "sure" is pressed.
    void confirmBox(const char* key) {
        CMyMessageBox* box = notice();
        ASSERT_NE(box, nullptr) << "no box; expected " << key;
        EXPECT_EQ(box->messageText(), text(key));
        pressSure(box);
        ASSERT_TRUE(pumpUntilIdle(15));
        et::stepSeconds(0.3f);
    }
    // The guest plays one text question through its real screen and gets it right.
    void playOneQuestionRight() {
        QuizData::instance().qsidQueue = {107001};
        CPlayLayer* play = enter<CPlayLayer>(3);
        ASSERT_NE(play, nullptr);
        // A guest is asked to log in first; "cancel" plays on.
        auto asks = childrenOf<CMyMessageBox>(play);
        ASSERT_EQ(asks.size(), 1u);
        asks[0]->handleRelease(asks[0]->button(2)->getPosition());
        ASSERT_TRUE(pumpUntilIdle(15));
        CQuestionLayer* screen = QuestionStage::instance().current();
        ASSERT_NE(screen, nullptr);
        const ScreenPlayer* player = screenPlayer(1, 7);
        ASSERT_NE(player, nullptr);
        PlayerTurn turn;
        turn.screen = screen;
        turn.right = "新疆"; // the bank's right answer of 107001
        turn.wait = [](float seconds) { et::stepSeconds(seconds); };
        ASSERT_TRUE((*player)(turn));
        ASSERT_TRUE(pumpUntilIdle(15));
        if (CCNode* offer = play->getChildByTag(CQuestionMission::kOptionDialogTag)) offer->removeFromParent();
        CQuestionMission::instance()->skipAdOption();
        ASSERT_EQ(CQuestionMission::instance()->answerStatus(), 0);
        QuestionStage::instance().reset();
    }
    // A new machine: another device identity and an empty settings file, then its own guest login.
    void moveToAnotherMachine() {
        const std::string folder = m_folder + "machine2/";
        std::filesystem::create_directories(folder);
        CCFileUtils::sharedFileUtils()->setWritablePath(folder);
        CCUserDefault::purgeSharedUserDefault();
        m_platform->identity = "0A0B0C0D0E0F9876";
        UserSession::instance().login("", "", nullptr, nullptr, nullptr);
        ASSERT_TRUE(pumpUntilIdle(15));
    }
};

TEST_F(AccountJourneyTest, GuestRegistersMovesMachinesChangesPasswordAndIsReferred) {
    if (!startServerAsGuest()) GTEST_SKIP() << "brindle-server not usable: " << ServerProcess::binary();
    ASSERT_TRUE(registerAccount(kReferrer, "referrer1"));
    const int guestId = UserSession::instance().userId();

    // 1. The guest earns carrots.
    playOneQuestionRight();
    const int earned = GameData::instance().user.score;
    ASSERT_GT(earned, 0);

    // 2. It registers on this device and keeps them.
    auto* registration = enter<CRegisterLayer>(14);
    ASSERT_NE(registration, nullptr);
    typeInto(registration->userNameBox(), kName);
    typeInto(registration->passwordBox(), "carrot7");
    typeInto(registration->confirmBox(), "carrot7");
    tapWidget(registration->uiRoot()->getWidgetByName("confirmbtn"));
    ASSERT_TRUE(pumpUntilIdle(15));
    confirmBox("RegisterSuccess");
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
    EXPECT_EQ(UserSession::instance().accountKind(), 1);
    EXPECT_EQ(UserSession::instance().userId(), guestId);
    EXPECT_EQ(GameData::instance().user.score, earned);

    // 3. Another machine starts as its own guest, then logs in to the account on the user screen.
    moveToAnotherMachine();
    ASSERT_NE(UserSession::instance().userId(), guestId);
    EXPECT_EQ(GameData::instance().user.score, 0);
    auto* user = enter<CUserInfoLayer>(13);
    ASSERT_NE(user, nullptr);
    typeInto(user->nameBox(), kName);
    typeInto(user->passwordBox(), "carrot7");
    tapWidget(user->widget("loginbtn"));
    ASSERT_TRUE(pumpUntilIdle(15));
    et::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
    EXPECT_EQ(UserSession::instance().userId(), guestId);
    EXPECT_EQ(GameData::instance().user.score, earned);

    // 4. It changes its password: the old one no longer opens the account, the new one does.
    auto* change = enter<CChangeMmLayer>(15);
    ASSERT_NE(change, nullptr);
    typeInto(change->oldBox(), "carrot7");
    typeInto(change->newBox(), "turnip42");
    typeInto(change->confirmBox(), "turnip42");
    tapWidget(change->widget("confirmbtn"));
    ASSERT_TRUE(pumpUntilIdle(15));
    confirmBox("ChangeMMOK");
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 13);
    // A refusal answers no callback: the session shows the server's box.
    EXPECT_EQ(logInDirectly(kName, "carrot7"), "");
    EXPECT_EQ(boxesShowing(text("PasswordError")), 1);
    if (CMyMessageBox* box = notice()) pressSure(box);
    EXPECT_EQ(logInDirectly(kName, "turnip42"), "done");

    // 5. It names its referrer on the profile screen.
    const std::string referrerLogin = logInDirectly(kReferrer, "referrer1");
    ASSERT_EQ(referrerLogin, "done");
    const int referrerId = UserSession::instance().userId();
    ASSERT_EQ(logInDirectly(kName, "turnip42"), "done");
    auto* profile = enter<CChangeUserInfoLayer>(16);
    ASSERT_NE(profile, nullptr);
    ASSERT_TRUE(pumpUntilIdle(15)); // the statistics
    tapWidget(profile->widget("btn_tuijianren"));
    auto* dialog = dynamic_cast<CInputRecommenderLayer*>(
        profile->getChildByTag(CChangeUserInfoLayer::kReferrerDialogTag));
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog->inputBox(), std::to_string(referrerId));
    dialog->onOk();
    ASSERT_TRUE(pumpUntilIdle(15));
    confirmBox("TuiJianMaYanZhengSuccess");
    EXPECT_EQ(GameData::instance().user.referrerId, referrerId);

    // 6. The referrer finds the new player, number masked, in its list.
    ASSERT_EQ(logInDirectly(kReferrer, "referrer1"), "done");
    profile = enter<CChangeUserInfoLayer>(16);
    ASSERT_NE(profile, nullptr);
    ASSERT_TRUE(pumpUntilIdle(15));
    tapWidget(profile->widget("cancelbtn"));
    ASSERT_TRUE(pumpUntilIdle(15));
    CRefereesInfoLayer* table = nullptr;
    for (CRefereesInfoLayer* found : childrenOf<CRefereesInfoLayer>(profile)) table = found;
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows().size(), 1u);
    EXPECT_EQ(table->rows()[0][0], "137****0001");
}

} // namespace
