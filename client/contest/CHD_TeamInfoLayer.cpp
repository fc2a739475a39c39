#include "contest/CHD_TeamInfoLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "contest/CHD_LoadingLayer.h"
#include "contest/HallRules.h"
#include "contest/TeamRules.h"
#include "net/CCMask.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"
#include "quiz/CCountDownLabel.h"

#include <algorithm>
#include <cstdio>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

using namespace team_rules;

constexpr int kLayoutZ = 2, kTextZ = 5, kPagerZ = 6, kBoxZ = 100, kFaceOffZ = 400;
// The notice mask sits above the screen's buttons (priority 0) and below the message boxes.
constexpr int kNoticeMaskOffset = 1279 - 20;
constexpr int kDefaultMaxTeamer = 5;
const CCPoint kStateSpot(680, 50);
constexpr float kNameX = 60, kNameWidth = 400, kCountX = 600, kCaptionY = 515;
const ccColor3B kRowColour = {90, 50, 20};
// The header band is light: its texts are dark; the column captions sit on the backdrop below it.
const ccColor3B kHeaderColour = {90, 50, 20};
const ccColor3B kCaptionColour = {255, 250, 230};
const ccColor3B kStateColour = {255, 240, 120};

// The team whose record the last team answer held, when it is this one.
bool freshRecordOf(int teamId, TeamInfo* team) {
    const TeamInfo& fresh = GameData::instance().teamRecord;
    if (fresh.teamId == 0 || fresh.teamId != teamId) return false;
    *team = fresh;
    return true;
}

} // namespace

CCScene* CHD_TeamInfoLayer::scene(const TeamInfo& team, int role) {
    CCScene* scene = CCScene::create();
    if (CHD_TeamInfoLayer* layer = create(team, role)) scene->addChild(layer);
    return scene;
}

CHD_TeamInfoLayer* CHD_TeamInfoLayer::create(const TeamInfo& team, int role) {
    auto* layer = new CHD_TeamInfoLayer;
    if (layer->initWith(team, role)) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CHD_TeamInfoLayer::Create Error!");
    return nullptr;
}

UIWidget* CHD_TeamInfoLayer::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

UIWidget* CHD_TeamInfoLayer::rowWidget(const char* pattern, int row) const {
    char name[40];
    std::snprintf(name, sizeof name, pattern, row);
    return widget(name);
}

bool CHD_TeamInfoLayer::initWith(const TeamInfo& team, int role) {
    if (!CCLayer::init()) return false;
    m_team = team;
    m_role = role >= kLeader && role <= kAnnounced ? role : kViewer;
    m_members = GameData::instance().teamMembers;
    m_signedUp = team_rules::signedUp(m_team.teamMatchStatus);
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, kLayoutZ, kLayoutTag);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("PK_TeamInfo.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("team screen: PK_TeamInfo.ExportJson cannot be read");
    }
    std::vector<std::string> names = {"backbtn", "btnleft", "btnright"};
    for (int row = 0; row < kRows; ++row) names.push_back("kickout" + std::to_string(row));
    for (const std::string& name : names) {
        UIWidget* w = widget(name.c_str());
        if (w == nullptr) {
            ClientLog::write("team screen: no widget %s", name.c_str());
            continue;
        }
        w->setTouchEnabled(true);
        w->addTouchEventListener(this, toucheventselector(CHD_TeamInfoLayer::onButton));
    }
    buildHeader();
    CCNode* rows = CCNode::create();
    addChild(rows, kTextZ, kRowTextTag);
    m_pager = CPageController::create();
    if (m_pager) {
        m_pager->setDelegate(this);
        m_pager->setPosition(ccp(150, 40));
        addChild(m_pager, kPagerZ, kPagerTag);
    }
    fillRows();
    buildButtons();
    return true;
}

