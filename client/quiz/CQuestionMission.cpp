#include "quiz/CQuestionMission.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/SoundManager.h"
#include "data/AdStore.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "quiz/AnswerBox.h"
#include "quiz/CPlayLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "quiz/addWallLayer.h"
#include "widgets/CInputRecommenderLayer.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"

#include <string>

USING_NS_CC;

namespace {

constexpr int kPreviousTeamDetailsScene = 26;
constexpr int kPreviousExamHall = 29;
constexpr int kContestPlayScene = 22;
constexpr int kTeamMatchRunning = 2;
constexpr int kTeamMatchType = 2;
constexpr int kExamMatchType = 4;
constexpr int kPrizeZ = 100;
constexpr int kAnswerBoxZ = 150;
constexpr int kWallZ = 120;
constexpr int kOptionDialogZ = 100;
constexpr int kBoxZ = 99;
constexpr int kOptionDialogMode = 2;

CCPoint windowCentre() {
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    return ccp(window.width / 2, window.height / 2);
}

std::string text(const char* key) { return LocalText::instance().text(key); }

// The schedule entry the contest being played belongs to: the exam's when play came from the exam
// hall, else the team match's; match id 0 when the schedule has none.
MatchSchedule competitionEntry() {
    const int type =
        SceneDirector::instance().previousSceneId() == kPreviousExamHall ? kExamMatchType : kTeamMatchType;
    for (const MatchSchedule& entry : GameData::instance().matchSchedule) {
        if (entry.matchType == type) return entry;
    }
    MatchSchedule none;
    none.matchType = type;
    return none;
}

bool wallAhead() {
    const int next = GameData::instance().user.answerCount + 1;
    for (const SdkPlat& plat : GameData::instance().sdkPlats) {
        if (plat.index == next) return true;
    }
    return false;
}

} // namespace

CQuestionMission* CQuestionMission::instance() {
    static CQuestionMission* mission = new CQuestionMission;
    return mission;
}

void CQuestionMission::resetForTesting() {
    m_wallShown = false;
    m_lastSubmittedQsid = -1;
    m_answerStatus = 3;
    m_competition = false;
    m_contestOffer = nullptr;
}

int CQuestionMission::takeNextId() {
    QuizData& quiz = QuizData::instance();
    if (quiz.qsidQueue.empty()) {
        return -1;
    }
    const int id = quiz.qsidQueue.front();
    // A wall stands before this question: it stays at the front and comes next once the wall is passed.
    // Contest questions have no walls: the round's clock would run on behind one.
    if (m_competition || !wallAhead()) {
        quiz.qsidQueue.pop_front();
    }
    quiz.currentQsid = id;
    return id;
}

void CQuestionMission::updateCompetition() {
    const SceneDirector& director = SceneDirector::instance();
    const int previous = director.previousSceneId();
    // In the contest play scene a team round stays a team round whatever status the heartbeat
    // brings meanwhile (the round's end may overtake the last verdict): a single-player answer box
    // or question there would be answered by nobody.
    const bool inContestPlay = director.currentSceneId() == kContestPlayScene;
    m_competition = previous == kPreviousExamHall ||
                    (previous == kPreviousTeamDetailsScene &&
                     (GameData::instance().teamMatchStatus == kTeamMatchRunning || inContestPlay));
}

bool CQuestionMission::wallCheck() {
    m_wallShown = false;
    if (m_competition) {
        return false;
    }
    std::vector<SdkPlat>& plats = GameData::instance().sdkPlats;
    const int next = GameData::instance().user.answerCount + 1;
    int wall = -1;
    for (int i = 0; i < static_cast<int>(plats.size()); ++i) {
        if (plats[i].index == next) wall = i;
    }
    if (wall >= 0) {
        // Several entries for the same count would stack identical walls: one wall per check, and
        // the next check meets the next entry.
        QuestionStage& stage = QuestionStage::instance();
        stage.removeCurrent();
        if (CPlayLayer* host = stage.host()) {
            host->showTip(text("addWallLabel"));
            if (addWallLayer* layer = addWallLayer::create(plats[wall].sdkPlatType)) {
                host->addChild(layer, kWallZ);
            }
        }
        m_wallShown = true;
    }
    ClientLog::write("m_isOpenWall %d", m_wallShown ? 1 : 0);
    if (m_wallShown) {
        plats.erase(plats.begin() + wall);
    }
    return m_wallShown;
}

