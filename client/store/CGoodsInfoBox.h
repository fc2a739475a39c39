// The details of one account-book entry, over the account book: the order box (telephone and
// account credit: order number, amount in yuan, time, goods) or the delivery box (posted goods:
// receiver, dispatch code, supplier). Like a message box it takes every touch while it is up and
// goes away with its close button.
#pragma once

#include "net/ResponseRecords.h"

#include "cocos2d.h"

#include <string>
#include <vector>

class CGoodsInfoBox : public cocos2d::CCLayer {
public:
    // Null (and logged) for a record whose show type has no box.
    static CGoodsInfoBox* create(const BuyRecord& record);

    // Hundredths of a yuan as "yuan.cents": 105 -> "1.05", 1200 -> "12.00".
    static std::string yuanText(int hundredths);
    // "2026-12-09 14:05"; parts that are no date or time are shown as the digits that came.
    static std::string timeText(int date, int hourMin);

    int showType() const { return m_showType; }
    // The box's text lines, top to bottom, as shown (caption and value together).
    const std::vector<std::string>& lines() const { return m_lines; }
    cocos2d::CCSprite* closeButton() const { return m_close; }
    cocos2d::CCSprite* background() const { return m_background; }

    static constexpr int kOrderBox = 2, kDeliveryBox = 1;
    static constexpr int kTouchPriority = -1281;

    void onEnter() override;
    void onExit() override;
    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

private:
    bool initWith(const BuyRecord& record);
    void addLine(const std::string& caption, const std::string& value);
    void layOutLines();

    int m_showType = 0;
    std::vector<std::string> m_lines;
    std::vector<cocos2d::CCLabelTTF*> m_labels;
    cocos2d::CCSprite* m_background = nullptr;
    cocos2d::CCSprite* m_close = nullptr;
    cocos2d::CCLabelTTF* m_titleLabel = nullptr;
};
