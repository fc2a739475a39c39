#include "contest/CHD_PlayLayer.h"

#include "app/ClientLog.h"
#include "app/LevelTitles.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/SoundManager.h"
#include "app/TextFormat.h"
#include "contest/CHD_CQuestionMission.h"
#include "contest/CHD_LayerColorCover.h"
#include "contest/CHD_PlayLayerColorCover.h"
#include "contest/HallRules.h"
#include "contest/ContestPushRouter.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/QuizParsers.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/CChoiceYesOrNoLayer.h"
#include "quiz/COneByOneSelect.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CMotionStreakNode.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"

#include <cmath>
#include <cstdio>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kTouchPriority = 1;
constexpr int kTeamMatchOver = 4;
constexpr int kTeamCoverTag = 1011;
constexpr int kCoverLaterTag = 7301;
constexpr int kNextLaterTag = 7302;
constexpr int kTeamPrizeType = 2, kExamPrizeType = 4;
constexpr int kTeamResultMode = 2, kExamResultMode = 4;
constexpr int kAnswerCoverZ = 100;
constexpr int kBannerZ = 2000001;
constexpr int kTrailZ = 10000;
constexpr float kPollSeconds = 0.2f;
constexpr float kCoverDelaySeconds = 2.0f;
// The marks sit inside the ends of an option button: the player's on the right, the opponent's on
// the left, clear of the option's text.
constexpr float kMarkInset = 135;
constexpr float kMarkScale = 0.6f;
// Small enough to leave the question line above it readable.
constexpr float kBigMarkScale = 0.6f;
const ccColor3B kNameColour = {255, 255, 255};
const ccColor3B kTipColour = {60, 40, 20};
constexpr float kTipWidth = 760;

std::string text(const char* key) { return LocalText::instance().text(key); }

CCLabelTTF* playerName(const std::string& name, const CCPoint& at) {
    CCLabelTTF* label = CCLabelTTF::create(name.c_str(), "STHUPO.TTF", 30);
    if (label == nullptr) label = Pictures::label(name, 30, CCSizeZero, kCCTextAlignmentCenter);
    label->setColor(kNameColour);
    label->setPosition(at);
    return label;
}

CCPoint windowCentre() {
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    return ccp(window.width / 2, window.height / 2);
}

// The middle of the answer mark cover.
CCPoint coverCentre() { return ccpAdd(windowCentre(), ccp(0, 100)); }

CCPoint worldOf(CCNode* node) {
    CCNode* parent = node->getParent();
    return parent ? parent->convertToWorldSpace(node->getPosition()) : node->getPosition();
}

// The first node of class T in the subtree.
template <class T> T* childOf(CCNode* node) {
    if (auto* found = dynamic_cast<T*>(node)) return found;
    CCArray* children = node->getChildren();
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (T* found = childOf<T>(static_cast<CCNode*>(children->objectAtIndex(i)))) return found;
    }
    return nullptr;
}

void removeTagged(CCNode* parent, int tag) {
    if (parent->getChildByTag(tag)) parent->removeChildByTag(tag, true);
}

} // namespace

CCScene* CHD_PlayLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CHD_PlayLayer* layer = CHD_PlayLayer::create()) {
        scene->addChild(layer);
    }
    return scene;
}

CHD_PlayLayer* CHD_PlayLayer::create() {
    auto* layer = new CHD_PlayLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CHD_PlayLayer::Create Error!");
    delete layer;
    return nullptr;
}

CHD_PlayLayer::~CHD_PlayLayer() {
    if (m_result) m_result->release();
}

int CHD_PlayLayer::matchType() const {
    switch (m_previous) {
    case 23: return 1;
    case 26: return 2;
    case 28: return 3;
    case 29: return 4;
    default: return 0;
    }
}

// --- entering and leaving

