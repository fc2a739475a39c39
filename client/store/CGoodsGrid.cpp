#include "store/CGoodsGrid.h"

#include "app/ClientLog.h"
#include "store/CGoodsLayer.h"

#include <algorithm>
#include <cmath>

USING_NS_CC;

namespace {

// Tiles are shrunk to their slot when the grid is smaller than the card pictures.
constexpr float kSlotMargin = 4;

} // namespace

CGoodsGrid* CGoodsGrid::create(const CCSize& area) {
    auto* grid = new CGoodsGrid;
    if (grid->init()) {
        grid->setContentSize(area);
        grid->autorelease();
        return grid;
    }
    delete grid;
    ClientLog::write("Fun CGoodsGrid::Create Error!");
    return nullptr;
}

CCPoint CGoodsGrid::slotCentre(int slot, const CCSize& area) {
    const int column = slot % kColumns, row = slot / kColumns;
    const float columnWidth = area.width / kColumns, rowHeight = area.height / kRows;
    return ccp(columnWidth / 2 + columnWidth * column, area.height - rowHeight / 2 - rowHeight * row);
}

int CGoodsGrid::turnFor(float dx, int moves, float gridWidth) {
    const bool flick = std::fabs(dx) > kFlickDistance && moves < kFlickMoves;
    const bool longDrag = std::fabs(dx) > gridWidth / 2;
    if (!flick && !longDrag) return 0;
    // Dragging the page to the left brings in the next one.
    return dx < 0 ? 1 : -1;
}

void CGoodsGrid::setEntries(int count, TileMaker make) {
    if (count < 0) {
        ClientLog::write("store grid: %d entries, shown as none", count);
        count = 0;
    }
    m_count = count;
    m_make = std::move(make);
    m_page = -1;
    showPage(0);
}

bool CGoodsGrid::showPage(int page) {
    if (page < 0 || page >= pageCount()) {
        ClientLog::write("store grid: no page %d of %d", page + 1, pageCount());
        return false;
    }
    for (CGoodsLayer* tile : m_tiles) tile->removeFromParent();
    m_tiles.clear();
    m_page = page;
    const CCSize area = getContentSize();
    const float slotWidth = area.width / kColumns - kSlotMargin, slotHeight = area.height / kRows - kSlotMargin;
    const int first = page * kPerPage;
    const int last = std::min(m_count, first + kPerPage);
    for (int index = first; index < last && m_make; ++index) {
        CGoodsLayer* tile = m_make(index);
        if (tile == nullptr) continue;
        const CCSize size = tile->getContentSize();
        if (size.width > 0 && size.height > 0) {
            tile->setScale(std::min({1.0f, slotWidth / size.width, slotHeight / size.height}));
        }
        tile->setPosition(slotCentre(index - first, area));
        addChild(tile, 1);
        m_tiles.push_back(tile);
    }
    if (m_onPage) m_onPage(m_page, pageCount());
    return true;
}

void CGoodsGrid::onEnter() {
    CCLayer::onEnter();
    setTouchEnabled(true);
}

void CGoodsGrid::onExit() {
    setTouchEnabled(false);
    CCLayer::onExit();
}

void CGoodsGrid::registerWithTouchDispatcher() {
    // Boxes and the exchange overlay claim their touches at far lower priorities first.
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, true);
}

bool CGoodsGrid::shownOnScreen() const {
    for (const CCNode* node = this; node; node = node->getParent()) {
        if (!node->isVisible()) return false;
    }
    return true;
}

bool CGoodsGrid::ccTouchBegan(CCTouch* touch, CCEvent*) {
    if (!shownOnScreen() || (m_gate && !m_gate())) return false;
    const CCPoint local = convertTouchToNodeSpace(touch);
    const CCSize area = getContentSize();
    if (local.x < 0 || local.y < 0 || local.x > area.width || local.y > area.height) return false;
    m_start = touch->getLocation();
    m_moves = 0;
    m_moved = false;
    return true;
}

void CGoodsGrid::ccTouchMoved(CCTouch* touch, CCEvent*) {
    m_moves += 1;
    if (ccpDistance(touch->getLocation(), m_start) > kTapSlop) m_moved = true;
}

void CGoodsGrid::ccTouchEnded(CCTouch* touch, CCEvent*) {
    const CCPoint end = touch->getLocation();
    const int turn = turnFor(end.x - m_start.x, m_moves, getContentSize().width);
    if (turn != 0) {
        // At either end the page stays; showPage says so in the log.
        showPage(m_page + turn);
        return;
    }
    if (m_moved) return;
    const CCPoint local = convertTouchToNodeSpace(touch);
    for (size_t slot = 0; slot < m_tiles.size(); ++slot) {
        if (m_tiles[slot]->boundingBox().containsPoint(local)) {
            if (m_onTap) m_onTap(firstIndex() + static_cast<int>(slot));
            return;
        }
    }
}
