#include "app/FileSystemTools.h"
#include "app/LinuxPlatform.h"
#include "app/VideoPlayer.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class PlatformServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() / ("brindle-platform-" + std::to_string(::getpid()));
        fs::remove_all(m_root);
        fs::create_directories(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }
    static void touch(const fs::path& path) { std::ofstream(path) << "x"; }

    fs::path m_root;
};

TEST_F(PlatformServicesTest, MakeDirectoriesCreatesEveryFolderAlongThePath) {
    EXPECT_EQ(FileSystemTools::makeDirectories(""), 0);
    const fs::path deep = m_root / "a" / "b" / "c";
    EXPECT_EQ(FileSystemTools::makeDirectories(deep.string() + "/"), 1);
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_EQ(FileSystemTools::makeDirectories(deep.string()), 1); // exists already
    touch(m_root / "file");
    EXPECT_EQ(FileSystemTools::makeDirectories((m_root / "file" / "sub").string()), 0);
}

TEST_F(PlatformServicesTest, ClearFolderEmptiesButKeepsTheFolderAndSpecialFiles) {
    touch(m_root / "one.png");
    fs::create_directories(m_root / "sub" / "deeper");
    touch(m_root / "sub" / "deeper" / "two.mp3");
    fs::create_symlink("/etc/hostname", m_root / "link");
    ASSERT_EQ(::mkfifo((m_root / "pipe").c_str(), 0600), 0);
    EXPECT_TRUE(FileSystemTools::clearFolder(m_root.string()));
    EXPECT_TRUE(fs::is_directory(m_root));
    EXPECT_FALSE(fs::exists(m_root / "one.png"));
    EXPECT_FALSE(fs::exists(m_root / "sub"));
    EXPECT_FALSE(fs::is_symlink(m_root / "link"));
    EXPECT_TRUE(fs::exists("/etc/hostname")); // links are removed, never followed
    EXPECT_TRUE(fs::exists(m_root / "pipe"));
}

TEST_F(PlatformServicesTest, TempFolderLivesInTheUserFolder) {
    LinuxPlatform platform;
    platform.setUserDir(m_root.string());
    EXPECT_EQ(platform.tempFolder(), m_root.string() + "/BrindleTemp/");
    EXPECT_TRUE(fs::is_directory(m_root / "BrindleTemp"));
    touch(m_root / "blocker");
    platform.setUserDir((m_root / "blocker").string());
    EXPECT_EQ(platform.tempFolder(), "");
}

TEST_F(PlatformServicesTest, OpenUrlStartsXdgOpenWithoutAShell) {
    LinuxPlatform platform;
    std::vector<std::vector<std::string>> started;
    platform.setSpawner([&](const std::vector<std::string>& argv) {
        started.push_back(argv);
        return true;
    });
    platform.openUrl("");
    EXPECT_TRUE(started.empty());
    platform.openUrl("http://example.org/a b;rm -rf /");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0], (std::vector<std::string>{"xdg-open", "http://example.org/a b;rm -rf /"}));
}

TEST_F(PlatformServicesTest, LoopbackEntryCountsAsANetwork) {
    for (const char* host : {"127.0.0.1", "127.1.2.3", "localhost", "::1"}) {
        EXPECT_TRUE(LinuxPlatform::isLoopbackHost(host)) << host;
    }
    for (const char* host : {"10.0.0.1", "128.0.0.1", "example.org", ""}) {
        EXPECT_FALSE(LinuxPlatform::isLoopbackHost(host)) << host;
    }
    LinuxPlatform platform;
    platform.setEntryHost("127.0.0.1");
    EXPECT_TRUE(platform.isNetworkAlive());
}

TEST_F(PlatformServicesTest, FixedAnswers) {
    LinuxPlatform platform;
    EXPECT_EQ(clientVersion(), "2.2.2");
    EXPECT_EQ(platform.locationLatitude(), 0.0);
    EXPECT_EQ(platform.locationLongitude(), 0.0);
    EXPECT_EQ(platform.locationCity(), "");
    int closes = 0;
    platform.setCloseHandler([&] { closes += 1; });
    platform.closeGameWindow();
    EXPECT_EQ(closes, 1);
}

TEST_F(PlatformServicesTest, TwoVideosInARowLeaveOnePlayer) {
    LinuxPlatform platform;
    VideoPlayer& video = platform.videoPlayer();
    EXPECT_FALSE(video.hasPlayer());
    video.pauseVideo(true); // nothing without a player
    video.playVideo("/nowhere/a.mp4");
    video.playVideo("/nowhere/b.mp4");
    video.stopVideo();
    EXPECT_FALSE(video.hasPlayer());
}

} // namespace
