// The application: director, design resolution, search paths and frame rate, then the logo scene.
#pragma once

#include "app/CommandLine.h"

#include "cocos2d.h"
#include "platform/CCApplication.h"

#include <vector>

class AppDelegate : public cocos2d::CCApplication {
public:
    explicit AppDelegate(CommandLine options = {});
    ~AppDelegate() override;

    bool applicationDidFinishLaunching() override;
    void applicationDidEnterBackground() override;
    void applicationWillEnterForeground() override;

    // In search order.
    static const std::vector<std::string>& searchPaths();
    static constexpr float kDesignWidth = 960;
    static constexpr float kDesignHeight = 640;

private:
    // --screenshot and --quit-after, checked once per loop pass.
    void onLoop(double elapsed);

    CommandLine m_options;
    bool m_screenshotTaken = false;
};
