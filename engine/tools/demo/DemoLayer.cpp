#include "DemoLayer.h"

using namespace cocos2d;

namespace demo {

bool DemoLayer::initWithSwitch(std::function<CCScene*()> makeOther)
{
    if (!CCLayer::init())
        return false;
    m_makeOther = std::move(makeOther);
    setTouchEnabled(true);
    setKeypadEnabled(true);
    return true;
}

void DemoLayer::registerWithTouchDispatcher()
{
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, true);
}

bool DemoLayer::ccTouchBegan(CCTouch*, CCEvent*)
{
    return !m_switching;
}

void DemoLayer::ccTouchEnded(CCTouch* touch, CCEvent*)
{
    if (m_switching || !m_makeOther)
        return;
    m_switching = true;
    const CCPoint p = touch->getLocation();
    CCLog("engine-demo: tap at (%.0f, %.0f), switching scenes", p.x, p.y);
    CCDirector::sharedDirector()->replaceScene(CCTransitionFade::create(0.5f, m_makeOther()));
}

void DemoLayer::keyBackClicked()
{
    CCDirector::sharedDirector()->end();
}

void DemoLayer::menuPressed(CCObject* sender)
{
    ++m_presses;
    if (m_status)
        m_status->setString(CCString::createWithFormat("menu item %d pressed (%d)", static_cast<CCNode*>(sender)->getTag(),
                                                       m_presses)
                                ->getCString());
}

void DemoLayer::sequenceDone()
{
    if (m_status)
        m_status->setString("sequence finished: callback ran");
}

} // namespace demo
