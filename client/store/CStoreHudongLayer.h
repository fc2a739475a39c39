// Scene 11, the merchant page: the merchants' own catalogue as goods tiles, six to a page; a tap
// on a tile opens the same exchange overlay as the store.
#pragma once

#include "net/ResponseRecords.h"
#include "store/CStoreTilePage.h"

#include <vector>

class CStoreHudongLayer : public CStoreTilePage {
public:
    static cocos2d::CCScene* scene();
    static CStoreHudongLayer* create();
    void onEnter() override;

    void onCatalogue(int code);
    void onRequestFailed(int) {}
    void openGoods(int index);

    const std::vector<GoodsInfo>& goods() const { return m_goods; }

    static constexpr int kSceneId = 11;

private:
    bool m_built = false;
    // Every category's goods, in catalogue order.
    std::vector<GoodsInfo> m_goods;
};
