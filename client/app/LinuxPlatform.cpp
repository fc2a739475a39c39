#include "app/LinuxPlatform.h"

#include "app/ClientLog.h"
#include "app/DeviceIdentity.h"
#include "app/FileSystemTools.h"
#include "app/VideoPlayer.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

// Until a real player is installed: keeps the player's state so callers behave the same.
class NoVideoPlayer : public VideoPlayer {
public:
    void playVideo(const std::string& path) override {
        ClientLog::write("video %s: no video output on this build", path.c_str());
        m_hasPlayer = true;
    }
    void pauseVideo(bool) override {}
    void stopVideo() override { m_hasPlayer = false; }
    bool hasPlayer() const override { return m_hasPlayer; }

private:
    bool m_hasPlayer = false;
};

std::unique_ptr<Platform>& installed() {
    static std::unique_ptr<Platform> platform;
    return platform;
}

} // namespace

std::string clientVersion() { return "2.2.2"; }

Platform& Platform::current() {
    if (!installed()) {
        installed() = std::make_unique<LinuxPlatform>();
    }
    return *installed();
}

std::unique_ptr<Platform> Platform::install(std::unique_ptr<Platform> platform) {
    std::unique_ptr<Platform> previous = std::move(installed());
    installed() = std::move(platform);
    return previous;
}

LinuxPlatform::LinuxPlatform() : m_spawner(&LinuxPlatform::spawnDetached), m_video(new NoVideoPlayer) {}

LinuxPlatform::~LinuxPlatform() = default;

void LinuxPlatform::setVideoPlayer(std::unique_ptr<VideoPlayer> player) {
    if (m_video) {
        m_video->stopVideo();
    }
    m_video = std::move(player);
}

std::string LinuxPlatform::deviceIdentity() { return DeviceIdentity::read(); }

bool LinuxPlatform::isLoopbackHost(const std::string& host) {
    if (host == "localhost" || host == "::1") {
        return true;
    }
    in_addr address{};
    return ::inet_pton(AF_INET, host.c_str(), &address) == 1 && (ntohl(address.s_addr) >> 24) == 127;
}

bool LinuxPlatform::isNetworkAlive() {
    if (isLoopbackHost(m_entryHost)) {
        return true;
    }
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) {
        return false;
    }
    bool alive = false;
    for (ifaddrs* it = list; it != nullptr && !alive; it = it->ifa_next) {
        const unsigned flags = it->ifa_flags;
        alive = !(flags & IFF_LOOPBACK) && (flags & IFF_UP) && (flags & IFF_RUNNING);
    }
    ::freeifaddrs(list);
    return alive;
}

std::string LinuxPlatform::tempFolder() {
    std::string base = m_userDir.empty() ? std::string(".") : m_userDir;
    if (base.back() != '/') {
        base.push_back('/');
    }
    const std::string folder = base + "BrindleTemp/";
    return FileSystemTools::makeDirectories(folder) ? folder : std::string();
}

void LinuxPlatform::clearFolder(const std::string& folder) { FileSystemTools::clearFolder(folder); }

void LinuxPlatform::openUrl(const std::string& url) {
    if (url.empty()) {
        return;
    }
    if (!m_spawner({"xdg-open", url})) {
        ClientLog::write("could not start xdg-open for %s", url.c_str());
    }
}

void LinuxPlatform::closeGameWindow() {
    if (m_close) {
        m_close();
    }
}

VideoPlayer& LinuxPlatform::videoPlayer() { return *m_video; }

bool LinuxPlatform::spawnDetached(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return false;
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawnp(&child, args[0], nullptr, nullptr, args.data(), environ) != 0) {
        return false;
    }
    std::thread([child] {
        int status = 0;
        ::waitpid(child, &status, 0);
    }).detach();
    return true;
}
