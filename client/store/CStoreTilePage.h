// What the account book and the merchant page have in common: their layout with the back button
// to the store and the title over "shoujilabel", a paged grid of tiles in "goodsview", and a page
// bar that turns the grid's pages (and follows the grid when the player drags).
#pragma once

#include "widgets/CPageController.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <functional>
#include <string>

class CGoodsGrid;

class CStoreTilePage : public cocos2d::CCLayer,
                       public cocos2d::extension::CCScrollViewDelegate,
                       public pageControllerDelegateProtocol {
public:
    bool init() override { return cocos2d::CCLayer::init(); }

    void onPageChanged(int page, int pageCount) override;
    void scrollViewDidScroll(cocos2d::extension::CCScrollView*) override {}
    void scrollViewDidZoom(cocos2d::extension::CCScrollView*) override {}

    cocos2d::extension::UIWidget* widget(const char* name) const;
    CGoodsGrid* grid() const { return m_grid; }
    CPageController* pager() const { return m_pager; }
    cocos2d::CCLabelTTF* emptyLabel() const { return m_emptyLabel; }

    static constexpr int kStoreScene = 6;
    static constexpr int kBoxZ = 99;

protected:
    // Builds the page from its layout; what is logged names the page. emptyText stands in the grid
    // while there is nothing to show.
    void build(const char* layoutFile, const char* titlePicture, const char* logName, const std::string& emptyText);
    // count tiles; shows the empty text when there are none.
    void showEntries(int count, const std::function<class CGoodsLayer*(int)>& make);
    // True while the answer may still be shown: the page is on stage as the current scene.
    bool answerWanted(int sceneId) const;
    const std::string& logName() const { return m_logName; }

private:
    void onBack(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void onGridPage(int page, int pageCount);

    std::string m_logName;
    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    CGoodsGrid* m_grid = nullptr;
    CPageController* m_pager = nullptr;
    cocos2d::CCLabelTTF* m_emptyLabel = nullptr;
};
