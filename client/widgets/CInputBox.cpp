#include "widgets/CInputBox.h"

#include "net/NetTypes.h"
#include "widgets/Pictures.h"

USING_NS_CC;

namespace {

constexpr int kBasePriority = -1281;
constexpr int kCursorWidth = 3;
constexpr int kCursorHeight = 36;

// One white pixel, stretched to the cursor's size.
CCSprite* makeCursor() {
    static const unsigned char white[4] = {255, 255, 255, 255};
    auto* texture = new CCTexture2D;
    if (!texture->initWithData(white, kCCTexture2DPixelFormat_RGBA8888, 1, 1, CCSizeMake(1, 1))) {
        texture->release();
        return CCSprite::create();
    }
    texture->autorelease();
    CCSprite* cursor = CCSprite::createWithTexture(texture);
    cursor->setScaleX(kCursorWidth);
    cursor->setScaleY(kCursorHeight);
    return cursor;
}

} // namespace

CInputBox::CInputBox() { setTouchEnabled(true); }

CInputBox::~CInputBox() = default;

CInputBox* CInputBox::sharedInputBox() {
    static CInputBox* shared = new CInputBox;
    return shared;
}

bool CInputBox::init(const CCSize& size, int fontSize, const ccColor3B& colour, int mode) {
    if (!CCLayer::init()) {
        return false;
    }
    setTouchEnabled(true);
    m_background = Pictures::sprite("common_textField.png");
    m_background->setVisible(false);
    addChild(m_background, 0);
    m_textField = CCTextFieldTTF::textFieldWithPlaceHolder("", size, kCCTextAlignmentLeft, "simhei.ttf",
                                                           static_cast<float>(fontSize));
    if (m_textField == nullptr) {
        return false;
    }
    addChild(m_textField, 1);
    m_size = size;
    m_colour = colour;
    m_fontSize = fontSize;
    m_mode = mode;
    m_textField->setDelegate(this);
    m_textField->setColor(colour);
    m_textField->setHorizontalAlignment(kCCTextAlignmentLeft);
    m_textField->setVerticalAlignment(kCCVerticalTextAlignmentCenter);
    m_cursor = makeCursor();
    m_cursor->setVisible(false);
    m_cursor->setPosition(ccp(-size.width / 2, 15 - size.height / 2));
    m_cursor->runAction(CCRepeatForever::create(
        CCSequence::createWithTwoActions(CCFadeIn::create(0.2f), CCFadeOut::create(0.5f))));
    addChild(m_cursor, 2);
    moveCursorY(-20);
    return true;
}

void CInputBox::moveCursorY(int dy) {
    if (m_cursor) m_cursor->setPositionY(m_cursor->getPositionY() + static_cast<float>(dy));
}

int CInputBox::textWidth(const std::string& text) const {
    if (text.empty()) return 0;
    CCLabelTTF* label = CCLabelTTF::create(text.c_str(), "simhei.ttf", static_cast<float>(m_fontSize));
    return label ? static_cast<int>(label->getContentSize().width) : 0;
}

void CInputBox::placeCursor(const std::string& shown) {
    if (m_cursor == nullptr) return;
    const float x = m_realText.empty() ? -m_size.width / 2 : textWidth(shown) - m_size.width / 2;
    m_cursor->setPositionX(x);
}

void CInputBox::setText(const std::string& text) {
    if (m_textField == nullptr) return;
    m_textField->setColor(m_colour);
    m_realText = text;
    if (m_mode == kPassword) {
        m_textField->setString(text.empty() ? "" : "******");
    } else {
        m_textField->setString(text.c_str());
    }
}

void CInputBox::setAttached(bool attached) {
    if (m_textField == nullptr) return;
    if (attached) {
        m_textField->attachWithIME();
        m_cursor->setVisible(true);
        placeCursor(m_textField->getString());
    } else {
        m_textField->detachWithIME();
        m_cursor->setVisible(false);
    }
}