void CHD_TeamInfoLayer::buildHeader() {
    const LocalText& texts = LocalText::instance();
    UIWidget* head = widget("teamheadbg");
    const float y = head && head->getParent() ? head->getParent()->convertToWorldSpace(head->getPosition()).y : 575;
    if (CCLabelTTF* name = addLabel(this, m_team.teamName, "STHUPO.TTF", 36, ccp(kNameX, y), kHeaderColour, kTextZ)) {
        name->setAnchorPoint(ccp(0, 0.5f));
    }
    const std::string points = texts.text("teamScore");
    char line[128];
    std::snprintf(line, sizeof line, points.c_str(), m_team.score);
    if (CCLabelTTF* score = addLabel(this, line, "simhei.ttf", 28, ccp(820, y), kHeaderColour, kTextZ)) {
        score->setAnchorPoint(ccp(1, 0.5f));
    }
    addLabel(this, texts.text("nickName"), "simhei.ttf", 24, ccp(kNameX + kNameWidth / 2, kCaptionY), kCaptionColour,
             kTextZ);
    addLabel(this, texts.text("MyselfScore"), "simhei.ttf", 24, ccp(kCountX, kCaptionY), kCaptionColour, kTextZ);
}

int CHD_TeamInfoLayer::maxTeamer() const {
    const int most = GameData::instance().myTeam.maxTeamer;
    return most > 0 ? most : kDefaultMaxTeamer;
}

int CHD_TeamInfoLayer::memberCount() const {
    return m_team.number > 0 ? m_team.number : static_cast<int>(m_members.size());
}

bool CHD_TeamInfoLayer::eliminated() const {
    return team_rules::eliminated(m_team, hall_rules::scheduleEntry(kTeamMatchType));
}

void CHD_TeamInfoLayer::fillRows() {
    const int pages = (static_cast<int>(m_members.size()) + kRows - 1) / kRows;
    m_page = std::clamp(m_page, 0, std::max(0, pages - 1));
    if (m_pager) {
        m_pager->setPageCount(pages);
        m_pager->setCurrentPage(m_page);
        // Five members fill one page: the bar only shows when there is a page to turn to.
        m_pager->setVisible(pages > 1);
    }
    CCNode* texts = getChildByTag(kRowTextTag);
    if (texts == nullptr) return;
    texts->removeAllChildrenWithCleanup(true);
    const std::string own = ownIdText();
    const LocalText& words = LocalText::instance();
    for (int row = 0; row < kRows; ++row) {
        const size_t index = static_cast<size_t>(m_page * kRows + row);
        const bool filled = index < m_members.size();
        UIWidget* kick = rowWidget("kickout%d", row);
        // The leader removes others; removing himself is what dismissing is for.
        const bool canKick = filled && m_role == kLeader && std::to_string(m_members[index].userId) != own;
        showButton(kick, canKick);
        if (canKick) caption(kick, words.text("KickOut"), "simhei.ttf", 24);
        UIWidget* bg = rowWidget("infobg%d", row);
        if (!filled || bg == nullptr || bg->getParent() == nullptr) continue;
        const TeamMember& member = m_members[index];
        const float y = bg->getParent()->convertToWorldSpace(bg->getPosition()).y;
        CCNode* line = CCNode::create();
        texts->addChild(line, 0, row);
        CCLabelTTF* name = CCLabelTTF::create(member.name.c_str(), "STHUPO.TTF", 30);
        if (name) {
            name->setColor(kRowColour);
            name->setAnchorPoint(ccp(0, 0.5f));
            name->setPosition(ccp(kNameX, y));
            // Names wider than the column are shrunk into it rather than running under the counts.
            const float width = name->getContentSize().width;
            if (width > kNameWidth) name->setScale(kNameWidth / width);
            line->addChild(name, 0, 0);
        }
        const std::string counts = std::to_string(member.rightCount) + "/" + std::to_string(member.answerCount);
        if (CCLabelTTF* label = addLabel(line, counts, "simhei.ttf", 30, ccp(kCountX, y), kRowColour)) {
            label->setTag(1);
        }
    }
}

