// The picture-guess screens drawn for real (offscreen OpenGL) on the bank's generated pictures:
// mid-play frames of each screen, and every spot-the-difference question with all its differences
// outlined, probed so that each outline frames pixels that really differ between the two pictures.
// With BRINDLE_SHOT_DIR set, the frames are saved there as PNGs.
#include "quiz/PictureGuessSupport.h"
#include "quiz/RenderSupport.h"

#include "quiz/CFillCellLayer.h"
#include "quiz/CFindGraphLayer.h"
#include "quiz/CGuessColorLayer.h"
#include "quiz/CGuessGraphLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"
#include "widgets/CTxtCell.h"

#include "platform/CCImage.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

bool differ(ccColor3B a, ccColor3B b) { return colourDistance(a, b) > 60; }

// A generated picture file as decoded, rows from the top.
struct Source {
    CCImage image;
    int width = 0, height = 0;
    bool load(const std::string& path) {
        if (!image.initWithImageFile(path.c_str())) return false;
        width = image.getWidth();
        height = image.getHeight();
        return width > 0 && height > 0;
    }
    ccColor3B at(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
        return ccColor3B{image.pixels()[i], image.pixels()[i + 1], image.pixels()[i + 2]};
    }
    // The pixel's 5 x 5 neighbourhood is one colour: drawn on screen, it keeps that colour.
    bool flatAround(int x, int y) const {
        if (x < 2 || y < 2 || x >= width - 2 || y >= height - 2) return false;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                if (differ(at(x, y), at(x + dx, y + dy))) return false;
            }
        }
        return true;
    }
};

class PictureGuessRenderTest : public QuizRenderTest {
protected:
    CQuestionLayer* drawBankQuestion(const std::string& file, std::size_t index) {
        const auto lines = bankLines(file);
        if (lines.size() <= index) return nullptr;
        makeCurrent(lines[index]);
        downloadCurrentPictures();
        return draw();
    }
    static void tapAt(const CCRect& box) { et::tap(box.getMidX(), box.getMidY()); }
};

TEST_F(PictureGuessRenderTest, GuessPictureWithOneCharacterPlaced) {
    auto* screen = dynamic_cast<CGuessGraphLayer*>(drawBankQuestion("g2p04_guess_picture.jsonl", 0));
    ASSERT_NE(screen, nullptr);
    ASSERT_NE(screen->cells(), nullptr);
    for (CTxtCell* candidate : screen->cells()->candidateCells()) {
        if (candidate->text() == "苹") et::tap(candidate->getPositionX(), candidate->getPositionY());
    }
    et::stepSeconds(0.2f);
    const Frame f = shot("pic_guess");
    // The apple on the left, the cells on the right, nothing of either under the other.
    EXPECT_FALSE(f.dark(240, 240));
    const CTxtCell* first = screen->cells()->answerCells()[0];
    EXPECT_EQ(first->text(), "苹");
    EXPECT_GT(first->getPositionX() - 37.5f, 240 + CGuessGraphLayer::kPictureSide / 2);
    EXPECT_FALSE(f.dark(static_cast<int>(first->getPositionX()) + 30, static_cast<int>(first->getPositionY())));

    screen = dynamic_cast<CGuessGraphLayer*>(drawBankQuestion("g2p11_picture_word.jsonl", 0));
    ASSERT_NE(screen, nullptr);
    shot("pic_guess_word");
}

TEST_F(PictureGuessRenderTest, GuessColourBeforeAndAfterTheTap) {
    auto* screen = dynamic_cast<CGuessColorLayer*>(drawBankQuestion("g2p05_missing_colour.jsonl", 0));
    ASSERT_NE(screen, nullptr);
    const Frame before = shot("pic_colour");
    // The squares show their colours: green third.
    const ccColor3B green = before.at(100 + 102 * 2 + 50, 100);
    EXPECT_EQ(green.r, 0x43);
    EXPECT_EQ(green.g, 0xA0);
    et::tap(100 + 102 * 3 + 50, 100);
    const Frame after = shot("pic_colour_after");
    // The rainbow's green band is missing before the tap and shown after it.
    bool changed = false;
    for (int y = 320; y <= 470 && !changed; y += 2) changed = differ(before.at(480, y), after.at(480, y));
    EXPECT_TRUE(changed);
}

