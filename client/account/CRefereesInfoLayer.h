// The table of the players this player referred, five rows a page: a fixed first column (the masked
// telephone number) and eight more columns in a horizontal scroll view with its own scroll bar.
// Laid over the profile screen; the back button removes it.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"
#include "net/ResponseRecords.h"

#include <array>
#include <string>
#include <vector>

// One table row: telephone, registration date, right/wrong, money/score, today's money, online time,
// today's answers, logins this month, logins in all.
using RefereeRow = std::array<std::string, 9>;

class CRefereesInfoLayer : public cocos2d::CCLayer {
public:
    static CRefereesInfoLayer* Create();
    bool init() override;
    void onEnter() override;
    void onExit() override;

    // Takes a copy of the rows and shows the current page.
    void setRows(const std::vector<RefereeRow>& rows);
    void showPage();
    void prevPage(cocos2d::CCObject* sender = nullptr);
    void nextPage(cocos2d::CCObject* sender = nullptr);
    void close(cocos2d::CCObject* sender = nullptr);

    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchCancelled(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    // Puts the thumb where the scroll view's offset says (while the thumb is not held).
    void followScroll(float dt = 0);

    static RefereeRow rowOf(const ReferralItem& item);
    static std::string maskedTel(const std::string& tel);
    static std::string onlineTime(int seconds);

    int currentPage() const { return m_page; }
    int pageCount() const { return m_pageCount; }
    const std::vector<RefereeRow>& rows() const { return m_rows; }
    // The texts shown in a column (0 to 8) from the top row down.
    std::vector<std::string> columnTexts(int column) const;
    cocos2d::extension::CCScrollView* scrollView() const { return m_scroll; }
    cocos2d::CCSprite* thumb() const { return m_thumb; }
    float trackX() const;
    float thumbTravel() const { return m_trackLength - m_thumbLength; }

    static constexpr int kRowsPerPage = 5;
    static constexpr int kMenuTag = 1000;
    static constexpr int kScrollTag = 1001;
    static constexpr int kThumbTag = 1002;
    static constexpr int kTrackTag = 1003;
    static constexpr int kFixedColumnTag = 1004;
    static constexpr int kPageLabelTag = 1005;
    static constexpr int kFirstColumnTag = 102;
    static constexpr int kMenuPriority = -229000;
    static constexpr int kTouchPriority = -228999;
    static constexpr float kContentWidth = 1650;

private:
    bool build();
    cocos2d::CCNode* columnNode(int column) const;
    float scrollRange() const;
    void setThumbX(float x);

    std::vector<RefereeRow> m_rows;
    int m_page = 1;
    int m_pageCount = 1;
    float m_grabOffset = -1;
    float m_trackLength = 0;
    float m_thumbLength = 0;
    cocos2d::extension::CCScrollView* m_scroll = nullptr;
    cocos2d::CCSprite* m_track = nullptr;
    cocos2d::CCSprite* m_thumb = nullptr;
    cocos2d::CCSprite* m_fixedColumn = nullptr;
    cocos2d::CCLabelTTF* m_pageLabel = nullptr;
};
