// One achievement row of the task screen: icon, name, description, progress "do/done", and on
// the finished tab the claim button ("Get" until the prize is taken, then "AchieveGot").
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"
#include "net/ResponseRecords.h"

class CTaskLayer;

class CDoneAchieveCell : public cocos2d::extension::CCTableViewCell {
public:
    static CDoneAchieveCell* create(CTaskLayer* owner);

    // claimable: the finished tab is shown; claimPending: a claim of this id is on its way already.
    void fill(const AchievementItem& entry, bool finishedTab, bool claimPending);
    // The claim button's callback.
    void claim(cocos2d::CCObject* sender);

    int achievementId() const { return m_id; }
    const AchievementItem& entry() const { return m_entry; }
    cocos2d::CCSprite* icon() const { return m_icon; }
    cocos2d::CCLabelTTF* nameLabel() const { return m_name; }
    cocos2d::CCLabelTTF* descLabel() const { return m_desc; }
    cocos2d::CCLabelBMFont* progressLabel() const { return m_progress; }
    cocos2d::CCMenuItemSprite* claimItem() const { return m_claimItem; }
    cocos2d::CCLabelBMFont* claimCaption() const { return m_caption; }
    cocos2d::CCNode* shareButton() const { return m_share; }

    static constexpr float kWidth = 770, kHeight = 100;

private:
    bool build(CTaskLayer* owner);
    void setIcon(const std::string& frameName);

    int m_id = 0;
    AchievementItem m_entry;
    CTaskLayer* m_owner = nullptr; // the layer owns the table that owns this cell
    cocos2d::CCSprite* m_icon = nullptr;
    cocos2d::CCLabelTTF* m_name = nullptr;
    cocos2d::CCLabelTTF* m_desc = nullptr;
    cocos2d::CCLabelBMFont* m_progress = nullptr;
    cocos2d::CCMenuItemSprite* m_claimItem = nullptr;
    cocos2d::CCLabelBMFont* m_caption = nullptr;
    cocos2d::CCNode* m_share = nullptr;
};