std::vector<std::string> CHD_TeamInfoLayer::rowTexts(int row) {
    std::vector<std::string> found;
    CCNode* texts = getChildByTag(kRowTextTag);
    CCNode* line = texts ? texts->getChildByTag(row) : nullptr;
    for (int tag = 0; line && tag <= 1; ++tag) {
        if (auto* label = dynamic_cast<CCLabelTTF*>(line->getChildByTag(tag))) found.push_back(label->getString());
    }
    return found;
}

void CHD_TeamInfoLayer::onPageChanged(int page, int) {
    m_page = page;
    fillRows();
}

void CHD_TeamInfoLayer::buildButtons() {
    const LocalText& texts = LocalText::instance();
    UIWidget* left = widget("btnleft");
    UIWidget* right = widget("btnright");
    switch (m_role) {
    case kLeader: caption(left, texts.text("dismissTeam"), "simhei.ttf", 30); break;
    case kMember: caption(left, texts.text("QuitTeam"), "simhei.ttf", 30); break;
    case kViewer: caption(left, texts.text("quickJoin"), "simhei.ttf", 30); break;
    default: break;
    }
    showButton(left, m_role == kLeader || m_role == kMember || (m_role == kViewer && memberCount() < maxTeamer()));
    if (CCNode* old = getChildByTag(kRightLabelTag)) old->removeFromParent();
    if (m_role == kLeader) {
        showButton(right, true);
        caption(right, texts.text(m_signedUp ? "HDCancelSignUp" : "SignUp"), "simhei.ttf", 30);
        return;
    }
    // Outside the leader's role the right side only says whether the team is signed up.
    showButton(right, false);
    CCPoint at(420, 75);
    if (right && right->getParent()) at = right->getParent()->convertToWorldSpace(right->getPosition());
    if (CCLabelTTF* label = addLabel(this, texts.text(m_signedUp ? "HDSignUped" : "HDunSignUp"), "simhei.ttf", 30, at,
                                     kStateColour, kTextZ)) {
        label->setTag(kRightLabelTag);
    }
}

CCLabelTTF* CHD_TeamInfoLayer::rightLabel() {
    return dynamic_cast<CCLabelTTF*>(getChildByTag(kRightLabelTag));
}

CCLabelTTF* CHD_TeamInfoLayer::stateText() { return dynamic_cast<CCLabelTTF*>(getChildByTag(kStateTag)); }

void CHD_TeamInfoLayer::onEnter() {
    CCLayer::onEnter();
    // Reached from the main menu by the announcement, the heartbeat may still be at its slow pace;
    // the match start is seen through it.
    NetManager::instance().setHeartbeatInterval(1.0f);
    askSchedule();
}

void CHD_TeamInfoLayer::askSchedule() {
    RequestCatalogue::matchSchedule({this, net_selector(CHD_TeamInfoLayer::onScheduleAnswer),
                                     net_selector(CHD_TeamInfoLayer::onRequestFailed)});
}

void CHD_TeamInfoLayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    setKeypadEnabled(true);
}

void CHD_TeamInfoLayer::onExitTransitionDidStart() {
    CCLayer::onExitTransitionDidStart();
    setKeypadEnabled(false);
}

void CHD_TeamInfoLayer::keyBackClicked() {
    if (m_facingOff) return;
    backToList();
}

void CHD_TeamInfoLayer::backToList() { SceneDirector::instance().switchTo(kTeamListScene); }

void CHD_TeamInfoLayer::clearState() {
    removeChildByTag(kStateTag);
    if (m_countdown) m_countdown->removeFromParent();
    m_countdown = nullptr;
    unschedule(schedule_selector(CHD_TeamInfoLayer::matchTick));
}