void CHD_PlayLayer::onEnter() {
    CCLayer::onEnter();
    m_counter = 0;
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kTouchPriority, true);
    QuestionStage::instance().setHost(this);
    m_previous = SceneDirector::instance().previousSceneId();
    CHD_CQuestionMission::install();
    CHD_CQuestionMission::instance()->startTiming();
    ContestPushRouter::setPlayHandler(this, [this](const Json::Value& push) { return onPush(push); });
    const int qscount = GameData::instance().opponent.qscount;
    m_total = qscount > 0 ? qscount : 5;
    if (exam() && !QuizData::instance().qsidQueue.empty()) {
        m_total = static_cast<int>(QuizData::instance().qsidQueue.size());
    }

    if (m_layout == nullptr) {
        if (oneToOne()) {
            buildOneToOne();
        } else if (m_previous == 28 || chainPlay()) {
            buildScreen();
            if (m_layout) m_layout->setTag(kLayoutTag);
            m_clockAt = m_clockLabel ? m_clockLabel->getPosition() : ccp(125, 550);
            if (!teamMatch()) m_counterLabel = m_answeredLabel;
        }
        if (m_layout && SoundManager::instance().isMusicOn()) {
            SoundManager::instance().playMusic("bgMusic_game.mp3", true);
        }
    }
    if (pushedQuestions() || exam()) showCounter();
    if (pushedQuestions()) {
        schedule(schedule_selector(CHD_PlayLayer::pollQuestion), kPollSeconds);
    } else if (chainPlay()) {
        continueChain();
    }
}

void CHD_PlayLayer::onExit() {
    CPlayLayer::onExit();
    unschedule(schedule_selector(CHD_PlayLayer::pollQuestion));
    stopActionByTag(kCoverLaterTag);
    ContestPushRouter::clearPlayHandler(this);
    CHD_CQuestionMission::instance()->stopTiming();
    // A question of this contest must not turn up in the next single-player run.
    QuizData::instance().questionQueue.clear();
}

bool CHD_PlayLayer::ccTouchBegan(CCTouch*, CCEvent*) { return false; }

void CHD_PlayLayer::buildOneToOne() {
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    UILayer* layer = UILayer::create();
    m_layout = layer;
    addChild(layer, 0, kLayoutTag);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("PK_PKing.ExportJson")) {
        root->setZOrder(2);
        layer->addWidget(root);
    } else {
        ClientLog::write("contest play: PK_PKing.ExportJson cannot be read");
    }
    m_backButton = layer->getWidgetByName("backbtn");
    if (m_backButton) {
        m_backButton->setTouchEnabled(true);
        m_backButton->addTouchEventListener(this, toucheventselector(CHD_PlayLayer::onBackButton));
    } else {
        ClientLog::write("contest play: PK_PKing.ExportJson has no backbtn");
    }
    if (UIWidget* ring = layer->getWidgetByName("righttouxiangbg")) ring->setVisible(false);

    const UserInfo& user = GameData::instance().user;
    const ContestOpponent& opponent = GameData::instance().opponent;
    CCSprite* own = Pictures::sprite(levelTitleImage(user.level));
    own->setPosition(ccp(55, 580));
    addChild(own, 1, kOwnTitleTag);
    CCSprite* other = Pictures::sprite(levelTitleImage(opponent.level));
    other->setPosition(ccp(window.width - 55, 580));
    addChild(other, 1, kOpponentTitleTag);

    const std::string ownName = hall_rules::ownShownName();
    m_names[0] = playerName(ownName, ccp(200, 600));
    m_names[1] = playerName(opponent.name, ccp(760, 600));
    addChild(m_names[0], 1);
    addChild(m_names[1], 1);

    UIWidget* clockFace = layer->getWidgetByName("timebg");
    m_clockAt = clockFace ? worldOf(clockFace) : ccp(window.width / 2, 512);
    m_remaining = kClockSeconds;
    m_clockLabel = numberLabel(std::to_string(kClockSeconds));
    if (m_clockLabel) {
        m_clockLabel->setPosition(m_clockAt);
        addChild(m_clockLabel, 3);
    }
    m_counterLabel = numberLabel("");
    if (m_counterLabel) {
        m_counterLabel->setPosition(ccp(window.width / 2, 605));
        addChild(m_counterLabel, 1);
    }
    // One line between the clock and the options: a long question is drawn smaller, not wrapped
    // over them.
    m_tipLabel = Pictures::label("", 27, CCSizeZero, kCCTextAlignmentCenter);
    m_tipLabel->setColor(kTipColour);
    m_tipLabel->setPosition(ccp(window.width / 2, window.height / 2 + 125));
    addChild(m_tipLabel, 1);
    blinkJoining();
}

