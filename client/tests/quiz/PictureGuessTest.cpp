// The picture-guess screens on the real bank's questions and generated pictures: guessing a
// picture's name in the answer cells, tapping its missing colour, spotting the differences, their
// refusals of questions they cannot play, and the test players run over every bank line.
#include "quiz/PictureGuessSupport.h"
#include "quiz/QuizScreenSupport.h"
#include "quiz/ScreenPlayers.h"

#include "account/ServerProcess.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/CFindGraphLayer.h"
#include "quiz/CGuessColorLayer.h"
#include "quiz/CGuessGraphLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "support/NetTestSupport.h"
#include "widgets/CImageView.h"
#include "widgets/CSSRect.h"
#include "widgets/CTxtCell.h"

#include "testing/EngineTesting.h"

#include <fstream>

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

class PictureGuessTest : public QuizScreenTest {
protected:
    void SetUp() override {
        QuizScreenTest::SetUp();
        enterPlay();
    }
    // Bank line `index` of the file made current.
    void bankQuestion(const std::string& file, std::size_t index) {
        const auto lines = bankLines(file);
        ASSERT_GT(lines.size(), index) << file;
        makeCurrent(lines[index]);
    }
    void tapCandidate(CFillCellLayer* cells, const std::string& character) {
        for (CTxtCell* candidate : cells->candidateCells()) {
            if (candidate->isVisible() && candidate->text() == character) {
                const CCPoint at = worldOf(candidate);
                et::tap(at.x, at.y);
                return;
            }
        }
        ADD_FAILURE() << character << " is no shown candidate";
    }
    int effects(const std::string& file) {
        int count = 0;
        for (const auto& call : audio().callsNamed("playEffect")) count += call.file.find(file) != std::string::npos;
        return count;
    }
    // The pause button still opens the pause menu.
    void expectPlayerCanLeave() {
        ASSERT_NE(m_host->backButton(), nullptr);
        const CCPoint at = m_host->backButton()->getWorldPosition();
        et::tap(at.x, at.y);
        EXPECT_NE(m_host->getChildByTag(CPlayLayer::kPauseTag), nullptr);
    }
    std::string notAPicture() {
        const std::string path = m_folder + "not-a-picture.png";
        std::ofstream(path) << "this file only claims to be a picture";
        return path;
    }
    // A real picture's header with its data cut off.
    std::string brokenPicture() {
        std::ifstream in(bankMedia("obj_apple.png"), std::ios::binary);
        std::string head(300, '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        const std::string path = m_folder + "broken.png";
        std::ofstream(path, std::ios::binary) << head;
        return path;
    }
};

TEST_F(PictureGuessTest, GuessPictureWaitsForItsPictureThenSendsTheSpeltWord) {
    bankQuestion("g2p04_guess_picture.jsonl", 0); // an apple, "苹果"
    auto* screen = dynamic_cast<CGuessGraphLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    EXPECT_STREQ(m_host->tipLabel()->getString(), "看图猜一猜，这是什么？");
    // Not on disk yet: covered, clock held, and the covered cells take no taps.
    EXPECT_NE(screen->getChildByTag(CGuessGraphLayer::kCoverTag), nullptr);
    EXPECT_FALSE(clockRunning());
    ASSERT_NE(screen->cells(), nullptr);
    EXPECT_EQ(screen->cells()->answerCells().size(), 2u);
    tapCandidate(screen->cells(), "苹");
    EXPECT_EQ(screen->cells()->answerCells()[0]->text(), "");

    downloadCurrentPictures();
    screen->picture()->showImage(0);
    EXPECT_EQ(screen->getChildByTag(CGuessGraphLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    EXPECT_EQ(screen->picture()->getPosition().x, 240);
    EXPECT_EQ(screen->picture()->getPosition().y, 240);

    tapCandidate(screen->cells(), "苹");
    EXPECT_TRUE(m_submitted.empty());
    tapCandidate(screen->cells(), "果");
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "苹果");
    EXPECT_EQ(m_submitted[0].optionIndex, -1);

    // Play type 11 uses the same screen: one cell for one character.
    m_submitted.clear();
    bankQuestion("g2p11_picture_word.jsonl", 0);
    downloadCurrentPictures();
    screen = dynamic_cast<CGuessGraphLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(clockRunning());
    ASSERT_EQ(screen->cells()->answerCells().size(), 1u);
    tapCandidate(screen->cells(), "森");
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "森");
}

TEST_F(PictureGuessTest, GuessPictureRefusesCellsItCannotFillAndTheQuestionStillEnds) {
    struct Case {
        int answerLength;
        int candidates;
    };
    const std::string pool = "东秋人大北木果地日草花小土红上春白苹金中月南水火雨";
    for (const Case& c : {Case{25, 24}, Case{0, 24}, Case{2, 23}}) {
        SCOPED_TRACE(std::to_string(c.answerLength) + " cells, " + std::to_string(c.candidates) + " candidates");
        m_submitted.clear();
        m_log.clear();
        QuestionRecord& question = setQuestion(2, 4, {pool.substr(0, 3 * static_cast<std::size_t>(c.candidates))});
        auto& image = std::get<ImageQuestion>(question.details);
        image.img = "obj_apple.png";
        image.answerlength = c.answerLength;
        downloadCurrentPictures();
        auto* screen = dynamic_cast<CGuessGraphLayer*>(draw());
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->cells(), nullptr);
        EXPECT_TRUE(logged("refused"));
        EXPECT_TRUE(clockRunning());
        et::stepSeconds(42.5f);
        ASSERT_EQ(m_submitted.size(), 1u);
        EXPECT_EQ(m_submitted[0].answer, "-1");
    }
    expectPlayerCanLeave();
}

