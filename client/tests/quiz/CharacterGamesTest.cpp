// The character cell games on the play scene, on the manual clock: what each sends and when, the
// board's marking rules, the punctuation copies, the catch game's chances, the sort swaps and the
// eliminate row; and refusals of boards that cannot be played.
#include "quiz/QuizScreenSupport.h"

#include "net/CCMask.h"
#include "quiz/CChoiceSymbolLayer.h"
#include "quiz/CEliminateLayer.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/CHitTxtLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CSortTxtLayer.h"
#include "quiz/CSudokuLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CTxtCell.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

// Board positions of the blanks in the board below: 3, 10, 18, 28.
const char* const kPoemBoard = "床前明;光,,,疑是;上霜,,,举头;明月,,,低头思故;,,,";
const char* const kPoemCandidates = "下春中大上月石土地天西东火风和花乡望白南水山小云";
// 往 and 异 are offered twice each; blanks at 3, 7, 11, 15, 19, 23, 25, 31.
const char* const kIdiomBoard = "东张西;南来北;左顾右;前因后;大同小;天长地;古;今来日新月;";
const char* const kIdiomCandidates = "木南风望往人春日盼上异异白红石果西下火和久往月金";

class CharacterGamesTest : public QuizScreenTest {
protected:
    void SetUp() override {
        QuizScreenTest::SetUp();
        enterPlay();
    }
    template <class Screen>
    Screen* show(int playType, const std::string& question, std::vector<std::string> answers,
                 const std::string& right = "") {
        QuestionRecord& record = setQuestion(1, playType, std::move(answers));
        record.question = question;
        std::get<ChoiceQuestion>(record.details).right = right;
        return dynamic_cast<Screen*>(draw());
    }
    static CTxtCell* candidateWith(CSudokuLayer* board, const std::string& text, int skip = 0) {
        for (int j = 0; j < CSudokuLayer::kCandidates; ++j) {
            if (board->candidate(j)->text() == text && skip-- == 0) return board->candidate(j);
        }
        return nullptr;
    }
    // Marks the blank, taps the candidate, lets it land.
    static void place(CSudokuLayer* board, int blank, CTxtCell* candidate) {
        tapNode(board->gridCell(blank));
        tapNode(candidate);
        et::stepSeconds(0.55f);
    }
    bool pauseButtonFree() const { return m_host->backButton() && m_host->backButton()->isTouchEnabled(); }
};

