#include "extensions/gui/UILayer.h"

#include "director/CCDirector.h"
#include "extensions/gui/UIHelper.h"
#include "extensions/gui/UILayout.h"
#include "extensions/gui/UIScrollView.h"
#include "touch/CCTouch.h"
#include "touch/CCTouchDispatcher.h"

namespace cocos2d::extension {

UILayer::UILayer() = default;

UILayer::~UILayer()
{
    CC_SAFE_RELEASE(m_selected);
    CC_SAFE_RELEASE(m_scroller);
}

UILayer* UILayer::create()
{
    auto* layer = new UILayer();
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

bool UILayer::init()
{
    if (!CCLayer::init())
        return false;
    m_root = UILayout::create();
    m_root->setName("root");
    m_root->setSize(CCDirector::sharedDirector()->getWinSize());
    addChild(m_root);
    setTouchMode(kCCTouchesOneByOne);
    setTouchEnabled(true);
    return true;
}

void UILayer::addWidget(UIWidget* widget)
{
    if (widget)
        m_root->addChild(widget);
}

void UILayer::removeWidget(UIWidget* widget)
{
    if (widget)
        m_root->removeChild(widget, true);
}

UIWidget* UILayer::getWidgetByName(const char* name) { return UIHelper::seekWidgetByName(m_root, name); }
UIWidget* UILayer::getWidgetByTag(int tag) { return UIHelper::seekWidgetByTag(m_root, tag); }
void UILayer::clear() { m_root->removeAllChildren(); }

void UILayer::registerWithTouchDispatcher()
{
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, getTouchPriority(), true);
}

UIWidget* UILayer::findTarget(UIWidget* widget, const CCPoint& point)
{
    // Invisible or disabled subtrees take nothing (the stock reader let hidden widgets take touches).
    if (!widget->isVisible() || !widget->isEnabled())
        return nullptr;
    widget->sortAllChildren();
    if (CCArray* children = widget->getChildren())
        for (unsigned int i = children->count(); i-- > 0;)
            if (auto* child = dynamic_cast<UIWidget*>(children->objectAtIndex(i)))
                if (UIWidget* hit = findTarget(child, point))
                    return hit;
    if (widget->isTouchEnabled() && widget->hitTest(point) && widget->clippingParentAreaContainPoint(point))
        return widget;
    return nullptr;
}

UIWidget* UILayer::widgetAt(const CCPoint& worldPoint)
{
    for (CCNode* node = this; node; node = node->getParent())
        if (!node->isVisible())
            return nullptr;
    return findTarget(m_root, worldPoint);
}

void UILayer::release(UIWidget*& widget)
{
    CC_SAFE_RELEASE(widget);
    widget = nullptr;
}

bool UILayer::ccTouchBegan(CCTouch* touch, CCEvent*)
{
    if (m_selected)
        return false; // one touch at a time
    CCPoint point = touch->getLocation();
    UIWidget* target = widgetAt(point);
    if (!target)
        return false;
    m_selected = target;
    m_selected->retain();
    for (UIWidget* w = target; w; w = w->getParentWidget())
        if (auto* scroller = dynamic_cast<UIScrollView*>(w); scroller && scroller != target) {
            m_scroller = scroller;
            m_scroller->retain();
            break;
        }
    if (m_scroller)
        m_scroller->interceptTouchBegan(point);
    m_selected->onTouchBegan(point);
    return true;
}

void UILayer::ccTouchMoved(CCTouch* touch, CCEvent*)
{
    if (!m_selected)
        return;
    CCPoint point = touch->getLocation();
    if (m_scroller)
        m_scroller->interceptTouchMoved(point, m_selected);
    if (m_selected)
        m_selected->onTouchMoved(point);
}

void UILayer::ccTouchEnded(CCTouch* touch, CCEvent*) { finishTouch(touch, TouchEnd::Ended); }

void UILayer::ccTouchCancelled(CCTouch* touch, CCEvent*) { finishTouch(touch, TouchEnd::Cancelled); }

void UILayer::finishTouch(CCTouch* touch, TouchEnd how)
{
    // The widget's handler may remove this layer's tree: let go of our claims before calling it.
    UIWidget* selected = m_selected;
    UIScrollView* scroller = m_scroller;
    m_selected = nullptr;
    m_scroller = nullptr;
    if (!selected)
        return;
    CCPoint point = touch->getLocation();
    if (scroller)
        scroller->interceptTouchEnded(point);
    if (how == TouchEnd::Ended)
        selected->onTouchEnded(point);
    else
        selected->onTouchCancelled(point);
    selected->release();
    CC_SAFE_RELEASE(scroller);
}

} // namespace cocos2d::extension
