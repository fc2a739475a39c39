#include "widgets/CLableLayer.h"

#include "render/Renderer.h"
#include "widgets/Pictures.h"

#include <chrono>

USING_NS_CC;

namespace {

constexpr float kClipWidth = 420;
constexpr float kClipHeight = 260;
constexpr int kWheelMessage = 522;

std::function<long long()>& panelClock() {
    static std::function<long long()> current;
    return current;
}

} // namespace

void CLableLayer::setClock(std::function<long long()> source) { panelClock() = std::move(source); }

long long CLableLayer::now() {
    if (panelClock()) {
        return panelClock()();
    }
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

CLableLayer* CLableLayer::create(const std::string& text) {
    auto* panel = new CLableLayer;
    if (panel->initPanel(text)) {
        panel->autorelease();
        return panel;
    }
    CCLog("Fun CLableLayer::Create Error!");
    delete panel;
    return nullptr;
}

bool CLableLayer::initPanel(const std::string& text) {
    if (!CCLayer::init()) {
        return false;
    }
    m_clip = CCLayerColor::create(ccc4(0, 0, 0, 0), kClipWidth, kClipHeight);
    m_clip->setPosition(ccp(-kClipWidth / 2, -kClipHeight / 2));
    addChild(m_clip, 0);

    m_label = Pictures::label("    " + text, 30, CCSizeMake(kClipWidth, 0), kCCTextAlignmentLeft);
    m_label->setColor(ccc3(50, 50, 50));
    const int H2 = static_cast<int>(kClipHeight) / 2;
    const int h2 = static_cast<int>(m_label->getContentSize().height) / 2;
    m_label->setPosition(ccp(0, static_cast<float>(H2 - h2)));
    m_lowestY = static_cast<float>(H2 - h2 - 30);
    m_highestY = static_cast<float>(h2 - H2 + 30);
    addChild(m_label, 1);
    return true;
}

void CLableLayer::onEnter() {
    CCDirector* director = CCDirector::sharedDirector();
    director->getTouchDispatcher()->addTargetedDelegate(this, kTouchPriority, true);
    director->getMouseWheelDispatcher()->addDelegate(this);
    CCLayer::onEnter();
}

void CLableLayer::onExit() {
    CCDirector* director = CCDirector::sharedDirector();
    director->getTouchDispatcher()->removeDelegate(this);
    director->getMouseWheelDispatcher()->removeDelegate(this);
    CCLayer::onExit();
}

void CLableLayer::visit() {
    if (!isVisible()) {
        return;
    }
    // The clip stands at design (270, 170) once its box is centred on the window.
    Renderer* renderer = Renderer::current();
    renderer->enableScissor(static_cast<int>(kClipWidth / 2 + 60), static_cast<int>(kClipHeight / 2 + 40),
                            kClipWidth, kClipHeight);
    CCLayer::visit();
    renderer->disableScissor();
}

bool CLableLayer::beginAt(const CCPoint& location) {
    const CCPoint clip = m_clip->getPosition();
    const int px = static_cast<int>(clip.x), py = static_cast<int>(clip.y);
    const int w = static_cast<int>(m_clip->getContentSize().width);
    const int h = static_cast<int>(m_clip->getContentSize().height);
    const bool inside = 60 - px < location.x && location.x < w - px + 60 && 45 - py < location.y &&
                        location.y < h - py + 45;
    if (!inside) {
        return false;
    }
    m_dragging = true;
    m_grabOffset = static_cast<int>(location.y - m_label->getPositionY());
    return true;
}

bool CLableLayer::ccTouchBegan(CCTouch* touch, CCEvent*) { return beginAt(touch->getLocation()); }

void CLableLayer::ccTouchMoved(CCTouch*, CCEvent*) { m_lastMoved = now(); }

void CLableLayer::ccTouchEnded(CCTouch* touch, CCEvent*) { endAt(touch->getLocation()); }

void CLableLayer::endAt(const CCPoint& location) {
    m_lastEnded = now();
    if (!m_dragging) {
        return;
    }
    const float target = location.y - static_cast<float>(m_grabOffset);
    const float x = m_label->getPositionX();
    // Past a limit the text glides there as fast as the finger last moved.
    const float glide = static_cast<float>(m_lastEnded - m_lastMoved) * 0.001f;
    m_label->stopAllActions();
    if (target > m_highestY) {
        m_label->runAction(CCMoveTo::create(glide, ccp(x, m_highestY)));
    } else if (target < m_lowestY) {
        m_label->runAction(CCMoveTo::create(glide, ccp(x, m_lowestY)));
    } else {
        m_label->runAction(CCMoveTo::create(0.2f, ccp(x, target)));
        m_dragging = false;
    }
}

void CLableLayer::processWin32KeyPress(unsigned message, unsigned long wParam, long) {
    if (message != kWheelMessage) {
        return;
    }
    m_wheelDelta = static_cast<short>((wParam >> 16) & 0xFFFF);
    const float y = m_label->getPositionY() - m_wheelDelta;
    if (m_lowestY <= y && y <= m_highestY) {
        m_label->setPositionY(y);
    }
}

void CLableLayer::mouseWheelScrolled(int delta) {
    processWin32KeyPress(kWheelMessage, (static_cast<unsigned long>(static_cast<unsigned short>(delta)) << 16), 0);
}