void CHD_TeamInfoLayer::onScheduleAnswer(int code) {
    if (code != 0) return;
    bool found = false;
    for (const MatchSchedule& entry : GameData::instance().matchSchedule) {
        found = found || entry.matchType == kTeamMatchType;
    }
    if (!found) return;
    const MatchSchedule entry = hall_rules::scheduleEntry(kTeamMatchType);
    clearState();
    const LocalText& texts = LocalText::instance();
    if (m_team.level != entry.level) {
        const char* key = m_team.level < entry.level ? "HDTeamTaoTai" : "HDTeamAlreadyWin";
        if (CCLabelTTF* label = addLabel(this, texts.text(key), "simhei.ttf", 30, kStateSpot, kStateColour, kTextZ)) {
            label->setScale(0.8f);
            label->setTag(kStateTag);
        }
        return;
    }
    ClientLog::write("===========_starttime=====%s==_curtime===%s", entry.startTime.c_str(), entry.serverTime.c_str());
    ClientLog::write("===_endtime====%s=======", entry.endTime.c_str());
    m_countdown = CCountDownLabel::create(entry.startTime, entry.serverTime, entry.endTime);
    if (m_countdown == nullptr) return;
    m_countdown->setPosition(kStateSpot);
    m_countdown->setScale(0.8f);
    addChild(m_countdown, kTextZ);
    schedule(schedule_selector(CHD_TeamInfoLayer::matchTick), 0.5f);
}

void CHD_TeamInfoLayer::matchTick(float) {
    if (m_countdown == nullptr || m_facingOff) return;
    const long long left = m_countdown->secondsToStart();
    ClientLog::write("getLabelWaitSeconds==%lld", left);
    const int status = GameData::instance().teamMatchStatus;
    // The status speaks of the player's own team: in the match means signed up, even when the
    // leader signed up after this screen was made.
    if (m_role != kViewer && (status == 1 || status == 2) && !m_signedUp) {
        m_signedUp = true;
        buildButtons();
    }
    if (status == 1 && !m_sawAboutToBegin) {
        // An operator may have started a match after this screen asked for the schedule: the
        // countdown has to count to that one.
        m_sawAboutToBegin = true;
        askSchedule();
    }
    // A screen opened late (or a tick held up) still asks once, as soon as it is inside the window.
    if (left <= kQuestionListSeconds && m_signedUp && !m_listAsked) {
        ClientLog::write("180 seconds ");
        m_listAsked = true;
        RequestCatalogue::teamQuestionIdList(hall_rules::scheduleEntry(kTeamMatchType).matchId, {});
    }
    if (status == 2 && m_signedUp && m_listAsked) {
        m_facingOff = true;
        removeChildByTag(kNoticeTag);
        unschedule(schedule_selector(CHD_TeamInfoLayer::matchTick));
        if (CHD_LoadingLayer* faceOff = CHD_LoadingLayer::create()) addChild(faceOff, kFaceOffZ);
        return;
    }
    if (getChildByTag(kNoticeTag) == nullptr && status == 1 && m_signedUp) showNotice();
}

void CHD_TeamInfoLayer::showNotice() {
    CCNode* notice = CCNode::create();
    addChild(notice, kNoticeZ, kNoticeTag);
    if (CCMask* mask = CCMask::create(kNoticeMaskOffset, false)) notice->addChild(mask);
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    if (CCSprite* picture = CCSprite::create("bisaijijiangkaishi.png")) {
        picture->setPosition(ccp(size.width / 2, size.height / 2));
        notice->addChild(picture, 1);
    } else {
        ClientLog::write("team screen: bisaijijiangkaishi.png is missing");
    }
}

void CHD_TeamInfoLayer::onButton(CCObject* sender, TouchEventType type) {
    const std::string name = hall_rules::endedButton(sender, type);
    if (name.empty()) return;
    if (name == "backbtn") {
        keyBackClicked();
    } else if (name == "btnleft") {
        onLeftButton();
    } else if (name == "btnright") {
        onRightButton();
    } else if (name.rfind("kickout", 0) == 0 && name.size() == 8 && name[7] >= '0' && name[7] < '0' + kRows) {
        onKickOut(name[7] - '0');
    }
}

void CHD_TeamInfoLayer::notice(const std::string& text, SEL_CallFunc onSure) {
    hall_rules::showBox(this, text, onSure ? this : nullptr, onSure, false, nullptr, kBoxZ);
}

