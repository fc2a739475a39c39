// The voice and video screens drawn for real through the offscreen GL context, the film decoded by
// FFmpeg into its window over the scene. With BRINDLE_SHOT_DIR set, every frame is also saved
// there as a PNG for a person to look at.
#include "quiz/MediaTestSupport.h"
#include "quiz/RenderSupport.h"

#include "quiz/CFillCellLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CVoiceChooseLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CTxtCell.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

// The film's pale sky.
bool sky(const Frame& frame, int x, int y) {
    const ccColor3B c = frame.at(x, y);
    return c.b > 220 && c.b > c.r + 20 && c.g > 180;
}

class MediaScreensRenderTest : public MediaQuizTest {
protected:
    void beforePlay() override {
        m_gl = useOpenGL();
        if (m_gl) loadSheets();
    }
    void SetUp() override {
        MediaQuizTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
    }
    void TearDown() override {
        MediaQuizTest::TearDown();
        Renderer::setCurrent(nullptr);
    }
    Frame shot(const std::string& name) { return shootScene(m_gl, name); }
    void spell(const std::string& characters) {
        auto cells = childrenOf<CFillCellLayer>(QuestionStage::instance().current());
        ASSERT_FALSE(cells.empty());
        for (const std::string& wanted : CFillCellLayer::splitCharacters(characters)) {
            for (CTxtCell* candidate : cells.front()->candidateCells()) {
                if (!candidate->isVisible() || candidate->text() != wanted) continue;
                const CCPoint at = candidate->getParent()->convertToWorldSpace(candidate->getPosition());
                et::tap(at.x, at.y);
                break;
            }
        }
    }

    GLRenderer* m_gl = nullptr;
};

// The film window: 510 x 287 at (57, 250) from the top left, so y 103 to 390 here.
constexpr int kFilmLeft = 57, kFilmRight = 567, kFilmBottom = 103, kFilmTop = 390;

TEST_F(MediaScreensRenderTest, VideoChooseShowsTheFilmMovingInItsWindow) {
    mediaQuestion(4, 1, "video_car.mp4", bankMedia("video_car.mp4"), {"向左", "向右", "向上", "向下"});
    QuizData::instance().current->question = "视频里的汽车往哪边开？";
    draw();
    et::stepSeconds(1.0f);
    Frame early = shot("video-choose-1");
    et::stepSeconds(1.5f);
    Frame later = shot("video-choose-2");
    // The sky of the film fills the window's top; the car has driven on between the two frames.
    for (const Frame* frame : {&early, &later}) {
        EXPECT_TRUE(sky(*frame, 300, 370));
        EXPECT_TRUE(sky(*frame, kFilmLeft + 3, kFilmTop - 3));
        EXPECT_FALSE(sky(*frame, kFilmLeft - 3, kFilmTop - 3)); // the window's edge
    }
    EXPECT_GT(early.differences(later, kFilmLeft, kFilmBottom, kFilmRight, kFilmTop), 200);
    // Outside the window nothing moves.
    EXPECT_EQ(early.differences(later, kFilmRight + 5, 0, 960, 560), 0);
}

TEST_F(MediaScreensRenderTest, EveryMediaScreenMidPlay) {
    mediaQuestion(3, 1, "voice_capital.mp3", bankMedia("voice_capital.mp3"));
    QuizData::instance().current->question = "录音里说我国的首都是哪座城市？";
    draw();
    shot("voice-choose");

    mediaQuestion(3, 1, "voice_spring.mp3", bankMedia("voice_spring.mp3"), {"夏天", "春天", "秋天", "冬天"}, 1);
    QuizData::instance().current->question = "录音里说的是哪个季节？";
    draw();
    shot("voice-choose-one-by-one");

    mediaQuestion(3, 2, "voice_chunnuanhuakai.mp3", bankMedia("voice_chunnuanhuakai.mp3"),
                  {"西花金中人下山秋开地小云土风红石上北草天日暖白春"}, 0, 4);
    QuizData::instance().current->question = "听录音，把听到的词语拼出来";
    draw();
    spell("春暖");
    shot("voice-fill");

    mediaQuestion(4, 1, "video_colours.mp4", bankMedia("video_colours.mp4"), {"红色", "绿色", "蓝色", "黄色"},
                  1);
    QuizData::instance().current->question = "方块最后变成了什么颜色？";
    draw();
    et::stepSeconds(1.5f);
    shot("video-choose-one-by-one");

    mediaQuestion(4, 2, "video_seasons.mp4", bankMedia("video_seasons.mp4"),
                  {"草石冬水秋北月天木大人中西和下红风夏花白金上春地"}, 0, 4);
    QuizData::instance().current->question = "视频里依次出现的是哪几个字？";
    draw();
    et::stepSeconds(2.0f);
    spell("春夏");
    Frame fill = shot("video-fill");
    EXPECT_GT(fill.differences(Frame{std::vector<unsigned char>(fill.rgba.size(), 0)}, kFilmLeft, kFilmBottom,
                               kFilmRight, kFilmTop),
              1000)
        << "the film shows in its window";

    // The fill screens' cover while the clip is on its way.
    mediaQuestion(3, 2, "voice_far.mp3", "", {"土水风草下小红春国大地人月中花西北东山云南和天石"});
    draw();
    et::stepSeconds(1.2f); // the spinner shows after a second
    shot("voice-fill-loading");
}

} // namespace
