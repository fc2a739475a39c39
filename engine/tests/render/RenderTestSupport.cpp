#include "RenderTestSupport.h"

#include <SDL2/SDL.h>

#include <memory>
#include <mutex>

#include "SampleFiles.h"
#include "base/CCConsole.h"
#include "director/CCDirector.h"
#include "nodes/CCNode.h"
#include "platform/CCEGLView.h"
#include "render/GLRenderer.h"

using namespace cocos2d;

namespace rendertest {

namespace {
std::vector<std::string> g_lines;
} // namespace

GLRenderer* glRenderer()
{
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (!SDL_getenv("SDL_VIDEODRIVER"))
            SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
        CCEGLView::sharedOpenGLView();
    }
    CCEGLView* view = CCEGLView::sharedOpenGLView();
    return view->isOpenGLReady() ? view->renderer() : nullptr;
}

void useGL()
{
    if (GLRenderer* r = glRenderer()) {
        Renderer::setCurrent(r);
        CCDirector::sharedDirector()->setOpenGLView(CCEGLView::sharedOpenGLView());
    }
}

void useNull()
{
    Renderer::setCurrent(nullptr);
}

ccColor4B Frame::at(int x, int y) const
{
    const int row = height - 1 - y;
    if (x < 0 || x >= width || row < 0 || row >= height)
        return ccColor4B{};
    const std::size_t i = (static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
    return ccColor4B{rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]};
}

Frame render(CCNode* root, ccColor4F clear)
{
    Frame f;
    GLRenderer* r = glRenderer();
    if (!r)
        return f;
    Renderer::setCurrent(r);
    CCDirector* director = CCDirector::sharedDirector();
    f.width = 960;
    f.height = 640;
    r->setDesignSize(960, 640);
    r->beginFrame(director->getProjectionMatrix(), f.width, f.height, clear);
    if (root)
        root->visit();
    r->endFrame();
    r->readPixels(0, 0, f.width, f.height, f.rgba);
    return f;
}

std::string samples(const std::string& relative)
{
    return brindle::samples::file(relative);
}

LogCapture::LogCapture()
{
    g_lines.clear();
    CCLogSetSink([](const std::string& line) { g_lines.push_back(line); });
}

LogCapture::~LogCapture()
{
    CCLogSetSink(nullptr);
}

bool LogCapture::contains(const std::string& part) const
{
    for (const std::string& l : g_lines)
        if (l.find(part) != std::string::npos)
            return true;
    return false;
}

const std::vector<std::string>& LogCapture::lines() const
{
    return g_lines;
}

} // namespace rendertest
