#include "store/CGoodsInfoBox.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SoundManager.h"
#include "widgets/Pictures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

USING_NS_CC;

namespace {

constexpr float kBoxWidth = 620, kMinBoxHeight = 300, kMaxBoxHeight = 560;
constexpr float kTitleRoom = 100, kBottomRoom = 50;
constexpr float kTextWidth = 520;
constexpr float kTitleSize = 30, kLineSize = 24, kLineGap = 10;
const ccColor3B kTitleColour = {160, 80, 20};
const ccColor3B kTextColour = {60, 45, 30};

std::string text(const char* key) { return LocalText::instance().text(key); }

} // namespace

CGoodsInfoBox* CGoodsInfoBox::create(const BuyRecord& record) {
    if (record.showType != kOrderBox && record.showType != kDeliveryBox) {
        ClientLog::write("account book: order %d has show type %d, which has no box", record.orderId,
                         record.showType);
        return nullptr;
    }
    auto* box = new CGoodsInfoBox;
    if (box->initWith(record)) {
        box->autorelease();
        return box;
    }
    delete box;
    ClientLog::write("Fun CGoodsInfoBox::Create Error!");
    return nullptr;
}

std::string CGoodsInfoBox::yuanText(int hundredths) {
    // The sign is written once, in front: -105 is "-1.05", not "-1.-5".
    const long long value = hundredths;
    const long long whole = std::llabs(value) / 100, cents = std::llabs(value) % 100;
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%s%lld.%02lld", value < 0 ? "-" : "", whole, cents);
    return buffer;
}

std::string CGoodsInfoBox::timeText(int date, int hourMin) {
    char buffer[64];
    const int year = date / 10000, month = date / 100 % 100, day = date % 100;
    std::string shown;
    if (date >= 19000101 && date <= 99991231 && month >= 1 && month <= 12 && day >= 1 && day <= 31) {
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
        shown = buffer;
    } else {
        shown = std::to_string(date);
    }
    if (hourMin >= 0 && hourMin / 100 < 24 && hourMin % 100 < 60) {
        std::snprintf(buffer, sizeof buffer, " %02d:%02d", hourMin / 100, hourMin % 100);
    } else {
        std::snprintf(buffer, sizeof buffer, " %d", hourMin);
    }
    return shown + buffer;
}

bool CGoodsInfoBox::initWith(const BuyRecord& record) {
    if (!CCLayer::init()) return false;
    m_showType = record.showType;
    const std::string title = record.goodsName.empty() ? text("tips") : record.goodsName;
    m_titleLabel = Pictures::label(title, kTitleSize, CCSizeMake(kTextWidth - 100, 0), kCCTextAlignmentCenter);
    m_titleLabel->setColor(kTitleColour);
    addChild(m_titleLabel, 2);
    if (m_showType == kOrderBox) {
        addLine(text("HaoDan"), std::to_string(record.orderId));
        addLine(text("YingJiaoXianJin"), yuanText(record.price) + text("Yuan"));
        addLine(text("storeOrderTime"), timeText(record.date, record.hourMin));
        addLine(text("storeGoodsName"), record.goodsName);
    } else {
        addLine(text("Telephone"), record.tel);
        addLine(text("Code"), record.code.empty() ? text("storeWaitSend") : record.code);
        addLine(text("Name"), record.name);
        addLine(text("Address"), record.addr);
        addLine(text("ShopTel"), record.supplyTel);
        addLine(text("ShopAddr"), record.supplyAddr);
    }
    layOutLines();
    return true;
}

void CGoodsInfoBox::addLine(const std::string& caption, const std::string& value) {
    m_lines.push_back(caption + value);
    CCLabelTTF* label = Pictures::label(m_lines.back(), kLineSize, CCSizeMake(kTextWidth, 0), kCCTextAlignmentLeft);
    label->setColor(kTextColour);
    label->setAnchorPoint(ccp(0, 1));
    addChild(label, 2);
    m_labels.push_back(label);
}

void CGoodsInfoBox::layOutLines() {
    float linesHeight = 0;
    for (CCLabelTTF* label : m_labels) linesHeight += label->getContentSize().height + kLineGap;
    // The box grows with its lines up to most of the window; beyond that the lines shrink together.
    const float boxHeight = std::min(kMaxBoxHeight, std::max(kMinBoxHeight, kTitleRoom + linesHeight + kBottomRoom));
    const float room = boxHeight - kTitleRoom - kBottomRoom;
    const float scale = linesHeight > room ? room / linesHeight : 1.0f;

    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    // The box stands centred on the window; the shade covers the whole window around it.
    CCLayerColor* shade = CCLayerColor::create(ccc4(0, 0, 0, 120), window.width, window.height);
    shade->setPosition(ccp(-window.width / 2, -window.height / 2));
    addChild(shade, 0);
    m_background = Pictures::sprite("common_alertBg.png");
    const CCSize picture = m_background->getContentSize();
    if (picture.width > 0 && picture.height > 0) {
        m_background->setScaleX(kBoxWidth / picture.width);
        m_background->setScaleY(boxHeight / picture.height);
    }
    addChild(m_background, 1);
    m_close = Pictures::sprite("common_closeBtn.png");
    m_close->setScale(0.8f);
    m_close->setPosition(ccp(kBoxWidth / 2 - 42, boxHeight / 2 - 42));
    addChild(m_close, 3);
    if (m_titleLabel) m_titleLabel->setPosition(ccp(0, boxHeight / 2 - 60));

    float y = boxHeight / 2 - kTitleRoom;
    for (CCLabelTTF* label : m_labels) {
        label->setScale(scale);
        label->setPosition(ccp(-kTextWidth / 2, y));
        y -= (label->getContentSize().height + kLineGap) * scale;
    }
}

void CGoodsInfoBox::onEnter() {
    CCLayer::onEnter();
    setTouchEnabled(true);
}

void CGoodsInfoBox::onExit() {
    setTouchEnabled(false);
    CCLayer::onExit();
}

void CGoodsInfoBox::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kTouchPriority, true);
}

bool CGoodsInfoBox::ccTouchBegan(CCTouch*, CCEvent*) { return true; }

void CGoodsInfoBox::ccTouchEnded(CCTouch* touch, CCEvent*) {
    if (m_close == nullptr || !m_close->boundingBox().containsPoint(convertTouchToNodeSpace(touch))) return;
    SoundManager::instance().playEffect("buttonT.mp3");
    removeFromParent();
}
