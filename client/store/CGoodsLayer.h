// One tile of the store's goods grid. Kind 0 (a goods item on sale): a card background, the goods
// picture fetched from the game server and the price in golden carrots. Kind 1 (an entry of the
// account book): the picture with the number of pieces exchanged under it.
//
// The tile's position is its centre; its content size is what a touch must land on.
#pragma once

#include "net/ResponseRecords.h"

#include "cocos2d.h"

class CImageView;

class CGoodsLayer : public cocos2d::CCNode {
public:
    static CGoodsLayer* createGoods(const GoodsInfo& goods);
    static CGoodsLayer* createRecord(const BuyRecord& record);

    int kind() const { return m_kind; }
    CImageView* picture() const { return m_picture; }
    cocos2d::CCSprite* background() const { return m_background; }
    cocos2d::CCLabelBMFont* numberLabel() const { return m_number; }
    cocos2d::CCLabelBMFont* captionLabel() const { return m_caption; }
    cocos2d::CCSprite* carrot() const { return m_carrot; }

    static constexpr int kGoodsKind = 0, kRecordKind = 1;
    static constexpr float kPictureWidth = 180, kPictureHeight = 200;

private:
    bool initGoods(const GoodsInfo& goods);
    bool initRecord(const BuyRecord& record);
    void addPicture(const std::string& mediaName, const cocos2d::CCPoint& centre);
    // Lays a caption (may be null) and a number side by side, centred on x together.
    void centreRow(cocos2d::CCNode* first, float firstWidth, cocos2d::CCLabelBMFont* number, float y);

    int m_kind = kGoodsKind;
    CImageView* m_picture = nullptr;
    cocos2d::CCSprite* m_background = nullptr;
    cocos2d::CCSprite* m_carrot = nullptr;
    cocos2d::CCLabelBMFont* m_number = nullptr;
    cocos2d::CCLabelBMFont* m_caption = nullptr;
};