TEST_F(PictureGuessTest, GuessColourWaitsForBothPicturesAndSendsTheTappedColour) {
    bankQuestion("g2p05_missing_colour.jsonl", 0); // six colours, green is missing
    // Only the blank picture is on disk.
    const QuestionRecord& question = *QuizData::instance().current;
    downloaded(question.question, bankMedia(question.question));
    auto* screen = dynamic_cast<CGuessColorLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    EXPECT_STREQ(m_host->tipLabel()->getString(), "找出缺少的颜色");
    EXPECT_NE(screen->getChildByTag(CGuessColorLayer::kCoverTag), nullptr);
    EXPECT_FALSE(clockRunning());
    downloadCurrentPictures();
    screen->wholePicture()->showImage(0);
    EXPECT_EQ(screen->getChildByTag(CGuessColorLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());

    EXPECT_TRUE(screen->blankPicture()->isVisible());
    EXPECT_FALSE(screen->wholePicture()->isVisible());
    EXPECT_EQ(screen->blankPicture()->getPosition().x, 480);
    EXPECT_EQ(screen->blankPicture()->getPosition().y, 320);
    ASSERT_EQ(screen->squares().size(), 6u);
    for (std::size_t k = 0; k < 6; ++k) {
        const CCRect box = screen->squares()[k]->boundingBox();
        EXPECT_EQ(box.origin.x, 100 + 102 * static_cast<float>(k));
        EXPECT_EQ(box.origin.y, 50);
        EXPECT_EQ(box.size.width, 100);
    }
    EXPECT_EQ(screen->squares()[2]->getColor().g, 0xA0);
    EXPECT_EQ(screen->squares()[2]->getOpacity(), 255);

    et::tap(100 + 102 * 3 + 99, 50 + 1); // the square's corner counts, square 3 is blue
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "1E88E5");
    EXPECT_EQ(m_submitted[0].optionIndex, 3);
    EXPECT_FALSE(screen->blankPicture()->isVisible());
    EXPECT_TRUE(screen->wholePicture()->isVisible());
    et::tap(100 + 102 * 2 + 50, 100);
    EXPECT_EQ(m_submitted.size(), 1u);
}

TEST_F(PictureGuessTest, GuessColourKeepsEveryRowOnScreenAndLeavesOutCodesThatAreNoColour) {
    std::vector<std::string> codes;
    for (int k = 0; k < 12; ++k) codes.push_back(k == 4 ? "GREEN!" : "43A047");
    QuestionRecord& question = setQuestion(2, 5, codes);
    question.question = "colour_leaf_blank.png";
    std::get<ImageQuestion>(question.details).img = "colour_leaf.png";
    downloadCurrentPictures();
    auto* screen = dynamic_cast<CGuessColorLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->squares().size(), 12u);
    EXPECT_EQ(screen->squares()[4], nullptr);
    EXPECT_TRUE(logged("GREEN!"));
    // Two rows: the first stands above the second, which keeps the bottom margin.
    EXPECT_EQ(screen->squares()[0]->getPosition().y, 152);
    EXPECT_EQ(screen->squares()[8]->getPosition().y, 50);
    EXPECT_EQ(screen->squares()[8]->getPosition().x, 100);
    // The pictures stay clear of the squares and below the tip line.
    const CImageView* picture = screen->blankPicture();
    EXPECT_GT(picture->getPositionY() - picture->getContentSize().height / 2, 252);
    EXPECT_LT(picture->getPositionY() + picture->getContentSize().height / 2, 520);
    et::tap(100 + 102 * 4 + 50, 200); // where the refused square would be
    EXPECT_TRUE(m_submitted.empty());
    et::tap(100 + 102 * 1 + 50, 100);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].optionIndex, 9);
}

