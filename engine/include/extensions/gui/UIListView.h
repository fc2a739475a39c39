// A scroll view whose items stack top-down (vertical) or left to right (horizontal) with a margin.
#pragma once

#include "extensions/gui/UIScrollView.h"

namespace cocos2d::extension {

typedef enum {
    LISTVIEW_GRAVITY_LEFT, LISTVIEW_GRAVITY_RIGHT, LISTVIEW_GRAVITY_CENTER_HORIZONTAL,
    LISTVIEW_GRAVITY_TOP, LISTVIEW_GRAVITY_BOTTOM, LISTVIEW_GRAVITY_CENTER_VERTICAL
} ListViewGravity;

class UIListView : public UIScrollView {
public:
    static UIListView* create();
    std::string getDescription() const override { return "ListView"; }

    void pushBackCustomItem(UIWidget* item);
    void insertCustomItem(UIWidget* item, int index);
    void removeItem(int index);
    void removeLastItem();
    void removeAllItems();
    UIWidget* getItem(unsigned int index) const;
    unsigned int getItemCount() const { return static_cast<unsigned int>(m_items.size()); }
    // A new autoreleased array of the items, in order.
    CCArray* getItems() const;
    int getIndex(UIWidget* item) const;
    void setItemsMargin(float margin);
    float getItemsMargin() const { return m_margin; }
    void setGravity(ListViewGravity gravity);
    void refreshView();
    ~UIListView() override;

private:
    std::vector<UIWidget*> m_items; // retained
    float m_margin = 0;
    ListViewGravity m_gravity = LISTVIEW_GRAVITY_CENTER_HORIZONTAL;
};

} // namespace cocos2d::extension
