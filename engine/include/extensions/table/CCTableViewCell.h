// A row (or column) of a CCTableView; the table sets its index and recycles it.
#pragma once

#include "nodes/CCNode.h"

namespace cocos2d::extension {

class CCTableViewCell : public CCNode {
public:
    CCTableViewCell() = default;
    static CCTableViewCell* create();
    unsigned int getIdx() const { return m_idx; }
    void setIdx(unsigned int idx) { m_idx = idx; }
    // Back to "no index" when recycled.
    void reset() { m_idx = kInvalidIndex; }
    static constexpr unsigned int kInvalidIndex = 0xFFFFFFFFu;

private:
    unsigned int m_idx = kInvalidIndex;
};

} // namespace cocos2d::extension