TEST_F(PictureGuessTest, SpotDifferenceRectsAreTakenFromTheTopLeftOfEachScaledPicture) {
    bankQuestion("g2p06_spot_difference.jsonl", 0); // the park
    auto* screen = dynamic_cast<CFindGraphLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    // Both pictures are asked for at once; the cover over them waits for both.
    CCNode* cover = screen->getChildByTag(CFindGraphLayer::kCoverTag);
    ASSERT_NE(cover, nullptr);
    EXPECT_EQ(cover->getZOrder(), CFindGraphLayer::kCoverZ);
    EXPECT_FALSE(clockRunning());
    downloadCurrentPictures();
    screen->picture(0)->showImage(0);
    EXPECT_FALSE(clockRunning());
    screen->picture(1)->showImage(0);
    EXPECT_EQ(screen->getChildByTag(CFindGraphLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    EXPECT_STREQ(m_host->tipLabel()->getString(), "找出3处不同");

    EXPECT_EQ(screen->picture(0)->getPosition().x, 270);
    EXPECT_EQ(screen->picture(1)->getPosition().x, 690);
    EXPECT_EQ(screen->picture(0)->getPosition().y, 270);
    EXPECT_EQ(screen->picture(0)->getZOrder(), CFindGraphLayer::kPictureZ);
    // The flower, {30-130, 280-380} on the 400 x 400 picture: low on the left picture's left side.
    const CCRect flower = screen->differenceOnScreen(0, 0);
    EXPECT_FLOAT_EQ(flower.origin.x, 70 + 30);
    EXPECT_FLOAT_EQ(flower.origin.y, 470 - 380);
    EXPECT_FLOAT_EQ(flower.size.width, 100);
    EXPECT_FLOAT_EQ(flower.size.height, 100);
    // The cloud touches the picture's top edge, on the right picture too.
    const CCRect cloud = screen->differenceOnScreen(1, 2);
    EXPECT_FLOAT_EQ(cloud.origin.x, 490 + 125);
    EXPECT_FLOAT_EQ(cloud.getMaxY(), 470);

    // A picture of another size is stretched to the view: the differences follow its scale.
    setQuestion(2, 6, {});
    QuestionRecord& other = *QuizData::instance().current;
    other.question = "wide.png";
    auto& image = std::get<ImageQuestion>(other.details);
    image.img = "wide2.png";
    image.rects = {AnswerRect{100, 150, 20, 40}};
    const std::string wide = resourcePicture("common_btn.png");
    downloaded("wide.png", wide);
    downloaded("wide2.png", wide);
    screen = dynamic_cast<CFindGraphLayer*>(draw());
    ASSERT_NE(screen->picture(0)->picture(), nullptr);
    const CCSize source = screen->picture(0)->picture()->getContentSize();
    ASSERT_NE(source.width, source.height); // a button: wider than high
    const float sx = 400 / source.width, sy = 400 / source.height;
    const CCRect box = screen->differenceOnScreen(0, 0);
    EXPECT_FLOAT_EQ(box.origin.x, 70 + 100 * sx);
    EXPECT_FLOAT_EQ(box.getMaxY(), 470 - 20 * sy);
    EXPECT_FLOAT_EQ(box.size.height, 20 * sy);
}

TEST_F(PictureGuessTest, SpotDifferenceCountsEachDifferenceOnceOnBothPictures) {
    bankQuestion("g2p06_spot_difference.jsonl", 3); // the fruit
    downloadCurrentPictures();
    auto* screen = dynamic_cast<CFindGraphLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    const auto centre = [&](int side, std::size_t k) {
        const CCRect r = screen->differenceOnScreen(side, k);
        return ccp(r.getMidX(), r.getMidY());
    };
    CCPoint at = centre(0, 1);
    et::tap(at.x, at.y);
    ASSERT_EQ(screen->outlines().size(), 2u);
    EXPECT_EQ(screen->leftToFind(), 2);
    EXPECT_STREQ(m_host->tipLabel()->getString(), "找出2处不同");
    EXPECT_EQ(effects("Selected.mp3"), 1);
    // Outlined on both pictures, exactly around the difference.
    for (int side = 0; side < 2; ++side) {
        const CCRect drawn = screen->outlines()[static_cast<std::size_t>(side)]->rect();
        const CCRect wanted = screen->differenceOnScreen(side, 1);
        EXPECT_TRUE(drawn.equals(wanted)) << side;
        EXPECT_EQ(screen->outlines()[static_cast<std::size_t>(side)]->getZOrder(), CFindGraphLayer::kOutlineZ);
    }

    // The same difference on the other picture: no count, no cost.
    et::stepSeconds(3.05f);
    const int remaining = m_host->remaining();
    at = centre(1, 1);
    et::tap(at.x, at.y);
    EXPECT_EQ(screen->outlines().size(), 2u);
    EXPECT_EQ(screen->leftToFind(), 2);
    EXPECT_EQ(m_host->remaining(), remaining);
    EXPECT_EQ(effects("paint.mp3"), 0);

    // The heart, found on the right picture, then the apple on the left: all three found.
    at = centre(1, 2);
    et::tap(at.x, at.y);
    EXPECT_TRUE(m_submitted.empty());
    at = centre(0, 0);
    et::tap(at.x, at.y);
    EXPECT_EQ(screen->outlines().size(), 6u);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "0");
    EXPECT_EQ(m_submitted[0].optionIndex, -1);
    et::tap(at.x, at.y);
    et::tap(270, 410); // a miss no longer counts once it is over
    EXPECT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(effects("paint.mp3"), 0);
}

TEST_F(PictureGuessTest, SpotDifferenceMissCostsSixSecondsAndAnEmptyClockEndsTheQuestion) {
    bankQuestion("g2p06_spot_difference.jsonl", 2); // the night; nothing differs in the picture's middle
    downloadCurrentPictures();
    auto* screen = dynamic_cast<CFindGraphLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    // Outside both pictures: nothing at all.
    et::tap(480, 30);
    EXPECT_EQ(m_host->remaining(), 40);
    et::tap(270, 270);
    EXPECT_EQ(m_host->remaining(), 34);
    EXPECT_EQ(effects("paint.mp3"), 1);
    EXPECT_EQ(screen->leftToFind(), 3);
    CCNode* cross = nullptr;
    for (CCObject* child : *screen->getChildren()) {
        auto* node = static_cast<CCNode*>(child);
        if (node->getZOrder() == CFindGraphLayer::kMissZ) cross = node;
    }
    ASSERT_NE(cross, nullptr);
    EXPECT_EQ(cross->getPosition().x, 270);
    et::stepSeconds(0.25f);
    for (CCObject* child : *screen->getChildren()) {
        EXPECT_NE(static_cast<CCNode*>(child)->getZOrder(), CFindGraphLayer::kMissZ);
    }

    // Down to 4 seconds, then one more miss: the clock shows 0 and its next tick sends "-1".
    et::stepSeconds(5.0f);
    for (int i = 0; i < 4; ++i) et::tap(690, 270);
    ASSERT_LT(m_host->remaining(), 6);
    ASSERT_GT(m_host->remaining(), 0);
    et::tap(690, 270);
    EXPECT_EQ(m_host->remaining(), 0);
    EXPECT_TRUE(m_submitted.empty());
    et::stepSeconds(1.1f);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "-1");
    expectPlayerCanLeave();
}

