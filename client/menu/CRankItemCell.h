// One row of the weekly ranking: place, masked telephone number, nickname and score on a long
// button picture; the first three places carry the top-rank icon.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>

struct RankItem;

class CRankItemCell : public cocos2d::extension::CCTableViewCell {
public:
    static CRankItemCell* create();
    bool init() override;

    void fill(const RankItem& item);

    // The first three characters, "****", then the four from the eighth on: the last four of an
    // eleven-digit number. Shorter names keep what they have past the third character hidden;
    // characters are counted whole, so a multi-byte name is never cut inside one.
    static std::string maskedTel(const std::string& tel);

    cocos2d::CCSprite* topIcon() const { return m_topIcon; }
    cocos2d::CCLabelBMFont* rankLabel() const { return m_rank; }
    cocos2d::CCLabelTTF* telLabel() const { return m_tel; }
    cocos2d::CCLabelTTF* nameLabel() const { return m_name; }
    cocos2d::CCLabelBMFont* scoreLabel() const { return m_score; }

private:
    cocos2d::CCSprite* m_background = nullptr;
    cocos2d::CCSprite* m_topIcon = nullptr;
    cocos2d::CCLabelBMFont* m_rank = nullptr;
    cocos2d::CCLabelTTF* m_tel = nullptr;
    cocos2d::CCLabelTTF* m_name = nullptr;
    cocos2d::CCLabelBMFont* m_score = nullptr;
};
