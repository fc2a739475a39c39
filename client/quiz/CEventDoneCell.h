// One row of the events screen: the event's title, its description and the join button.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"
#include "net/ResponseRecords.h"

class CEventLayer;

class CEventDoneCell : public cocos2d::extension::CCTableViewCell {
public:
    static CEventDoneCell* create(CEventLayer* owner);

    void fill(const EventItem& event);
    // The join button's callback.
    void join(cocos2d::CCObject* sender);

    int eventId() const { return m_eventId; }
    cocos2d::CCLabelTTF* titleLabel() const { return m_title; }
    cocos2d::CCLabelTTF* descLabel() const { return m_desc; }
    cocos2d::CCMenuItemSprite* joinButton() const { return m_button; }
    cocos2d::CCLabelTTF* joinLabel() const { return m_buttonLabel; }

    static constexpr float kWidth = 750, kHeight = 225;

private:
    bool build(CEventLayer* owner);

    int m_eventId = 0;
    CEventLayer* m_owner = nullptr; // the layer owns the table that owns this cell
    cocos2d::CCLabelTTF* m_title = nullptr;
    cocos2d::CCLabelTTF* m_desc = nullptr;
    cocos2d::CCMenuItemSprite* m_button = nullptr;
    cocos2d::CCLabelTTF* m_buttonLabel = nullptr;
};