void CHD_TeamInfoLayer::ask(const char* key, SEL_CallFunc onSure) {
    hall_rules::showBox(this, LocalText::instance().text(key), this, onSure, true, nullptr, kBoxZ);
}

void CHD_TeamInfoLayer::onLeftButton() {
    const LocalText& texts = LocalText::instance();
    switch (m_role) {
    case kLeader:
        ClientLog::write("CHD_TeamInfoLayer::onDismissTeam!");
        ask("HDonSureDismissTeam", callfunc_selector(CHD_TeamInfoLayer::dismiss));
        break;
    case kMember: ask("HDonSureQuitTeam", callfunc_selector(CHD_TeamInfoLayer::quit)); break;
    case kViewer:
        if (memberCount() >= maxTeamer()) return;
        if (eliminated()) {
            notice(texts.text("HDTeamTaoTai"));
            return;
        }
        ask("HDonSureJoinTeam", callfunc_selector(CHD_TeamInfoLayer::join));
        break;
    default: break;
    }
}

void CHD_TeamInfoLayer::onRightButton() {
    if (m_role != kLeader) return;
    const LocalText& texts = LocalText::instance();
    if (!m_signedUp) {
        ClientLog::write("CHD_TeamInfoLayer::onSignUp!");
        if (eliminated()) {
            notice(texts.text("teamloser"));
            return;
        }
        ask("HDonSureSignUp", callfunc_selector(CHD_TeamInfoLayer::signUp));
        return;
    }
    ClientLog::write("CHD_TeamInfoLayer::onCancelSignUp!");
    if (eliminated()) {
        notice(texts.text("HDTeamTaoTai"));
        return;
    }
    if (m_countdown && m_countdown->secondsToStart() < kLastCancelSeconds) {
        notice(texts.text("signUpCancelFail"));
        return;
    }
    ask("HDonSureCancelSignUp", callfunc_selector(CHD_TeamInfoLayer::cancelSignUp));
}

void CHD_TeamInfoLayer::onKickOut(int row) {
    if (m_role != kLeader) return;
    const size_t index = static_cast<size_t>(m_page * kRows + row);
    if (index >= m_members.size()) return;
    if (m_signedUp) {
        notice(LocalText::instance().text("removeFail"));
        return;
    }
    m_kickRow = static_cast<int>(index);
    ask("HDonSureRemoveMember", callfunc_selector(CHD_TeamInfoLayer::kick));
}

void CHD_TeamInfoLayer::dismiss() {
    RequestCatalogue::dismissTeam(m_team.teamId, Json::Value(m_team.creater),
                                  {this, net_selector(CHD_TeamInfoLayer::onDismissAnswer),
                                   net_selector(CHD_TeamInfoLayer::onRequestFailed)});
}

void CHD_TeamInfoLayer::kick() {
    if (m_kickRow < 0 || m_kickRow >= static_cast<int>(m_members.size())) return;
    RequestCatalogue::kickMember(m_members[static_cast<size_t>(m_kickRow)].userId, m_team.teamId,
                                 Json::Value(m_team.creater),
                                 {this, net_selector(CHD_TeamInfoLayer::onKickAnswer),
                                  net_selector(CHD_TeamInfoLayer::onRequestFailed)});
}

void CHD_TeamInfoLayer::signUp() {
    RequestCatalogue::signUp(hall_rules::scheduleEntry(kTeamMatchType).matchId, m_team.teamId,
                             Json::Value(m_team.creater),
                             {this, net_selector(CHD_TeamInfoLayer::onSignUpAnswer),
                              net_selector(CHD_TeamInfoLayer::onRequestFailed)});
}

void CHD_TeamInfoLayer::cancelSignUp() {
    RequestCatalogue::cancelSignUp(hall_rules::scheduleEntry(kTeamMatchType).matchId, m_team.teamId,
                                   Json::Value(m_team.creater),
                                   {this, net_selector(CHD_TeamInfoLayer::onCancelAnswer),
                                    net_selector(CHD_TeamInfoLayer::onRequestFailed)});
}