TEST_F(PictureGuessTest, FileThatIsNoPictureIsRefusedAndTheQuestionStillEnds) {
    const std::string junk = notAPicture();
    bankQuestion("g2p06_spot_difference.jsonl", 1);
    downloadCurrentPictures();
    downloaded(QuizData::instance().current->question, junk);
    auto* spot = dynamic_cast<CFindGraphLayer*>(draw());
    ASSERT_NE(spot, nullptr);
    EXPECT_TRUE(logged("no picture"));
    EXPECT_FALSE(spot->picture(0)->isLoaded());
    EXPECT_EQ(spot->getChildByTag(CFindGraphLayer::kCoverTag), nullptr);
    EXPECT_TRUE(clockRunning());
    // The other picture still plays: its differences are found on it alone.
    const CCRect r = spot->differenceOnScreen(1, 0);
    et::tap(r.getMidX(), r.getMidY());
    EXPECT_EQ(spot->leftToFind(), 2);
    EXPECT_EQ(spot->outlines().size(), 2u);
    et::stepSeconds(42.5f);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "-1");

    // A file that starts like a picture but does not decode.
    const std::string broken = brokenPicture();
    for (int playType : {4, 5}) {
        SCOPED_TRACE(playType);
        m_submitted.clear();
        m_log.clear();
        bankQuestion(playType == 4 ? "g2p04_guess_picture.jsonl" : "g2p05_missing_colour.jsonl", 1);
        downloadCurrentPictures();
        downloaded(std::get<ImageQuestion>(QuizData::instance().current->details).img, broken);
        draw();
        EXPECT_TRUE(logged("could not be decoded"));
        EXPECT_TRUE(clockRunning());
        et::stepSeconds(42.5f);
        ASSERT_EQ(m_submitted.size(), 1u);
        EXPECT_EQ(m_submitted[0].answer, "-1");
    }
    expectPlayerCanLeave();
}

