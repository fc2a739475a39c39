#include "contest/CHD_RankOfHDLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "contest/CHD_RankItemCellOfHD.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "widgets/Pictures.h"

#include <cstdio>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kDoublesHall = 23, kTeamList = 25, kChallengeHall = 28, kExamHall = 29;
constexpr int kContestHall = 21;
// The table fills the layout's panel below the headers; the own line sits under the table.
constexpr float kTableLeft = 70, kTableBottom = 116;
constexpr float kHeaderY = 477, kOwnLineY = 86;
const ccColor3B kHeaderColour = {150, 70, 20};
const ccColor3B kOwnColour = {200, 60, 30};

std::string text(const char* key) { return LocalText::instance().text(key); }

std::string ratio(int a, int b) { return std::to_string(a) + "/" + std::to_string(b); }

std::string seconds(double value) {
    char line[32];
    std::snprintf(line, sizeof line, "%.1f", value);
    return fillText(text("HDExamSeconds"), {line});
}

int matchTypeOf(int previous) {
    switch (previous) {
    case kDoublesHall: return 1;
    case kChallengeHall: return 3;
    case kExamHall: return 4;
    default: return 0;
    }
}

} // namespace

CCScene* CHD_RankOfHDLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CHD_RankOfHDLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CHD_RankOfHDLayer* CHD_RankOfHDLayer::create() {
    auto* layer = new CHD_RankOfHDLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CHD_RankOfHDLayer::Create Error!");
    return nullptr;
}

bool CHD_RankOfHDLayer::chooseHeaders() {
    const char* players[] = {"HDRankOfDoubles", "HDPlayerOfDoubles", "HDWinOfDoubles", "HDTotalJiFenOfDoubles"};
    const char* teams[] = {"HDRankOfDoubles", "HDTeamNameOfTeam", "HDTotalJiFenOfDoubles"};
    const char* exam[] = {"HDRankOfDoubles", "HDPlayerOfDoubles", "HDRightConutOfExam", "HDTimeOfExam"};
    m_headers.clear();
    switch (m_previous) {
    case kDoublesHall:
    case kChallengeHall:
        for (const char* key : players) m_headers.push_back(text(key));
        m_columnXs = {80, 300, 540, 720};
        return true;
    case kTeamList:
        for (const char* key : teams) m_headers.push_back(text(key));
        m_columnXs = {100, 410, 700};
        return true;
    case kExamHall:
        for (const char* key : exam) m_headers.push_back(text(key));
        m_columnXs = {80, 300, 540, 720};
        return true;
    default: return false;
    }
}

void CHD_RankOfHDLayer::onEnter() {
    CCLayer::onEnter();
    if (m_built) return;
    m_previous = SceneDirector::instance().previousSceneId();
    if (!chooseHeaders()) {
        ClientLog::write("contest ranking: opened from scene %d, which has no ranking", m_previous);
        return;
    }
    m_built = true;
    build();
    if (m_previous == kTeamList) {
        RequestCatalogue::teamRankList(0, {this, net_selector(CHD_RankOfHDLayer::onTeamRank),
                                           net_selector(CHD_RankOfHDLayer::onRequestFailed)});
    } else {
        RequestCatalogue::contestRank(matchTypeOf(m_previous), {this, net_selector(CHD_RankOfHDLayer::onPlayerRank),
                                                                net_selector(CHD_RankOfHDLayer::onRequestFailed)});
    }
}

void CHD_RankOfHDLayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    setKeypadEnabled(true);
}

void CHD_RankOfHDLayer::onExitTransitionDidStart() {
    CCLayer::onExitTransitionDidStart();
    setKeypadEnabled(false);
}

void CHD_RankOfHDLayer::keyBackClicked() { goBack(); }

