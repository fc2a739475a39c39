#include "contest/CHD_ExamLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "contest/CHD_LoadingLayer.h"
#include "contest/HallRules.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "quiz/QuizData.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kContestHall = 21, kRankScene = 24;
constexpr int kExamMatchType = 4;
const char* const kButtons[] = {"Button_back", "Button_guize", "Button_rank", "Button_weekexam", "Button_monthexam"};

} // namespace

CCScene* CHD_ExamLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CHD_ExamLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CHD_ExamLayer* CHD_ExamLayer::create() {
    auto* layer = new CHD_ExamLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CHD_ExamLayer::Create Error!");
    return nullptr;
}

UIWidget* CHD_ExamLayer::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

void CHD_ExamLayer::onEnter() {
    CCLayer::onEnter();
    // An exam has nobody on the other side: the last contest's opponent must not show in play.
    GameData::instance().opponent = ContestOpponent{};
    if (m_built) return;
    m_built = true;
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, 0);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("PK_Exam.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("exam hall: PK_Exam.ExportJson cannot be read");
    }
    wireButtons();
}

void CHD_ExamLayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    setKeypadEnabled(true);
}

void CHD_ExamLayer::onExitTransitionDidStart() {
    CCLayer::onExitTransitionDidStart();
    setKeypadEnabled(false);
}

void CHD_ExamLayer::keyBackClicked() {
    if (!m_sitting) SceneDirector::instance().switchTo(kContestHall);
}

void CHD_ExamLayer::wireButtons() {
    for (const char* name : kButtons) {
        UIWidget* w = widget(name);
        if (w == nullptr) {
            ClientLog::write("exam hall: no widget %s", name);
            continue;
        }
        w->setTouchEnabled(true);
        w->addTouchEventListener(this, toucheventselector(CHD_ExamLayer::onButton));
    }
}

void CHD_ExamLayer::onButton(CCObject* sender, TouchEventType type) {
    const std::string name = hall_rules::endedButton(sender, type);
    // Once the face-off is coming, the hall's buttons under it lead nowhere else.
    if (name.empty() || m_sitting) return;
    if (name == "Button_back") {
        SceneDirector::instance().switchTo(kContestHall);
    } else if (name == "Button_guize") {
        hall_rules::showRules(this, kRulesUiId);
    } else if (name == "Button_rank") {
        SceneDirector::instance().switchTo(kRankScene);
    } else if (name == "Button_weekexam" || name == "Button_monthexam") {
        sit();
    }
}

void CHD_ExamLayer::sit() {
    m_sitting = true;
    if (hall_rules::scheduleEntry(kExamMatchType).matchType == kExamMatchType) {
        askQuestions();
        return;
    }
    // Reached without the contest hall's schedule (or it had no exam): the exam's id comes first.
    RequestCatalogue::matchSchedule(
        {this, net_selector(CHD_ExamLayer::onSchedule), net_selector(CHD_ExamLayer::onRequestFailed)});
}

void CHD_ExamLayer::onSchedule(int code) {
    if (code != 0 || hall_rules::scheduleEntry(kExamMatchType).matchType != kExamMatchType) {
        refuse("");
        return;
    }
    askQuestions();
}

void CHD_ExamLayer::askQuestions() {
    const MatchSchedule entry = hall_rules::scheduleEntry(kExamMatchType);
    // The list's answer marks a team match as coming; an exam's list says nothing about teams.
    m_statusBefore = GameData::instance().teamMatchStatus;
    m_listAsked = true;
    QuizData::instance().qsidQueue.clear();
    RequestCatalogue::contestQuestionIdList(kExamMatchType, entry.matchId,
                                            {this, net_selector(CHD_ExamLayer::onQuestionList),
                                             net_selector(CHD_ExamLayer::onRequestFailed)});
}

void CHD_ExamLayer::onQuestionList(int code) {
    GameData& data = GameData::instance();
    data.teamMatchStatus = m_statusBefore;
    m_listAsked = false;
    if (code != 0 || QuizData::instance().qsidQueue.empty()) {
        refuse(data.questionListTip);
        return;
    }
    CHD_LoadingLayer* faceOff =
        CHD_LoadingLayer::create(CHD_LoadingLayer::kExam, data.user.level, hall_rules::ownShownName());
    if (faceOff == nullptr) {
        // No face-off to wait behind: straight into the exam.
        SceneDirector::instance().switchTo(CHD_LoadingLayer::kContestPlayScene);
        return;
    }
    addChild(faceOff, kFaceOffZ);
}

void CHD_ExamLayer::onRequestFailed(int status) {
    // NetManager has told the player already; the cards work again.
    ClientLog::write("exam hall: request failed with status %d", status);
    if (m_listAsked) GameData::instance().teamMatchStatus = m_statusBefore;
    m_listAsked = false;
    m_sitting = false;
}

void CHD_ExamLayer::refuse(const std::string& tip) {
    m_sitting = false;
    const std::string message = tip.empty() ? LocalText::instance().text("HDExamRefused") : tip;
    ClientLog::write("exam hall: no exam to sit: %s", message.c_str());
    hall_rules::showNotice(this, message, kBoxZ);
}
