// One row of the store's category list: the category's name on a tab, the chosen category's tab
// in the warm button colour, the others pale.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>

class CStoreLayerCell : public cocos2d::extension::CCTableViewCell {
public:
    static CStoreLayerCell* create();
    bool init() override;

    void fill(const std::string& name, bool selected);

    bool isSelected() const { return m_selected; }
    cocos2d::CCLabelTTF* nameLabel() const { return m_name; }

    static constexpr float kWidth = 190, kHeight = 74;

private:
    cocos2d::CCSprite* m_plain = nullptr;
    cocos2d::CCSprite* m_chosen = nullptr;
    cocos2d::CCLabelTTF* m_name = nullptr;
    bool m_selected = false;
};