void CHD_TeamInfoLayer::quit() {
    RequestCatalogue::quitTeam(m_team.teamId, {this, net_selector(CHD_TeamInfoLayer::onQuitAnswer),
                                               net_selector(CHD_TeamInfoLayer::onRequestFailed)});
}

void CHD_TeamInfoLayer::join() {
    RequestCatalogue::joinTeam(m_team.teamId, Json::Value(m_team.creater),
                               {this, net_selector(CHD_TeamInfoLayer::onJoinAnswer),
                                net_selector(CHD_TeamInfoLayer::onRequestFailed)});
}

void CHD_TeamInfoLayer::fetchAgain() {
    RequestCatalogue::teamInfo(m_team.teamId, {this, net_selector(CHD_TeamInfoLayer::onTeamAnswer),
                                               net_selector(CHD_TeamInfoLayer::onRequestFailed)});
}

void CHD_TeamInfoLayer::onTeamAnswer(int code) {
    if (code == 1) {
        notice(LocalText::instance().text("HDTeamJieSan"), callfunc_selector(CHD_TeamInfoLayer::backToList));
        return;
    }
    if (code != 0) return;
    TeamInfo team = m_team;
    freshRecordOf(m_team.teamId, &team);
    // The screen is made again from the new record: members, signed-up flag, buttons, countdown.
    SceneDirector::instance().showTeamInfo(team, m_role == kAnnounced ? kAnnounced : roleOf(team));
}

void CHD_TeamInfoLayer::onDismissAnswer(int code) {
    const LocalText& texts = LocalText::instance();
    if (code == 0) {
        notice(texts.text("HDopsuccess"), callfunc_selector(CHD_TeamInfoLayer::backToList));
    } else {
        notice(texts.text("dismissFail"));
    }
}

void CHD_TeamInfoLayer::onKickAnswer(int code) {
    const LocalText& texts = LocalText::instance();
    if (code != 0 || m_kickRow < 0 || m_kickRow >= static_cast<int>(m_members.size())) {
        notice(texts.text("HDopfail"));
        return;
    }
    notice(m_members[static_cast<size_t>(m_kickRow)].name + texts.text("hadRemove"),
           callfunc_selector(CHD_TeamInfoLayer::fetchAgain));
}

void CHD_TeamInfoLayer::onSignUpAnswer(int code) {
    const LocalText& texts = LocalText::instance();
    switch (code) {
    case 0: notice(texts.text("HDopsuccess"), callfunc_selector(CHD_TeamInfoLayer::fetchAgain)); break;
    case 2: notice(texts.text("signUpNotInTime")); break;
    case 3: notice(texts.text("signUpOverTime")); break;
    default: notice(texts.text("HDopfail")); break;
    }
}

void CHD_TeamInfoLayer::onCancelAnswer(int code) {
    const LocalText& texts = LocalText::instance();
    switch (code) {
    case 0: notice(texts.text("HDopsuccess"), callfunc_selector(CHD_TeamInfoLayer::fetchAgain)); break;
    case 1: notice(texts.text("HDTeamHadStart")); break;
    default: notice(texts.text("HDopfail")); break;
    }
}

void CHD_TeamInfoLayer::onQuitAnswer(int code) {
    const LocalText& texts = LocalText::instance();
    if (code == 0) {
        GameData::instance().myTeam.myTeamId = 0;
        notice(texts.text("quitTeamSel"), callfunc_selector(CHD_TeamInfoLayer::backToList));
    } else {
        notice(texts.text("leaveTeamFail"));
    }
}

void CHD_TeamInfoLayer::onJoinAnswer(int code) {
    if (code == 1) {
        // Joined: the team is the player's own now, and the screen is rebuilt in that role.
        GameData::instance().myTeam.myTeamId = m_team.teamId;
        fetchAgain();
        return;
    }
    notice(LocalText::instance().text(joinAnswerKey(code)));
}