void CQuestionMission::start(int) {
    updateCompetition();
    const int id = takeNextId();
    if (id == -1) {
        if (m_competition) {
            showWaitingCover();
        } else {
            RequestCatalogue::questionIdList(this, net_selector(CQuestionMission::requestNextQuestion),
                                             net_selector(CQuestionMission::onRequestFailed), Busy::Yes);
        }
        return;
    }
    if (wallCheck()) {
        return;
    }
    const NetTarget to{this, net_selector(CQuestionMission::MsgResponseQuestionData),
                       net_selector(CQuestionMission::onRequestFailed)};
    if (m_competition) {
        const MatchSchedule entry = competitionEntry();
        RequestCatalogue::contestQuestion(id, GameData::instance().date, entry.matchType, entry.matchId, to);
    } else {
        RequestCatalogue::questionFirstOfRun(id, GameData::instance().date, to);
    }
}

void CQuestionMission::requestNextQuestion(int) {
    const int id = takeNextId();
    if (id == -1) {
        showAnswerOver();
        return;
    }
    if (wallCheck()) {
        return;
    }
    RequestCatalogue::questionByList(id, {this, net_selector(CQuestionMission::MsgResponseQuestionData),
                                          net_selector(CQuestionMission::onRequestFailed)});
}

void CQuestionMission::showAnswerOver() {
    CPlayLayer* host = QuestionStage::instance().host();
    if (host == nullptr) {
        return; // the player has left play; the next visit fetches the list again
    }
    CMyMessageBox* box = CMyMessageBox::create("", text("AnswerOver"), text("sure"), "", "", this, 0,
                                               callfunc_selector(CQuestionMission::backToMain), nullptr,
                                               nullptr, nullptr, false);
    if (box) {
        box->setPosition(windowCentre());
        host->addChild(box, kBoxZ);
    }
}

void CQuestionMission::showWaitingCover() {
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    if (scene == nullptr || scene->getChildByTag(kWaitingCoverTag)) {
        return;
    }
    CCSprite* cover = Pictures::sprite("duishoudaitishangweijieshu.png");
    cover->setPosition(windowCentre());
    const CCSize size = cover->getContentSize();
    const char* pens[2] = {"zhi.png", "bi.png"};
    for (int i = 0; i < 2; ++i) {
        CCSprite* pen = Pictures::sprite(pens[i]);
        pen->setScale(0.6f);
        pen->setPosition(ccp(size.width / 2 + (i == 0 ? -60.0f : 40.0f), size.height / 2 - 40));
        ccBezierConfig curve;
        curve.controlPoint_1 = ccp(30, 40);
        curve.controlPoint_2 = ccp(60, -40);
        curve.endPosition = ccp(90, 0);
        ccBezierConfig back;
        back.controlPoint_1 = ccp(-30, -40);
        back.controlPoint_2 = ccp(-60, 40);
        back.endPosition = ccp(-90, 0);
        pen->runAction(CCRepeatForever::create(CCSequence::createWithTwoActions(
            CCBezierBy::create(1.0f, curve), CCBezierBy::create(1.0f, back))));
        cover->addChild(pen, 1);
    }
    scene->addChild(cover, 0, kWaitingCoverTag);
}

