// The voice and video screens drawn for real through the offscreen GL context, the film decoded by
// FFmpeg into its window over the scene. With BRINDLE_SHOT_DIR set, every frame is also saved
// there as a PNG for a person to look at.
#include "quiz/MediaTestSupport.h"

#include "quiz/CFillCellLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CVoiceChooseLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CTxtCell.h"

#include "platform/CCEGLView.h"
#include "platform/CCImage.h"
#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <filesystem>

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

struct Frame {
    std::vector<unsigned char> rgba;
    // y up, as the game places things.
    ccColor3B at(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(639 - y) * 960 + static_cast<std::size_t>(x)) * 4;
        return ccColor3B{rgba[i], rgba[i + 1], rgba[i + 2]};
    }
    // The film's pale sky.
    bool sky(int x, int y) const {
        const ccColor3B c = at(x, y);
        return c.b > 220 && c.b > c.r + 20 && c.g > 180;
    }
    // Pixels that differ inside a box.
    int differences(const Frame& other, int left, int bottom, int right, int top) const {
        int count = 0;
        for (int y = bottom; y < top; y += 2) {
            for (int x = left; x < right; x += 2) {
                const ccColor3B a = at(x, y), b = other.at(x, y);
                if (std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 60) count += 1;
            }
        }
        return count;
    }
};

class MediaScreensRenderTest : public MediaQuizTest {
protected:
    void beforePlay() override {
        if (!SDL_getenv("SDL_VIDEODRIVER")) SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
        CCEGLView* view = CCEGLView::sharedOpenGLView();
        if (!view->isOpenGLReady()) return;
        m_gl = view->renderer();
        Renderer::setCurrent(m_gl);
        CCDirector::sharedDirector()->setOpenGLView(view);
        // Pictures loaded before the context have no GL texture: load them again.
        CCSpriteFrameCache::sharedSpriteFrameCache()->removeSpriteFrames();
        CCTextureCache::sharedTextureCache()->removeAllTextures();
        for (const char* sheet : {"UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist"}) {
            CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(sheet);
        }
    }
    void SetUp() override {
        MediaQuizTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
    }
    void TearDown() override {
        MediaQuizTest::TearDown();
        Renderer::setCurrent(nullptr);
    }
    // The scene, then the film window over it, as the director draws them.
    Frame shot(const std::string& name) {
        Frame f;
        CCDirector* director = CCDirector::sharedDirector();
        m_gl->setDesignSize(960, 640);
        m_gl->beginFrame(director->getProjectionMatrix(), 960, 640, ccColor4F{0, 0, 0, 1});
        director->getRunningScene()->visit();
        if (CCNode* overlay = director->getNotificationNode()) overlay->visit();
        m_gl->endFrame();
        m_gl->readPixels(0, 0, 960, 640, f.rgba);
        if (const char* folder = std::getenv("BRINDLE_SHOT_DIR")) {
            std::filesystem::create_directories(folder);
            CCImage image;
            image.initWithRawRGBA(f.rgba.data(), 960, 640, true);
            image.saveToFile((std::string(folder) + "/" + name + ".png").c_str(), false);
        }
        return f;
    }
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
    mediaQuestion(4, 1, "video_car.mp4", generatedMedia("video_car.mp4"), {"向左", "向右", "向上", "向下"});
    QuizData::instance().current->question = "视频里的汽车往哪边开？";
    draw();
    et::stepSeconds(1.0f);
    Frame early = shot("video-choose-1");
    et::stepSeconds(1.5f);
    Frame later = shot("video-choose-2");
    // The sky of the film fills the window's top; the car has driven on between the two frames.
    for (const Frame* frame : {&early, &later}) {
        EXPECT_TRUE(frame->sky(300, 370));
        EXPECT_TRUE(frame->sky(kFilmLeft + 3, kFilmTop - 3));
        EXPECT_FALSE(frame->sky(kFilmLeft - 3, kFilmTop - 3)); // the window's edge
    }
    EXPECT_GT(early.differences(later, kFilmLeft, kFilmBottom, kFilmRight, kFilmTop), 200);
    // Outside the window nothing moves.
    EXPECT_EQ(early.differences(later, kFilmRight + 5, 0, 960, 560), 0);
}

TEST_F(MediaScreensRenderTest, EveryMediaScreenMidPlay) {
    mediaQuestion(3, 1, "voice_capital.mp3", generatedMedia("voice_capital.mp3"));
    QuizData::instance().current->question = "录音里说我国的首都是哪座城市？";
    draw();
    shot("voice-choose");

    mediaQuestion(3, 1, "voice_spring.mp3", generatedMedia("voice_spring.mp3"), {"夏天", "春天", "秋天", "冬天"}, 1);
    QuizData::instance().current->question = "录音里说的是哪个季节？";
    draw();
    shot("voice-choose-one-by-one");

    mediaQuestion(3, 2, "voice_chunnuanhuakai.mp3", generatedMedia("voice_chunnuanhuakai.mp3"),
                  {"西花金中人下山秋开地小云土风红石上北草天日暖白春"}, 0, 4);
    QuizData::instance().current->question = "听录音，把听到的词语拼出来";
    draw();
    spell("春暖");
    shot("voice-fill");

    mediaQuestion(4, 1, "video_colours.mp4", generatedMedia("video_colours.mp4"), {"红色", "绿色", "蓝色", "黄色"},
                  1);
    QuizData::instance().current->question = "方块最后变成了什么颜色？";
    draw();
    et::stepSeconds(1.5f);
    shot("video-choose-one-by-one");

    mediaQuestion(4, 2, "video_seasons.mp4", generatedMedia("video_seasons.mp4"),
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