TEST_F(CharacterGamesTest, SudokuSendsTheBlanksInBoardOrderAndMarksTheFirstEmpty) {
    auto* board = show<CSudokuLayer>(2, kPoemBoard, {kPoemCandidates});
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(m_host->tipLabel()->getString(), std::string("填满格子里的空缺"));
    // Walls stay hidden, fixed cells show their character, blanks are empty.
    EXPECT_FALSE(board->gridCell(5)->isVisible());
    EXPECT_EQ(board->gridCell(0)->text(), "床");
    EXPECT_TRUE(board->isBlank(10));
    EXPECT_EQ(board->gridCell(10)->text(), "");
    EXPECT_EQ(worldOf(board->gridCell(10)).x, 440);
    EXPECT_EQ(worldOf(board->gridCell(10)).y, 375);
    EXPECT_EQ(worldOf(board->candidate(13)).x, 145);
    EXPECT_EQ(worldOf(board->candidate(13)).y, 60);
    EXPECT_EQ(board->markedCell(), board->gridCell(3));
    EXPECT_EQ(board->gridCell(3)->state(), CTxtCell::kDark);
    EXPECT_TRUE(board->highlight()->isVisible());

    // Filled out of order: blank 18 first. The mark goes back to blank 3, the first empty one.
    CTxtCell* wang = candidateWith(board, "望");
    const CCPoint home = wang->getPosition();
    tapNode(board->gridCell(18));
    EXPECT_EQ(board->gridCell(3)->state(), CTxtCell::kNormal);
    tapNode(wang);
    EXPECT_TRUE(board->isBusy());
    EXPECT_FALSE(pauseButtonFree());
    tapNode(board->gridCell(10)); // ignored while the candidate flies
    EXPECT_EQ(board->markedCell(), board->gridCell(18));
    et::stepSeconds(0.55f);
    EXPECT_FALSE(board->isBusy());
    EXPECT_TRUE(pauseButtonFree());
    EXPECT_EQ(board->gridCell(18)->text(), "望");
    EXPECT_FALSE(wang->isVisible());
    EXPECT_EQ(wang->getPosition().x, home.x);
    EXPECT_EQ(wang->getPosition().y, home.y);
    EXPECT_EQ(board->markedCell(), board->gridCell(3));
    EXPECT_EQ(board->highlight()->getPosition().x, board->gridCell(3)->getPosition().x);

    place(board, 28, candidateWith(board, "乡"));
    place(board, 3, candidateWith(board, "月"));
    EXPECT_EQ(board->markedCell(), board->gridCell(10));
    EXPECT_TRUE(submitted().empty());
    place(board, 10, candidateWith(board, "地"));
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "月地望乡");
    EXPECT_EQ(submitted()[0].optionIndex, -1);
    EXPECT_FALSE(board->highlight()->isVisible());

    // Done: a candidate tapped now has no blank to go to and stays where it is.
    CTxtCell* spare = candidateWith(board, "春");
    tapNode(spare);
    et::stepSeconds(0.6f);
    EXPECT_TRUE(spare->isVisible());
    EXPECT_FALSE(board->isBusy());
    EXPECT_EQ(submitted().size(), 1u);
}

TEST_F(CharacterGamesTest, SudokuTakingACharacterOutOffersEveryCopyAgain) {
    auto* board = show<CSudokuLayer>(2, kIdiomBoard, {kIdiomCandidates});
    ASSERT_NE(board, nullptr);
    CTxtCell* first = candidateWith(board, "往");
    CTxtCell* second = candidateWith(board, "往", 1);
    ASSERT_NE(second, nullptr);
    place(board, 7, first);
    place(board, 25, second);
    EXPECT_FALSE(first->isVisible());
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(board->markedCell(), board->gridCell(3));

    tapNode(board->gridCell(7));
    EXPECT_EQ(board->gridCell(7)->text(), "");
    EXPECT_EQ(board->markedCell(), board->gridCell(7));
    EXPECT_EQ(board->gridCell(3)->state(), CTxtCell::kNormal);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(board->gridCell(25)->text(), "往");
    EXPECT_TRUE(submitted().empty());
}

TEST_F(CharacterGamesTest, SudokuWithoutABlankLeavesCandidatesWhereTheyAre) {
    auto* board = show<CSudokuLayer>(2, "一二三四五六七八一二三四五六七八一二三四五六七八一二三四五六七八", {kPoemCandidates});
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->markedCell(), nullptr);
    EXPECT_TRUE(logged("no blank"));
    tapNode(board->candidate(0));
    et::stepSeconds(0.6f);
    EXPECT_TRUE(board->candidate(0)->isVisible());
    EXPECT_EQ(board->candidate(0)->getPosition().x, CSudokuLayer::candidatePosition(0).x);
    EXPECT_TRUE(submitted().empty());
}

