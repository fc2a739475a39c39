// The process's application object: run() pumps window events and calls the director's mainLoop
// once per animation interval until the director ends or the window closes.
#pragma once

#include <functional>

#include "platform/CCApplicationProtocol.h"

namespace cocos2d {

class CCApplication : public CCApplicationProtocol {
public:
    CCApplication();
    ~CCApplication() override;
    static CCApplication* sharedApplication();

    int run();
    void setAnimationInterval(double interval) override;
    double getAnimationInterval() const { return m_interval; }
    // From LANG / LC_ALL / LC_MESSAGES: "zh..." is Chinese, and so on; English otherwise.
    ccLanguageType getCurrentLanguage() override;
    TargetPlatform getTargetPlatform() override { return kTargetLinux; }

    // Called once per loop pass before the frame, with seconds since run() started (tools use it
    // for timed screenshots and quitting).
    void setLoopHook(std::function<void(double elapsed)> hook) { m_loopHook = std::move(hook); }

    // Maps a locale string such as "zh_CN.UTF-8" to the language (exposed for tests).
    static ccLanguageType languageFromLocale(const char* locale);

private:
    double m_interval = 1.0 / 60.0;
    std::function<void(double)> m_loopHook;
};

} // namespace cocos2d
