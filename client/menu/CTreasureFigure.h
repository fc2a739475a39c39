// One treasure on the treasure screen: the animated figure inside a holder that walks (zodiac
// cards) or bobs (carrots), with its "X<count>" over it. The holder is what the screen moves,
// touches and removes; its box is the figure as drawn.
#pragma once

#include "cocos2d.h"

#include <functional>
#include <string>
#include <vector>

class CStrokeLabelTTF;

class CTreasureFigure : public cocos2d::CCSprite {
public:
    using Random = std::function<unsigned()>;

    // Null, with a log line, for a kind outside 1..14, a count below 1 or frames that cannot be cut.
    // The start point is drawn with random, away from the obstacles (boxes in the parent's space).
    static CTreasureFigure* create(int kind, int count, const std::vector<cocos2d::CCRect>& obstacles,
                                   Random random);

    // Where a figure of the drawn size starts: the first draw shifted by half the figure, and for
    // as long as an obstacle holds it, redrawn from that obstacle's number. The redraws are
    // bounded; after them the first free point of a coarse scan is taken, and when there is none
    // the last draw stands (logged).
    static cocos2d::CCPoint startPoint(const cocos2d::CCSize& figure, const std::vector<cocos2d::CCRect>& obstacles,
                                       const Random& random);
    // +2 walks right first, -2 left; a start at exactly 480 walks left.
    static int directionFor(float startX) { return startX < 480 ? 2 : -2; }

    static constexpr int kMaxRedraws = 64;
    static constexpr float kZodiacScale = 0.5f, kCarrotScale = 0.2f;
    static constexpr float kFrameDelay = 0.25f;

    int kind() const { return m_kind; }
    int count() const { return m_count; }
    int direction() const { return m_direction; }
    cocos2d::CCSprite* figure() const { return m_figure; }
    // Null for a count of 1.
    CStrokeLabelTTF* countLabel() const { return m_countLabel; }
    // "" for a count of 1.
    std::string countText() const;

private:
    bool initFigure(int kind, int count, const std::vector<cocos2d::CCRect>& obstacles, const Random& random);
    void startWalking();
    void startBobbing();
    void turn();
    void toggleTurn() { m_turned = !m_turned; }

    int m_kind = 0, m_count = 0, m_direction = 0;
    bool m_turned = false;
    cocos2d::CCSprite* m_figure = nullptr;
    CStrokeLabelTTF* m_countLabel = nullptr;
};
