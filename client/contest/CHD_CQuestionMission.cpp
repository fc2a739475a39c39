#include "contest/CHD_CQuestionMission.h"

#include "app/ClientLog.h"
#include "app/SceneDirector.h"
#include "app/SoundManager.h"
#include "contest/CHD_LayerColorCover.h"
#include "net/ContestParsers.h"
#include "net/JsonRead.h"
#include "net/QuizParsers.h"
#include "net/RequestCatalogue.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"

#include <algorithm>
#include <climits>
#include <cmath>

USING_NS_CC;

namespace {

constexpr int kPlayScene = 22;
constexpr int kDoublesHall = 23;
constexpr int kChallengeHall = 28;
constexpr double kLongestAnswer = 40.0;
constexpr double kShortestAnswer = 0.01;

// The contest a previous scene stands for; 0 for scenes whose answers are not ours.
int matchTypeOf(int previousScene) {
    if (previousScene == kDoublesHall) return 1;
    if (previousScene == kChallengeHall) return 3;
    return 0;
}

void removeWaitingCover(CCNode* host) {
    if (host && host->getChildByTag(CHD_CQuestionMission::kWaitingCoverTag)) {
        host->removeChildByTag(CHD_CQuestionMission::kWaitingCoverTag, true);
    }
}

} // namespace

CHD_CQuestionMission* CHD_CQuestionMission::instance() {
    static CHD_CQuestionMission* mission = new CHD_CQuestionMission;
    return mission;
}

void CHD_CQuestionMission::install() {
    ContestParsers::hooks().contestQuestion = [](const Json::Value& v) { instance()->MsgResponseQuestionData(v); };
    CQuestionMission::instance()->setContestOffer(
        [](const Json::Value& answer) { return instance()->offerAnswer(answer); });
}

void CHD_CQuestionMission::resetForTesting() {
    stopTiming();
    m_lastSubmittedQsid = -1;
    m_shownAt = 0;
    m_clock = 0;
}

void CHD_CQuestionMission::startTiming() {
    CCScheduler* scheduler = CCDirector::sharedDirector()->getScheduler();
    if (!scheduler->hasUpdate(this)) {
        // Before every other update and timer, so the play scene's tick reads this frame's time.
        scheduler->scheduleUpdateForTarget(this, kCCPriorityNonSystemMin, false);
    }
}

void CHD_CQuestionMission::stopTiming() {
    CCDirector::sharedDirector()->getScheduler()->unscheduleUpdateForTarget(this);
}

void CHD_CQuestionMission::update(float dt) { m_clock += dt; }

void CHD_CQuestionMission::MsgResponseQuestionData(const Json::Value& v) {
    // Contest questions are wanted in contest play and in the halls while the face-off runs; one
    // arriving late elsewhere would come out as the next single-player question.
    const int scene = SceneDirector::instance().currentSceneId();
    if (scene != kPlayScene && scene != kDoublesHall && scene != kChallengeHall) {
        ClientLog::write("CHD_CQuestionMission: question %d pushed on scene %d; dropped", JsonRead::intOf(v, "qsid"),
                         scene);
        return;
    }
    QuizData& quiz = QuizData::instance();
    int code = -1;
    QuizParsers::question(v, &code);
    if (code != 0 || quiz.questionQueue.empty()) {
        ClientLog::write("CHD_CQuestionMission: pushed question %d not queued", JsonRead::intOf(v, "qsid"));
        return;
    }
    quiz.questionQueue.back()->qsid = JsonRead::intOf(v, "qsid");
    ClientLog::write("CHD_CQuestionMission::MsgResponseQuestionData success");
}

double CHD_CQuestionMission::spendTime() const {
    const double elapsed = std::max(0.0, m_clock - m_shownAt);
    // Whole tenths, as the server keeps one decimal; the small lift keeps 3.5 from reading 3.4999.
    const long long tenths = static_cast<long long>(std::floor(elapsed * 1000.0 + 1e-6)) / 100;
    const double seconds = static_cast<double>(tenths) / 10.0;
    return std::max(kShortestAnswer, std::min(kLongestAnswer, seconds));
}

bool CHD_CQuestionMission::offerAnswer(const Json::Value& offer) {
    const double spent = spendTime();
    const int matchType = matchTypeOf(SceneDirector::instance().previousSceneId());
    if (matchType == 0) {
        return false;
    }
    const int qsid = JsonRead::intOf(offer, "qsid");
    if (qsid == m_lastSubmittedQsid) {
        ClientLog::write("contest answer for question %d was already sent; dropped", qsid);
        return true;
    }
    m_lastSubmittedQsid = qsid;
    const std::string answer = JsonRead::textOf(offer, "answer");
    CPlayLayer* host = QuestionStage::instance().host();
    if (answer == "-1" && host && host->getChildByTag(kWaitingCoverTag)) {
        // A question that could only be looked at ran out: the server counts it without us. Taken
        // all the same, so the single-player chain does not send it either.
        ClientLog::write("contest question %d ran out under the waiting cover; nothing sent", qsid);
        return true;
    }
    removeWaitingCover(host);
    RequestCatalogue::submitContestSummary(qsid, answer, spent, matchType,
                                           {this, net_selector(CHD_CQuestionMission::onAnswerVerdict),
                                            net_selector(CHD_CQuestionMission::onRequestFailed)});
    return true;
}

void CHD_CQuestionMission::showNextQuestion() {
    QuizData& quiz = QuizData::instance();
    if (quiz.questionQueue.empty()) {
        return;
    }
    std::unique_ptr<QuestionRecord> record = std::move(quiz.questionQueue.front());
    quiz.questionQueue.pop_front();
    m_lastSubmittedQsid = -1;

    QuestionStage& stage = QuestionStage::instance();
    CQuestionRender* renderer = stage.lookup(record->gametype, record->playtype);
    if (renderer == nullptr) {
        ClientLog::write("contest question %d: no screen for game type %d play type %d; dropped", record->qsid,
                         record->gametype, record->playtype);
        return;
    }
    const bool answerable = record->flag != 0;
    quiz.currentQsid = record->qsid;
    quiz.currentGameType = record->gametype;
    quiz.currentPlayType = record->playtype;
    quiz.selectedOptionIndex = -1;
    quiz.current = std::move(record);

    CPlayLayer* host = stage.host();
    removeWaitingCover(host);
    if (!answerable && host) {
        if (CHD_LayerColorCover* cover = CHD_LayerColorCover::create()) {
            host->addChild(cover, kWaitingCoverZ, kWaitingCoverTag);
        }
    }
    stage.setAnswered(false);
    if (host) {
        host->startClock();
    }
    renderer->draw();
    m_shownAt = m_clock;
}

void CHD_CQuestionMission::onAnswerVerdict(int status) {
    const int verdict = status >= 0 && status <= 2 ? status : 3;
    QuestionStage& stage = QuestionStage::instance();
    CPlayLayer* host = stage.host();
    if (host == nullptr) {
        return; // the player left the contest before the verdict came
    }
    stage.setAnswered(true);
    host->stopClock();
    SoundManager& sound = SoundManager::instance();
    if (sound.isMusicOn() && sound.currentMusic() != "bgMusic_game.mp3") {
        ClientLog::write("playBgMusic(GAME_MUSIC)");
        sound.playMusic("bgMusic_game.mp3", true);
    }
    host->onContestAnswer(verdict);
}

void CHD_CQuestionMission::onRequestFailed(int status) {
    // NetManager has shown its box; the question stays locked until the next one is pushed.
    ClientLog::write("contest answer: request failed with status %d", status);
}
