// One row of a contest ranking: the place in the number font, the name, and the row's other
// columns, on a background that alternates from row to row so long lists stay readable.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>
#include <vector>

class CHD_RankItemCellOfHD : public cocos2d::extension::CCTableViewCell {
public:
    static CHD_RankItemCellOfHD* create(const cocos2d::CCSize& size);

    // columns[0] is the place, columns[1] the name, the rest follow; xs are the columns' centres.
    void fill(unsigned int index, const std::vector<std::string>& columns, const std::vector<float>& xs);

    const std::vector<std::string>& columns() const { return m_columns; }
    // The background picture this row was drawn on.
    const std::string& background() const { return m_background; }

private:
    cocos2d::CCSize m_size;
    std::vector<std::string> m_columns;
    std::string m_background;
};
