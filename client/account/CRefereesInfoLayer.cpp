#include "account/CRefereesInfoLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/TextFormat.h"
#include "widgets/Pictures.h"

#include <algorithm>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kColumns = 9;
constexpr float kColumnScale = 0.67f;
constexpr float kFixedScale = 0.675f;
constexpr float kBarY = 80;
const ccColor3B kBlack = {0, 0, 0};
const ccColor3B kTitleColour = {100, 50, 10};

std::string text(const char* key) { return LocalText::instance().text(key); }

CCLabelTTF* titleLabel(const std::string& s, float size) {
    CCLabelTTF* label = CCLabelTTF::create(s.c_str(), "STHUPO.TTF", size);
    return label ? label : Pictures::label(s, size, CCSizeZero, kCCTextAlignmentCenter);
}

// Stretches a bar picture to a length in points, keeping 0.7 of its height.
void stretchBar(CCSprite* bar, float length) {
    const float width = bar->getContentSize().width;
    bar->setScaleX(width > 0 ? length / width : 1.0f);
    bar->setScaleY(0.7f);
}

// Where each UTF-8 character starts; a byte that cannot start one counts as a character of its own.
std::vector<size_t> characterStarts(const std::string& s) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < s.size(); ++i) {
        const auto byte = static_cast<unsigned char>(s[i]);
        if ((byte & 0xC0) != 0x80 || starts.empty()) starts.push_back(i);
    }
    return starts;
}

} // namespace

CRefereesInfoLayer* CRefereesInfoLayer::Create() {
    auto* layer = new CRefereesInfoLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CRefereesInfoLayer::Create Error!");
    return nullptr;
}

bool CRefereesInfoLayer::init() {
    if (!CCLayer::init() || !build()) {
        ClientLog::write("Fun CRefereesInfoLayer::Init Error!");
        return false;
    }
    return true;
}

bool CRefereesInfoLayer::build() {
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    const float W = window.width, H = window.height;
    const float middle = W / 2 + 40;

    CCSprite* background = Pictures::sprite("common_alertBg.png");
    background->setScale(0.675f);
    background->setPosition(ccp(W / 2, H / 2));
    addChild(background);
    CCLabelTTF* title = titleLabel(text("BeiTuijianXiangQing"), 50);
    title->setColor(kBlack);
    title->setPosition(ccp(middle, H - 40));
    addChild(title, 2);

    m_fixedColumn = Pictures::sprite("tjryellowbg.png");
    m_fixedColumn->setScale(kFixedScale);
    m_fixedColumn->setAnchorPoint(ccp(1, 0.5f));
    m_fixedColumn->setPosition(ccp(280, H / 2));
    addChild(m_fixedColumn, 2, kFixedColumnTag);
    CCLabelTTF* fixedTitle = titleLabel(text("TJR_XXTT1"), 28);
    fixedTitle->setColor(kTitleColour);
    fixedTitle->setAnchorPoint(ccp(1, 0.5f));
    fixedTitle->setPosition(ccp(243, 510));
    addChild(fixedTitle, 3);

    CCSprite* backPicture = Pictures::sprite("common_backBtn.png");
    CCMenuItemSprite* back =
        CCMenuItemSprite::create(backPicture, nullptr, this, menu_selector(CRefereesInfoLayer::close));
    back->setScale(0.8f);
    back->setPosition(ccp(920, 600));
    CCLabelTTF* prevText = Pictures::label(text("prevPage"), 30, CCSizeZero, kCCTextAlignmentCenter);
    prevText->setColor(kBlack);
    CCMenuItemLabel* prev = CCMenuItemLabel::create(prevText, this, menu_selector(CRefereesInfoLayer::prevPage));
    prev->setPosition(ccp(middle - 120, 40));
    CCLabelTTF* nextText = Pictures::label(text("nextPage"), 30, CCSizeZero, kCCTextAlignmentCenter);
    nextText->setColor(kBlack);
    CCMenuItemLabel* next = CCMenuItemLabel::create(nextText, this, menu_selector(CRefereesInfoLayer::nextPage));
    next->setPosition(ccp(middle + 120, 40));
    CCMenu* menu = CCMenu::create(back, prev, next, nullptr);
    if (menu == nullptr) return false;
    menu->setPosition(CCPointZero);
    menu->setTouchPriority(kMenuPriority);
    addChild(menu, 5, kMenuTag);

    m_scroll = CCScrollView::create(CCSizeMake(W - 280, 1000));
    if (m_scroll == nullptr) return false;
    m_scroll->setDirection(kCCScrollViewDirectionHorizontal);
    m_scroll->setContentSize(CCSizeMake(kContentWidth, 1000));
    m_scroll->setContentOffset(CCPointZero);
    m_scroll->setPosition(ccp(260, 100));
    // Touches reach it only through this layer, which also drives the thumb.
    m_scroll->setTouchEnabled(false);
    addChild(m_scroll, 1, kScrollTag);
    for (int i = 0; i < kColumns - 1; ++i) {
        CCSprite* column = Pictures::sprite("tjrhuisebg.png");
        column->setScale(kColumnScale);
        column->setAnchorPoint(CCPointZero);
        column->setPosition(ccp(200.0f * i + 50, 0));
        m_scroll->getContainer()->addChild(column, 0, kFirstColumnTag + i);
        char key[16];
        std::snprintf(key, sizeof key, "TJR_XXTT%d", i + 2);
        CCLabelTTF* heading = titleLabel(text(key), 22);
        heading->setColor(kTitleColour);
        heading->setPosition(ccp(200.0f * i + column->getContentSize().width / 2 - 5, 410));
        m_scroll->getContainer()->addChild(heading, 1);
    }

    m_trackLength = W - 330;
    m_track = Pictures::sprite("tjrgundongtiao.png");
    m_track->setAnchorPoint(ccp(0, 0.5f));
    stretchBar(m_track, m_trackLength);
    m_track->setPosition(ccp(280, kBarY));
    addChild(m_track, 2, kTrackTag);
    m_thumbLength = m_trackLength * (W - 280) / kContentWidth;
    m_thumb = Pictures::sprite("tjryellowtiao.png");
    m_thumb->setAnchorPoint(ccp(0, 0.5f));
    stretchBar(m_thumb, m_thumbLength);
    m_thumb->setPosition(ccp(280, kBarY));
    addChild(m_thumb, 3, kThumbTag);

    CCSprite* pageBox = Pictures::sprite("common_textField.png");
    pageBox->setScale(0.2f);
    pageBox->setAnchorPoint(ccp(0.5f, 0));
    pageBox->setPosition(ccp(middle, 20));
    addChild(pageBox, 2);
    m_pageLabel = Pictures::label("", 30, CCSizeZero, kCCTextAlignmentCenter);
    m_pageLabel->setColor(kTitleColour);
    m_pageLabel->setPosition(ccp(middle, 40));
    addChild(m_pageLabel, 3, kPageLabelTag);
    showPage();
    return true;
}