void CHD_PlayLayer::blinkJoining() {
    CCSprite* joining = Pictures::sprite("duishouzhengzaijiaru.png");
    joining->setPosition(windowCentre());
    addChild(joining, 5, kJoiningTag);
    joining->runAction(CCRepeatForever::create(
        CCSequence::createWithTwoActions(CCFadeOut::create(0.5f), CCFadeIn::create(0.5f))));
}

void CHD_PlayLayer::onBackButton(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) openPauseMenu();
}

// --- the poll and the host contract

void CHD_PlayLayer::pollQuestion(float) { CHD_CQuestionMission::instance()->showNextQuestion(); }

void CHD_PlayLayer::refreshHeader() {
    resetClock();
    if (teamMatch() && m_answeredLabel) {
        const int answered = GameData::instance().user.answerCount;
        m_answeredLabel->setString(fillText(text("answerNum"), {std::to_string(answered)}).c_str());
    }
    m_counter += 1;
    if (pushedQuestions() || exam()) {
        if (m_counter > m_total) m_counter = m_total;
        showCounter();
    }
    removeTagged(this, kAnswerCoverTag);
    endQuestionDecorations();
}

void CHD_PlayLayer::endQuestionDecorations() {
    // The cover promised 2 s after the last verdict must not fall on the question now shown.
    stopActionByTag(kCoverLaterTag);
    removeTagged(this, kBannerTag);
    removeTagged(this, kJoiningTag);
    m_bannerShown = false;
}

void CHD_PlayLayer::showCounter() {
    if (m_counterLabel == nullptr) return;
    const std::string line = fillText(text("OnePerAll"), {std::to_string(m_counter), std::to_string(m_total)});
    m_counterLabel->setString(line.c_str());
}

void CHD_PlayLayer::showTip(const std::string& tip) {
    if (m_tipLabel == nullptr) return;
    m_tipLabel->setString(tip.c_str());
    if (oneToOne()) {
        const float width = m_tipLabel->getContentSize().width;
        m_tipLabel->setScale(width > kTipWidth ? kTipWidth / width : 1.0f);
    }
}

void CHD_PlayLayer::startClock() {
    CPlayLayer::startClock();
    m_questionStart = CHD_CQuestionMission::instance()->now();
    m_penalty = 0;
    runTrail();
}

void CHD_PlayLayer::runTrail() {
    removeTagged(this, kTrailTag);
    CMotionStreakNode* trail = CMotionStreakNode::create();
    if (trail == nullptr) return;
    // Ten points once round the clock face, the last where the first was.
    CCPointArray* points = CCPointArray::create(10);
    const float radius = 58;
    for (int i = 0; i < 10; ++i) {
        const float angle = static_cast<float>(M_PI / 2 - 2 * M_PI * i / 9);
        points->addControlPoint(ccpAdd(m_clockAt, ccp(radius * std::cos(angle), radius * std::sin(angle))));
    }
    trail->setPosition(points->getControlPointAtIndex(0));
    trail->runAction(CCSequence::createWithTwoActions(CCCardinalSplineTo::create(2.5f, points, 0),
                                                      CCRemoveSelf::create()));
    addChild(trail, kTrailZ, kTrailTag);
}

void CHD_PlayLayer::update(float) {
    if (!m_running) {
        return;
    }
    if (m_remaining <= 0) {
        contestTimeOut();
        endRun();
        return;
    }
    if (m_remaining <= kLowTimeSeconds) m_lowTimeFlag = false;
    const double elapsed = CHD_CQuestionMission::instance()->now() - m_questionStart;
    m_remaining = static_cast<int>(kClockSeconds - elapsed) - m_penalty;
    if (m_remaining <= kWarningSeconds) warnLowTime();
    showRemaining();
}

void CHD_PlayLayer::contestTimeOut() {
    if (!lockTimedOutQuestion()) return;
    if (chainPlay()) {
        CQuestionMission::instance()->submitAnswer("-1", 0, 0, -1);
        return;
    }
    Json::Value offer(Json::objectValue);
    offer["qsid"] = QuizData::instance().currentQsid;
    offer["answer"] = "-1";
    CHD_CQuestionMission::instance()->offerAnswer(offer);
}

void CHD_PlayLayer::timePenalty() {
    const int taken = std::min(kPenaltySeconds, std::max(0, m_remaining));
    m_penalty += taken;
    m_remaining -= taken;
    showRemaining();
}

