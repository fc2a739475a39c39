// A contest's countdown: before the start the time until it, while it runs the time until its
// end, then "ended". Built from the schedule's three 14-digit times (start, the server's clock
// when it answered, end); it counts on from the server's clock with the engine's time, so the
// player's own clock plays no part.
#pragma once

#include "cocos2d.h"

#include <string>

class CCountDownLabel : public cocos2d::CCNode {
public:
    enum State { kWaiting = 0, kOpeningSoon = 1, kRunning = 2, kEnded = 3 };

    static CCountDownLabel* create(const std::string& startTime, const std::string& serverTime,
                                   const std::string& endTime);
    bool init(const std::string& startTime, const std::string& serverTime, const std::string& endTime);

    int state() const { return m_state; }
    std::string text() const;
    cocos2d::CCLabelBMFont* label() const { return m_label; }
    // Whole seconds from the clock the label shows to the start; 0 or less once it has started.
    long long secondsToStart() const;

    // Seconds since the epoch of a "YYYYMMDDhhmmss" text; -1 when it is not one.
    static long long parseTime(const std::string& text);

    static constexpr long long kOpeningSoonSeconds = 900;

private:
    using cocos2d::CCNode::init;
    void tick(float dt);
    void refresh();

    long long m_start = 0, m_end = 0;
    double m_now = 0;
    int m_state = kEnded;
    cocos2d::CCLabelBMFont* m_label = nullptr;
};