TEST_F(CharacterGamesTest, SudokuRefusesShortBoardsAndShortCandidates) {
    // A playable board first, so the refusals must also clear what it left.
    auto* board = show<CSudokuLayer>(2, kPoemBoard, {kPoemCandidates});
    ASSERT_NE(board, nullptr);
    std::string shortBoard;
    for (const std::string& c : CFillCellLayer::splitCharacters(kPoemBoard)) {
        if (shortBoard.size() < std::string(kPoemBoard).size() - 1) shortBoard += c; // all but the last ","
    }
    const std::string shortPool = std::string(kPoemCandidates).substr(0, 23 * 3);
    for (const auto& [question, pool] : {std::pair{shortBoard, std::string(kPoemCandidates)},
                                         std::pair{std::string(kPoemBoard), shortPool},
                                         std::pair{std::string(), std::string()}}) {
        m_log.clear();
        EXPECT_EQ(show<CSudokuLayer>(2, question, {pool}), board);
        EXPECT_TRUE(logged("sudoku: board of")) << question;
        for (int i = 0; i < CSudokuLayer::kBoardCells; ++i) EXPECT_FALSE(board->gridCell(i)->isVisible());
        for (int j = 0; j < CSudokuLayer::kCandidates; ++j) EXPECT_FALSE(board->candidate(j)->isVisible());
        EXPECT_FALSE(board->highlight()->isVisible());
        for (float x = 40; x < 960; x += 75) et::tap(x, 100), et::tap(x, 400);
        et::stepSeconds(0.6f);
        EXPECT_TRUE(submitted().empty());
        EXPECT_TRUE(clockRunning()); // the clock still ends the question
        EXPECT_TRUE(pauseButtonFree());
    }
    m_host->openPauseMenu();
    EXPECT_NE(m_host->getChildByTag(CPlayLayer::kPauseTag), nullptr);
}

TEST_F(CharacterGamesTest, PunctuationMarksFillSeveralBlanksAndTheClockStopsAtTheLastTap) {
    auto* screen = show<CChoiceSymbolLayer>(13, "春天来了;小草绿了;花儿开了；", {"，", "。", "？", "、"});
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->cells().size(), 15u);
    // A full first row of twelve from 67.5; the second row starts there too.
    EXPECT_FLOAT_EQ(worldOf(screen->cells()[0]).x, 67.5f);
    EXPECT_FLOAT_EQ(worldOf(screen->cells()[0]).y, 365);
    EXPECT_FLOAT_EQ(worldOf(screen->cells()[12]).x, 67.5f);
    EXPECT_FLOAT_EQ(worldOf(screen->cells()[12]).y, 290);
    EXPECT_FLOAT_EQ(worldOf(screen->candidates()[3]).x, 445);
    EXPECT_FLOAT_EQ(worldOf(screen->candidates()[3]).y, 140);
    EXPECT_TRUE(screen->isBlank(14)); // the wide semicolon is a blank too
    EXPECT_EQ(screen->markedCell(), screen->cells()[4]);

    CTxtCell* comma = screen->candidates()[0];
    CTxtCell* stop = screen->candidates()[1];
    tapNode(comma);
    ASSERT_NE(screen->flyingCopy(), nullptr);
    EXPECT_NE(dynamic_cast<CCMask*>(screen->getChildByTag(CChoiceSymbolLayer::kMaskTag)), nullptr);
    tapNode(stop); // under the cover: nothing
    et::stepSeconds(0.55f);
    EXPECT_EQ(screen->flyingCopy(), nullptr);
    EXPECT_EQ(screen->getChildByTag(CChoiceSymbolLayer::kMaskTag), nullptr);
    EXPECT_EQ(screen->cells()[4]->text(), "，");
    EXPECT_EQ(screen->markedCell(), screen->cells()[9]);

    // The same mark again, then the full stop for the last blank.
    tapNode(comma);
    et::stepSeconds(0.55f);
    EXPECT_EQ(screen->cells()[9]->text(), "，");
    tapNode(stop);
    et::stepSeconds(0.55f);
    EXPECT_EQ(screen->cells()[14]->text(), "。");
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "春天来了，小草绿了，花儿开了。");
    m_submitted.clear();

    show<CChoiceSymbolLayer>(13, "你吃饭了吗;", {"，", "。", "？"});
    ASSERT_EQ(screen->cells().size(), 6u);
    EXPECT_FLOAT_EQ(worldOf(screen->cells()[0]).x, 292.5f); // a short row is centred
    tapNode(screen->candidates()[1]);
    EXPECT_FALSE(clockRunning()); // the last blank: the clock stops at the tap
    EXPECT_TRUE(submitted().empty());
    et::stepSeconds(0.55f);
    tapNode(screen->cells()[5]); // sent already: the blank stays filled
    EXPECT_EQ(screen->cells()[5]->text(), "。");
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "你吃饭了吗。");
}

