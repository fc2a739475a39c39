// The platform services on Linux.
#pragma once

#include "app/Platform.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class LinuxPlatform : public Platform {
public:
    // Starts a program with its arguments, without a shell; false when it could not be started.
    using Spawner = std::function<bool(const std::vector<std::string>& argv)>;

    LinuxPlatform();
    ~LinuxPlatform() override;

    // The writable folder (user defaults, Ad.db, BrindleTemp/).
    void setUserDir(const std::string& dir) { m_userDir = dir; }
    const std::string& userDir() const { return m_userDir; }
    // The entry server's host: a loopback host counts as reachable without any adapter.
    void setEntryHost(const std::string& host) { m_entryHost = host; }
    void setSpawner(Spawner spawner) { m_spawner = std::move(spawner); }
    void setCloseHandler(std::function<void()> close) { m_close = std::move(close); }
    void setVideoPlayer(std::unique_ptr<VideoPlayer> player);

    std::string deviceIdentity() override;
    bool isNetworkAlive() override;
    std::string tempFolder() override;
    void clearFolder(const std::string& folder) override;
    void openUrl(const std::string& url) override;
    void closeGameWindow() override;
    VideoPlayer& videoPlayer() override;

    static bool isLoopbackHost(const std::string& host);
    // posix_spawnp with the environment of this process; the child is reaped in the background.
    static bool spawnDetached(const std::vector<std::string>& argv);

private:
    std::string m_userDir;
    std::string m_entryHost = "127.0.0.1";
    Spawner m_spawner;
    std::function<void()> m_close;
    std::unique_ptr<VideoPlayer> m_video;
};