// --- answers and marks

int CHD_PlayLayer::optionIndexOf(const std::string& answer) const {
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question == nullptr || answer.empty()) return -1;
    for (std::size_t k = 0; k < question->answers.size(); ++k) {
        if (question->answers[k] == answer) return static_cast<int>(k);
    }
    return -1;
}

bool CHD_PlayLayer::optionShown(int k, CCPoint* at) const {
    CQuestionLayer* screen = QuestionStage::instance().current();
    if (screen == nullptr || k < 0) return false;
    if (CAddAnswerMenu* menu = childOf<CAddAnswerMenu>(screen); menu && k < CAddAnswerMenu::kOptionCount) {
        if (CCNode* item = menu->item(k); item && item->isVisible()) return *at = worldOf(item), true;
    }
    // One option at a time: only the one on screen has a place.
    if (COneByOneSelect* select = childOf<COneByOneSelect>(screen); select && select->currentIndex() == k) {
        if (CCNode* item = select->optionItem()) return *at = worldOf(item), true;
    }
    if (auto* yesNo = dynamic_cast<CChoiceYesOrNoLayer*>(screen); yesNo && k < 2) {
        if (CCNode* button = yesNo->button(k)) return *at = worldOf(button), true;
    }
    return false;
}

CCPoint CHD_PlayLayer::optionPoint(int k) const {
    CCPoint at;
    if (optionShown(k, &at)) return at;
    // A screen that shows its options otherwise: the text choice's places.
    const QuestionRecord* question = QuizData::instance().current.get();
    const bool two = question && question->answers.size() == 2;
    const CCPoint centre = windowCentre();
    const CCPoint four[4] = {ccp(-180, 70), ccp(180, 70), ccp(-180, -135), ccp(180, -135)};
    if (k < 0 || k > 3 || (two && k > 1)) return coverCentre();
    return ccpAdd(centre, two ? ccp(four[k].x, 0) : four[k]);
}

void CHD_PlayLayer::onContestAnswer(int status) {
    removeTagged(this, kAnswerCoverTag);
    CHD_PlayLayerColorCover* cover = CHD_PlayLayerColorCover::create();
    if (cover == nullptr) return;
    addChild(cover, kAnswerCoverZ, kAnswerCoverTag);
    const bool right = status == 0;
    if (!oneToOne()) {
        cover->addMark(right ? "answer_right.png" : "answer_error.png", coverCentre(), kBigMarkScale,
                       CHD_PlayLayerColorCover::kOwnMarkTag);
        if (chainPlay() && getActionByTag(kNextLaterTag) == nullptr) {
            // Nobody pushes the next question here: the chain asks for it once the mark was seen.
            CCAction* next = CCSequence::createWithTwoActions(
                CCDelayTime::create(kNextQuestionSeconds),
                CCCallFunc::create(this, callfunc_selector(CHD_PlayLayer::continueChain)));
            next->setTag(kNextLaterTag);
            runAction(next);
        }
        return;
    }
    QuizData& quiz = QuizData::instance();
    int k = optionIndexOf(quiz.lastResult ? quiz.lastResult->answer : std::string());
    if (k < 0) k = quiz.selectedOptionIndex;
    const CCPoint at = k >= 0 ? ccpAdd(optionPoint(k), ccp(kMarkInset, 0)) : coverCentre();
    cover->addMark(right ? "select_right.png" : "select_error.png", at, kMarkScale,
                   CHD_PlayLayerColorCover::kOwnMarkTag);
    stopActionByTag(kCoverLaterTag);
    CCAction* later = CCSequence::createWithTwoActions(
        CCDelayTime::create(kCoverDelaySeconds), CCCallFunc::create(this, callfunc_selector(CHD_PlayLayer::addWaitingCover)));
    later->setTag(kCoverLaterTag);
    runAction(later);
}

void CHD_PlayLayer::addWaitingCover() {
    if (getChildByTag(CHD_CQuestionMission::kWaitingCoverTag)) return;
    if (CHD_LayerColorCover* cover = CHD_LayerColorCover::create()) {
        addChild(cover, CHD_CQuestionMission::kWaitingCoverZ, CHD_CQuestionMission::kWaitingCoverTag);
    }
    // The cover says the same as the banner, in the same place.
    removeTagged(this, kBannerTag);
}

