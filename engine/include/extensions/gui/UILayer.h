// The layer that hosts layout widgets and routes touches to them (TouchGroup in 2.2.2 and later).
// A targeted, swallowing touch delegate with the layer's touch priority (default 0), registered while
// the layer runs; it claims a touch only when a widget takes it, otherwise the touch passes on.
#pragma once

#include "extensions/gui/UIWidget.h"
#include "nodes/CCLayer.h"

namespace cocos2d::extension {

class UILayout;
class UIScrollView;

class UILayer : public CCLayer {
public:
    UILayer();
    ~UILayer() override;
    static UILayer* create();
    bool init() override;

    void addWidget(UIWidget* widget);
    void removeWidget(UIWidget* widget);
    UIWidget* getWidgetByName(const char* name);
    UIWidget* getWidgetByTag(int tag);
    // The full-window container every added widget goes into.
    UILayout* getRootWidget() const { return m_root; }
    void clear();

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(CCTouch* touch, CCEvent* event) override;
    void ccTouchMoved(CCTouch* touch, CCEvent* event) override;
    void ccTouchEnded(CCTouch* touch, CCEvent* event) override;
    void ccTouchCancelled(CCTouch* touch, CCEvent* event) override;

    // The widget that would take a touch at this world point, or null.
    UIWidget* widgetAt(const CCPoint& worldPoint);

private:
    enum class TouchEnd { Ended, Cancelled };
    void finishTouch(CCTouch* touch, TouchEnd how);
    UIWidget* findTarget(UIWidget* widget, const CCPoint& point);
    void release(UIWidget*& widget);

    UILayout* m_root = nullptr;
    UIWidget* m_selected = nullptr;   // retained while it holds the touch
    UIScrollView* m_scroller = nullptr; // the nearest scroll view above it, retained too
};

typedef UILayer TouchGroup;

} // namespace cocos2d::extension
