#include "quiz/PlayTestSupport.h"

#include "app/SceneDirector.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizScreenSupport.h"
#include "quiz/QuizData.h"

#include "testing/EngineTesting.h"

#include <sstream>

USING_NS_CC;

namespace test_support {

int StubScreen::s_created = 0;

StubScreen* StubScreen::create() {
    auto* screen = new StubScreen;
    screen->init();
    screen->autorelease();
    s_created += 1;
    return screen;
}

OtherStubScreen* OtherStubScreen::create() {
    auto* screen = new OtherStubScreen;
    screen->init();
    screen->autorelease();
    s_created += 1;
    return screen;
}

namespace {

const char* const kKeys[] = {
    "AnswerRight", "AnswerError", "NextQuestion", "ReturnMain", "Registration", "addWallLabel", "AnswerOver",
    "gameover", "ADXuanXiangDialogTitle", "HDPlayLayerBackToMain", "pause", "GoOnGame", "BackToMain", "Share",
    "Store", "ShareTip", "waitNext", "gotoDownLoad", "addWall", "FriendlyTip", "notLoginTip", "signTip",
    "RegisterNow", "nextTime", "AppName", "gameUrl", "TuiJianCode", "TuijianMaIsDIgit", "TuijianrenIDNotZero",
    "TuijianrenNotSelf", "yes", "no", "sure", "cancel", "tips", "netFail", "OnePerAll"};

} // namespace

void PlayTest::SetUp() {
    ClientTest::SetUp();
    beforePictures();
    useGameResources();
    std::string json = "{";
    for (const char* key : kKeys) json += std::string("\"") + key + "\":{\"chinese\":\"" + key + "-zh\"},";
    json += R"("answerNum":{"chinese":"%d"},"questionList":{"chinese":"%d of %d"},)";
    json += R"("SaveDetailInfo":{"chinese":"won %d"},"SharePlay":{"chinese":"play %s at %s"}})";
    setTexts(json);
    CQuestionMission::instance()->resetForTesting();
    QuestionStage::instance().reset();
    StubScreen::s_created = 0;
    SceneDirector::instance().registerScene(2, [] { return CCScene::create(); });
    SceneDirector::instance().registerScene(3, &CPlayLayer::scene);
    NetManager::installFrameHook();
}

void PlayTest::TearDown() {
    EXPECT_TRUE(pumpUntilIdle());
    QuestionStage::instance().reset();
    m_server.reset();
    ClientTest::TearDown();
}

CPlayLayer* PlayTest::enterPlay() {
    UserSession::instance().setAccountKind(1);
    UserSession::instance().setRegistered(true);
    SceneDirector::instance().switchTo(3);
    // Past the fade, so the keypad is on.
    engine::testing::stepSeconds(0.3f);
    return playLayer();
}

CPlayLayer* PlayTest::playLayer() const {
    CCScene* scene = SceneDirector::instance().currentScene();
    if (scene == nullptr || scene->getChildren() == nullptr || scene->getChildren()->count() == 0) return nullptr;
    return dynamic_cast<CPlayLayer*>(static_cast<CCObject*>(scene->getChildren()->objectAtIndex(0)));
}

StubScreen* PlayTest::showStubQuestion(int qsid, int gameType, int playType) {
    QuizData& quiz = QuizData::instance();
    quiz.currentQsid = qsid;
    quiz.current = std::make_unique<QuestionRecord>();
    quiz.current->questid = qsid;
    quiz.current->gametype = gameType;
    quiz.current->playtype = playType;
    QuestionStage& stage = QuestionStage::instance();
    stage.lookup(gameType, playType);
    stage.setAnswered(false);
    if (stage.host()) stage.host()->startClock();
    stage.present<StubScreen>();
    // A newly scheduled timer starts counting on the frame after; let that frame pass.
    engine::testing::stepFrames(1);
    return static_cast<StubScreen*>(stage.current());
}

bool PlayTest::startServerAndLogIn() {
    m_server = std::make_unique<ServerProcess>(m_folder);
    if (!m_server->running()) return false;
    NetManager::instance().setEntryEndpoint("127.0.0.1", m_server->entryPort());
    // The frame loop, and with it the answers, runs once a scene is on stage: the menu stands in.
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    UserSession::instance().login("", "", nullptr, nullptr, nullptr);
    const bool ok = pumpUntilIdle(15) && !UserSession::instance().sessionId().empty();
    if (!ok) {
        for (const std::string& line : m_log) std::fprintf(stderr, "log: %s\n", line.c_str());
        std::fprintf(stderr, "server: %s\n", m_server->output().c_str());
    }
    return ok;
}

int PlayTest::serverRequests(const std::string& type, int qsid) {
    std::istringstream lines(m_server ? m_server->output() : std::string());
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.find(type) == std::string::npos) continue;
        if (qsid >= 0 && line.find("qsid=" + std::to_string(qsid) + " ") == std::string::npos) continue;
        count += 1;
    }
    return count;
}

int PlayTest::effectCount(const std::string& file) {
    int count = 0;
    for (const auto& call : audio().callsNamed("playEffect")) {
        if (call.file.size() >= file.size() && call.file.compare(call.file.size() - file.size(), file.size(), file) == 0) {
            count += 1;
        }
    }
    return count;
}

} // namespace test_support