TEST_F(PictureGuessRenderTest, SpotTheDifferenceMidPlay) {
    auto* screen = dynamic_cast<CFindGraphLayer*>(drawBankQuestion("g2p06_spot_difference.jsonl", 0));
    ASSERT_NE(screen, nullptr);
    tapAt(screen->differenceOnScreen(0, 1));
    et::tap(150, 430); // a miss in the sky: the cross shows for a moment
    EXPECT_EQ(m_host->remaining(), 34);
    const Frame f = shot("pic_spot");
    const CCRect found = screen->differenceOnScreen(1, 1);
    const ccColor3B edge = f.at(static_cast<int>(found.getMidX()), static_cast<int>(found.getMinY()));
    EXPECT_GT(edge.r, 180);
    EXPECT_LT(edge.g, 80);
}

TEST_F(PictureGuessRenderTest, EverySpotDifferenceFramesAVisibleChange) {
    const auto lines = bankLines("g2p06_spot_difference.jsonl");
    ASSERT_GE(lines.size(), 5u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string name = lines[i]["question"].asString();
        SCOPED_TRACE(name);
        auto* screen = dynamic_cast<CFindGraphLayer*>(drawBankQuestion("g2p06_spot_difference.jsonl", i));
        ASSERT_NE(screen, nullptr);
        const Frame plain = shot("pic_spot_plain_" + std::to_string(i + 1));
        Source left, right;
        ASSERT_TRUE(left.load(bankMedia(name)));
        ASSERT_TRUE(right.load(bankMedia(lines[i]["img"].asString())));
        ASSERT_EQ(left.width, right.width);
        ASSERT_EQ(left.height, right.height);

        // On the files: every changed pixel lies in a box, and every box holds a change.
        const auto& rects = screen->differences();
        std::vector<int> changed(rects.size(), 0);
        std::vector<CCPoint> sample(rects.size(), ccp(-1, -1));
        int stray = 0;
        for (int y = 0; y < left.height; ++y) {
            for (int x = 0; x < left.width; ++x) {
                if (!differ(left.at(x, y), right.at(x, y))) continue;
                bool inside = false;
                for (std::size_t k = 0; k < rects.size(); ++k) {
                    const AnswerRect& r = rects[k];
                    if (x < r.x1 - 1 || x > r.x2 + 1 || y < r.y1 - 1 || y > r.y2 + 1) continue;
                    inside = true;
                    changed[k] += 1;
                    if (sample[k].x < 0 && left.flatAround(x, y) && right.flatAround(x, y)) sample[k] = ccp(x, y);
                }
                stray += !inside;
            }
        }
        EXPECT_EQ(stray, 0);
        // On screen: where the box says, the left picture shows the left file's colour and the
        // right picture the right file's, so the box the player taps frames what changed.
        for (std::size_t k = 0; k < rects.size(); ++k) {
            SCOPED_TRACE("difference " + std::to_string(k));
            EXPECT_GT(changed[k], 200);
            ASSERT_GE(sample[k].x, 0) << "no change wide enough to probe";
            const int px = static_cast<int>(sample[k].x), py = static_cast<int>(sample[k].y);
            for (int side = 0; side < 2; ++side) {
                const CCRect box = screen->differenceOnScreen(side, k);
                const float fx = (static_cast<float>(px) + 0.5f - static_cast<float>(rects[k].x1)) /
                                 static_cast<float>(rects[k].x2 - rects[k].x1);
                const float fy = (static_cast<float>(py) + 0.5f - static_cast<float>(rects[k].y1)) /
                                 static_cast<float>(rects[k].y2 - rects[k].y1);
                const int sx = static_cast<int>(box.getMinX() + fx * box.size.width);
                const int sy = static_cast<int>(box.getMaxY() - fy * box.size.height);
                const ccColor3B want = (side == 0 ? left : right).at(px, py);
                EXPECT_FALSE(differ(plain.at(sx, sy), want)) << "side " << side;
            }
        }

        for (std::size_t k = 0; k < rects.size(); ++k) tapAt(screen->differenceOnScreen(static_cast<int>(k % 2), k));
        EXPECT_EQ(screen->outlines().size(), 2 * rects.size());
        shot("pic_spot_all_" + std::to_string(i + 1));
    }
}

} // namespace
