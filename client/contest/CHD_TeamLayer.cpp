#include "contest/CHD_TeamLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "contest/CHD_CreateTeamLayer.h"
#include "contest/HallRules.h"
#include "contest/TeamRules.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"

#include <cstdio>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kContestHallScene = 21, kRankScene = 24;
constexpr int kRulesUiId = 5;
constexpr int kLayoutZ = 2, kTextZ = 5, kPagerZ = 6, kDialogZ = 50, kBoxZ = 100;
constexpr float kHeaderY = 505;
// Column centres on the rows and the header band.
constexpr float kPlaceX = 80, kNameX = 250, kMembersX = 450, kScoreX = 590;
constexpr float kNameRoom = 250;
constexpr int kEmptyHintTag = 100;
const ccColor3B kRowColour = {90, 50, 20};
const ccColor3B kHeaderColour = {120, 70, 30};

const char* const kButtons[] = {"backbtn", "rankbtn", "instructionbtn", "buildtitlebtn", "fasttakepartbtn",
                                "myteambtn"};

int rowOf(const std::string& name, const char* prefix) {
    const std::string head = prefix;
    if (name.compare(0, head.size(), head) != 0) return -1;
    const std::string rest = name.substr(head.size());
    if (rest.size() != 1 || rest[0] < '0' || rest[0] >= '0' + CHD_TeamLayer::kRows) return -1;
    return rest[0] - '0';
}

} // namespace

CCScene* CHD_TeamLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CHD_TeamLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CHD_TeamLayer* CHD_TeamLayer::create() {
    auto* layer = new CHD_TeamLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CHD_TeamLayer::Create Error!");
    return nullptr;
}

UIWidget* CHD_TeamLayer::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

UIWidget* CHD_TeamLayer::rowWidget(const char* pattern, int row) const {
    char name[40];
    std::snprintf(name, sizeof name, pattern, row);
    return widget(name);
}

bool CHD_TeamLayer::init() {
    if (!CCLayer::init()) return false;
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, kLayoutZ, kLayoutTag);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("PK_TeamList.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("team list: PK_TeamList.ExportJson cannot be read");
    }
    wireButtons();
    addCaptions();
    CCNode* texts = CCNode::create();
    addChild(texts, kTextZ, kRowTextTag);
    m_pager = CPageController::create();
    if (m_pager) {
        m_pager->setDelegate(this);
        // The bar draws its buttons above its page label; both fit under the last row.
        m_pager->setPosition(ccp(-20, 8));
        addChild(m_pager, kPagerZ, kPagerTag);
    }
    fillRows();
    return true;
}

void CHD_TeamLayer::wireButtons() {
    auto wire = [this](UIWidget* w, const char* name) {
        if (w == nullptr) {
            ClientLog::write("team list: no widget %s", name);
            return;
        }
        w->setTouchEnabled(true);
        w->addTouchEventListener(this, toucheventselector(CHD_TeamLayer::onButton));
    };
    for (const char* name : kButtons) wire(widget(name), name);
    for (int row = 0; row < kRows; ++row) {
        wire(rowWidget("checkbtn_%d", row), "checkbtn_%d");
        wire(rowWidget("takepartinteam_%d", row), "takepartinteam_%d");
    }
}

void CHD_TeamLayer::addCaptions() {
    const LocalText& texts = LocalText::instance();
    team_rules::caption(widget("rankbtn"), texts.text("HDDoublesRank"), "simhei.ttf", 28);
    team_rules::caption(widget("instructionbtn"), texts.text("HDDoublesInsturction"), "simhei.ttf", 28);
    for (int row = 0; row < kRows; ++row) {
        team_rules::caption(rowWidget("checkbtn_%d", row), texts.text("check"), "simhei.ttf", 24);
        team_rules::caption(rowWidget("takepartinteam_%d", row), texts.text("quickJoin"), "simhei.ttf", 24);
    }
    const std::pair<const char*, float> columns[] = {
        {"teamName", kNameX}, {"curMember", kMembersX}, {"HDTotalJiFenOfDoubles", kScoreX}};
    for (const auto& [key, x] : columns) {
        team_rules::addLabel(this, texts.text(key), "simhei.ttf", 26, ccp(x, kHeaderY), kHeaderColour, kTextZ);
    }
}

void CHD_TeamLayer::onEnter() {
    CCLayer::onEnter();
    // Reached from the team screen the announcement opened, the heartbeat may still be slow.
    NetManager::instance().setHeartbeatInterval(1.0f);
    askPage(0);
    // Creating a team depends on the round the match is at; the hall's schedule may be old.
    RequestCatalogue::matchSchedule({this, nullptr, net_selector(CHD_TeamLayer::onRequestFailed)});
}

void CHD_TeamLayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    setKeypadEnabled(true);
}

void CHD_TeamLayer::onExitTransitionDidStart() {
    CCLayer::onExitTransitionDidStart();
    setKeypadEnabled(false);
}

void CHD_TeamLayer::keyBackClicked() { SceneDirector::instance().switchTo(kContestHallScene); }