void CQuestionMission::showPrize() {
    CPlayLayer* host = QuestionStage::instance().host();
    const QuestionRecord* question = QuizData::instance().current.get();
    if (host == nullptr || question == nullptr) {
        return;
    }
    for (int tag : {kPrizeIconTag, kPrizeLabelTag}) {
        if (host->getChildByTag(tag)) host->removeChildByTag(tag);
    }
    if (question->prizemoney <= 0) {
        return;
    }
    CCSprite* carrot = Pictures::sprite("common_jinluobo.png");
    carrot->setScale(0.7f);
    carrot->setPosition(ccp(890, 500));
    host->addChild(carrot, kPrizeZ, kPrizeIconTag);
    if (CCLabelBMFont* label = CCLabelBMFont::create(std::to_string(question->prizemoney).c_str(), "NumFont.fnt")) {
        label->setPosition(ccp(930, 500));
        host->addChild(label, kPrizeZ, kPrizeLabelTag);
    }
}

void CQuestionMission::MsgResponseQuestionData(int code) {
    QuizData& quiz = QuizData::instance();
    if (code != 0 || quiz.questionQueue.empty()) {
        return;
    }
    quiz.current = std::move(quiz.questionQueue.front());
    quiz.questionQueue.pop_front();
    quiz.currentGameType = quiz.current->gametype;
    quiz.currentPlayType = quiz.current->playtype;
    showPrize();

    QuestionStage& stage = QuestionStage::instance();
    CQuestionRender* renderer = stage.lookup(quiz.currentGameType, quiz.currentPlayType);
    if (renderer == nullptr) {
        ClientLog::write("question %d: no screen for game type %d play type %d", quiz.currentQsid,
                         quiz.currentGameType, quiz.currentPlayType);
        return;
    }
    stage.setAnswered(false);
    if (CPlayLayer* host = stage.host()) {
        host->startClock();
    }
    renderer->draw();
}

void CQuestionMission::submitAnswer(const std::string& answer, int count, int awardnum, int optionIndex) {
    QuizData& quiz = QuizData::instance();
    quiz.selectedOptionIndex = optionIndex;

    Json::Value offer(Json::objectValue);
    offer["qsid"] = quiz.currentQsid;
    offer["answer"] = answer;
    // The contest mission takes only the answers of its own contests: one it took must not go out a
    // second time as a single-player answer, whatever a team match elsewhere is doing.
    if (m_contestOffer && m_contestOffer(offer)) {
        return;
    }

    QuestionStage& stage = QuestionStage::instance();
    if (CPlayLayer* host = stage.host()) {
        host->stopClock();
    }
    quiz.lastAnsweredQsid = quiz.currentQsid;
    if (quiz.currentQsid == m_lastSubmittedQsid) {
        ClientLog::write("answer for question %d was already sent; dropped", quiz.currentQsid);
        return;
    }
    const QuestionRecord* question = quiz.current.get();
    if (question == nullptr) {
        ClientLog::write("answer without a question on screen; dropped");
        return;
    }
    m_lastSubmittedQsid = quiz.currentQsid;
    const bool withCount = question->gametype == 2 && question->playtype == 13;
    const NetTarget to{this, net_selector(CQuestionMission::onAnswerResult),
                       net_selector(CQuestionMission::onRequestFailed)};
    const int date = GameData::instance().date;
    if (m_competition) {
        const MatchSchedule entry = competitionEntry();
        RequestCatalogue::submitContestAnswer(quiz.currentQsid, question->questid, answer, date, awardnum,
                                              withCount ? count : -1, entry.matchType, entry.matchId, to);
    } else {
        RequestCatalogue::submitAnswer(quiz.currentQsid, question->questid, answer, date, awardnum,
                                       withCount ? count : -1, to);
    }
}

