#include "contest/CHD_ResultLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "widgets/Pictures.h"

#include "extensions/control/CCScale9Sprite.h"

#include <cstdio>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr float kLayoutScale = 0.8f;
constexpr float kPanelInset = 50;
constexpr float kCountSeconds = 0.01f;
constexpr int kCountStep = 5;
constexpr float kColumnX = 168;
constexpr float kSureAboveBottom = 80;
const ccColor3B kNameColour = {214, 96, 20};
const ccColor3B kLineColour = {110, 62, 24};
const ccColor3B kCaptionColour = {255, 255, 255};

std::string text(const char* key) { return LocalText::instance().text(key); }

std::string filled(const char* key, const std::string& value) { return fillText(text(key), {value}); }

// "%.1f" is the one mark fillText leaves alone: the time is written here with its one decimal.
std::string timeLine(float seconds) {
    char value[32];
    std::snprintf(value, sizeof(value), "%.1f", seconds);
    std::string line = text("usedTime");
    const std::string mark = "%.1f";
    const std::size_t at = line.find(mark);
    return at == std::string::npos ? line : line.replace(at, mark.size(), value);
}

CCLabelTTF* line(const std::string& s, float size, const ccColor3B& colour) {
    CCLabelTTF* label = CCLabelTTF::create(s.c_str(), "STHUPO.TTF", size);
    if (label == nullptr) {
        label = Pictures::label(s, size, CCSizeZero, kCCTextAlignmentCenter);
    }
    label->setColor(colour);
    return label;
}

CCNode* panel(const CCSize& size) {
    const char* name = "common_BigBg.png";
    CCScale9Sprite* nine = nullptr;
    if (CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(name)) {
        const CCSize original = frame->getOriginalSize();
        nine = CCScale9Sprite::createWithSpriteFrame(
            frame, CCRectMake(kPanelInset, kPanelInset, original.width - 2 * kPanelInset,
                              original.height - 2 * kPanelInset));
    }
    if (nine == nullptr) {
        ClientLog::write("contest result: %s is missing", name);
        return CCNode::create();
    }
    nine->setContentSize(size);
    return nine;
}

} // namespace

ContestResult ContestResult::fromPush(const Json::Value& v, const std::string& suffix) {
    auto key = [&suffix](const char* name) { return std::string(name) + suffix; };
    ContestResult r;
    r.right = JsonRead::intOf(v, key("right").c_str());
    r.wrong = JsonRead::intOf(v, key("err").c_str());
    r.rewardAmount = JsonRead::intOf(v, key("money").c_str());
    r.rewardKind = -1;
    r.name = JsonRead::textOf(v, key("name").c_str());
    r.outcome = JsonRead::intOf(v, key("iswin").c_str());
    r.score = JsonRead::intOf(v, key("core").c_str());
    r.timeUsed = static_cast<float>(JsonRead::realOf(v, key("time").c_str()));
    r.player = JsonRead::textOf(v, key("challenge").c_str());
    return r;
}

ContestResult ContestResult::fromTeamPrize(const PrizeItem& prize, const std::string& name) {
    ContestResult r;
    r.right = prize.rightCount;
    r.wrong = prize.wrongCount;
    r.rewardAmount = prize.prizeNum;
    r.rewardKind = prize.prizeType == 0 || prize.prizeType == 1 ? prize.prizeType : -1;
    r.name = name;
    r.outcome = prize.teamScore;
    r.score = prize.score;
    r.timeUsed = static_cast<float>(prize.useTime >= 0 ? prize.useTime : prize.times);
    return r;
}

CHD_ResultLayer* CHD_ResultLayer::create() {
    auto* layer = new CHD_ResultLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CHD_ResultLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CHD_ResultLayer::init() {
    if (!CCLayer::init()) {
        return false;
    }
    // Laid out around (0, 0) like every message box, and placed at the window's centre.
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    setPosition(ccp(window.width / 2, window.height / 2));
    CCLayerColor* shade = CCLayerColor::create(ccc4(0, 0, 0, 120), window.width, window.height);
    shade->setPosition(ccp(-window.width / 2, -window.height / 2));
    addChild(shade, 0);
    addChild(panel(CCSizeMake(960, 640)), 1);

    m_layout = UILayer::create();
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("PK_Result.ExportJson")) {
        m_layout->addWidget(root);
    } else {
        ClientLog::write("contest result: PK_Result.ExportJson cannot be read");
    }
    // The layout's touches would outrank nothing here: the dialog claims every touch itself.
    m_layout->setTouchEnabled(false);
    // A layer scales about its middle: placed over the window, it stays centred.
    m_layout->setScale(kLayoutScale);
    m_layout->setPosition(ccp(-window.width / 2, -window.height / 2));
    addChild(m_layout, 2);

    m_sure = Pictures::sprite("common_btn.png");
    m_sure->setScaleX(0.4f);
    m_sure->setScaleY(0.55f);
    m_sure->setPosition(ccp(0, -window.height / 2 + kSureAboveBottom));
    addChild(m_sure, 3);
    CCLabelTTF* caption = line(text("sure"), 30, kCaptionColour);
    caption->setPosition(m_sure->getPosition());
    addChild(caption, 4);
    return true;
}

