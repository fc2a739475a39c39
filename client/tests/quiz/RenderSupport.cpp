#include "quiz/RenderSupport.h"

#include "platform/CCEGLView.h"
#include "platform/CCImage.h"
#include "render/GLRenderer.h"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <filesystem>

USING_NS_CC;

namespace test_support {

ccColor3B Frame::at(int x, int y) const {
    const std::size_t i =
        (static_cast<std::size_t>(kHeight - 1 - y) * kWidth + static_cast<std::size_t>(x)) * 4;
    return ccColor3B{rgba[i], rgba[i + 1], rgba[i + 2]};
}

bool Frame::dark(int x, int y) const {
    const ccColor3B c = at(x, y);
    return c.r < 40 && c.g < 40 && c.b < 40;
}

int Frame::differences(const Frame& other, int left, int bottom, int right, int top, int threshold) const {
    int count = 0;
    for (int y = bottom; y < top; y += 2) {
        for (int x = left; x < right; x += 2) {
            if (colourDistance(at(x, y), other.at(x, y)) > threshold) count += 1;
        }
    }
    return count;
}

int colourDistance(ccColor3B a, ccColor3B b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

GLRenderer* useOpenGL() {
    if (!SDL_getenv("SDL_VIDEODRIVER")) SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
    CCEGLView* view = CCEGLView::sharedOpenGLView();
    if (!view->isOpenGLReady()) return nullptr;
    Renderer::setCurrent(view->renderer());
    CCDirector::sharedDirector()->setOpenGLView(view);
    CCSpriteFrameCache::sharedSpriteFrameCache()->removeSpriteFrames();
    CCTextureCache::sharedTextureCache()->removeAllTextures();
    return view->renderer();
}

Frame shootScene(GLRenderer* gl, const std::string& name) {
    Frame frame;
    CCDirector* director = CCDirector::sharedDirector();
    CCScene* scene = director->getRunningScene();
    if (gl == nullptr || scene == nullptr) return frame;
    gl->setDesignSize(Frame::kWidth, Frame::kHeight);
    gl->beginFrame(director->getProjectionMatrix(), Frame::kWidth, Frame::kHeight, ccColor4F{0, 0, 0, 1});
    scene->visit();
    if (CCNode* overlay = director->getNotificationNode()) overlay->visit();
    gl->endFrame();
    gl->readPixels(0, 0, Frame::kWidth, Frame::kHeight, frame.rgba);
    const char* folder = std::getenv("BRINDLE_SHOT_DIR");
    if (folder && !name.empty()) {
        std::filesystem::create_directories(folder);
        CCImage image;
        if (image.initWithRawRGBA(frame.rgba.data(), Frame::kWidth, Frame::kHeight, true)) {
            image.saveToFile((std::string(folder) + "/" + name + ".png").c_str());
        }
    }
    return frame;
}

void QuizRenderTest::SetUp() {
    QuizScreenTest::SetUp();
    m_renderer = useOpenGL();
    if (m_renderer == nullptr) GTEST_SKIP() << "no GL context here (SDL_VIDEODRIVER=offscreen gives one)";
    loadSheets();
    enterPlay();
}

void QuizRenderTest::TearDown() {
    Renderer::setCurrent(nullptr);
    QuizScreenTest::TearDown();
}

} // namespace test_support