void CQuestionMission::onAnswerResult(int status) {
    QuizData& quiz = QuizData::instance();
    m_answerStatus = status >= 0 && status <= 2 ? status : 3;
    updateCompetition();
    const AnswerResult* result = quiz.lastResult.get();
    if (result && !result->apkname.empty()) {
        const int gameType = quiz.current ? quiz.current->gametype : quiz.currentGameType;
        AdStore::instance().put("Ad", result->apkname, std::to_string(quiz.currentQsid), std::to_string(gameType),
                                "0");
    }

    QuestionStage& stage = QuestionStage::instance();
    stage.setAnswered(true);
    CPlayLayer* host = stage.host();
    if (host == nullptr) {
        // The player left play before the verdict came: no box, no dialog, no game music on
        // whatever screen is up now.
        return;
    }
    host->stopClock();
    if (m_answerStatus == 3) {
        CMyMessageBox* box = CMyMessageBox::create("", text("gameover"), text("sure"), "", "", this, 0, nullptr,
                                                   nullptr, nullptr, nullptr, false);
        if (box) {
            box->setPosition(windowCentre());
            host->addChild(box, kBoxZ);
        }
        return;
    }
    SoundManager& sound = SoundManager::instance();
    if (sound.isMusicOn() && sound.currentMusic() != "bgMusic_game.mp3") {
        sound.playMusic("bgMusic_game.mp3", true);
    }
    if (m_competition) {
        host->onContestAnswer(m_answerStatus);
        return;
    }
    const QuestionRecord* question = quiz.current.get();
    if (quiz.selectedOptionIndex < 0 || question == nullptr || question->jumpUrls.empty()) {
        showAnswerFeedback();
        return;
    }
    CInputRecommenderLayer* dialog = CInputRecommenderLayer::create(
        text("ADXuanXiangDialogTitle"), this, callfunc_selector(CQuestionMission::showAnswerFeedback),
        callfunc_selector(CQuestionMission::skipAdOption), kOptionDialogMode);
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    if (dialog && scene) {
        scene->addChild(dialog, kOptionDialogZ, kOptionDialogTag);
    } else {
        showAnswerFeedback(); // no dialog: the verdict must still show
    }
}

void CQuestionMission::skipAdOption() {
    QuizData::instance().selectedOptionIndex = -1;
    showAnswerFeedback();
}

void CQuestionMission::showAnswerFeedback() {
    if (CCScene* scene = CCDirector::sharedDirector()->getRunningScene()) {
        if (scene->getChildByTag(kOptionDialogTag)) scene->removeChildByTag(kOptionDialogTag);
    }
    const char* title = nullptr;
    const char* sound = nullptr;
    switch (m_answerStatus) {
    case 0: title = "AnswerRight", sound = "right.mp3"; break;
    case 1:
    case 2: title = "AnswerError", sound = "WRONG.mp3"; break;
    default: return;
    }
    CPlayLayer* host = QuestionStage::instance().host();
    if (host == nullptr) {
        return;
    }
    const bool guest = UserSession::instance().userName().empty();
    AnswerBox* box = AnswerBox::create(text(title), this, callfunc_selector(CQuestionMission::nextQuestion),
                                       guest ? callfunc_selector(CQuestionMission::openRegistration)
                                             : callfunc_selector(CQuestionMission::backToMain));
    SoundManager::instance().playEffect(sound);
    if (box == nullptr) {
        return;
    }
    box->setPosition(windowCentre());
    host->addChild(box, kAnswerBoxZ);

    QuizData& quiz = QuizData::instance();
    const QuestionRecord* question = quiz.current.get();
    const int option = quiz.selectedOptionIndex;
    if (option >= 0 && question && option < static_cast<int>(question->jumpNames.size()) &&
        !question->jumpNames[option].empty()) {
        AdStore::instance().put("Ad", question->jumpNames[option], std::to_string(quiz.currentQsid),
                                std::to_string(question->gametype), "0");
        const std::string url = option < static_cast<int>(question->jumpUrls.size()) ? question->jumpUrls[option] : "";
        box->setJumpLink(url, question->jumpNames[option]);
    }
}

void CQuestionMission::onRequestFailed(int status) {
    ClientLog::write("question chain: request failed with status %d; the player decides what next", status);
}

void CQuestionMission::nextQuestion() { start(0); }
void CQuestionMission::backToMain() { SceneDirector::instance().showMain(); }
void CQuestionMission::openRegistration() { SceneDirector::instance().showRegister(); }