void CHD_TeamLayer::askPage(int page) {
    m_page = page < 0 ? 0 : page;
    RequestCatalogue::teamList(m_page, {this, net_selector(CHD_TeamLayer::onListAnswer),
                                        net_selector(CHD_TeamLayer::onRequestFailed)});
}

void CHD_TeamLayer::onPageChanged(int page, int pageCount) {
    ClientLog::write("index :%d sum: %d,page: %d", page, GameData::instance().myTeam.count, pageCount);
    askPage(page);
}

void CHD_TeamLayer::onListAnswer(int code) {
    if (code != 0) return;
    fillRows();
}

void CHD_TeamLayer::fillRows() {
    const GameData& data = GameData::instance();
    m_teams = data.teamList;
    if (m_teams.size() > kRows) m_teams.resize(kRows);
    const int count = data.myTeam.count > 0 ? data.myTeam.count : 0;
    if (m_pager) {
        m_pager->setPageCount((count + kRows - 1) / kRows);
        m_pager->setCurrentPage(m_page);
    }
    CCNode* texts = getChildByTag(kRowTextTag);
    if (texts == nullptr) return;
    texts->removeAllChildrenWithCleanup(true);
    if (m_teams.empty() && count == 0) {
        // Nobody has founded a team yet: say so on the first row rather than show five blank ones.
        if (UIWidget* bg = rowWidget("infobg%d", 0); bg && bg->getParent()) {
            const CCPoint at = bg->getParent()->convertToWorldSpace(bg->getPosition());
            if (CCLabelTTF* hint = team_rules::addLabel(texts, LocalText::instance().text("noTeamsYet"), "simhei.ttf",
                                                        28, at, kRowColour)) {
                hint->setTag(kEmptyHintTag);
            }
        }
    }
    for (int row = 0; row < kRows; ++row) {
        const bool filled = row < static_cast<int>(m_teams.size());
        team_rules::showButton(rowWidget("checkbtn_%d", row), filled);
        team_rules::showButton(rowWidget("takepartinteam_%d", row), filled);
        UIWidget* bg = rowWidget("infobg%d", row);
        if (!filled || bg == nullptr || bg->getParent() == nullptr) continue;
        const TeamInfo& team = m_teams[row];
        const float y = bg->getParent()->convertToWorldSpace(bg->getPosition()).y;
        CCNode* line = CCNode::create();
        texts->addChild(line, 0, row);
        if (CCLabelBMFont* place =
                CCLabelBMFont::create(std::to_string(m_page * kRows + row + 1).c_str(), "NumFont.fnt")) {
            place->setPosition(ccp(kPlaceX, y));
            line->addChild(place, 0, 0);
        }
        if (CCLabelTTF* name = team_rules::addLabel(line, team.teamName, "STHUPO.TTF", 30, ccp(kNameX, y), kRowColour)) {
            // A name longer than the column (the server may hold older, longer names) is shrunk.
            const float width = name->getContentSize().width;
            if (width > kNameRoom) name->setScale(kNameRoom / width);
            name->setTag(1);
        }
        const std::string members = std::to_string(team.number) + "/" + std::to_string(data.myTeam.maxTeamer);
        if (CCLabelTTF* label = team_rules::addLabel(line, members, "simhei.ttf", 28, ccp(kMembersX, y), kRowColour)) {
            label->setTag(2);
        }
        if (CCLabelTTF* label =
                team_rules::addLabel(line, std::to_string(team.score), "simhei.ttf", 28, ccp(kScoreX, y), kRowColour)) {
            label->setTag(3);
        }
    }
}

std::string CHD_TeamLayer::emptyHint() {
    CCNode* texts = getChildByTag(kRowTextTag);
    auto* hint = texts ? dynamic_cast<CCLabelTTF*>(texts->getChildByTag(kEmptyHintTag)) : nullptr;
    return hint ? hint->getString() : "";
}

std::vector<std::string> CHD_TeamLayer::rowTexts(int row) {
    std::vector<std::string> found;
    CCNode* texts = getChildByTag(kRowTextTag);
    CCNode* line = texts ? texts->getChildByTag(row) : nullptr;
    if (line == nullptr) return found;
    if (auto* place = dynamic_cast<CCLabelBMFont*>(line->getChildByTag(0))) found.push_back(place->getString());
    for (int tag = 1; tag <= 3; ++tag) {
        if (auto* label = dynamic_cast<CCLabelTTF*>(line->getChildByTag(tag))) found.push_back(label->getString());
    }
    return found;
}

void CHD_TeamLayer::onButton(CCObject* sender, TouchEventType type) {
    const std::string name = hall_rules::endedButton(sender, type);
    if (name.empty()) return;
    if (name == "backbtn") {
        keyBackClicked();
    } else if (name == "rankbtn") {
        SceneDirector::instance().switchTo(kRankScene);
    } else if (name == "instructionbtn") {
        hall_rules::showRules(this, kRulesUiId);
    } else if (name == "buildtitlebtn") {
        createTeam();
    } else if (name == "fasttakepartbtn") {
        quickJoin();
    } else if (name == "myteambtn") {
        openOwnTeam();
    } else if (const int row = rowOf(name, "checkbtn_"); row >= 0) {
        viewTeam(row);
    } else if (const int joinRow = rowOf(name, "takepartinteam_"); joinRow >= 0) {
        joinTeam(joinRow);
    }
}

