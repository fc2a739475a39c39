#include "store/CGoodsLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "widgets/CImageView.h"
#include "widgets/Pictures.h"

#include <string>

USING_NS_CC;

namespace {

constexpr float kCardScale = 0.67f;
constexpr float kCarrotScale = 0.469f;
constexpr float kCaptionScale = 0.8f;
// The card picture is 340 x 400; the tile is the card as drawn.
constexpr float kCardWidth = 340 * kCardScale, kCardHeight = 400 * kCardScale;
constexpr float kRecordWidth = 200, kRecordHeight = 236;
constexpr float kRowGap = 6;

CGoodsLayer* finish(CGoodsLayer* tile, bool ok) {
    if (ok) {
        tile->autorelease();
        return tile;
    }
    delete tile;
    ClientLog::write("Fun CGoodsLayer::Create Error!");
    return nullptr;
}

} // namespace

CGoodsLayer* CGoodsLayer::createGoods(const GoodsInfo& goods) {
    auto* tile = new CGoodsLayer;
    return finish(tile, tile->initGoods(goods));
}

CGoodsLayer* CGoodsLayer::createRecord(const BuyRecord& record) {
    auto* tile = new CGoodsLayer;
    return finish(tile, tile->initRecord(record));
}

void CGoodsLayer::addPicture(const std::string& mediaName, const CCPoint& centre) {
    if (mediaName.empty()) {
        // Nothing to fetch: the tile keeps its name and price but shows no picture.
        ClientLog::write("store: goods without a picture name");
        return;
    }
    m_picture = CImageView::create(mediaName, "progress.png", CCSizeMake(kPictureWidth, kPictureHeight));
    if (m_picture == nullptr) return;
    m_picture->setPosition(centre);
    addChild(m_picture, 1);
}

void CGoodsLayer::centreRow(CCNode* first, float firstWidth, CCLabelBMFont* number, float y) {
    const float numberWidth = number ? number->boundingBox().size.width : 0;
    const float total = firstWidth + (first && number ? kRowGap : 0) + numberWidth;
    float x = getContentSize().width / 2 - total / 2;
    if (first) {
        first->setAnchorPoint(ccp(0, 0.5f));
        first->setPosition(ccp(x, y));
        x += firstWidth + kRowGap;
    }
    if (number) {
        number->setAnchorPoint(ccp(0, 0.5f));
        number->setPosition(ccp(x, y));
    }
}

bool CGoodsLayer::initGoods(const GoodsInfo& goods) {
    if (!CCNode::init()) return false;
    m_kind = kGoodsKind;
    setContentSize(CCSizeMake(kCardWidth, kCardHeight));
    setAnchorPoint(ccp(0.5f, 0.5f));
    m_background = Pictures::sprite("common_viewBg2.png");
    m_background->setScale(kCardScale);
    m_background->setPosition(ccp(kCardWidth / 2, kCardHeight / 2));
    addChild(m_background, 0);
    // The picture fills the card's upper part; the price line sits in the strip below it.
    addPicture(goods.goodsImg, ccp(kCardWidth / 2, kCardHeight - 14 - kPictureHeight / 2));

    if (goods.moneyPrice < 0) ClientLog::write("store: goods %d has a price of %d", goods.goodsId, goods.moneyPrice);
    m_carrot = Pictures::sprite("common_jinluobo.png");
    m_carrot->setScale(kCarrotScale);
    addChild(m_carrot, 2);
    m_number = CCLabelBMFont::create(std::to_string(goods.moneyPrice).c_str(), "NumFont.fnt");
    if (m_number) {
        m_number->setScale(0.7f);
        addChild(m_number, 2);
    }
    centreRow(m_carrot, m_carrot->boundingBox().size.width, m_number, 28);
    return true;
}

bool CGoodsLayer::initRecord(const BuyRecord& record) {
    if (!CCNode::init()) return false;
    m_kind = kRecordKind;
    setContentSize(CCSizeMake(kRecordWidth, kRecordHeight));
    setAnchorPoint(ccp(0.5f, 0.5f));
    addPicture(record.goodsImg, ccp(kRecordWidth / 2, kRecordHeight - kPictureHeight / 2));

    if (record.goodsNum < 0) ClientLog::write("account book: order %d of %d pieces", record.orderId, record.goodsNum);
    m_caption = CCLabelBMFont::create(LocalText::instance().text("GouMaiNum").c_str(), "Chinese.fnt");
    if (m_caption) {
        m_caption->setScale(kCaptionScale);
        addChild(m_caption, 2);
    }
    m_number = CCLabelBMFont::create(std::to_string(record.goodsNum).c_str(), "NumFont.fnt");
    if (m_number) {
        m_number->setScale(0.7f);
        addChild(m_number, 2);
    }
    centreRow(m_caption, m_caption ? m_caption->boundingBox().size.width : 0, m_number, 16);
    return true;
}