void CRefereesInfoLayer::onEnter() {
    CCLayer::onEnter();
    setTouchEnabled(true);
    schedule(schedule_selector(CRefereesInfoLayer::followScroll), 0.01f);
}

void CRefereesInfoLayer::onExit() {
    unschedule(schedule_selector(CRefereesInfoLayer::followScroll));
    setTouchEnabled(false);
    CCLayer::onExit();
}

void CRefereesInfoLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kTouchPriority, true);
}

void CRefereesInfoLayer::setRows(const std::vector<RefereeRow>& rows) {
    m_rows = rows;
    const int count = static_cast<int>(m_rows.size());
    m_pageCount = std::max(1, (count + kRowsPerPage - 1) / kRowsPerPage);
    showPage();
}

CCNode* CRefereesInfoLayer::columnNode(int column) const {
    if (column == 0) return m_fixedColumn;
    return m_scroll ? m_scroll->getContainer()->getChildByTag(kFirstColumnTag + column - 1) : nullptr;
}

void CRefereesInfoLayer::showPage() {
    m_page = std::max(1, std::min(m_page, m_pageCount));
    if (m_pageLabel) {
        m_pageLabel->setString(fillText("%d/%d", {std::to_string(m_page), std::to_string(m_pageCount)}).c_str());
    }
    for (int column = 0; column < kColumns; ++column) {
        if (CCNode* node = columnNode(column)) node->removeAllChildrenWithCleanup(true);
    }
    const size_t first = static_cast<size_t>(m_page - 1) * kRowsPerPage;
    for (int k = 0; k < kRowsPerPage && first + k < m_rows.size(); ++k) {
        const RefereeRow& row = m_rows[first + k];
        for (int column = 0; column < kColumns; ++column) {
            CCNode* node = columnNode(column);
            if (node == nullptr) continue;
            CCLabelTTF* label = Pictures::label(row[column], 30, CCSizeZero, kCCTextAlignmentCenter);
            label->setColor(kBlack);
            const float half = node->getContentSize().width / 2;
            label->setPosition(column == 0 ? ccp(half - 20, 520.0f - 90 * k) : ccp(half, 450.0f - 90 * k));
            node->addChild(label, 2);
        }
    }
}

void CRefereesInfoLayer::prevPage(CCObject*) {
    m_page = std::max(1, std::min(m_page - 1, m_pageCount));
    showPage();
}

void CRefereesInfoLayer::nextPage(CCObject*) {
    m_page = std::max(1, std::min(m_page + 1, m_pageCount));
    showPage();
}

