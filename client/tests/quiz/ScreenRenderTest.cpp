// The choice screens drawn for real through the offscreen GL context: pixels probed where the
// options, eggs, pictures and scratch card must show. With BRINDLE_SHOT_DIR set, every frame is
// also saved there as a PNG for a person to look at.
#include "quiz/RenderSupport.h"

#include "quiz/CChoiceLayer.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/CImageChooseTextLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/QuizData.h"
#include "widgets/CStrokeLabelTTF.h"
#include "widgets/CTxtCell.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

// The answer buttons' cream.
bool cream(const Frame& frame, int x, int y) {
    const ccColor3B c = frame.at(x, y);
    return c.r > 235 && c.g > 215 && c.b > 180 && c.b < 235;
}

class ScreenRenderTest : public QuizRenderTest {
protected:
    void SetUp() override {
        QuizRenderTest::SetUp();
        if (IsSkipped()) return;
        for (const char* name : {"cnt_apple_3.png", "obj_apple.png", "obj_car.png", "obj_sun.png",
                                 "obj_star_fdd835.png", "obj_star_e53935.png", "obj_star_1e88e5.png",
                                 "obj_star_43a047.png"}) {
            downloaded(name, bankMedia(name));
        }
    }
};

TEST_F(ScreenRenderTest, TextChoicesShowTheirOptions) {
    setQuestion(1, 7, {"长江", "黄河", "珠江", "黑龙江，中国最北的大河之一"});
    draw();
    Frame four = shot("choice-four");
    for (CCPoint button : {CCPoint(300, 390), CCPoint(660, 390), CCPoint(300, 185), CCPoint(660, 185)}) {
        EXPECT_TRUE(cream(four, static_cast<int>(button.x) - 120, static_cast<int>(button.y))) << button.x;
    }
    EXPECT_FALSE(four.dark(90, 380)); // letter a

    setQuestion(1, 8, {"对的", "错的"});
    draw();
    Frame two = shot("choice-two");
    EXPECT_TRUE(cream(two, 180, 320));
    EXPECT_FALSE(cream(two, 180, 185));

    setQuestion(1, 9, {"第一个选项", "第二个选项"}, 1);
    draw();
    shot("choice-one-by-one");

    setQuestion(1, 1, {});
    draw();
    shot("yes-no");

    setQuestion(1, 4, {"未"});
    QuizData::instance().current->question = "末";
    draw();
    shot("find-different");
}

TEST_F(ScreenRenderTest, GoldenEggFromEggsToTheBox) {
    QuestionRecord& question = setQuestion(1, 15, {"一", "二", "三", "四"});
    std::get<ChoiceQuestion>(question.details).multiple = 2;
    auto* screen = dynamic_cast<CChoiceLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    Frame eggs = shot("egg-1-eggs");
    for (int x : {180, 380, 580, 780}) EXPECT_FALSE(eggs.dark(x, 320)) << x;
    et::tap(580, 320);
    et::stepSeconds(0.8f);
    shot("egg-2-crack");
    et::stepSeconds(1.0f);
    shot("egg-3-box");
}

TEST_F(ScreenRenderTest, PictureScreens) {
    QuestionRecord& seven = setQuestion(2, 7, {"2个", "3个", "4个", "5个"});
    std::get<ImageQuestion>(seven.details).img = "cnt_apple_3.png";
    draw();
    Frame picture = shot("picture-text");
    EXPECT_FALSE(picture.dark(240, 270));

    QuestionRecord& scratch = setQuestion(2, 13, {"太阳", "月亮", "星星", "云朵"}, 1);
    auto& image = std::get<ImageQuestion>(scratch.details);
    image.img = "obj_sun.png";
    image.awardtype = 1;
    image.awardnum = 5;
    auto* card = dynamic_cast<CImageChooseTextLayer*>(draw());
    ASSERT_NE(card, nullptr);
    Frame covered = shot("scratch-1-covered");
    const ccColor3B before = covered.at(240, 270);
    for (float y = 330; y >= 210; y -= 12) {
        for (float x = 180; x <= 300; x += 8) card->scratchAt(ccp(x, y));
    }
    card->scratchAt(card->awardIcon()->getPosition());
    Frame scratched = shot("scratch-2-scratched");
    const ccColor3B after = scratched.at(240, 270);
    EXPECT_TRUE(before.r != after.r || before.g != after.g || before.b != after.b);
    et::stepSeconds(1.1f);
    shot("scratch-3-award");

    setQuestion(2, 8, {"obj_apple.png", "obj_car.png"});
    draw();
    Frame two = shot("choose-image-two");
    EXPECT_FALSE(two.dark(250, 280));
    EXPECT_FALSE(two.dark(730, 280));

    setQuestion(2, 9, {"obj_apple.png", "obj_car.png", "obj_sun.png", "obj_star_fdd835.png"});
    draw();
    shot("choose-image-four");

    QuestionRecord& same =
        setQuestion(2, 12, {"obj_star_e53935.png", "obj_star_fdd835.png", "obj_star_1e88e5.png", "obj_star_43a047.png"});
    std::get<ImageQuestion>(same.details).img = "obj_star_fdd835.png";
    draw();
    shot("same-picture");
}

TEST_F(ScreenRenderTest, AnswerCellsAndStrokeLabel) {
    struct Composer : fillCellLayerDelegate {
        void onFillCellComplete(const std::string&) override {}
    } composer;
    CFillCellLayer* cells = CFillCellLayer::create(4, "春眠不觉晓处处闻啼鸟夜来风雨声花落知多少", &composer, 0, 6);
    m_host->addChild(cells);
    cells->handleTouch(cells->candidateCells()[0]->getPosition());
    Frame f = shot("fill-cells");
    // A filled cell, the marked one and a candidate all show their tiles.
    EXPECT_FALSE(f.dark(static_cast<int>(cells->answerCells()[0]->getPositionX()) + 20, 420 - 20));
    // The candidate that was used is gone: its place shows what lies beside the widget.
    auto close = [](ccColor3B a, ccColor3B b) {
        return std::abs(a.r - b.r) < 12 && std::abs(a.g - b.g) < 12 && std::abs(a.b - b.b) < 12;
    };
    EXPECT_TRUE(close(f.at(500, 320), f.at(300, 320)));
    EXPECT_FALSE(close(f.at(575 + 25, 320), f.at(300, 320)));
    m_host->removeChild(cells, true);

    CCLayerColor* backdrop = CCLayerColor::create(ccc4(90, 160, 230, 255));
    m_host->addChild(backdrop);
    CStrokeLabelTTF* label = CStrokeLabelTTF::create("金萝卜 x 20", "simhei.ttf", 60);
    label->setColor(ccc3(255, 220, 60));
    label->setPosition(ccp(480, 320));
    m_host->addChild(label);
    ASSERT_NE(label->sprite(), nullptr);
    Frame s = shot("stroke-label");
    // The outline is black and the fill yellow somewhere across the text's middle line.
    bool outline = false, fill = false;
    for (int x = 330; x < 630; ++x) {
        const ccColor3B c = s.at(x, 320);
        outline = outline || (c.r < 40 && c.g < 40 && c.b < 40);
        fill = fill || (c.r > 200 && c.g > 180 && c.b < 120);
    }
    EXPECT_TRUE(outline);
    EXPECT_TRUE(fill);
}

} // namespace
