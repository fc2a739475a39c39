// Scene 10, the account book: the player's past exchanges as tiles (picture and pieces), newest
// first, six to a page. A tap on a tile shows that exchange's order or delivery details.
#pragma once

#include "net/ResponseRecords.h"
#include "store/CStoreTilePage.h"

#include <vector>

class CGoodsInfoBox;

class CStoreAccountLayer : public CStoreTilePage {
public:
    static cocos2d::CCScene* scene();
    static CStoreAccountLayer* create();
    void onEnter() override;

    void onRecords(int code);
    void onRequestFailed(int) {}
    // The box of the entry at index, added over the page; null when the entry has none.
    CGoodsInfoBox* openRecord(int index);

    const std::vector<BuyRecord>& records() const { return m_records; }

    static constexpr int kSceneId = 10;
    static constexpr int kBoxTag = 1201;

private:
    bool m_built = false;
    std::vector<BuyRecord> m_records;
};