TEST_F(CharacterGamesTest, PunctuationBlankTappedAgainIsEmptiedAndMarked) {
    auto* screen = show<CChoiceSymbolLayer>(13, "我喜欢苹果;香蕉和橘子;", {"、", "，", "。", "？"});
    ASSERT_NE(screen, nullptr);
    tapNode(screen->candidates()[1]);
    et::stepSeconds(0.55f);
    EXPECT_EQ(screen->markedCell(), screen->cells()[11]);
    tapNode(screen->cells()[5]);
    EXPECT_EQ(screen->cells()[5]->text(), "");
    EXPECT_EQ(screen->markedCell(), screen->cells()[5]);
    EXPECT_EQ(screen->cells()[11]->state(), CTxtCell::kNormal);
    EXPECT_TRUE(clockRunning()); // two blanks are empty again
    tapNode(screen->candidates()[0]);
    et::stepSeconds(0.55f);
    tapNode(screen->candidates()[2]);
    et::stepSeconds(0.55f);
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "我喜欢苹果、香蕉和橘子。");
}

class HitTextTest : public CharacterGamesTest {
protected:
    CHitTxtLayer* showSpring() {
        auto* screen = show<CHitTxtLayer>(3, "春眠不觉晓", {"晓春夏雪冬不眠雨觉"}, "春眠不觉晓");
        et::stepSeconds(CHitTxtLayer::kIntroSeconds + 0.05f);
        return screen;
    }
    bool wanted(CHitTxtLayer* screen, const std::string& text) {
        for (CTxtCell* target : screen->targets()) {
            if (!target->isTextShown() && target->text() == text) return true;
        }
        return false;
    }
    // Lets the characters fall until one for which `pick` holds is in sight.
    int waitForItem(CHitTxtLayer* screen, const std::function<bool(CTxtCell*)>& pick) {
        for (int frames = 0; frames < 40 * 60; ++frames) {
            for (std::size_t i = 0; i < screen->items().size(); ++i) {
                if (screen->isItemShown(static_cast<int>(i)) && pick(screen->items()[i])) return static_cast<int>(i);
            }
            et::stepFrames(1);
        }
        return -1;
    }
    int wrongEffects() {
        int count = 0;
        for (const auto& call : audio().callsNamed("playEffect")) {
            count += call.file.find("effect/play/tPlay3_wrong.mp3") != std::string::npos ? 1 : 0;
        }
        return count;
    }
};

TEST_F(HitTextTest, LayoutAndTheSentenceBeforeTheFall) {
    auto* screen = show<CHitTxtLayer>(3, "春眠不觉晓", {"晓春夏雪冬不眠雨觉"}, "春眠不觉晓");
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->targets().size(), 5u);
    // Half the window minus 12.5 per byte plus 37: 329.
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(worldOf(screen->targets()[i]).x, 329 + 75 * i);
        EXPECT_EQ(worldOf(screen->targets()[i]).y, 70);
        EXPECT_FALSE(screen->targets()[i]->isTextShown());
        EXPECT_EQ(screen->targets()[i]->state(), CTxtCell::kGold);
    }
    EXPECT_STREQ(screen->chanceLabel()->getString(), "3");
    EXPECT_EQ(worldOf(screen->chanceLabel()).x, 900);
    ASSERT_EQ(screen->items().size(), 9u);
    for (int i = 0; i < 9; ++i) {
        const CCPoint at = worldOf(screen->items()[i]);
        EXPECT_EQ(at.y, 500 + 110 * i);
        EXPECT_GE(at.x, 250);
        EXPECT_LT(at.x, 814);
        EXPECT_FALSE(screen->items()[i]->isVisible());
    }
    EXPECT_STREQ(screen->introLabel()->getString(), "春眠不觉晓");
    et::stepSeconds(2);
    EXPECT_EQ(screen->introLabel()->getOpacity(), 255);
    // Nothing falls while the sentence shows, and taps there do nothing.
    tapNode(screen->items()[0]);
    EXPECT_EQ(screen->chances(), 3);
    EXPECT_EQ(worldOf(screen->items()[0]).y, 500);
    et::stepSeconds(CHitTxtLayer::kIntroSeconds - 2 + 0.05f);
    EXPECT_EQ(screen->introLabel()->getOpacity(), 0);
    et::stepSeconds(1);
    EXPECT_LT(worldOf(screen->items()[0]).y, 500);
}

