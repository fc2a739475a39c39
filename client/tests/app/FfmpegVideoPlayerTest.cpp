#include "app/FfmpegVideoPlayer.h"
#include "support/TestSupport.h"

#include "testing/EngineTesting.h"

#include <cstdlib>
#include <filesystem>

USING_NS_CC;
using test_support::ClientTest;

namespace {

class FfmpegVideoPlayerTest : public ClientTest {
protected:
    int pictures() {
        CCNode* parent = CCDirector::sharedDirector()->getNotificationNode();
        return parent && parent->getChildren() ? static_cast<int>(parent->getChildren()->count()) : 0;
    }
    // A one-second test clip, made with the ffmpeg program when it is installed.
    std::string makeClip() {
        const std::string path = m_folder + "clip.mp4";
        const std::string command = "ffmpeg -loglevel error -y -f lavfi -i testsrc=size=160x90:rate=10 -t 1 "
                                    "-pix_fmt yuv420p " + path + " > /dev/null 2>&1";
        if (std::system(command.c_str()) != 0 || !std::filesystem::exists(path)) return "";
        return path;
    }
};

TEST_F(FfmpegVideoPlayerTest, AFileThatCannotBePlayedStillMakesOnePlayer) {
    FfmpegVideoPlayer player;
    player.pauseVideo(true); // nothing without a player
    EXPECT_FALSE(player.hasPlayer());
    player.playVideo(m_folder + "missing.mp4");
    player.playVideo(m_folder + "missing-too.mp4");
    EXPECT_TRUE(player.hasPlayer());
    EXPECT_FALSE(player.hasGraph());
    EXPECT_EQ(pictures(), 1);
    player.pauseVideo(true);
    EXPECT_FALSE(player.isPaused()) << "pause does nothing without a graph";
    player.stopVideo();
    EXPECT_FALSE(player.hasPlayer());
    EXPECT_EQ(pictures(), 0);
}

TEST_F(FfmpegVideoPlayerTest, PlaysPausesHidesAndStops) {
    const std::string clip = makeClip();
    if (clip.empty()) GTEST_SKIP() << "no ffmpeg program to make a clip";
    enterScene(2); // the frame loop runs
    FfmpegVideoPlayer player;
    player.playVideo(clip);
    ASSERT_TRUE(player.hasGraph());
    CCSprite* picture = player.picture();
    EXPECT_EQ(picture->getPositionX(), 57);
    EXPECT_EQ(picture->getPositionY(), 640 - 250);
    engine::testing::stepSeconds(0.5f);
    const int shown = player.framesShown();
    EXPECT_GT(shown, 2);
    EXPECT_EQ(picture->getContentSize().width, 510);
    EXPECT_EQ(picture->getContentSize().height, 287);

    player.pauseVideo(true);
    EXPECT_FALSE(picture->isVisible());
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(player.framesShown(), shown);
    player.pauseVideo(false);
    EXPECT_TRUE(picture->isVisible());
    engine::testing::stepSeconds(0.3f);
    EXPECT_GT(player.framesShown(), shown);

    player.playVideo(clip);
    EXPECT_EQ(pictures(), 1) << "a second play leaves one player";
    player.stopVideo();
    EXPECT_EQ(pictures(), 0);
}

} // namespace
