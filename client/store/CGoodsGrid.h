// The paged grid the store, the account book and the merchant page share: six tiles to a page,
// three columns by two rows, turned by a horizontal drag. A short quick flick (more than 110
// points in fewer than 20 move events) or a long drag (past half the grid's width) turns one page;
// a touch that never strayed 10 points from where it began is a tap on the tile under it.
#pragma once

#include "cocos2d.h"

#include <functional>
#include <vector>

class CGoodsLayer;

class CGoodsGrid : public cocos2d::CCLayer {
public:
    using TileMaker = std::function<CGoodsLayer*(int index)>;
    using TapHandler = std::function<void(int index)>;
    using PageHandler = std::function<void(int page, int pageCount)>;

    static CGoodsGrid* create(const cocos2d::CCSize& area);
    bool init() override { return cocos2d::CCLayer::init(); }

    // count entries, each tile made on demand when its page shows; page 0 is shown.
    void setEntries(int count, TileMaker make);
    // False (and nothing changes) for a page outside 0 .. pageCount - 1.
    bool showPage(int page);
    void setTapHandler(TapHandler handler) { m_onTap = std::move(handler); }
    // Touches are taken only while this says yes (the page is the scene the player works in, not
    // covered by an overlay that lets touches through).
    void setTouchGate(std::function<bool()> gate) { m_gate = std::move(gate); }
    // Told after every page shown (also page 0 of new entries).
    void setPageHandler(PageHandler handler) { m_onPage = std::move(handler); }

    int currentPage() const { return m_page; }
    int pageCount() const { return pageCountFor(m_count); }
    int entryCount() const { return m_count; }
    // The tiles of the page shown, in slot order (row by row, left to right).
    const std::vector<CGoodsLayer*>& tiles() const { return m_tiles; }
    // The entry index of the first tile of the page shown.
    int firstIndex() const { return m_page * kPerPage; }

    // An empty list still has one (empty) page.
    static int pageCountFor(int count) { return count <= 0 ? 1 : (count - 1) / kPerPage + 1; }
    // +1 next page, -1 previous page, 0 no turn, for a release dx points right of the start.
    static int turnFor(float dx, int moves, float gridWidth);
    // A slot's centre inside a grid of that size.
    static cocos2d::CCPoint slotCentre(int slot, const cocos2d::CCSize& area);

    static constexpr int kColumns = 3, kRows = 2, kPerPage = kColumns * kRows;
    static constexpr float kFlickDistance = 110, kTapSlop = 10;
    static constexpr int kFlickMoves = 20;

    void onEnter() override;
    void onExit() override;
    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

private:
    bool shownOnScreen() const;

    TileMaker m_make;
    TapHandler m_onTap;
    PageHandler m_onPage;
    std::function<bool()> m_gate;
    std::vector<CGoodsLayer*> m_tiles;
    int m_count = 0;
    int m_page = 0;
    cocos2d::CCPoint m_start;
    int m_moves = 0;
    bool m_moved = false;
};