void CInputBox::setPlaceHolder(const std::string& text) {
    if (m_textField) m_textField->setPlaceHolder(text.c_str());
}

std::string CInputBox::getPlaceHolder() { return m_textField ? m_textField->getPlaceHolder() : ""; }

CCRect CInputBox::boundingBox() {
    return CCRectApplyAffineTransform(CCRectMake(0, 0, m_size.width, m_size.height), nodeToParentTransform());
}

void CInputBox::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, m_priorityOffset + kBasePriority,
                                                                           false);
}

bool CInputBox::ccTouchBegan(CCTouch* touch, CCEvent*) {
    m_touchStart = touch->getLocation();
    return true;
}

void CInputBox::ccTouchEnded(CCTouch* touch, CCEvent*) { handleRelease(convertTouchToNodeSpace(touch)); }

void CInputBox::handleRelease(const CCPoint& local) {
    if (m_textField == nullptr) return;
    const CCPoint at = m_textField->getPosition();
    const CCSize size = m_textField->getContentSize();
    const bool inside = local.x >= at.x - size.width / 2 && local.x <= at.x + size.width / 2 &&
                        local.y >= at.y - size.height / 2 && local.y <= at.y + size.height / 2;
    setAttached(inside);
}

bool CInputBox::onTextFieldAttachWithIME(CCTextFieldTTF* sender) {
    if (m_mode == kPassword && sender) {
        sender->setString("");
        m_realText.clear();
    }
    return false;
}

bool CInputBox::onTextFieldDetachWithIME(CCTextFieldTTF*) { return false; }

bool CInputBox::onTextFieldInsertText(CCTextFieldTTF* sender, const char* text, int length) {
    if (CCScene* scene = CCDirector::sharedDirector()->getRunningScene()) {
        if (scene->getChildByTag(kSessionBoxTag)) scene->removeChildByTag(kSessionBoxTag);
        if (scene->getChildByTag(kNetworkBoxTag)) scene->removeChildByTag(kNetworkBoxTag);
    }
    if (sender == nullptr || text == nullptr || length <= 0) return true;
    const std::string inserted(text, static_cast<size_t>(length));
    if (static_cast<int>(m_realText.size()) >= m_maxLength || inserted == "\n") return true;
    if (!(m_size.width - static_cast<float>(m_fontSize) > static_cast<float>(textWidth(m_realText)))) return true;
    m_realText += inserted;
    sender->setColor(m_colour);
    if (m_mode == kPassword) {
        // The newest character shows in clear after the stars for half a second.
        const int before = sender->getCharCount();
        sender->setString(std::string(static_cast<size_t>(before), '*').c_str());
        unschedule(schedule_selector(CInputBox::starsLater));
        scheduleOnce(schedule_selector(CInputBox::starsLater), 0.5f);
        placeCursor(std::string(static_cast<size_t>(before) + 1, '*'));
    } else {
        placeCursor(m_realText);
    }
    return false;
}

void CInputBox::starsLater(float) {
    if (m_textField) m_textField->setString(std::string(m_realText.size(), '*').c_str());
}

bool CInputBox::onTextFieldDeleteBackward(CCTextFieldTTF* sender, const char*, int length) {
    if (static_cast<int>(m_realText.size()) > m_maxLength) {
        m_realText.clear();
    } else {
        const size_t n = length > 0 ? static_cast<size_t>(length) : 0;
        m_realText.erase(n >= m_realText.size() ? 0 : m_realText.size() - n);
    }
    const std::string shown = m_mode == kPassword ? std::string(m_realText.size(), '*') : m_realText;
    if (sender) sender->setString(shown.c_str());
    placeCursor(shown);
    // The box has already put the shorter text in place; the field must not delete once more.
    return true;
}

void CInputBox::keyboardWillShow(CCIMEKeyboardNotificationInfo&) { sharedInputBox()->m_keyboardShown = true; }

void CInputBox::keyboardWillHide(CCIMEKeyboardNotificationInfo&) { sharedInputBox()->m_keyboardShown = false; }
