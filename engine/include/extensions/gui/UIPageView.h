// Pages side by side, one shown at a time; a horizontal swipe of a quarter page turns to the next one.
#pragma once

#include "extensions/gui/UILayout.h"

namespace cocos2d::extension {

typedef enum { PAGEVIEW_EVENT_TURNING } PageViewEventType;
typedef void (CCObject::*SEL_PageViewEvent)(CCObject*, PageViewEventType);
#define pagevieweventselector(_SELECTOR) (::cocos2d::extension::SEL_PageViewEvent)(&_SELECTOR)

class UIPageView : public UILayout {
public:
    static UIPageView* create();
    bool init() override;
    std::string getDescription() const override { return "PageView"; }

    void addPage(UILayout* page);
    unsigned int getPageCount() const;
    UILayout* getPage(unsigned int index) const;
    void scrollToPage(int index);
    int getCurPageIndex() const { return m_current; }
    void addEventListenerPageView(CCObject* target, SEL_PageViewEvent selector);

    bool onTouchBegan(const CCPoint& touchPoint) override;
    void onTouchEnded(const CCPoint& touchPoint) override;

protected:
    void onSizeChanged() override;

private:
    void placePages();
    std::vector<UILayout*> m_pages; // children, not retained separately
    int m_current = 0;
    CCObject* m_target = nullptr;
    SEL_PageViewEvent m_selector = nullptr;
};

} // namespace cocos2d::extension
