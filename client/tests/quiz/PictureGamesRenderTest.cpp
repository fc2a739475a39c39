// The picture games drawn for real through the offscreen GL context, in the middle of play. The
// puzzle and the picked slots are compared with the source picture, so a piece cut from the wrong
// part or put on the wrong square shows. With BRINDLE_SHOT_DIR set, every frame is saved there.
#include "quiz/RenderSupport.h"
#include "quiz/ScreenPlayers.h"

#include "quiz/CImageMoveLayer.h"
#include "quiz/CPickLayer.h"
#include "quiz/CPuzzleLayer.h"
#include "quiz/QuizData.h"
#include "quiz/RakeLayer.h"

#include "platform/CCImage.h"
#include "testing/EngineTesting.h"

#include <algorithm>

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

bool near(ccColor3B a, ccColor3B b) { return std::abs(a.r - b.r) < 24 && std::abs(a.g - b.g) < 24 && std::abs(a.b - b.b) < 24; }

// A picture file's pixels, y down from its top left corner.
struct Source {
    CCImage image;
    bool load(const std::string& path) { return image.initWithImageFile(path.c_str()); }
    ccColor3B at(int x, int y) {
        const int channels = image.getDataLen() / (image.getWidth() * image.getHeight());
        const unsigned char* p = image.getData() + (static_cast<std::size_t>(y) * image.getWidth() + x) * channels;
        return {p[0], p[1], p[2]};
    }
    // Scaling blurs outlines by a pixel or two: any source pixel close by will do.
    bool nearAround(int x, int y, ccColor3B got) {
        for (int dy = -4; dy <= 4; ++dy) {
            for (int dx = -4; dx <= 4; ++dx) {
                const int sx = std::clamp(x + dx, 0, image.getWidth() - 1);
                const int sy = std::clamp(y + dy, 0, image.getHeight() - 1);
                if (near(at(sx, sy), got)) return true;
            }
        }
        return false;
    }
};

class PictureGamesRenderTest : public QuizRenderTest {
protected:
    QuestionRecord& pictureQuestion(int playType, const std::string& text, const std::string& img,
                                    std::vector<std::string> answers) {
        QuestionRecord& question = setQuestion(2, playType, std::move(answers));
        question.question = text;
        std::get<ImageQuestion>(question.details).img = img;
        if (!img.empty()) downloaded(img, bankMedia(img));
        return question;
    }
    static void play(int playType, CQuestionLayer* screen, const std::string& right) {
        (*screenPlayer(2, playType))({screen, right, true, [](float s) { et::stepSeconds(s); }});
    }
};

TEST_F(PictureGamesRenderTest, PuzzleMidPlayAndSolved) {
    pictureQuestion(1, "123456789", "scene_garden.png", {"拼图"});
    auto* screen = dynamic_cast<CPuzzleLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->pieces().size(), 9u);
    // One piece picked up for a swap.
    const CCPoint first = screen->pieces()[2].sprite->getPosition();
    et::tap(first.x, first.y);
    shot("pic_puzzle");

    Source source;
    ASSERT_TRUE(source.load(bankMedia("scene_garden.png")));
    const float toSource = static_cast<float>(source.image.getWidth()) / CPuzzleLayer::kBoardSide;
    // Every square shows the part of the picture its piece was cut from.
    auto checkBoard = [&](const Frame& frame) {
        for (int square = 0; square < 9; ++square) {
            const int part = screen->pieces()[static_cast<std::size_t>(square)].label - '1';
            const CCPoint centre = CPuzzleLayer::squareCentre(square);
            for (CCPoint offset : {CCPoint(-40, 35), CCPoint(0, 0), CCPoint(30, -45)}) {
                const float sx = (static_cast<float>(part % 3) * 133.33f + 66.67f + offset.x) * toSource;
                const float sy = (static_cast<float>(part / 3) * 133.33f + 66.67f - offset.y) * toSource;
                const ccColor3B got = frame.at(static_cast<int>(centre.x + offset.x), static_cast<int>(centre.y + offset.y));
                EXPECT_TRUE(source.nearAround(static_cast<int>(sx), static_cast<int>(sy), got))
                    << "square " << square << " part " << part << " offset " << offset.x << "," << offset.y;
            }
        }
    };
    et::tap(first.x, first.y); // put it down again
    checkBoard(shot("pic_puzzle-dealt"));
    play(1, screen, "123456789");
    ASSERT_TRUE(screen->isSolved());
    checkBoard(shot("pic_puzzle-solved"));
}