void CHD_RankOfHDLayer::build() {
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, 0);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("PK_Rank.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("contest ranking: PK_Rank.ExportJson cannot be read");
    }
    m_back = m_uiRoot->getWidgetByName("backbtn");
    if (m_back) {
        m_back->setTouchEnabled(true);
        m_back->addTouchEventListener(this, toucheventselector(CHD_RankOfHDLayer::onBack));
    } else {
        ClientLog::write("contest ranking: PK_Rank.ExportJson has no backbtn");
    }

    for (std::size_t k = 0; k < m_headers.size(); ++k) {
        CCLabelTTF* header = Pictures::label(m_headers[k], 28, CCSizeZero, kCCTextAlignmentCenter);
        header->setColor(kHeaderColour);
        header->setPosition(ccp(kTableLeft + m_columnXs[k], kHeaderY));
        addChild(header, 2);
    }

    m_table = CCTableView::create(this, CCSizeMake(kTableWidth, kTableHeight));
    m_table->setDirection(kCCScrollViewDirectionVertical);
    m_table->setVerticalFillOrder(kCCTableViewFillTopDown);
    m_table->setDelegate(this);
    m_table->setPosition(ccp(kTableLeft, kTableBottom));
    addChild(m_table, 2);

    m_ownLine = Pictures::label("", 26, CCSizeZero, kCCTextAlignmentCenter);
    m_ownLine->setColor(kOwnColour);
    m_ownLine->setPosition(ccp(480, kOwnLineY));
    addChild(m_ownLine, 2);
}

void CHD_RankOfHDLayer::onBack(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) goBack();
}

void CHD_RankOfHDLayer::goBack() {
    switch (m_previous) {
    case kDoublesHall:
    case kTeamList:
    case kChallengeHall:
    case kExamHall: SceneDirector::instance().switchTo(m_previous); break;
    default: SceneDirector::instance().switchTo(kContestHall); break;
    }
}

void CHD_RankOfHDLayer::onPlayerRank(int code) {
    if (code != 1) {
        ClientLog::write("contest ranking: the server refused the ranking (%d)", code);
        return;
    }
    const ContestRankPage& page = GameData::instance().contestRank;
    const bool exam = m_previous == kExamHall;
    m_rows.clear();
    for (const ContestRankItem& item : page.items) {
        if (exam) {
            m_rows.push_back({std::to_string(item.rank), item.name, ratio(item.wixCount, item.wixTotal),
                              seconds(item.useTime)});
        } else {
            m_rows.push_back({std::to_string(item.rank), item.name, ratio(item.wixCount, item.wixTotal),
                              std::to_string(item.userScore)});
        }
    }
    std::string own;
    if (page.rank <= 0) {
        own = text(exam ? "HDExamNotRanked" : "HDNotRanked");
    } else if (exam) {
        own = fillText(text("HDMyExamRank"), {std::to_string(page.rank), ratio(page.wixCount, page.wixTotal),
                                              seconds(page.useTime)});
    } else {
        own = fillText(text("HDMyRank"), {std::to_string(page.rank), ratio(page.wixCount, page.wixTotal),
                                          std::to_string(page.userScore)});
    }
    if (m_ownLine) m_ownLine->setString(own.c_str());
    reload();
}

void CHD_RankOfHDLayer::onTeamRank(int code) {
    if (code != 0) {
        ClientLog::write("contest ranking: the server refused the team ranking (%d)", code);
        return;
    }
    const TeamRankPage& page = GameData::instance().teamRank;
    m_rows.clear();
    // The team list carries no places: the server's order is the ranking.
    for (std::size_t k = 0; k < page.items.size(); ++k) {
        const TeamRankItem& item = page.items[k];
        m_rows.push_back({std::to_string(k + 1), item.teamName, std::to_string(item.score)});
    }
    const std::string own = page.myRank <= 0
                                ? text("HDTeamNotRanked")
                                : fillText(text("HDMyTeamRank"), {std::to_string(page.myRank), std::to_string(page.myScore)});
    if (m_ownLine) m_ownLine->setString(own.c_str());
    reload();
}

void CHD_RankOfHDLayer::reload() {
    if (m_table) m_table->reloadData();
}

unsigned int CHD_RankOfHDLayer::numberOfCellsInTableView(CCTableView*) {
    return static_cast<unsigned int>(m_rows.size());
}

CCSize CHD_RankOfHDLayer::cellSizeForTable(CCTableView*) { return CCSizeMake(kTableWidth, kRowHeight); }

CCTableViewCell* CHD_RankOfHDLayer::tableCellAtIndex(CCTableView* table, unsigned int idx) {
    auto* cell = dynamic_cast<CHD_RankItemCellOfHD*>(table->dequeueCell());
    if (cell == nullptr) cell = CHD_RankItemCellOfHD::create(CCSizeMake(kTableWidth, kRowHeight));
    if (idx < m_rows.size()) cell->fill(idx, m_rows[idx], m_columnXs);
    return cell;
}
