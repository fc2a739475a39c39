#include "platform/CCEGLView.h"

#include <SDL2/SDL.h>

#include "base/CCConsole.h"
#include "render/GLIncludes.h"
#include "render/GLRenderer.h"

namespace cocos2d {

namespace {
CCEGLView* g_view = nullptr;
} // namespace

CCEGLView* CCEGLView::sharedOpenGLView()
{
    if (!g_view) {
        g_view = new CCEGLView();
        g_view->create(960, 640);
    }
    return g_view;
}

void CCEGLView::purgeSharedOpenGLView()
{
    delete g_view;
    g_view = nullptr;
}

CCEGLView::CCEGLView()
{
    m_viewName = "Brindle";
}

CCEGLView::~CCEGLView()
{
    end();
}

bool CCEGLView::create(int width, int height)
{
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        CCLog("CCEGLView: SDL video does not start: %s", SDL_GetError());
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    // SDL counts its loads of the GL library and unloads it (eglTerminate, dlclose) with the last GL
    // window. Mesa keeps blocks from its start-up and from compiling the first draw's shaders in its
    // own globals for good; once the driver is unmapped nothing points at them any more and the
    // leak checker blames our binary for them. One load of our own that is never undone keeps the
    // driver mapped until the process ends, so they stay reachable like any other static data.
    static const bool driverKeptLoaded = SDL_GL_LoadLibrary(nullptr) == 0;
    if (!driverKeptLoaded)
        CCLog("CCEGLView: no GL library: %s", SDL_GetError());
    m_window = SDL_CreateWindow(m_viewName.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE);
    if (!m_window) {
        CCLog("CCEGLView: cannot open a window: %s", SDL_GetError());
        return false;
    }
    m_context = SDL_GL_CreateContext(m_window);
    if (!m_context) {
        // Some drivers refuse a stencil or depth size; try the plainest context before giving up.
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
        m_context = SDL_GL_CreateContext(m_window);
    }
    if (!m_context) {
        CCLog("CCEGLView: no OpenGL context: %s", SDL_GetError());
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
        return false;
    }
    SDL_GL_MakeCurrent(m_window, m_context);
    SDL_GL_SetSwapInterval(1);
    m_renderer = new GLRenderer();
    if (!m_renderer->init()) {
        CCLog("CCEGLView: the renderer does not start");
        delete m_renderer;
        m_renderer = nullptr;
        SDL_GL_DeleteContext(m_context);
        m_context = nullptr;
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
        return false;
    }
    Renderer::setCurrent(m_renderer);
    refreshFrameSize();
    return true;
}

void CCEGLView::refreshFrameSize()
{
    if (!m_window)
        return;
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(m_window, &w, &h);
    m_frameSize = CCSize(static_cast<float>(w), static_cast<float>(h));
    updateDesignResolution();
    if (m_renderer)
        m_renderer->setDesignSize(m_designResolutionSize.width, m_designResolutionSize.height);
}

void CCEGLView::end()
{
    if (m_renderer) {
        if (Renderer::current() == m_renderer)
            Renderer::setCurrent(nullptr);
        delete m_renderer;
        m_renderer = nullptr;
    }
    if (m_context) {
        SDL_GL_DeleteContext(m_context);
        m_context = nullptr;
    }
    if (m_window) {
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
    }
    m_ended = true;
}

void CCEGLView::swapBuffers()
{
    if (!m_window)
        return;
    if (!m_pendingScreenshot.empty()) {
        saveScreenshot(m_pendingScreenshot);
        m_pendingScreenshot.clear();
    }
    SDL_GL_SwapWindow(m_window);
}

bool CCEGLView::saveScreenshot(const std::string& path)
{
    if (!m_renderer)
        return false;
    const bool ok = m_renderer->saveScreenshot(path);
    if (ok)
        CCLog("screenshot saved to %s", path.c_str());
    return ok;
}

void CCEGLView::setIMEKeyboardState(bool open)
{
    if (open)
        SDL_StartTextInput();
    else
        SDL_StopTextInput();
}

void CCEGLView::setFrameSize(float width, float height)
{
    if (m_window)
        SDL_SetWindowSize(m_window, static_cast<int>(width), static_cast<int>(height));
    m_frameSize = CCSize(width, height);
    refreshFrameSize();
}

void CCEGLView::setDesignResolutionSize(float width, float height, ResolutionPolicy policy)
{
    CCEGLViewProtocol::setDesignResolutionSize(width, height, policy);
    if (m_renderer)
        m_renderer->setDesignSize(width, height);
}

void CCEGLView::setViewName(const char* name)
{
    CCEGLViewProtocol::setViewName(name);
    if (m_window)
        SDL_SetWindowTitle(m_window, m_viewName.c_str());
}

void CCEGLView::setScissorInPoints(float x, float y, float w, float h)
{
    if (m_renderer)
        m_renderer->enableScissor(x, y, w, h);
}

bool CCEGLView::isScissorEnabled()
{
    return m_renderer && m_renderer->scissorEnabled();
}

void CCEGLView::setLifecycleHandlers(std::function<void()> didEnterBackground,
                                     std::function<void()> willEnterForeground)
{
    m_didEnterBackground = std::move(didEnterBackground);
    m_willEnterForeground = std::move(willEnterForeground);
}

} // namespace cocos2d
