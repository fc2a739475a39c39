// Scene 6, the store: the categories down the left, the chosen category's goods in a paged 3 x 2
// grid, and the way to the account book, the merchant page and the store's rules. A tap on a
// goods tile opens the exchange overlay over the store.
#pragma once

#include "net/ResponseRecords.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <vector>

class CGoodsGrid;

class CStoreLayer : public cocos2d::CCLayer,
                    public cocos2d::extension::CCTableViewDataSource,
                    public cocos2d::extension::CCTableViewDelegate {
public:
    static cocos2d::CCScene* scene();
    static CStoreLayer* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;

    void onCatalogue(int code);
    void onRequestFailed(int) {}
    // The category at index from its first page; false for an index that is no category.
    bool selectCategory(int index);
    // The account-book button: the boxes for players without an account book, else the book or
    // the claim form the exchanges need first.
    void openAccountBook();
    void showExplain();

    unsigned int numberOfCellsInTableView(cocos2d::extension::CCTableView* table) override;
    cocos2d::CCSize cellSizeForTable(cocos2d::extension::CCTableView* table) override;
    cocos2d::extension::CCTableViewCell* tableCellAtIndex(cocos2d::extension::CCTableView* table,
                                                           unsigned int idx) override;
    void tableCellTouched(cocos2d::extension::CCTableView* table,
                          cocos2d::extension::CCTableViewCell* cell) override;

    cocos2d::extension::UIWidget* widget(const char* name) const;
    cocos2d::extension::CCTableView* table() const { return m_table; }
    CGoodsGrid* grid() const { return m_grid; }
    cocos2d::CCLabelTTF* pageLabel() const { return m_pageLabel; }
    cocos2d::CCLabelTTF* emptyLabel() const { return m_emptyLabel; }
    int selectedCategory() const { return m_selected; }
    const std::vector<GoodsType>& categories() const { return m_types; }

    static constexpr int kSceneId = 6;
    static constexpr int kUiRootTag = 100;
    static constexpr int kBoxZ = 99;
    static constexpr int kStoreHelpId = 2;

private:
    void build();
    void wireButton(const char* name, cocos2d::extension::SEL_TouchEvent handler);
    void caption(const char* name, const char* key);
    void buildCategoryList();
    void buildGrid();
    void showGoods(const std::vector<GoodsInfo>& goods);
    void onPageShown(int page, int pageCount);
    void onTileTapped(int index);
    void onBack(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onInstruction(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onAccountBook(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onMerchants(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);

    bool m_built = false;
    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    cocos2d::extension::CCTableView* m_table = nullptr;
    CGoodsGrid* m_grid = nullptr;
    cocos2d::CCLabelTTF* m_pageLabel = nullptr;
    cocos2d::CCLabelTTF* m_emptyLabel = nullptr;
    // This visit's catalogue and the goods of the chosen category, kept from the answer.
    std::vector<GoodsType> m_types;
    std::vector<GoodsInfo> m_goods;
    int m_selected = -1;
    std::vector<cocos2d::extension::UIWidget*> m_rechargeButtons;
};