void CRefereesInfoLayer::close(CCObject*) {
    // The menu is still handling the touch that got here.
    retain();
    autorelease();
    removeFromParentAndCleanup(true);
}

std::vector<std::string> CRefereesInfoLayer::columnTexts(int column) const {
    std::vector<std::string> texts;
    CCNode* node = columnNode(column);
    CCArray* children = node ? node->getChildren() : nullptr;
    std::vector<CCLabelTTF*> labels;
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (auto* label = dynamic_cast<CCLabelTTF*>(static_cast<CCObject*>(children->objectAtIndex(i)))) {
            labels.push_back(label);
        }
    }
    std::sort(labels.begin(), labels.end(),
              [](CCLabelTTF* a, CCLabelTTF* b) { return a->getPositionY() > b->getPositionY(); });
    for (CCLabelTTF* label : labels) texts.push_back(label->getString());
    return texts;
}

float CRefereesInfoLayer::trackX() const { return m_track ? m_track->getPositionX() : 0; }

float CRefereesInfoLayer::scrollRange() const {
    return m_scroll ? kContentWidth - m_scroll->getViewSize().width : 0;
}

void CRefereesInfoLayer::setThumbX(float x) {
    const float lowest = trackX();
    const float highest = trackX() + thumbTravel();
    m_thumb->setPositionX(std::max(lowest, std::min(highest, x)));
}

bool CRefereesInfoLayer::ccTouchBegan(CCTouch* touch, CCEvent* event) {
    const CCPoint at = convertTouchToNodeSpace(touch);
    m_grabOffset = (m_thumb && m_thumb->boundingBox().containsPoint(at)) ? at.x - m_thumb->getPositionX() : -1;
    if (m_scroll) m_scroll->ccTouchBegan(touch, event);
    return true;
}

void CRefereesInfoLayer::ccTouchMoved(CCTouch* touch, CCEvent* event) {
    if (m_scroll) m_scroll->ccTouchMoved(touch, event);
    if (m_grabOffset < 0 || m_thumb == nullptr || thumbTravel() <= 0) return;
    setThumbX(convertTouchToNodeSpace(touch).x - m_grabOffset);
    const float share = (m_thumb->getPositionX() - trackX()) / thumbTravel();
    m_scroll->setContentOffset(ccp(-share * scrollRange(), m_scroll->getContentOffset().y));
}

void CRefereesInfoLayer::ccTouchEnded(CCTouch* touch, CCEvent* event) {
    if (m_scroll) m_scroll->ccTouchEnded(touch, event);
    m_grabOffset = -1;
}

void CRefereesInfoLayer::ccTouchCancelled(CCTouch* touch, CCEvent* event) {
    if (m_scroll) m_scroll->ccTouchCancelled(touch, event);
    m_grabOffset = -1;
}

void CRefereesInfoLayer::followScroll(float) {
    if (m_grabOffset != -1 || m_scroll == nullptr || m_thumb == nullptr || scrollRange() <= 0) return;
    setThumbX(trackX() + (-m_scroll->getContentOffset().x) / scrollRange() * thumbTravel());
}

std::string CRefereesInfoLayer::maskedTel(const std::string& tel) {
    // Characters, not bytes: a stray multi-byte character must not be cut in half. Up to three
    // characters there is nothing behind the prefix to hide, and the text is shown as it is.
    const std::vector<size_t> starts = characterStarts(tel);
    if (starts.size() <= 3) return tel;
    const size_t from = starts[3];
    const size_t to = starts.size() > 7 ? starts[7] : tel.size();
    return tel.substr(0, from) + "****" + tel.substr(to);
}

std::string CRefereesInfoLayer::onlineTime(int seconds) {
    seconds = std::max(0, seconds);
    const int s = seconds % 60, m = (seconds % 3600) / 60, h = seconds / 3600;
    auto n = [](int v) { return std::to_string(v); };
    if (h > 0) return fillText(text("TJR_shi"), {n(h), n(m), n(s)});
    if (m > 0) return fillText(text("TJR_fen"), {n(m), n(s)});
    return fillText(text("TJR_miao"), {n(s)});
}

RefereeRow CRefereesInfoLayer::rowOf(const ReferralItem& item) {
    auto pair = [](int a, int b) { return std::to_string(a) + "/" + std::to_string(b); };
    return {maskedTel(item.tel),
            item.regDate,
            pair(item.rightCount, item.wrongCount),
            pair(item.money, item.score),
            std::to_string(item.todayMoney),
            onlineTime(item.onlineTime),
            std::to_string(item.todayAnswerCount),
            std::to_string(item.monthLoginDays),
            std::to_string(item.loginDays)};
}
