// The picture games: the puzzle, picking the pieces, the memory cards and the shell game, each on
// the real play scene with the bank's own questions and generated pictures; and their test players
// against every bank line of their kind.
#include "quiz/QuizScreenSupport.h"
#include "quiz/ScreenPlayers.h"

#include "account/ServerProcess.h"
#include "app/LocalText.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/AnswerBox.h"
#include "quiz/CQuestionMission.h"
#include "support/NetTestSupport.h"
#include "widgets/CMyMessageBox.h"
#include "net/QuizParsers.h"
#include "quiz/CImageMoveLayer.h"
#include "quiz/CPickLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CPuzzleLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "quiz/RakeLayer.h"
#include "widgets/CImageView.h"

#include "testing/EngineTesting.h"

#include <json/reader.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

class PictureGamesTest : public QuizScreenTest {
protected:
    void SetUp() override {
        QuizScreenTest::SetUp();
        enterPlay();
    }
    // The bank line made current through the client's own question parser, its pictures on disk.
    void useBankLine(const Json::Value& line) {
        Json::Value sent = line;
        sent["questid"] = line["qsid"];
        int code = -1;
        QuizParsers::question(sent, &code);
        ASSERT_EQ(code, 0);
        QuizData& quiz = QuizData::instance();
        quiz.current = std::move(quiz.questionQueue.back());
        quiz.questionQueue.clear();
        quiz.currentQsid = line["qsid"].asInt();
        quiz.currentGameType = quiz.current->gametype;
        quiz.currentPlayType = quiz.current->playtype;
        if (line.isMember("img")) downloaded(line["img"].asString(), bankMedia(line["img"].asString()));
        if (quiz.current->playtype == 3) {
            for (const auto& name : quiz.current->answers) downloaded(name, bankMedia(name));
        }
    }
    void bankQuestion(const std::string& file, int index = 0) {
        const auto lines = bankLines(file);
        ASSERT_GT(lines.size(), static_cast<std::size_t>(index));
        useBankLine(lines[static_cast<std::size_t>(index)]);
    }
    template <class Screen> Screen* drawn() {
        auto* screen = dynamic_cast<Screen*>(draw());
        EXPECT_NE(screen, nullptr);
        return screen;
    }
    // The pause menu opens from the play scene's back button: nothing on the screen blocks it.
    bool canLeave() {
        tapNode(m_host->backButton());
        et::stepFrames(1);
        return m_host->getChildByTag(CPlayLayer::kPauseTag) != nullptr;
    }
    std::string tip() const { return m_host->tipLabel()->getString(); }
};

// --- puzzle ---

TEST_F(PictureGamesTest, PuzzleCutsThePictureAndSwapsUntilSolved) {
    bankQuestion("g2p01_puzzle.jsonl");
    auto* screen = drawn<CPuzzleLayer>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->getChildByTag(CPictureQuestionLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    EXPECT_EQ(tip(), LocalText::instance().text("ToRightLocation"));
    EXPECT_FALSE(screen->preview()->isVisible());
    ASSERT_EQ(screen->pieces().size(), 9u);
    EXPECT_EQ(screen->slots(), "123456789");
    std::string labels;
    for (std::size_t i = 0; i < 9; ++i) {
        const auto& piece = screen->pieces()[i];
        labels += piece.label;
        EXPECT_EQ(piece.sprite->getPosition().x, CPuzzleLayer::squareCentre(static_cast<int>(i)).x);
        EXPECT_EQ(piece.sprite->getPosition().y, CPuzzleLayer::squareCentre(static_cast<int>(i)).y);
        // The piece labelled k shows part k of the 450-point picture, 400 points on screen.
        const int part = piece.label - '1';
        const CCRect rect = piece.sprite->getTextureRect();
        EXPECT_FLOAT_EQ(rect.origin.x, 150.0f * static_cast<float>(part % 3));
        EXPECT_FLOAT_EQ(rect.origin.y, 150.0f * static_cast<float>(part / 3));
        EXPECT_FLOAT_EQ(rect.size.width, 150.0f);
        EXPECT_NEAR(piece.sprite->boundingBox().size.width, 133.33f, 0.01f);
    }
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels, "123456789");

    const ScreenPlayer* player = screenPlayer(2, 1);
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE((*player)({screen, "123456789", true, [](float s) { et::stepSeconds(s); }}));
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "123456789");
    EXPECT_EQ(m_submitted[0].optionIndex, -1);
    // Solved: touches change nothing and nothing goes out again.
    tapNode(screen->pieces()[0].sprite);
    tapNode(screen->pieces()[1].sprite);
    et::stepSeconds(0.6f);
    EXPECT_EQ(screen->pieces()[0].label, '1');
    EXPECT_EQ(m_submitted.size(), 1u);
}

