// Shared by the render-side tests: the offscreen window (one per process), drawing a node tree into
// the back buffer and probing pixels, and the sample files folder.
#pragma once

#include <string>
#include <vector>

#include "SampleFiles.h"
#include "base/ccTypes.h"

namespace cocos2d {
class CCNode;
class GLRenderer;
} // namespace cocos2d

namespace rendertest {

// Creates the offscreen window on first use; null when no GL context can be had.
cocos2d::GLRenderer* glRenderer();
// Makes the GL renderer current again (engine resets install the null one).
void useGL();
void useNull();

struct Frame {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba; // rows top to bottom
    // Pixel at design point (x, y), origin bottom left (the window is 960 x 640 = design size).
    cocos2d::ccColor4B at(int x, int y) const;
};

// Clears to `clear`, visits root with the director's projection, ends the frame, reads it back.
Frame render(cocos2d::CCNode* root, cocos2d::ccColor4F clear = {0, 0, 0, 1});

// A path inside the third-party samples; tests using it start with SKIP_WITHOUT_SAMPLES().
std::string samples(const std::string& relative);

// Lines the engine logged while the object lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    bool contains(const std::string& part) const;
    const std::vector<std::string>& lines() const;
};

} // namespace rendertest