TEST_F(HitTextTest, ThreeWrongTapsAreForgivenTheFourthLoses) {
    CHitTxtLayer* screen = showSpring();
    ASSERT_NE(screen, nullptr);
    const int decoy = waitForItem(screen, [&](CTxtCell* item) { return !wanted(screen, item->text()); });
    ASSERT_GE(decoy, 0);
    CTxtCell* item = screen->items()[decoy];

    // A tap beside every character in sight changes nothing.
    et::tap(60, 600);
    et::tap(worldOf(item).x, 140); // under the band where characters show
    EXPECT_EQ(screen->chances(), 3);
    EXPECT_EQ(wrongEffects(), 0);

    for (int wrong = 1; wrong <= 3; ++wrong) {
        tapNode(item);
        EXPECT_EQ(screen->chances(), 3 - wrong);
        EXPECT_EQ(wrongEffects(), wrong);
        EXPECT_TRUE(submitted().empty());
    }
    EXPECT_STREQ(screen->chanceLabel()->getString(), "0");
    et::stepSeconds(0.1f);
    EXPECT_GT(screen->chanceLabel()->getScale(), 1.2f); // it pulses
    et::stepSeconds(0.25f);
    EXPECT_FLOAT_EQ(screen->chanceLabel()->getScale(), 1);
    const int fourth = waitForItem(screen, [&](CTxtCell* c) { return !wanted(screen, c->text()); });
    ASSERT_GE(fourth, 0);
    tapNode(screen->items()[fourth]);
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "-1");
    EXPECT_EQ(wrongEffects(), 4);
    tapNode(screen->items()[fourth]);
    EXPECT_EQ(submitted().size(), 1u);
}

TEST_F(HitTextTest, CatchingEveryCharacterSendsTheSentenceOnce) {
    CHitTxtLayer* screen = showSpring();
    ASSERT_NE(screen, nullptr);
    for (int caught = 0; caught < 5; ++caught) {
        const int i = waitForItem(screen, [&](CTxtCell* item) { return wanted(screen, item->text()); });
        ASSERT_GE(i, 0);
        CTxtCell* item = screen->items()[i];
        tapNode(item);
        EXPECT_FALSE(screen->isItemShown(i));
        if (caught < 4) {
            EXPECT_TRUE(clockRunning());
        }
        et::stepSeconds(0.55f);
        EXPECT_FALSE(item->isVisible());
        int shown = 0;
        for (CTxtCell* target : screen->targets()) shown += target->label()->getString() == target->text() ? 1 : 0;
        EXPECT_EQ(shown, caught + 1);
    }
    EXPECT_FALSE(clockRunning());
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "春眠不觉晓");
    // Nothing is wanted any more, and a tap on a decoy does not lose after the fact.
    const int decoy = waitForItem(screen, [](CTxtCell*) { return true; });
    if (decoy >= 0) tapNode(screen->items()[decoy]);
    EXPECT_EQ(submitted().size(), 1u);
    EXPECT_EQ(screen->chances(), 3);
}