void CHD_PlayLayer::showOpponentMark(bool right, const std::string& answer) {
    ClientLog::write("=========n====%s", answer.c_str());
    auto* cover = dynamic_cast<CHD_PlayLayerColorCover*>(getChildByTag(kAnswerCoverTag));
    if (cover == nullptr) {
        cover = CHD_PlayLayerColorCover::create();
        if (cover == nullptr) return;
        addChild(cover, kAnswerCoverZ, kAnswerCoverTag);
    }
    const std::string& name = GameData::instance().opponent.name;
    CCPoint option;
    if (optionShown(optionIndexOf(answer), &option)) {
        const CCPoint at = ccpSub(option, ccp(kMarkInset, 0));
        cover->addMark(right ? "select_right.png" : "select_error.png", at, kMarkScale,
                       CHD_PlayLayerColorCover::kOpponentMarkTag);
        // Under the option button, whose mark it is.
        cover->addCaption(name, ccpSub(at, ccp(0, 58)));
        return;
    }
    // An option not on screen (one at a time, or a time-out): the mark with what was answered.
    const CCPoint at = ccpAdd(coverCentre(), ccp(0, -320));
    cover->addMark(right ? "select_right.png" : "select_error.png", at, kMarkScale,
                   CHD_PlayLayerColorCover::kOpponentMarkTag);
    cover->addCaption(answer == "-1" ? name : name + "：" + answer, ccpAdd(at, ccp(0, -44)));
}

void CHD_PlayLayer::showStillAnswering() {
    ClientLog::write("enemy is answering");
    if (m_bannerShown || getChildByTag(kBannerTag)) return;
    m_bannerShown = true;
    if (getChildByTag(CHD_CQuestionMission::kWaitingCoverTag)) return; // the cover says so already
    CCNode* banner = CCNode::create();
    banner->setPosition(windowCentre());
    banner->addChild(Pictures::sprite("duishoudaitishangweijieshu.png"), 1);
    CCSprite* paper = Pictures::sprite("zhi.png");
    paper->setScale(0.6f);
    paper->setPosition(ccp(-290, 0));
    banner->addChild(paper, 2);
    CCSprite* pen = Pictures::sprite("bi.png");
    pen->setScale(0.5f);
    pen->setPosition(ccp(-280, 10));
    banner->addChild(pen, 3);
    pen->runAction(CCRepeatForever::create(
        CCSequence::createWithTwoActions(CCMoveBy::create(0.3f, ccp(-14, -10)), CCMoveBy::create(0.3f, ccp(14, 10)))));
    addChild(banner, kBannerZ, kBannerTag);
}

// --- pushes