TEST_F(PictureGamesTest, PuzzleSamePieceTwiceAndTouchesDuringASwap) {
    bankQuestion("g2p01_puzzle.jsonl", 1);
    auto* screen = drawn<CPuzzleLayer>();
    ASSERT_NE(screen, nullptr);
    auto order = [&] {
        std::string labels;
        for (const auto& piece : screen->pieces()) labels += piece.label;
        return labels;
    };
    const std::string dealt = order();

    tapNode(screen->pieces()[4].sprite);
    EXPECT_EQ(screen->selected(), 4);
    EXPECT_EQ(screen->pieces()[4].sprite->getOpacity(), 100);
    tapNode(screen->pieces()[4].sprite);
    EXPECT_EQ(screen->selected(), -1);
    EXPECT_EQ(screen->pieces()[4].sprite->getOpacity(), 255);
    et::stepSeconds(0.6f);
    EXPECT_EQ(order(), dealt);
    EXPECT_FALSE(screen->isBusy());

    // Off the board a tap hits no piece.
    et::tap(200, 300);
    EXPECT_EQ(screen->selected(), -1);

    CCSprite* first = screen->pieces()[0].sprite;
    CCSprite* second = screen->pieces()[8].sprite;
    tapNode(first);
    tapNode(second);
    EXPECT_TRUE(screen->isBusy());
    et::stepSeconds(0.25f);
    // Halfway along the diagonal, and the board has not changed yet.
    EXPECT_GT(first->getPositionX(), CPuzzleLayer::squareCentre(0).x + 50);
    EXPECT_LT(first->getPositionX(), CPuzzleLayer::squareCentre(8).x - 50);
    EXPECT_EQ(order(), dealt);
    // Ignored while the pieces move.
    tapNode(screen->pieces()[3].sprite);
    tapNode(screen->pieces()[5].sprite);
    EXPECT_EQ(screen->pieces()[3].sprite->getOpacity(), 255);
    et::stepSeconds(0.3f);
    EXPECT_FALSE(screen->isBusy());
    EXPECT_EQ(screen->selected(), -1);
    std::string swapped = dealt;
    std::swap(swapped[0], swapped[8]);
    EXPECT_EQ(order(), swapped);
    EXPECT_EQ(screen->pieces()[0].sprite, second);
    EXPECT_EQ(second->getPositionX(), CPuzzleLayer::squareCentre(0).x);
    EXPECT_EQ(second->getPositionY(), CPuzzleLayer::squareCentre(0).y);
    EXPECT_EQ(first->getPositionX(), CPuzzleLayer::squareCentre(8).x);
    EXPECT_TRUE(m_submitted.empty());
}

