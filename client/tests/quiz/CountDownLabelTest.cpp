// The contest countdown: its four states and texts from the schedule's times, counting on with the
// engine's clock, and times it cannot read.
#include "quiz/CCountDownLabel.h"
#include "quiz/PlayTestSupport.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class CountDownLabelTest : public PlayTest {};

TEST_F(CountDownLabelTest, StatesAndTextsFollowTheServerClock) {
    setTexts(R"({"HDWaitRemainDay":{"chinese":"w%dd"},"HDWaitRemainHoursAndMin":{"chinese":"w%dh%dm"},)"
             R"("HDWaitRemainMinAndSec":{"chinese":"w%dm%ds"},"HDWaitRemainSec":{"chinese":"w%ds"},)"
             R"("HDCconductRemainDay":{"chinese":"r%dd"},"HDCconductRemainHoursAndMin":{"chinese":"r%dh%dm"},)"
             R"("HDConductRemainMinAndSec":{"chinese":"r%dm%ds"},"HDConductRemainSec":{"chinese":"r%ds"},)"
             R"("HDEnded":{"chinese":"over"}})");
    struct Case {
        const char* server;
        int state;
        const char* text;
    };
    // The match runs on 2026-03-01 from 20:00:00 to 21:30:00.
    const Case cases[] = {
        {"20260227195959", CCountDownLabel::kWaiting, "w2d"},
        {"20260301174530", CCountDownLabel::kWaiting, "w2h14m"},
        {"20260301194459", CCountDownLabel::kWaiting, "w15m1s"},
        {"20260301194500", CCountDownLabel::kOpeningSoon, "w15m0s"},
        {"20260301195951", CCountDownLabel::kOpeningSoon, "w9s"},
        {"20260301200000", CCountDownLabel::kRunning, "r1h30m"},
        {"20260301212959", CCountDownLabel::kRunning, "r1s"},
        {"20260301213000", CCountDownLabel::kEnded, "over"},
        {"2026030121300", CCountDownLabel::kEnded, "over"}, // unreadable: shown as over
    };
    for (const Case& c : cases) {
        CCountDownLabel* label = CCountDownLabel::create("20260301200000", c.server, "20260301213000");
        ASSERT_NE(label, nullptr) << c.server;
        EXPECT_EQ(label->state(), c.state) << c.server;
        EXPECT_EQ(label->text(), c.text) << c.server;
    }
    EXPECT_EQ(CCountDownLabel::parseTime("20261301000000"), -1);
    EXPECT_EQ(CCountDownLabel::parseTime("1970010100010a"), -1);
    EXPECT_EQ(CCountDownLabel::parseTime("19700102000001"), 86401);

    // On stage it counts on: 2 seconds before the start, then running.
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    CCountDownLabel* live = CCountDownLabel::create("20260301200000", "20260301195958", "20260301213000");
    scene->addChild(live);
    engine::testing::stepFrames(1);
    EXPECT_EQ(live->state(), CCountDownLabel::kOpeningSoon);
    engine::testing::stepFrames(3, 1.0f);
    EXPECT_EQ(live->state(), CCountDownLabel::kRunning);
    EXPECT_EQ(live->text(), "r1h29m");
}

} // namespace