void CHD_TeamLayer::notice(const char* key) { hall_rules::showNotice(this, LocalText::instance().text(key), kBoxZ); }

void CHD_TeamLayer::createTeam() {
    bool found = false;
    for (const MatchSchedule& entry : GameData::instance().matchSchedule) {
        found = found || entry.matchType == team_rules::kTeamMatchType;
    }
    if (!found) {
        ClientLog::write("team list: no team match in the schedule; nothing to create for");
        return;
    }
    if (hall_rules::scheduleEntry(team_rules::kTeamMatchType).level != 0) {
        notice("createTeamOVreTime");
        return;
    }
    if (getChildByTag(kCreateTag)) return;
    if (CHD_CreateTeamLayer* dialog = CHD_CreateTeamLayer::create()) addChild(dialog, kDialogZ, kCreateTag);
}

void CHD_TeamLayer::quickJoin() {
    const GameData& data = GameData::instance();
    if (data.myTeam.myTeamId != 0) {
        notice("hasJoinTeam");
        return;
    }
    if (data.teamList.empty()) return;
    RequestCatalogue::joinTeam(-1, Json::Value(""), {this, net_selector(CHD_TeamLayer::onJoinAnswer),
                                                     net_selector(CHD_TeamLayer::onRequestFailed)});
}

void CHD_TeamLayer::openOwnTeam() {
    m_ownBefore = GameData::instance().myTeam.myTeamId;
    RequestCatalogue::teamListFirst({this, net_selector(CHD_TeamLayer::onOwnListAnswer),
                                     net_selector(CHD_TeamLayer::onRequestFailed)});
}

void CHD_TeamLayer::onOwnListAnswer(int code) {
    if (code != 0) return;
    // The answer is page 0 of the list as well: the rows follow it.
    m_page = 0;
    fillRows();
    const OwnTeamSummary& own = GameData::instance().myTeam;
    if (own.myTeamId == 0) {
        // A team the player had and no longer has: he was removed (or it was dismissed).
        notice(m_ownBefore != 0 ? "HDTiChuByYourTeam" : "noTeamYet");
        return;
    }
    m_viewing = TeamInfo{};
    m_viewing.teamId = own.myTeamId;
    m_viewing.teamName = own.myTeamName;
    m_viewing.score = own.myScore;
    m_viewing.level = own.myLevel;
    m_viewing.creater = own.myCreater;
    m_viewing.teamMatchStatus = own.myTeamMatchStatus;
    RequestCatalogue::teamInfo(own.myTeamId, {this, net_selector(CHD_TeamLayer::onTeamAnswer),
                                              net_selector(CHD_TeamLayer::onRequestFailed)});
}

void CHD_TeamLayer::viewTeam(int row) {
    if (row >= static_cast<int>(m_teams.size())) return;
    m_viewing = m_teams[row];
    RequestCatalogue::teamInfo(m_viewing.teamId, {this, net_selector(CHD_TeamLayer::onTeamAnswer),
                                                  net_selector(CHD_TeamLayer::onRequestFailed)});
}

void CHD_TeamLayer::onTeamAnswer(int code) {
    if (code == 1) {
        ClientLog::write("TameInfoCheckFaild nResponse=%d", code);
        notice("HDTeamJieSan");
        return;
    }
    if (code != 0) return;
    const TeamInfo& fresh = GameData::instance().teamRecord;
    const TeamInfo team = fresh.teamId == m_viewing.teamId ? fresh : m_viewing;
    SceneDirector::instance().showTeamInfo(team, team_rules::roleOf(team));
}

void CHD_TeamLayer::joinTeam(int row) {
    if (row >= static_cast<int>(m_teams.size())) return;
    const TeamInfo& team = m_teams[row];
    if (team_rules::eliminated(team, hall_rules::scheduleEntry(team_rules::kTeamMatchType))) {
        notice("HDTeamTaoTai");
        return;
    }
    RequestCatalogue::joinTeam(team.teamId, Json::Value(team.creater),
                               {this, net_selector(CHD_TeamLayer::onJoinAnswer),
                                net_selector(CHD_TeamLayer::onRequestFailed)});
}

void CHD_TeamLayer::onJoinAnswer(int code) {
    const std::string text = LocalText::instance().text(team_rules::joinAnswerKey(code));
    if (code == 1) {
        // The rows and the own-team header change with the join: the page is asked for again.
        hall_rules::showBox(this, text, this, callfunc_selector(CHD_TeamLayer::refreshAfterJoin), false, nullptr,
                            kBoxZ);
        return;
    }
    hall_rules::showNotice(this, text, kBoxZ);
}

void CHD_TeamLayer::refreshAfterJoin() { askPage(m_page); }