bool CHD_PlayLayer::onPush(const Json::Value& push) {
    if (teamMatch() && JsonRead::has(push, "teammatchstatus") &&
        JsonRead::intOf(push, "teammatchstatus") == kTeamMatchOver) {
        teamMatchOver();
        return true;
    }
    switch (JsonRead::intOf(push, "system")) {
    case 30: {
        int status = -1;
        QuizParsers::answerResult(push, &status);
        CHD_CQuestionMission::instance()->onAnswerVerdict(status);
        return true;
    }
    case 31:
        showOpponentMark(JsonRead::intOf(push, "bright") == 1, JsonRead::textOf(push, "answer"));
        return true;
    case 32:
        if (JsonRead::intOf(push, "act") == 2) {
            showStillAnswering();
            return true;
        }
        if (JsonRead::intOf(push, "act") == 1) {
            showResult(push);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void CHD_PlayLayer::showResult(const Json::Value& push) {
    if (m_result) {
        return; // one result per contest
    }
    const ContestResult first = ContestResult::fromPush(push, "");
    const ContestResult second = ContestResult::fromPush(push, "2");
    const std::string me = std::to_string(UserSession::instance().userId());
    if (first.player != me && second.player != me) {
        // Somebody else's contest: neither its numbers nor its end are ours.
        ClientLog::write("contest result names players %s and %s, not %s; ignored", first.player.c_str(),
                         second.player.c_str(), me.c_str());
        return;
    }
    const bool secondIsMine = second.player == me && first.player != me;
    unschedule(schedule_selector(CHD_PlayLayer::pollQuestion));
    stopTicking();
    m_running = false;
    QuestionStage::instance().setAnswered(true);
    // Nothing may stand between the player and the result's "sure".
    stopActionByTag(kCoverLaterTag);
    removeTagged(this, CHD_CQuestionMission::kWaitingCoverTag);
    removeTagged(this, kBannerTag);
    removeTagged(this, kJoiningTag);

    int mode = JsonRead::intOf(push, "matchtype");
    if (mode != 1 && mode != 3) mode = matchType();
    m_result = CHD_ResultLayer::create();
    if (m_result == nullptr) return;
    m_result->retain();
    ContestResult own = secondIsMine ? second : first;
    const ContestResult& theirs = secondIsMine ? first : second;
    // The server names everyone as others may see them; the player's own column uses his own name.
    if (own.player == me) own.name = hall_rules::ownShownName();
    m_result->setData(own, theirs, mode);
    // One line both players' logs can be compared by: each side as the dialog shows it.
    auto side = [](const ContestResult& r) {
        char line[160];
        std::snprintf(line, sizeof line, "player %s right %d wrong %d time %.1f score %d money %d outcome %d",
                      r.player.c_str(), r.right, r.wrong, static_cast<double>(r.timeUsed), r.score, r.rewardAmount,
                      r.outcome);
        return std::string(line);
    };
    ClientLog::write("contest result: %s | %s", side(own).c_str(), side(theirs).c_str());

    if (JsonRead::intOf(push, "flee") == 1) {
        CMyMessageBox* box = CMyMessageBox::create("", text("DuiShouTaoPao"), text("sure"), "", "", this, 0,
                                                   callfunc_selector(CHD_PlayLayer::addResultDialog), nullptr,
                                                   nullptr, nullptr, false);
        if (box) {
            box->setPosition(windowCentre());
            addChild(box, kBoxZ, kFleeBoxTag);
            return;
        }
    }
    addResultDialog();
}

void CHD_PlayLayer::addResultDialog() {
    if (m_result && m_result->getParent() == nullptr) {
        addChild(m_result, kResultZ);
    }
}

void CHD_PlayLayer::teamMatchOver() {
    GameData& data = GameData::instance();
    if (data.teamMatchStatus == kTeamMatchOver) {
        return;
    }
    data.teamMatchStatus = kTeamMatchOver;
    if (CCScene* running = CCDirector::sharedDirector()->getRunningScene()) {
        removeTagged(running, kTeamCoverTag);
    }
    RequestCatalogue::prizeTable(this, net_selector(CHD_PlayLayer::onTeamResult), nullptr, Busy::No);
}

namespace {

// The player's latest result of one kind; the answer lists the team round first, then the exam.
const PrizeItem* latestOfType(int type) {
    for (const PrizeItem& prize : GameData::instance().prizeTable) {
        if (prize.type == type) return &prize;
    }
    return nullptr;
}

} // namespace

void CHD_PlayLayer::onTeamResult(int) {
    const PrizeItem* prize = latestOfType(kTeamPrizeType);
    if (m_result || prize == nullptr) {
        ClientLog::write("team match over: no team result to show");
        return;
    }
    showOwnResult(ContestResult::fromTeamPrize(*prize, GameData::instance().myTeam.myTeamName), kTeamResultMode);
}

void CHD_PlayLayer::showOwnResult(const ContestResult& own, int mode) {
    stopTicking();
    m_running = false;
    stopActionByTag(kNextLaterTag);
    QuestionStage::instance().setAnswered(true);
    m_result = CHD_ResultLayer::create();
    if (m_result == nullptr) return;
    m_result->retain();
    m_result->setData(own, ContestResult{}, mode);
    ClientLog::write("%s result: right %d wrong %d time %.1f score %d team score %d reward %d kind %d",
                     mode == kExamResultMode ? "exam" : "team", own.right, own.wrong,
                     static_cast<double>(own.timeUsed), own.score, own.outcome, own.rewardAmount, own.rewardKind);
    addResultDialog();
}

void CHD_PlayLayer::continueChain() {
    if (m_result || m_examOver) return;
    // The round is over for the team (its result is on its way): no question of it is answered now.
    if (teamMatch() && GameData::instance().teamMatchStatus == kTeamMatchOver) return;
    if (m_leaving) {
        m_chainHeld = true;
        return;
    }
    m_chainHeld = false;
    const bool used = QuizData::instance().qsidQueue.empty();
    if (exam() && used) {
        examOver();
        return;
    }
    if (used) {
        // The team's questions are done: the answered one and its mark make way for the wait.
        removeTagged(this, kAnswerCoverTag);
        QuestionStage::instance().removeCurrent();
        showTip("");
    }
    CQuestionMission::instance()->start(0);
}

void CHD_PlayLayer::examOver() {
    m_examOver = true;
    stopTicking();
    m_running = false;
    RequestCatalogue::prizeTable(this, net_selector(CHD_PlayLayer::onExamResult),
                                 net_selector(CHD_PlayLayer::onExamResultFailed), Busy::Yes);
}

void CHD_PlayLayer::onExamResult(int) {
    if (m_result) return;
    const PrizeItem* prize = latestOfType(kExamPrizeType);
    if (prize == nullptr) {
        // Nothing to show, but the player must not be left on an empty play screen.
        ClientLog::write("exam over: the server lists no exam result");
        onExamResultFailed(0);
        return;
    }
    showOwnResult(ContestResult::fromTeamPrize(*prize, hall_rules::ownShownName()), kExamResultMode);
}

void CHD_PlayLayer::onExamResultFailed(int) {
    if (m_result || getChildByTag(kExamNoResultTag)) return;
    hall_rules::showBox(this, text("HDExamNoResult"), this, callfunc_selector(CHD_PlayLayer::leaveToHall), false,
                        nullptr, kBoxZ, kExamNoResultTag);
}

// --- leaving

void CHD_PlayLayer::openPauseMenu() {
    if (getChildByTag(kLeaveBoxTag) || (m_result && m_result->getParent())) {
        return;
    }
    QuestionStage::instance().setAnswered(true);
    // The team's waiting cover stands over this layer; it must not hide the question asked here.
    showTeamCover(false);
    CMyMessageBox* box = CMyMessageBox::create("", text("HDPlayLayerBackToMain"), text("sure"), text("cancel"), "",
                                               this, 0, callfunc_selector(CHD_PlayLayer::confirmLeave),
                                               callfunc_selector(CHD_PlayLayer::cancelLeave), nullptr, nullptr,
                                               false);
    if (box == nullptr) return;
    box->setPosition(windowCentre());
    addChild(box, kBoxZ, kLeaveBoxTag);
}

void CHD_PlayLayer::confirmLeave() {
    if (m_leaving) return;
    m_leaving = true;
    RequestCatalogue::matchPresence(4, matchType(), Busy::Yes,
                                    {this, net_selector(CHD_PlayLayer::onLeaveAnswer),
                                     net_selector(CHD_PlayLayer::onLeaveFailed)});
    if (teamMatch()) {
        SceneDirector::instance().switchTo(25);
    }
}

void CHD_PlayLayer::showTeamCover(bool shown) {
    CCScene* running = CCDirector::sharedDirector()->getRunningScene();
    if (CCNode* cover = running ? running->getChildByTag(kTeamCoverTag) : nullptr) cover->setVisible(shown);
}

void CHD_PlayLayer::cancelLeave() {
    showTeamCover(true);
    const int qsid = QuizData::instance().currentQsid;
    const int sent = chainPlay() ? CQuestionMission::instance()->lastSubmittedQsid()
                                 : CHD_CQuestionMission::instance()->lastSubmittedQsid();
    // A question already answered or run out stays locked; one still open is the player's again.
    if (sent != qsid && !m_timedOut && getChildByTag(kAnswerCoverTag) == nullptr && m_result == nullptr) {
        QuestionStage::instance().setAnswered(false);
    }
}

void CHD_PlayLayer::onLeaveAnswer(int code) {
    if (teamMatch()) return;
    if (code != 1) {
        // Whatever the server thinks of it, the player asked to go: no contest holds him here.
        ClientLog::write("contest play: leaving answered with code %d; leaving all the same", code);
    }
    leaveToHall();
}

void CHD_PlayLayer::onLeaveFailed(int) {
    m_leaving = false;
    cancelLeave();
    if (m_chainHeld) continueChain();
}

void CHD_PlayLayer::leaveToHall() {
    switch (m_previous) {
    case 23:
    case 28:
    case 29: SceneDirector::instance().switchTo(m_previous); break;
    default: SceneDirector::instance().switchTo(21); break;
    }
}
