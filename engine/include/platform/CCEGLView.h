// The SDL2 window with its OpenGL context: 960 x 640 by default, resizable, exact-fit design
// resolution. pollEvents() turns window input into engine input: the left mouse button is touch 0
// (moves only while held), Escape the back key, the wheel notches of 120, typed text and
// Backspace/Enter go to CCTextInputRouter, minimise/restore to the application, close to end().
#pragma once

#include <functional>
#include <string>

#include "director/CCEGLViewProtocol.h"

struct SDL_Window;
union SDL_Event;

namespace cocos2d {

class GLRenderer;

class CCEGLView : public CCEGLViewProtocol {
public:
    // Creates the window and context on first use; check isOpenGLReady().
    static CCEGLView* sharedOpenGLView();
    // Closes the window and forgets the view (tests create a fresh one afterwards).
    static void purgeSharedOpenGLView();
    ~CCEGLView() override;

    void end() override;
    bool isOpenGLReady() override { return m_context != nullptr; }
    void swapBuffers() override;
    void setIMEKeyboardState(bool open) override;
    void setFrameSize(float width, float height) override;
    void setDesignResolutionSize(float width, float height, ResolutionPolicy policy) override;
    void setViewName(const char* name) override;
    void setScissorInPoints(float x, float y, float w, float h) override;
    bool isScissorEnabled() override;

    // Handles every pending window event; false once the window has been closed.
    bool pollEvents();
    void handleEvent(const SDL_Event& event);
    bool isEnded() const { return m_ended; }

    // Saves the back buffer now (after drawing, before the swap) as PNG.
    bool saveScreenshot(const std::string& path);
    // Saves at the next swapBuffers, i.e. the frame being drawn.
    void requestScreenshot(const std::string& path) { m_pendingScreenshot = path; }

    GLRenderer* renderer() { return m_renderer; }
    SDL_Window* window() { return m_window; }

    // Window minimised / restored (CCApplication plugs its delegate in here).
    void setLifecycleHandlers(std::function<void()> didEnterBackground, std::function<void()> willEnterForeground);

private:
    CCEGLView();
    bool create(int width, int height);
    void refreshFrameSize();
    void mouseToFrame(int x, int y, float& fx, float& fy) const;

    SDL_Window* m_window = nullptr;
    void* m_context = nullptr;
    GLRenderer* m_renderer = nullptr;
    bool m_ended = false;
    bool m_mouseDown = false;
    bool m_minimised = false;
    std::string m_pendingScreenshot;
    std::function<void()> m_didEnterBackground;
    std::function<void()> m_willEnterForeground;
};

} // namespace cocos2d
