// The SDL event pump of CCEGLView.
#include <SDL2/SDL.h>

#include <cstring>

#include "director/CCDirector.h"
#include "platform/CCEGLView.h"
#include "render/GLRenderer.h"
#include "touch/CCKeypadDispatcher.h"
#include "touch/CCMouseWheelDispatcher.h"
#include "touch/CCTextInputRouter.h"

namespace cocos2d {

bool CCEGLView::pollEvents()
{
    SDL_Event event;
    while (m_window && SDL_PollEvent(&event))
        handleEvent(event);
    return !m_ended;
}

void CCEGLView::mouseToFrame(int x, int y, float& fx, float& fy) const
{
    // Window coordinates can differ from drawable pixels on scaled displays.
    int ww = 0, wh = 0;
    SDL_GetWindowSize(m_window, &ww, &wh);
    fx = ww > 0 ? static_cast<float>(x) * m_frameSize.width / static_cast<float>(ww) : static_cast<float>(x);
    fy = wh > 0 ? static_cast<float>(y) * m_frameSize.height / static_cast<float>(wh) : static_cast<float>(y);
}

void CCEGLView::handleEvent(const SDL_Event& event)
{
    CCDirector* director = CCDirector::sharedDirector();
    int id = 0;
    float fx = 0, fy = 0;
    switch (event.type) {
    case SDL_QUIT:
        director->end();
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            director->end();
        } else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            refreshFrameSize();
        } else if (event.window.event == SDL_WINDOWEVENT_MINIMIZED) {
            m_minimised = true;
            if (m_didEnterBackground)
                m_didEnterBackground();
        } else if (event.window.event == SDL_WINDOWEVENT_RESTORED && m_minimised) {
            m_minimised = false;
            if (m_willEnterForeground)
                m_willEnterForeground();
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button != SDL_BUTTON_LEFT || m_mouseDown)
            break;
        mouseToFrame(event.button.x, event.button.y, fx, fy);
        if (!m_viewPortRect.containsPoint(CCPoint(fx, fy)))
            break;
        m_mouseDown = true;
        SDL_CaptureMouse(SDL_TRUE);
        handleTouchesBegin(1, &id, &fx, &fy);
        break;
    case SDL_MOUSEMOTION:
        if (!m_mouseDown)
            break;
        mouseToFrame(event.motion.x, event.motion.y, fx, fy);
        handleTouchesMove(1, &id, &fx, &fy);
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button != SDL_BUTTON_LEFT || !m_mouseDown)
            break;
        m_mouseDown = false;
        SDL_CaptureMouse(SDL_FALSE);
        mouseToFrame(event.button.x, event.button.y, fx, fy);
        handleTouchesEnd(1, &id, &fx, &fy);
        break;
    case SDL_MOUSEWHEEL: {
        int notches = event.wheel.y;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED)
            notches = -notches;
        CCMouseWheelDispatcher* wheel = director->getMouseWheelDispatcher();
        for (int i = 0; wheel && i < (notches < 0 ? -notches : notches); ++i)
            wheel->dispatchWheel(notches > 0 ? kCCMouseWheelNotch : -kCCMouseWheelNotch);
        break;
    }
    case SDL_KEYDOWN: {
        const SDL_Keycode key = event.key.keysym.sym;
        const bool shift = (event.key.keysym.mod & KMOD_SHIFT) != 0;
        CCKeypadDispatcher* keypad = director->getKeypadDispatcher();
        if (key == SDLK_ESCAPE || (shift && key == SDLK_F1)) {
            if (keypad && !event.key.repeat)
                keypad->dispatchKeypadMSG(kTypeBackClicked);
        } else if (shift && key == SDLK_F2) {
            if (keypad && !event.key.repeat)
                keypad->dispatchKeypadMSG(kTypeMenuClicked);
        } else if (key == SDLK_BACKSPACE) {
            CCTextInputRouter::deleteBackward();
        } else if (key == SDLK_RETURN || key == SDLK_KP_ENTER) {
            CCTextInputRouter::insertText("\n", 1);
        }
        break;
    }
    case SDL_TEXTINPUT:
        CCTextInputRouter::insertText(event.text.text, static_cast<int>(std::strlen(event.text.text)));
        break;
    default:
        break;
    }
}

} // namespace cocos2d