TEST_F(PictureGuessTest, PlayersWinAndLoseEveryBankQuestion) {
    const std::pair<int, const char*> files[] = {{4, "g2p04_guess_picture.jsonl"},
                                                 {5, "g2p05_missing_colour.jsonl"},
                                                 {6, "g2p06_spot_difference.jsonl"},
                                                 {11, "g2p11_picture_word.jsonl"}};
    for (const auto& [playType, file] : files) {
        const ScreenPlayer* player = screenPlayer(2, playType);
        ASSERT_NE(player, nullptr) << playType;
        const auto lines = bankLines(file);
        EXPECT_GE(lines.size(), 5u) << file;
        for (const Json::Value& line : lines) {
            for (bool win : {true, false}) {
                SCOPED_TRACE(line["qsid"].asInt() * 10 + win);
                m_submitted.clear();
                makeCurrent(line);
                downloadCurrentPictures();
                PlayerTurn turn{draw(), line["right"].asString(), win, [](float s) { et::stepSeconds(s); }};
                ASSERT_NE(turn.screen, nullptr);
                ASSERT_TRUE(clockRunning());
                ASSERT_TRUE((*player)(turn));
                ASSERT_EQ(m_submitted.size(), 1u);
                if (win) {
                    EXPECT_EQ(m_submitted[0].answer, turn.right);
                } else {
                    EXPECT_NE(m_submitted[0].answer, turn.right);
                }
            }
        }
    }
}

TEST_F(PictureGuessTest, PlayersWinAgainstTheRealServer) {
    std::unique_ptr<ServerProcess> server;
    startServerWithGuest(m_folder, server);
    if (!server) return;
    CQuestionMission::instance()->setContestOffer(nullptr); // the answers go to the server

    const std::pair<int, const char*> cases[] = {{204001, "苹果"}, {205002, "E53935"}, {206003, "0"}, {211004, "品"}};
    for (const auto& [qsid, right] : cases) {
        SCOPED_TRACE(qsid);
        QuizData::instance().qsidQueue = {qsid};
        CQuestionMission::instance()->start();
        ASSERT_TRUE(pumpUntilIdle(15)); // the question, then its pictures
        CQuestionLayer* screen = QuestionStage::instance().current();
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(clockRunning()); // every picture arrived
        const QuestionRecord& question = *QuizData::instance().current;
        const ScreenPlayer* player = screenPlayer(question.gametype, question.playtype);
        ASSERT_NE(player, nullptr);
        ASSERT_TRUE((*player)({screen, right, true, [](float s) { et::stepSeconds(s); }}));
        ASSERT_TRUE(pumpUntilIdle(15));
        ASSERT_NE(QuizData::instance().lastResult, nullptr);
        EXPECT_GT(QuizData::instance().lastResult->addscore, 0); // judged right
        EXPECT_EQ(closeVerdictBoxes(m_host), 1);
        QuizData::instance().lastResult.reset();
    }
}

} // namespace
