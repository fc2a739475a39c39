#include "quiz/CMediaQuestionLayer.h"

#include "app/ClientLog.h"
#include "net/CCMask.h"
#include "net/RequestCatalogue.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/COneByOneSelect.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"

USING_NS_CC;

// One clip request. The server link holds it until the answer has been handled; the screen lets go
// of it when the question changes or the screen goes, and then the answer falls on the floor.
class CMediaFetch : public CCObject {
public:
    CMediaFetch(CMediaQuestionLayer* owner, std::string name) : m_owner(owner), m_name(std::move(name)) {
        autorelease();
    }
    void detach() { m_owner = nullptr; }

    void arrived(int) {
        if (m_owner == nullptr) return;
        const std::string path = QuizData::instance().string(m_name);
        if (path.empty()) {
            ClientLog::write("media question: clip %s could not be stored", m_name.c_str());
        }
        finish(path);
    }
    void failed(int status) {
        if (m_owner == nullptr) return;
        ClientLog::write("media question: clip %s did not arrive (status %d)", m_name.c_str(), status);
        finish("");
    }

private:
    void finish(const std::string& path) {
        CMediaQuestionLayer* owner = m_owner;
        owner->dropFetch();
        owner->mediaReady(path);
    }

    CMediaQuestionLayer* m_owner;
    std::string m_name;
};

CMediaQuestionLayer::~CMediaQuestionLayer() { dropFetch(); }

void CMediaQuestionLayer::onExit() {
    // Off the host nothing may start its clock.
    dropFetch();
    stopWaiting();
    CQuestionLayer::onExit();
}

const QuestionRecord* CMediaQuestionLayer::question() { return QuizData::instance().current.get(); }

const MediaQuestion* CMediaQuestionLayer::media() {
    const QuestionRecord* current = question();
    return current ? std::get_if<MediaQuestion>(&current->details) : nullptr;
}

void CMediaQuestionLayer::addOptions(const QuestionRecord& current, int menuLayout, int oneByOneLayout) {
    if (current.seltype == 0) {
        if (CAddAnswerMenu* menu =
                CAddAnswerMenu::create(this, callfuncI_selector(CMediaQuestionLayer::onOption), menuLayout)) {
            addChild(menu);
        }
    } else if (current.seltype == 1) {
        if (COneByOneSelect* select =
                COneByOneSelect::create(this, callfuncI_selector(CMediaQuestionLayer::onOption), oneByOneLayout)) {
            addChild(select);
        }
    }
}

void CMediaQuestionLayer::onOption(int k) {
    const QuestionRecord* current = question();
    if (current == nullptr || k < 0 || k >= static_cast<int>(current->answers.size())) {
        return;
    }
    sendAnswer(current->answers[static_cast<std::size_t>(k)], k);
}

CFillCellLayer* CMediaQuestionLayer::addAnswerCells(const QuestionRecord& current, fillCellLayerDelegate* answers,
                                                    int layout, int columns) {
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->showTip(current.question);
    }
    const MediaQuestion* clip = media();
    CFillCellLayer* cells = CFillCellLayer::create(clip ? clip->answerlength : 0,
                                                   current.answers.empty() ? "" : current.answers.front(), answers,
                                                   layout, columns);
    if (cells) {
        addChild(cells);
    }
    return cells;
}

void CMediaQuestionLayer::resetMedia() {
    dropFetch();
    stopWaiting();
    m_media.clear();
    m_clockStarted = false;
    m_sent = false;
}

void CMediaQuestionLayer::dropFetch() {
    if (m_fetch) {
        m_fetch->detach();
        m_fetch->release();
        m_fetch = nullptr;
    }
}

void CMediaQuestionLayer::fetchMedia(Cover cover) {
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->stopClock();
    }
    m_waiting = true;
    if (cover == Cover::Yes) {
        if (CCMask* mask = CCMask::create(0, true)) {
            mask->addChild(CCLayerColor::create(ccc4(100, 100, 100, 125)));
            addChild(mask, kCoverZ, kCoverTag);
        }
    }
    const MediaQuestion* clip = media();
    m_media = clip ? clip->media : "";
    if (m_media.empty()) {
        ClientLog::write("media question %d names no clip; it is played without one",
                         question() ? question()->questid : 0);
        mediaReady("");
        return;
    }
    const std::string onDisk = QuizData::instance().string(m_media);
    if (!onDisk.empty()) {
        mediaReady(onDisk);
        return;
    }
    m_fetch = new CMediaFetch(this, m_media);
    m_fetch->retain();
    RequestCatalogue::media(m_media, Busy::No,
                            NetTarget{m_fetch, net_selector(CMediaFetch::arrived), net_selector(CMediaFetch::failed)});
    scheduleOnce(schedule_selector(CMediaQuestionLayer::giveUp), kGiveUpSeconds);
}

void CMediaQuestionLayer::stopWaiting() {
    unschedule(schedule_selector(CMediaQuestionLayer::giveUp));
    if (getChildByTag(kCoverTag)) {
        removeChildByTag(kCoverTag, true);
    }
    m_waiting = false;
}

void CMediaQuestionLayer::mediaReady(const std::string& path) {
    stopWaiting();
    if (questionIsOver()) {
        return;
    }
    startClockOnce();
    if (path.empty()) {
        ClientLog::write("media question: no clip for %s; the question goes on without it", m_media.c_str());
        return;
    }
    playMedia(path);
}

void CMediaQuestionLayer::giveUp(float) {
    if (!m_waiting) {
        return;
    }
    ClientLog::write("media question: clip %s not here after %.0f s; the clock starts without it", m_media.c_str(),
                     static_cast<double>(kGiveUpSeconds));
    // A late answer still plays the clip.
    stopWaiting();
    if (!questionIsOver()) {
        startClockOnce();
    }
}

void CMediaQuestionLayer::startClockOnce() {
    if (m_clockStarted) {
        return;
    }
    m_clockStarted = true;
    if (CPlayLayer* host = QuestionStage::instance().host()) {
        host->startClock();
    }
}

bool CMediaQuestionLayer::questionIsOver() {
    const CPlayLayer* host = QuestionStage::instance().host();
    return m_sent || isAnswered() || (host && host->hasTimedOut());
}

void CMediaQuestionLayer::sendAnswer(const std::string& answer, int optionIndex) {
    if (questionIsOver() || question() == nullptr) {
        return;
    }
    m_sent = true;
    beforeAnswer();
    CQuestionMission::instance()->submitAnswer(answer, 0, 0, optionIndex);
}