TEST_F(PictureGamesTest, PuzzleRefusesAShortTextAndAFileThatIsNoPicture) {
    bankQuestion("g2p01_puzzle.jsonl");
    QuizData::instance().current->question = "12345678";
    auto* screen = drawn<CPuzzleLayer>();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(logged("fewer than 9 labels"));
    EXPECT_TRUE(screen->pieces().empty());
    EXPECT_EQ(screen->getChildByTag(CPictureQuestionLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    EXPECT_TRUE(canLeave());
    m_host->resumePlay();
    ASSERT_EQ(m_host->getChildByTag(CPlayLayer::kPauseTag), nullptr);

    // The same screen, next question: its picture is a text file.
    const std::string notPicture = m_folder + "/not-a-picture.png";
    std::ofstream(notPicture) << "these are not the bytes of a picture";
    bankQuestion("g2p01_puzzle.jsonl", 2);
    downloaded("scene_garden.png", notPicture);
    ASSERT_EQ(draw(), screen);
    EXPECT_TRUE(logged("is no picture we can read"));
    EXPECT_TRUE(screen->pieces().empty());
    EXPECT_EQ(screen->getChildByTag(CPictureQuestionLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    et::stepSeconds(42);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "-1");
    EXPECT_TRUE(canLeave());
}

TEST_F(PictureGamesTest, PuzzleWaitsForItsPictureUnderTheCover) {
    bankQuestion("g2p01_puzzle.jsonl", 3);
    QuizData::instance().setString("scene_night.png", ""); // not on disk yet
    auto* screen = drawn<CPuzzleLayer>();
    ASSERT_NE(screen, nullptr);
    EXPECT_NE(screen->getChildByTag(CPictureQuestionLayer::kCoverTag), nullptr);
    EXPECT_FALSE(clockRunning());
    EXPECT_TRUE(screen->pieces().empty());
    // The file arrives: the view hands it over and the board is cut.
    downloaded("scene_night.png", bankMedia("scene_night.png"));
    screen->preview()->showImage(0);
    EXPECT_EQ(screen->getChildByTag(CPictureQuestionLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    EXPECT_EQ(screen->pieces().size(), 9u);

    // Next question: the wait gives up first, and the picture still makes a board when it comes.
    bankQuestion("g2p01_puzzle.jsonl", 4);
    QuizData::instance().setString("scene_fruit.png", "");
    ASSERT_EQ(draw(), screen);
    EXPECT_TRUE(screen->pieces().empty());
    et::stepSeconds(CPictureQuestionLayer::kGiveUpSeconds + 0.1f);
    EXPECT_EQ(screen->getChildByTag(CPictureQuestionLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    downloaded("scene_fruit.png", bankMedia("scene_fruit.png"));
    screen->preview()->showImage(0);
    EXPECT_EQ(screen->pieces().size(), 9u);
}

// --- picking the pieces ---

TEST_F(PictureGamesTest, PickLaysOutTheTargetSlotsAndPieces) {
    bankQuestion("g2p02_pick.jsonl");
    auto* screen = drawn<CPickLayer>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(tip(), LocalText::instance().text("Pick"));
    EXPECT_TRUE(clockRunning());
    ASSERT_NE(screen->target(), nullptr);
    EXPECT_EQ(screen->target()->getOpacity(), 120);
    const CCRect target = screen->target()->boundingBox();
    EXPECT_NEAR(target.getMinX(), 60, 0.01f);
    EXPECT_NEAR(target.getMaxY(), 445, 0.01f);
    EXPECT_NEAR(target.size.width, 384, 0.01f); // three quarters of 512
    ASSERT_EQ(screen->slots().size(), 9u);
    ASSERT_EQ(screen->pieces().size(), 16u);
    const auto& answers = QuizData::instance().current->answers;
    const int slotPieces[9] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
    for (int i = 0; i < 9; ++i) {
        const auto& slot = screen->slots()[static_cast<std::size_t>(i)];
        EXPECT_EQ(slot.label, answers[static_cast<std::size_t>(slotPieces[i])]);
        EXPECT_FALSE(slot.sprite->isVisible());
        // Each slot lies over its own part of the faint target.
        const CCRect box = slot.sprite->boundingBox();
        EXPECT_NEAR(box.getMinX(), 60 + 128 * (i % 3), 2.0f) << i;
        EXPECT_NEAR(box.getMaxY(), 445 - 128 * (i / 3), 2.5f) << i;
    }
    std::set<std::string> labels;
    for (int i = 0; i < 16; ++i) {
        const auto& piece = screen->pieces()[static_cast<std::size_t>(i)];
        labels.insert(piece.label);
        EXPECT_EQ(piece.sprite->getPosition().x, CPickLayer::placeOf(i).x);
        EXPECT_EQ(piece.sprite->getPosition().y, CPickLayer::placeOf(i).y);
        const int k = static_cast<int>(std::find(answers.begin(), answers.end(), piece.label) - answers.begin());
        EXPECT_FLOAT_EQ(piece.sprite->getTextureRect().origin.x, 128.0f * static_cast<float>(k % 4));
        EXPECT_FLOAT_EQ(piece.sprite->getTextureRect().origin.y, 128.0f * static_cast<float>(k / 4));
        EXPECT_NEAR(piece.sprite->boundingBox().size.width, 100, 0.01f);
    }
    EXPECT_EQ(labels.size(), 16u);
}

TEST_F(PictureGamesTest, PickWrongPiecesCostTimeAndFillingTheSlotsAnswersOnce) {
    bankQuestion("g2p02_pick.jsonl", 1);
    auto* screen = drawn<CPickLayer>();
    ASSERT_NE(screen, nullptr);
    std::set<std::string> wanted;
    for (const auto& slot : screen->slots()) wanted.insert(slot.label);
    auto pieceLabelled = [&](bool inSlots) -> const CPickLayer::Piece* {
        for (const auto& piece : screen->pieces()) {
            if (!piece.taken && (wanted.count(piece.label) != 0) == inSlots) return &piece;
        }
        return nullptr;
    };
    const CPickLayer::Piece* wrong = pieceLabelled(false);
    ASSERT_NE(wrong, nullptr);
    tapNode(wrong->sprite);
    EXPECT_EQ(m_host->remaining(), 34);
    EXPECT_STREQ(m_host->clockLabel()->getString(), "34");
    EXPECT_TRUE(wrong->sprite->isVisible()); // it stays, and costs again
    tapNode(wrong->sprite);
    EXPECT_EQ(m_host->remaining(), 28);

    const CPickLayer::Piece* right = pieceLabelled(true);
    CCSprite* flying = right->sprite;
    tapNode(flying);
    tapNode(flying); // the second tap during the flight fills nothing more
    EXPECT_EQ(m_host->remaining(), 28);
    const auto filled = std::count_if(screen->slots().begin(), screen->slots().end(),
                                      [](const CPickLayer::Slot& s) { return s.filled; });
    EXPECT_EQ(filled, 1);
    et::stepSeconds(0.55f);
    EXPECT_FALSE(flying->isVisible());
    for (const auto& slot : screen->slots()) {
        if (!slot.filled) continue;
        EXPECT_TRUE(slot.sprite->isVisible());
        EXPECT_EQ(slot.sprite->getOpacity(), 255);
        EXPECT_NEAR(slot.sprite->boundingBox().size.width, 128, 0.01f);
    }

    const ScreenPlayer* player = screenPlayer(2, 2);
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE((*player)({screen, "ABCEFGIJK", true, [](float s) { et::stepSeconds(s); }}));
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "ABCEFGIJK");
    // Nothing more goes out, neither for a wrong piece nor for the clock.
    tapNode(pieceLabelled(false)->sprite);
    EXPECT_EQ(m_submitted.size(), 1u);
}

TEST_F(PictureGamesTest, PickWrongPieceWithLessThanSixSecondsEmptiesTheClock) {
    bankQuestion("g2p02_pick.jsonl", 2);
    auto* screen = drawn<CPickLayer>();
    ASSERT_NE(screen, nullptr);
    while (m_host->remaining() > 5) et::stepFrames(1);
    et::stepSeconds(0.5f);
    ASSERT_EQ(m_host->remaining(), 5);
    for (const auto& piece : screen->pieces()) {
        if (piece.label > "K" || piece.label == "D" || piece.label == "H") {
            tapNode(piece.sprite);
            break;
        }
    }
    EXPECT_EQ(m_host->remaining(), 0);
    EXPECT_TRUE(m_submitted.empty());
    et::stepSeconds(1.0f);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "-1");
}

// --- memory cards ---

TEST_F(PictureGamesTest, MemoryCardsDealFourPicturesTwiceShuffled) {
    bankQuestion("g2p03_memory_cards.jsonl");
    auto* screen = drawn<RakeLayer>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(tip(), LocalText::instance().text("FindOut"));
    EXPECT_TRUE(clockRunning());
    const auto& answers = QuizData::instance().current->answers;
    std::set<std::string> deals;
    for (int deal = 0; deal < 12; ++deal) {
        if (deal > 0) draw();
        ASSERT_EQ(screen->cards().size(), 8u);
        std::multiset<int> pairs;
        std::string order;
        for (std::size_t i = 0; i < 8; ++i) {
            const auto& card = screen->cards()[i];
            pairs.insert(card.pair);
            order += static_cast<char>('0' + card.pair);
            ASSERT_NE(card.picture, nullptr);
            EXPECT_EQ(card.picture->mediaName(), answers[static_cast<std::size_t>(card.pair - 1)]);
            EXPECT_TRUE(card.picture->isLoaded());
            EXPECT_EQ(card.picture->getZOrder(), 3);
            EXPECT_EQ(card.back->getZOrder(), 4);
            EXPECT_TRUE(card.back->isVisible());
            EXPECT_EQ(card.picture->getPosition().x, RakeLayer::placeOf(static_cast<int>(i)).x);
            EXPECT_EQ(card.back->getPosition().y, RakeLayer::placeOf(static_cast<int>(i)).y);
        }
        EXPECT_EQ(pairs, (std::multiset<int>{1, 1, 2, 2, 3, 3, 4, 4}));
        deals.insert(order);
    }
    EXPECT_GT(deals.size(), 3u);
}

TEST_F(PictureGamesTest, MemoryCardsGlimpseMatchAndAnswerOnce) {
    bankQuestion("g2p03_memory_cards.jsonl", 1);
    auto* screen = drawn<RakeLayer>();
    ASSERT_NE(screen, nullptr);
    const auto& cards = screen->cards();
    auto tapCard = [](std::size_t i) {
        const CCPoint at = RakeLayer::placeOf(static_cast<int>(i));
        et::tap(at.x + 100, at.y - 100); // inside the 220-point box, off the picture
    };
    std::size_t a = 0, twin = 1, other = 1;
    while (cards[twin].pair != cards[a].pair) ++twin;
    while (cards[other].pair == cards[a].pair) ++other;

    // A glimpse: open for 0.3 s, other taps ignored meanwhile.
    tapCard(other);
    EXPECT_FALSE(cards[other].back->isVisible());
    EXPECT_FALSE(RakeLayer::acceptsTaps());
    tapCard(a);
    EXPECT_TRUE(cards[a].back->isVisible());
    et::stepSeconds(0.35f);
    EXPECT_TRUE(cards[other].back->isVisible());
    EXPECT_TRUE(RakeLayer::acceptsTaps());

    // A then its twin: both stay open.
    tapCard(a);
    et::stepSeconds(0.35f);
    EXPECT_TRUE(cards[a].back->isVisible());
    tapCard(twin);
    EXPECT_EQ(screen->pairsFound(), 1);
    et::stepSeconds(0.35f);
    EXPECT_FALSE(cards[a].back->isVisible());
    EXPECT_FALSE(cards[twin].back->isVisible());
    // Found cards take no taps: the pair is not counted again.
    tapCard(a);
    et::stepSeconds(0.35f);
    tapCard(twin);
    et::stepSeconds(0.35f);
    EXPECT_EQ(screen->pairsFound(), 1);
    EXPECT_TRUE(m_submitted.empty());

    const ScreenPlayer* player = screenPlayer(2, 3);
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE((*player)({screen, "0", true, [](float s) { et::stepSeconds(s); }}));
    EXPECT_EQ(screen->pairsFound(), 4);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "0");
    et::stepSeconds(1);
    for (const auto& card : cards) EXPECT_FALSE(card.back->isVisible());
    EXPECT_EQ(m_submitted.size(), 1u);
}

TEST_F(PictureGamesTest, MemoryCardsNextQuestionStartsWithTheSwitchesOn) {
    bankQuestion("g2p03_memory_cards.jsonl", 2);
    auto* screen = drawn<RakeLayer>();
    ASSERT_NE(screen, nullptr);
    // The question ends during a glimpse (the clock, a verdict): the switches are off.
    et::tap(RakeLayer::placeOf(0).x, RakeLayer::placeOf(0).y);
    ASSERT_FALSE(RakeLayer::acceptsTaps());
    bankQuestion("g2p03_memory_cards.jsonl", 3);
    ASSERT_EQ(draw(), screen);
    EXPECT_TRUE(RakeLayer::acceptsTaps());
    EXPECT_TRUE(RakeLayer::turnsBack());
    et::stepSeconds(0.35f);
    const ScreenPlayer* player = screenPlayer(2, 3);
    EXPECT_TRUE((*player)({screen, "0", true, [](float s) { et::stepSeconds(s); }}));
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "0");
}

// --- shell game ---

TEST_F(PictureGamesTest, ShellGameKeepsTheCarrotUnderItsCardThroughEverySwap) {
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        m_submitted.clear();
        bankQuestion("g2p14_shell_game.jsonl", round % 5);
        auto* screen = drawn<CImageMoveLayer>();
        ASSERT_NE(screen, nullptr);
        EXPECT_FALSE(clockRunning());
        ASSERT_EQ(screen->cards().size(), 4u);
        CCNode* carrot = screen->carrotCard();
        int place = -1;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(screen->cards()[static_cast<std::size_t>(i)]->getPosition().x, CImageMoveLayer::placeCentre(i).x);
            if (screen->cards()[static_cast<std::size_t>(i)] == carrot) place = i;
        }
        EXPECT_FALSE(screen->isFaceDown());
        et::stepSeconds(3.05f);
        EXPECT_TRUE(screen->isFaceDown());
        EXPECT_EQ(screen->swapsDone(), 0);
        et::stepSeconds(1.45f);
        // The player's eye: after each swap, find the card now standing where the carrot card went.
        float expected = 0.2f;
        int watched = 0;
        while (!screen->isWaitingForTap() && watched < 20) {
            et::stepSeconds(CImageMoveLayer::kSwapEvery);
            if (screen->swapsDone() <= watched) continue;
            watched = screen->swapsDone();
            expected *= 0.92f;
            EXPECT_NEAR(screen->lastSwapSeconds(), expected, 1e-4f);
            // Settled on one of the four places, and no two cards share one.
            std::set<int> places;
            for (CCNode* card : screen->cards()) {
                int at = -1;
                for (int p = 0; p < 4; ++p) {
                    if (ccpDistance(card->getPosition(), CImageMoveLayer::placeCentre(p)) < 0.5f) at = p;
                }
                ASSERT_GE(at, 0) << "a card between places after a swap";
                places.insert(at);
                if (card == carrot) place = at;
            }
            EXPECT_EQ(places.size(), 4u);
        }
        et::stepSeconds(0.4f);
        ASSERT_TRUE(screen->isWaitingForTap());
        EXPECT_TRUE(clockRunning());
        EXPECT_GE(screen->swapsPlanned(), 8);
        EXPECT_LE(screen->swapsPlanned(), 12);
        EXPECT_EQ(screen->swapsDone(), screen->swapsPlanned());
        // Tap by place, as a player does: the place the carrot was followed to.
        const int tapped = round % 2 == 0 ? place : (place + 1 + round % 3) % 4;
        const CCPoint at = CImageMoveLayer::placeCentre(tapped);
        et::tap(at.x + 90, at.y + 120);
        et::tap(at.x, at.y);
        ASSERT_EQ(m_submitted.size(), 1u);
        EXPECT_EQ(m_submitted[0].answer, tapped == place ? "right" : "0");
    }
}

TEST_F(PictureGamesTest, ShellGamePausesWhileAnswered) {
    bankQuestion("g2p14_shell_game.jsonl", 1);
    auto* screen = drawn<CImageMoveLayer>();
    ASSERT_NE(screen, nullptr);
    et::stepSeconds(4.5f + 0.1f);
    ASSERT_GE(screen->swapsDone(), 1);
    screen->setAnswered(true);
    EXPECT_TRUE(screen->isAnswered());
    const int done = screen->swapsDone();
    std::vector<CCPoint> where;
    for (CCNode* card : screen->cards()) where.push_back(card->getPosition());
    et::stepSeconds(3);
    EXPECT_EQ(screen->swapsDone(), done);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(screen->cards()[i]->getPosition().x, where[i].x);
        EXPECT_EQ(screen->cards()[i]->getPosition().y, where[i].y);
    }
    screen->setAnswered(false);
    et::stepSeconds(5);
    EXPECT_TRUE(screen->isWaitingForTap());
    EXPECT_EQ(screen->swapsDone(), screen->swapsPlanned());
    tapNode(screen->carrotCard());
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "right");
}

