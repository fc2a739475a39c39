// The application: director, design resolution, search paths and frame rate, then the logo scene.
#pragma once

#include "app/CommandLine.h"

#include "cocos2d.h"
#include "platform/CCApplication.h"

#include <map>
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
    // --screenshot, --tap and --quit-after, checked once per loop pass.
    void onLoop(double elapsed);
    // A left click at a design point, through the window's own event path.
    static void tapAt(float x, float y);

    // When a --tap or --screenshot falls due: its seconds after start, or after its scene first
    // showed; < 0 while that scene has not shown yet.
    double dueAt(double at, int scene) const;

    CommandLine m_options;
    std::vector<bool> m_screenshotsTaken;
    std::vector<bool> m_tapsDone;
    std::vector<bool> m_typingsDone;
    std::map<int, double> m_sceneFirstShown; // scene id -> seconds after start
    double m_sceneSeenAt = -1; // when --quit-on-scene's scene first showed
};
