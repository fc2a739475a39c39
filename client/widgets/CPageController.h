// First / previous / next / last buttons with a "page/count" label; tells its delegate the page.
#pragma once

#include "cocos2d.h"

#include <string>

class pageControllerDelegateProtocol {
public:
    virtual ~pageControllerDelegateProtocol() = default;
    virtual void onPageChanged(int page, int pageCount) = 0;
};

class CPageController : public cocos2d::CCLayer {
public:
    static CPageController* create();
    bool init() override;
    void setDelegate(pageControllerDelegateProtocol* delegate) { m_delegate = delegate; }

    void setCurrentPage(int page);
    void setPageCount(int count);
    int currentPage() const { return m_currentPage; }
    int pageCount() const { return m_pageCount; }
    std::string labelText() const;

    void first(cocos2d::CCObject* sender = nullptr);
    void previous(cocos2d::CCObject* sender = nullptr);
    void next(cocos2d::CCObject* sender = nullptr);
    void last(cocos2d::CCObject* sender = nullptr);

private:
    void refresh();
    void report();

    pageControllerDelegateProtocol* m_delegate = nullptr;
    cocos2d::CCLabelBMFont* m_label = nullptr;
    int m_currentPage = 0;
    int m_pageCount = 0;
};
