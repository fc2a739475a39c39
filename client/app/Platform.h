// The services the game needs of the operating system, behind one interface so tests can put
// their own in place. LinuxPlatform is the real one.
#pragma once

#include <memory>
#include <string>

class VideoPlayer;

class Platform {
public:
    virtual ~Platform() = default;

    // The installed platform; a LinuxPlatform with default settings until one is installed.
    static Platform& current();
    // Takes ownership; returns the previous one (tests put it back).
    static std::unique_ptr<Platform> install(std::unique_ptr<Platform> platform);

    // Sent as "mac": adapter address, volume serial and disk serial, concatenated.
    virtual std::string deviceIdentity() = 0;
    virtual bool isNetworkAlive() = 0;
    // With a trailing "/"; "" when it cannot be made.
    virtual std::string tempFolder() = 0;
    virtual void clearFolder(const std::string& folder) = 0;
    virtual void openUrl(const std::string& url) = 0;
    virtual void closeGameWindow() = 0;
    virtual double locationLatitude() { return 0.0; }
    virtual double locationLongitude() { return 0.0; }
    virtual std::string locationCity() { return ""; }
    virtual VideoPlayer& videoPlayer() = 0;
};

// "2.2.2": sent in the version check and shown by the settings panel.
std::string clientVersion();