TEST_F(HitTextTest, CharactersStandStillWhileAnswered) {
    CHitTxtLayer* screen = showSpring();
    ASSERT_NE(screen, nullptr);
    m_host->stopClock(); // the wait below must not run into the time-out
    et::stepSeconds(1);
    QuestionStage::instance().setAnswered(true);
    std::vector<float> heights;
    for (CTxtCell* item : screen->items()) heights.push_back(item->getPositionY());
    et::stepSeconds(2);
    for (std::size_t i = 0; i < heights.size(); ++i) EXPECT_EQ(screen->items()[i]->getPositionY(), heights[i]);
    const int any = waitForItem(screen, [](CTxtCell*) { return true; });
    if (any >= 0) tapNode(screen->items()[any]);
    EXPECT_TRUE(submitted().empty());
    EXPECT_EQ(screen->chances(), 3);
    QuestionStage::instance().setAnswered(false);
    et::stepSeconds(0.5f);
    EXPECT_LT(screen->items()[0]->getPositionY(), heights[0]);
}

TEST_F(CharacterGamesTest, SortSwapsAlongCurvesAndSendsTheSentenceOnceItReads) {
    auto* screen = show<CSortTxtLayer>(6, "学无止境", {"学无止境"}, "学无止境");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(m_host->tipLabel()->getString(), std::string("把文字排成正确的顺序"));
    ASSERT_EQ(screen->cells().size(), 4u);
    EXPECT_NE(screen->reading(), "学无止境");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(worldOf(screen->cells()[i]).x, 370 + 75 * i); // 480 - 150 + 37, plus 3
        EXPECT_EQ(worldOf(screen->cells()[i]).y, 280);
    }
    CTxtCell* first = screen->cells()[0];
    tapNode(first);
    EXPECT_EQ(first->state(), CTxtCell::kDark);
    tapNode(first);
    EXPECT_EQ(first->state(), CTxtCell::kNormal);
    EXPECT_EQ(screen->markedCell(), nullptr);

    const std::vector<std::string> want = {"学", "无", "止", "境"};
    for (std::size_t i = 0; i < want.size(); ++i) {
        if (screen->cells()[i]->text() == want[i]) continue;
        std::size_t j = i + 1;
        while (screen->cells()[j]->text() != want[i]) ++j;
        CTxtCell* marked = screen->cells()[i];
        CTxtCell* tapped = screen->cells()[j];
        tapNode(marked);
        tapNode(tapped);
        EXPECT_TRUE(screen->isSwapping());
        tapNode(screen->cells()[(j + 1) % 4]); // ignored mid-swap
        et::stepSeconds(0.25f);
        EXPECT_GT(marked->getPositionY(), 280); // over the row
        EXPECT_LT(tapped->getPositionY(), 280); // under it
        EXPECT_TRUE(submitted().empty());
        et::stepSeconds(0.3f);
        EXPECT_EQ(screen->cells()[i], tapped);
        EXPECT_EQ(screen->cells()[j], marked);
        EXPECT_EQ(marked->state(), CTxtCell::kNormal);
        EXPECT_EQ(screen->markedCell(), nullptr);
    }
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "学无止境");
    tapNode(screen->cells()[0]);
    tapNode(screen->cells()[1]);
    et::stepSeconds(0.6f);
    EXPECT_EQ(submitted().size(), 1u);
}

TEST_F(CharacterGamesTest, SortNeverStartsSolved) {
    for (int round = 0; round < 30; ++round) {
        auto* screen = show<CSortTxtLayer>(6, "一寸光阴一寸金", {"一寸光阴一寸金"}, "一寸光阴一寸金");
        ASSERT_NE(screen, nullptr);
        EXPECT_NE(screen->reading(), "一寸光阴一寸金");
    }
}

