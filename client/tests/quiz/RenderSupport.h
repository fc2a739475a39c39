// Real drawing for the tests that look at pixels: the offscreen OpenGL context, a frame of the
// running scene at the game's 960 x 640, and the frame saved as NAME.png under BRINDLE_SHOT_DIR
// when that is set, for a person to look at.
#pragma once

#include "quiz/QuizScreenSupport.h"

#include <string>
#include <vector>

namespace cocos2d { class GLRenderer; }

namespace test_support {

struct Frame {
    static constexpr int kWidth = 960, kHeight = 640;
    std::vector<unsigned char> rgba; // rows top to bottom

    // y up, as the game places things.
    cocos2d::ccColor3B at(int x, int y) const;
    bool dark(int x, int y) const;
    // Pixels of the box whose colour differs from the other frame's by more than `threshold`
    // (summed over the channels), probed every second pixel.
    int differences(const Frame& other, int left, int bottom, int right, int top, int threshold = 60) const;
};

// The three channels' differences, summed.
int colourDistance(cocos2d::ccColor3B a, cocos2d::ccColor3B b);

// Switches drawing to OpenGL; null without an OpenGL context (the offscreen video driver gives one
// and is chosen when none is named). Pictures loaded before hold no GL texture, so the caches are
// emptied: load the sheets again once the search paths are in place (loadSheets()).
cocos2d::GLRenderer* useOpenGL();
// Draws the running scene and over it the director's overlay (the film window), as the director
// does. Empty without a renderer; nothing is saved for an empty name.
Frame shootScene(cocos2d::GLRenderer* gl, const std::string& name);

// A question screen test drawn for real, on the play scene. Skips without an OpenGL context.
class QuizRenderTest : public QuizScreenTest {
protected:
    void SetUp() override;
    void TearDown() override;
    Frame shot(const std::string& name) { return shootScene(m_renderer, name); }

    cocos2d::GLRenderer* m_renderer = nullptr;
};

} // namespace test_support
