#include "quiz/QuizScreenSupport.h"

#include "app/ResourceFiles.h"
#include "app/SceneDirector.h"
#include "net/NetManager.h"
#include "quiz/AnswerBox.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

#include <json/reader.h>

#include <fstream>

USING_NS_CC;

namespace test_support {

namespace {
constexpr int kPlayScene = 3;

std::string serverData() { return std::string(BRINDLE_RESOURCES_DIR) + "/../server-data/"; }

} // namespace

std::string bankMedia(const std::string& name) { return serverData() + "media/" + name; }

std::vector<Json::Value> bankLines(const std::string& file) { return jsonLines(serverData() + "bank/" + file); }

std::vector<Json::Value> jsonLines(const std::string& path) {
    std::vector<Json::Value> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        Json::Value entry;
        if (!line.empty() && line[0] != '#' && Json::Reader().parse(line, entry) && entry.isObject()) {
            lines.push_back(entry);
        }
    }
    return lines;
}

int closeVerdictBoxes(CCNode* host) {
    std::vector<CCNode*> boxes;
    for (CCNode* child : childrenOf<CCNode>(host)) {
        if (dynamic_cast<AnswerBox*>(child) || dynamic_cast<CMyMessageBox*>(child)) boxes.push_back(child);
    }
    for (CCNode* box : boxes) box->removeFromParentAndCleanup(true);
    return static_cast<int>(boxes.size());
}

void loadSheets() {
    for (const char* sheet : {"UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist"}) {
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(sheet);
    }
}

void QuizScreenTest::SetUp() {
    ClientTest::SetUp();
    useGameResources();
    setGameTexts();
    NetManager::installFrameHook();
    CQuestionMission::instance()->resetForTesting();
    CQuestionMission::instance()->setContestOffer([this](const Json::Value& answer) {
        m_submitted.push_back({answer["answer"].asString(), QuizData::instance().selectedOptionIndex});
        return true;
    });
}

void QuizScreenTest::TearDown() {
    CQuestionMission::instance()->resetForTesting();
    QuestionStage::instance().reset();
    ClientTest::TearDown();
}

CPlayLayer* QuizScreenTest::enterPlay() {
    SceneDirector::instance().registerScene(kPlayScene, &CPlayLayer::scene);
    SceneDirector::instance().switchTo(kPlayScene);
    engine::testing::stepFrames(2);
    m_host = QuestionStage::instance().host();
    EXPECT_NE(m_host, nullptr);
    // The scene asks a new player to register first; that box is not what these tests look at.
    CCScene* scene = SceneDirector::instance().currentScene();
    for (CCNode* parent : {static_cast<CCNode*>(scene), static_cast<CCNode*>(m_host)}) {
        if (parent == nullptr || parent->getChildren() == nullptr) continue;
        std::vector<CCNode*> boxes;
        for (CCObject* child : *parent->getChildren()) {
            if (dynamic_cast<CMyMessageBox*>(child)) boxes.push_back(static_cast<CCNode*>(child));
        }
        for (CCNode* box : boxes) box->removeFromParentAndCleanup(true);
    }
    return m_host;
}

QuestionRecord& QuizScreenTest::setQuestion(int gameType, int playType, std::vector<std::string> answers,
                                           int seltype) {
    auto record = std::make_unique<QuestionRecord>();
    record->questid = 1000 + playType;
    record->gametype = gameType;
    record->playtype = playType;
    record->seltype = seltype;
    record->question = "问题";
    record->answers = std::move(answers);
    if (gameType == 1) {
        ChoiceQuestion choice;
        choice.seltype = seltype;
        record->details = choice;
    } else if (gameType == 2) {
        record->details = ImageQuestion{};
    } else {
        record->details = MediaQuestion{};
    }
    QuizData& quiz = QuizData::instance();
    quiz.current = std::move(record);
    quiz.currentQsid = 7;
    quiz.currentGameType = gameType;
    quiz.currentPlayType = playType;
    return *quiz.current;
}

CQuestionLayer* QuizScreenTest::draw() {
    const QuestionRecord& question = *QuizData::instance().current;
    CQuestionRender* render = QuestionStage::instance().lookup(question.gametype, question.playtype);
    EXPECT_NE(render, nullptr);
    // As the mission does: the clock runs from the moment a question is drawn.
    if (m_host) m_host->startClock();
    if (render) render->draw();
    return QuestionStage::instance().current();
}

bool QuizScreenTest::clockRunning() const {
    return m_host && CCDirector::sharedDirector()->getScheduler()->isScheduled(
                         schedule_selector(CPlayLayer::update), m_host);
}

std::string QuizScreenTest::resourcePicture(const std::string& name) {
    return std::string(BRINDLE_RESOURCES_DIR) + "/images_1440X960/" + name;
}

void QuizScreenTest::downloaded(const std::string& mediaName, const std::string& path) {
    QuizData::instance().setString(mediaName, path);
}

} // namespace test_support