void CHD_ResultLayer::setData(const ContestResult& own, const ContestResult& opponent, int mode) {
    m_mode = mode;
    m_own = own;
    m_opponent = twoSides() ? opponent : ContestResult{};
    UserInfo& user = GameData::instance().user;
    if (own.rewardKind == 0) {
        user.score += own.rewardAmount;
    } else if (own.rewardKind == 1) {
        user.money += own.rewardAmount;
    }
    if (twoSides()) {
        fillColumn(m_own, -kColumnX, kOwnCountTag);
        fillColumn(m_opponent, kColumnX, kOpponentCountTag);
        showOutcome();
    } else {
        // One side only: one panel in the middle, so the lines do not straddle two.
        if (UIWidget* right = m_layout->getWidgetByName("rightcolumn")) right->setVisible(false);
        if (UIWidget* left = m_layout->getWidgetByName("leftcolumn")) {
            left->setPosition(ccp(CCDirector::sharedDirector()->getWinSize().width / 2, left->getPosition().y));
            if (m_mode == 2) {
                // Eight lines: the panel grows to hold them.
                left->setSize(CCSizeMake(left->getSize().width, 320));
                left->setPosition(ccp(left->getPosition().x, 295));
            }
        }
        fillColumn(m_own, 0, kOwnCountTag);
        // No win or loss badge for a team round or an exam: the ribbon names the result instead.
        if (UIWidget* ribbon = m_layout->getWidgetByName("resultbg"); ribbon && ribbon->getParent()) {
            const char* key = m_mode == 2 ? "teamResultTitle" : "examResultTitle";
            CCLabelTTF* title = line(text(key), 30, kCaptionColour);
            title->setPosition(convertToNodeSpace(ribbon->getParent()->convertToWorldSpace(ribbon->getPosition())));
            addChild(title, 3, kTitleTag);
        }
    }
}

void CHD_ResultLayer::fillColumn(const ContestResult& record, float x, int countTag) {
    // The team's eight lines must fit its taller panel: a little higher and closer together.
    const bool team = m_mode == 2;
    float y = team ? 84 : 58;
    const float step = team ? 28 : 32;
    auto add = [&](const std::string& s, float size, const ccColor3B& colour) {
        CCLabelTTF* label = line(s, size, colour);
        label->setPosition(ccp(x, y));
        addChild(label, 3);
        y -= step;
        return label;
    };
    add(record.name, 28, kNameColour);
    add(filled("correctNum", std::to_string(record.right)), 24, kLineColour);
    add(filled("errorNum", std::to_string(record.wrong)), 24, kLineColour);
    add(timeLine(record.timeUsed), 24, kLineColour);
    add(filled("getScore", std::to_string(record.score)), 24, kLineColour);
    if (m_mode == 2) {
        add(filled("myScore", std::to_string(GameData::instance().user.score)), 24, kLineColour);
        add(filled("teamScore", std::to_string(record.outcome)), 24, kLineColour);
    }
    // Contests pay money; a team prize names its kind.
    const bool money = record.rewardKind == 1 || twoSides();
    const bool score = record.rewardKind == 0;
    const int start = twoSides() ? 0 : record.rewardAmount;
    CCLabelTTF* award = add(filled("getAward", std::to_string(start)), 24, kLineColour);
    award->setTag(countTag);
    if (money || score) {
        CCSprite* carrot = Pictures::sprite(money ? "common_jinluobo.png" : "common_huluobo.png");
        carrot->setScale(0.5f);
        carrot->setPosition(ccp(award->getPositionX() + award->getContentSize().width / 2 + 26,
                                award->getPositionY()));
        addChild(carrot, 3);
    }
}

void CHD_ResultLayer::showOutcome() {
    const char* names[3] = {"lose", "win", "tied"};
    if (m_own.outcome < 0 || m_own.outcome > 2) {
        ClientLog::write("contest result: outcome %d unknown", m_own.outcome);
        return;
    }
    UIWidget* badge = m_layout->getWidgetByName(names[m_own.outcome]);
    if (badge == nullptr) {
        ClientLog::write("contest result: PK_Result.ExportJson has no %s", names[m_own.outcome]);
        return;
    }
    const float scale = badge->getScale();
    badge->setVisible(true);
    badge->setScale(0.1f);
    badge->runAction(CCEaseBackOut::create(CCScaleTo::create(0.4f, scale)));
}

void CHD_ResultLayer::onEnter() {
    CMessageBox::onEnter();
    if (twoSides()) {
        m_counted = 0;
        schedule(schedule_selector(CHD_ResultLayer::count), kCountSeconds);
    }
}

void CHD_ResultLayer::count(float) {
    m_counted += kCountStep;
    bool done = true;
    const std::pair<int, const ContestResult*> sides[2] = {{kOwnCountTag, &m_own}, {kOpponentCountTag, &m_opponent}};
    for (const auto& [tag, record] : sides) {
        auto* label = dynamic_cast<CCLabelTTF*>(getChildByTag(tag));
        const int shown = m_counted < record->rewardAmount ? m_counted : record->rewardAmount;
        done = done && shown == record->rewardAmount;
        if (label) label->setString(filled("getAward", std::to_string(shown)).c_str());
    }
    if (done) {
        unschedule(schedule_selector(CHD_ResultLayer::count));
    }
}

void CHD_ResultLayer::ccTouchEnded(CCTouch* touch, CCEvent*) { pressAt(convertTouchToNodeSpace(touch)); }

void CHD_ResultLayer::pressAt(const CCPoint& local) {
    if (m_sure && m_sure->boundingBox().containsPoint(local)) {
        pressSure();
    }
}

void CHD_ResultLayer::pressSure() {
    const int mode = m_mode;
    retain();
    removeFromParentAndCleanup(true);
    switch (mode) {
    case 1: SceneDirector::instance().switchTo(23); break;
    case 2: SceneDirector::instance().switchTo(25); break;
    case 3: SceneDirector::instance().switchTo(28); break;
    // The exam's result: back to the exam hall, not left on a play screen with nothing to answer.
    case 4: SceneDirector::instance().switchTo(29); break;
    default: SceneDirector::instance().switchTo(21); break;
    }
    release();
}