TEST_F(CharacterGamesTest, EliminateRemovesTheMaskedCellsThenClosesTheRowAndSendsTheMask) {
    auto* screen = show<CEliminateLayer>(14, "消去多余的字，留下一个成语", {"一马心当一先意"}, "1010101");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(m_host->tipLabel()->getString(), std::string("消去多余的字，留下一个成语"));
    EXPECT_EQ(screen->keepCount(), 4);
    for (int i = 0; i < 7; ++i) {
        auto* cell = dynamic_cast<CTxtCell*>(screen->getChildByTag(CEliminateLayer::kCellTagBase + i));
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(worldOf(cell).x, 240 + 80 * i);
        EXPECT_EQ(worldOf(cell).y, 320);
    }
    // A touch that goes down on one cell and ends on another does nothing, and highlights as it moves.
    CCNode* horse = screen->getChildByTag(1001);
    CCNode* heart = screen->getChildByTag(1002);
    et::touchBegan(worldOf(horse).x, worldOf(horse).y);
    EXPECT_EQ(static_cast<CTxtCell*>(horse)->state(), CTxtCell::kDark);
    et::touchMoved(worldOf(heart).x, worldOf(heart).y);
    EXPECT_EQ(static_cast<CTxtCell*>(heart)->state(), CTxtCell::kDark);
    EXPECT_EQ(static_cast<CTxtCell*>(horse)->state(), CTxtCell::kNormal);
    et::touchEnded(worldOf(horse).x, worldOf(horse).y);
    EXPECT_EQ(screen->cells().size(), 7u);
    EXPECT_TRUE(submitted().empty());

    for (int tag : {1001, 1003}) tapNode(screen->getChildByTag(tag));
    EXPECT_EQ(screen->cells().size(), 5u);
    EXPECT_EQ(screen->getChildByTag(1003), nullptr);
    EXPECT_TRUE(clockRunning());
    tapNode(screen->getChildByTag(1005));
    EXPECT_TRUE(screen->isClosing());
    EXPECT_NE(screen->getChildByTag(CEliminateLayer::kMaskTag), nullptr);
    EXPECT_FALSE(clockRunning());
    tapNode(screen->getChildByTag(1000)); // under the cover
    EXPECT_TRUE(submitted().empty());
    et::stepSeconds(0.75f);
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(worldOf(screen->cells()[i]).x, 360 + 80 * i);
    EXPECT_TRUE(submitted().empty());
    et::stepSeconds(0.3f);
    EXPECT_EQ(screen->getChildByTag(CEliminateLayer::kMaskTag), nullptr);
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "1010101");
}

TEST_F(CharacterGamesTest, EliminateCellToKeepLosesAtOnce) {
    auto* screen = show<CEliminateLayer>(14, "消去多余的字", {"画虎龙点水睛"}, "101101");
    ASSERT_NE(screen, nullptr);
    tapNode(screen->getChildByTag(1001));
    tapNode(screen->getChildByTag(1002));
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "-1");
    tapNode(screen->getChildByTag(1004));
    et::stepSeconds(1.5f);
    EXPECT_EQ(submitted().size(), 1u);
}

TEST_F(CharacterGamesTest, EliminateMasksOfOnlyZerosAndShortMasks) {
    auto* screen = show<CEliminateLayer>(14, "全部消去", {"甲乙丙"}, "000");
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->keepCount(), 0);
    for (int tag : {1000, 1001}) tapNode(screen->getChildByTag(tag));
    EXPECT_FALSE(screen->isClosing());
    tapNode(screen->getChildByTag(1002));
    EXPECT_TRUE(screen->isClosing());
    et::stepSeconds(1.05f);
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "000");
    m_submitted.clear();

    // The mask is cut to the row for counting, cells past its end may go, and the whole text is sent.
    show<CEliminateLayer>(14, "消去", {"甲乙丙"}, "10");
    EXPECT_EQ(screen->keepCount(), 1);
    tapNode(screen->getChildByTag(1002));
    tapNode(screen->getChildByTag(1001));
    et::stepSeconds(1.05f);
    ASSERT_EQ(submitted().size(), 1u);
    EXPECT_EQ(submitted()[0].answer, "10");

    // An empty row is refused, not finished.
    m_submitted.clear();
    show<CEliminateLayer>(14, "消去", {""}, "10");
    EXPECT_TRUE(logged("eliminate: no characters"));
    et::stepSeconds(1.5f);
    EXPECT_TRUE(submitted().empty());
}

} // namespace