// --- the players against the whole bank ---

TEST_F(PictureGamesTest, PlayersWinAndLoseEveryBankQuestion) {
    for (const char* file : {"g2p01_puzzle.jsonl", "g2p02_pick.jsonl", "g2p03_memory_cards.jsonl",
                             "g2p14_shell_game.jsonl"}) {
        const auto lines = bankLines(file);
        EXPECT_GE(lines.size(), 5u) << file;
        for (const Json::Value& line : lines) {
            for (bool win : {true, false}) {
                SCOPED_TRACE(line["qsid"].asInt() * 10 + win);
                m_submitted.clear();
                useBankLine(line);
                CQuestionLayer* screen = draw();
                ASSERT_NE(screen, nullptr);
                const ScreenPlayer* player = screenPlayer(2, line["playtype"].asInt());
                ASSERT_NE(player, nullptr);
                const std::string right = line["right"].asString();
                ASSERT_TRUE((*player)({screen, right, win, [](float s) { et::stepSeconds(s); }}));
                ASSERT_EQ(m_submitted.size(), 1u);
                if (win) {
                    EXPECT_EQ(m_submitted[0].answer, right);
                } else {
                    EXPECT_NE(m_submitted[0].answer, right);
                }
            }
        }
    }
}

// The whole way: the mission fetches the question, the pictures come from the server, the player
// plays the screen and the server judges.
TEST_F(PictureGamesTest, PlayersAgainstTheRealServer) {
    std::unique_ptr<ServerProcess> server;
    startServerWithGuest(m_folder, server);
    if (!server) return;
    CQuestionMission::instance()->setContestOffer(nullptr);

    struct Case {
        int qsid;
        bool win;
    };
    const Case cases[] = {{201001, true}, {201002, false}, {202001, true}, {202002, false},
                          {203001, true}, {203002, false}, {214001, true}, {214002, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qsid);
        QuizData::instance().qsidQueue = {c.qsid};
        QuizData::instance().lastResult.reset();
        CQuestionMission::instance()->start();
        ASSERT_TRUE(pumpUntilIdle(15)); // the question, then its pictures
        CQuestionLayer* screen = QuestionStage::instance().current();
        ASSERT_NE(screen, nullptr);
        const QuestionRecord& question = *QuizData::instance().current;
        const ScreenPlayer* player = screenPlayer(question.gametype, question.playtype);
        ASSERT_NE(player, nullptr);
        const std::string right = question.playtype == 1 ? "123456789"
                                  : question.playtype == 2 ? "ABCEFGIJK"
                                  : question.playtype == 3 ? "0"
                                                           : "right";
        ASSERT_TRUE((*player)({screen, right, c.win, [](float s) { et::stepSeconds(s); }}));
        ASSERT_TRUE(pumpUntilIdle(15));
        ASSERT_NE(QuizData::instance().lastResult, nullptr);
        if (c.win) {
            EXPECT_GT(QuizData::instance().lastResult->addscore, 0);
        } else {
            EXPECT_EQ(QuizData::instance().lastResult->addscore, 0);
        }
        for (CCNode* box : childrenOf<AnswerBox>(m_host)) box->removeFromParentAndCleanup(true);
        for (CCNode* box : childrenOf<CMyMessageBox>(m_host)) box->removeFromParentAndCleanup(true);
        // The mission unlocks the screen before it draws the next question.
        QuestionStage::instance().setAnswered(false);
    }
}

} // namespace
