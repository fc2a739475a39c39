#include "quiz/CPlayLayer.h"

#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"

USING_NS_CC;
USING_NS_CC_EXT;

CCScene* CPlayLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CPlayLayer* layer = CPlayLayer::create()) {
        scene->addChild(layer);
    }
    return scene;
}

CPlayLayer* CPlayLayer::create() {
    auto* layer = new CPlayLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CPlayLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CPlayLayer::init() { return CCLayer::init(); }

void CPlayLayer::refreshHeader() { m_remaining = kClockSeconds; }
void CPlayLayer::showTip(const std::string&) {}
void CPlayLayer::showQuestionList(CCObject*, TouchEventType) {}

void CPlayLayer::startClock() {
    m_running = true;
    schedule(schedule_selector(CPlayLayer::update), 1.0f);
    m_lowTimeFlag = true;
}

void CPlayLayer::timePenalty() {
    m_remaining = std::max(0, m_remaining - 6);
    showRemaining();
}

void CPlayLayer::stopClock() {
    if (QuestionStage::instance().host()) {
        unschedule(schedule_selector(CPlayLayer::update));
    }
}

void CPlayLayer::onContestAnswer(int) {}

void CPlayLayer::update(float) {}
void CPlayLayer::onEnter() {
    CCLayer::onEnter();
    QuestionStage::instance().setHost(this);
}
void CPlayLayer::onEnterTransitionDidFinish() { CCLayer::onEnterTransitionDidFinish(); }
void CPlayLayer::onExit() {
    CCLayer::onExit();
    unschedule(schedule_selector(CPlayLayer::update));
    QuestionStage::instance().reset();
}
void CPlayLayer::keyBackClicked() {}
bool CPlayLayer::ccTouchBegan(CCTouch*, CCEvent*) { return false; }
void CPlayLayer::onListChosen(int, std::string) {}
void CPlayLayer::onQuestionChosen(int, std::string) {}
void CPlayLayer::openPauseMenu() {}
void CPlayLayer::resumePlay() {}
void CPlayLayer::backToMain() {}
void CPlayLayer::openStore() {}
void CPlayLayer::share() {}
void CPlayLayer::showRemaining() {}
void CPlayLayer::timeOut() {}
void CPlayLayer::buildHeader() {}
void CPlayLayer::startOrAsk() {}
void CPlayLayer::startRun() {}
void CPlayLayer::onButton(CCObject*, TouchEventType) {}
void CPlayLayer::onPauseButton(CCObject*, TouchEventType) {}
void CPlayLayer::confirmBackToContest() {}
void CPlayLayer::openUserInfo() {}
void CPlayLayer::openRegistration() {}