TEST_F(PictureGamesRenderTest, PickMidPlay) {
    const std::vector<std::string> labels = {"A", "B", "C", "D", "E", "F", "G", "H",
                                             "I", "J", "K", "L", "M", "N", "O", "P"};
    pictureQuestion(2, "找出左上角的九块碎片", "pick_house.png", labels);
    auto* screen = dynamic_cast<CPickLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->slots().size(), 9u);
    // Four slots filled, one piece still flying.
    for (const char* wanted : {"A", "F", "K", "C"}) {
        for (const auto& piece : screen->pieces()) {
            if (piece.label == wanted) {
                et::tap(piece.sprite->getPositionX(), piece.sprite->getPositionY());
                break;
            }
        }
        et::stepSeconds(wanted[0] == 'C' ? 0.2f : 0.6f);
    }
    shot("pic_pick");
    et::stepSeconds(0.5f);
    const Frame frame = shot("pic_pick-settled");

    Source source;
    ASSERT_TRUE(source.load(bankMedia("pick_house.png")));
    const float toSource = static_cast<float>(source.image.getWidth()) / 512.0f;
    // Filled slots show their piece whole; the pieces lying beside show theirs.
    for (int i : {0, 2, 4}) {
        const auto& slot = screen->slots()[static_cast<std::size_t>(i)];
        ASSERT_TRUE(slot.filled);
        const CCPoint centre = slot.sprite->getPosition();
        const int piece = (i / 3) * 4 + i % 3;
        const ccColor3B got = frame.at(static_cast<int>(centre.x + 20), static_cast<int>(centre.y + 20));
        EXPECT_TRUE(source.nearAround(static_cast<int>(((piece % 4) * 128 + 64 + 20) * toSource),
                                      static_cast<int>(((piece / 4) * 128 + 64 - 20) * toSource), got))
            << "slot " << i;
    }
    for (std::size_t i = 0; i < screen->pieces().size(); ++i) {
        const auto& piece = screen->pieces()[i];
        if (piece.taken) continue;
        const int k = piece.label[0] - 'A';
        const CCPoint centre = piece.sprite->getPosition();
        const ccColor3B got = frame.at(static_cast<int>(centre.x - 25 * 100.0f / 128.0f),
                                 static_cast<int>(centre.y + 25 * 100.0f / 128.0f));
        EXPECT_TRUE(source.nearAround(static_cast<int>(((k % 4) * 128 + 64 - 25) * toSource),
                                      static_cast<int>(((k / 4) * 128 + 64 - 25) * toSource), got))
            << "piece " << piece.label;
    }
}

TEST_F(PictureGamesRenderTest, MemoryCardsMidPlay) {
    const std::vector<std::string> pictures = {"obj_apple.png", "obj_banana.png", "obj_orange.png", "obj_watermelon.png"};
    for (const auto& name : pictures) downloaded(name, bankMedia(name));
    pictureQuestion(3, "翻开两张相同的卡片", "", pictures);
    auto* screen = dynamic_cast<RakeLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    const Frame closed = shot("pic_memory-closed");
    // One pair found, then one more card open for its glimpse.
    const auto& cards = screen->cards();
    std::size_t twin = 1;
    while (cards[twin].pair != cards[0].pair) ++twin;
    std::size_t other = 1;
    while (cards[other].pair == cards[0].pair) ++other;
    for (std::size_t i : {std::size_t{0}, twin, other}) {
        et::tap(RakeLayer::placeOf(static_cast<int>(i)).x, RakeLayer::placeOf(static_cast<int>(i)).y);
        if (i != other) et::stepSeconds(0.35f);
    }
    const Frame open = shot("pic_memory");
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const CCPoint at = RakeLayer::placeOf(static_cast<int>(i));
        const bool shown = i == 0 || i == twin || i == other;
        // Off the middle: the back's blue against the picture's light ground.
        const int x = static_cast<int>(at.x) - 60, y = static_cast<int>(at.y) + 60;
        const bool changed = !near(open.at(x, y), closed.at(x, y));
        EXPECT_EQ(changed, shown) << "card " << i;
    }
}

TEST_F(PictureGamesRenderTest, ShellGameShowsTheCarrotThenSwaps) {
    setQuestion(2, 14, {});
    QuizData::instance().current->question = "盯住胡萝卜，它藏在哪张卡片下面？";
    auto* screen = dynamic_cast<CImageMoveLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    const Frame faceUp = shot("pic_shell-carrot");
    et::stepSeconds(3.1f);
    const Frame faceDown = shot("pic_shell-backs");
    const CCPoint carrot = screen->carrotCard()->getPosition();
    EXPECT_FALSE(near(faceUp.at(static_cast<int>(carrot.x), static_cast<int>(carrot.y)),
                      faceDown.at(static_cast<int>(carrot.x), static_cast<int>(carrot.y))));
    et::stepSeconds(1.4f + 0.35f * 2 + 0.08f);
    shot("pic_shell");
}

} // namespace
