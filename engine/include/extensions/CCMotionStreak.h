// A fading ribbon behind a moving head (cocos2d-x 2.2). The node stays at (0,0) so its points are in
// the parent's space; setPosition only moves the head. Points fade over `fade` seconds; a new one is
// added when the head is at least minSeg from the last; at most fade x 60 + 2 points.
#pragma once

#include <vector>

#include "nodes/CCNodeRGBA.h"

namespace cocos2d {

class CCTexture2D;

class CCMotionStreak : public CCNodeRGBA {
public:
    static CCMotionStreak* create(float fade, float minSeg, float stroke, const ccColor3B& color, const char* path);
    static CCMotionStreak* create(float fade, float minSeg, float stroke, const ccColor3B& color, CCTexture2D* texture);
    ~CCMotionStreak() override;
    bool initWithFade(float fade, float minSeg, float stroke, const ccColor3B& color, CCTexture2D* texture);

    void setPosition(const CCPoint& position) override;
    void setPosition(float x, float y) override { setPosition(CCPoint(x, y)); }
    void tintWithColor(ccColor3B colors);
    void reset();
    bool isFastMode() const { return m_fastMode; }
    void setFastMode(bool fastMode) { m_fastMode = fastMode; }
    bool isStartingPositionInitialized() const { return m_startingPositionInitialized; }
    CCTexture2D* getTexture() const { return m_texture; }
    std::size_t pointCount() const { return m_points.size(); }

    void onEnter() override;
    void onExit() override;
    void update(float dt) override;
    void draw() override;

private:
    struct Point {
        CCPoint position;
        float strength;
        ccColor3B color;
    };
    CCTexture2D* m_texture = nullptr;
    std::vector<Point> m_points;
    CCPoint m_head;
    float m_fadeDelta = 0, m_minSeg = 0, m_stroke = 0;
    std::size_t m_maxPoints = 0;
    bool m_startingPositionInitialized = false;
    bool m_fastMode = false;
};

} // namespace cocos2d
