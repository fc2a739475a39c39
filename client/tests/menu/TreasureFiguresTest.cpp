// The treasure figures: frames cut from the sheet with the fixed turn marks, refusals of broken
// sheets, where a figure starts and which way it walks, its count, its walk and its bob.
#include "menu/CTreasureFigure.h"
#include "menu/CaidanFrames.h"
#include "menu/TreasureTestSupport.h"
#include "widgets/CStrokeLabelTTF.h"

#include "support/CCNS.h"
#include "testing/EngineTesting.h"

#include <fstream>

USING_NS_CC;
using namespace test_support;

namespace {

using Random = CTreasureFigure::Random;

// Gives the values in order, then the last one for ever; counts the draws.
Random draws(std::vector<unsigned> values, int* calls = nullptr) {
    auto at = std::make_shared<std::size_t>(0);
    return [values, at, calls] {
        if (calls) *calls += 1;
        const unsigned v = values[std::min(*at, values.size() - 1)];
        *at += 1;
        return v;
    };
}

class TreasureFiguresTest : public TreasureTest {
protected:
    void writeSheet(const std::string& name, const std::string& frames, const std::string& texture = "Caidan.png") {
        std::ofstream(m_folder + "resources/" + name)
            << R"(<?xml version="1.0" encoding="UTF-8"?><plist version="1.0"><dict><key>frames</key><dict>)" << frames
            << R"(</dict><key>metadata</key><dict><key>format</key><integer>2</integer><key>textureFileName</key><string>)"
            << texture << "</string></dict></dict></plist>";
        CCFileUtils::sharedFileUtils()->purgeCachedEntries();
    }
    static std::string frameEntry(const std::string& name, const std::string& rect) {
        return "<key>" + name + "</key><dict><key>frame</key><string>" + rect + "</string></dict>";
    }
};

TEST_F(TreasureFiguresTest, EveryKindIsCutWithTheSheetsRectanglesAndTheFixedTurnMarks) {
    PlistValue sheet;
    ASSERT_TRUE(CCFileUtils::sharedFileUtils()->loadPlist("Caidan.plist", sheet));
    const PlistValue* frames = sheet.find("frames");
    ASSERT_NE(frames, nullptr);
    // Frame 2 of mouse, ox, sheep and pig, frame 1 of the snake, 2 and 3 of the dog, all of the
    // chicken; the walk closes on frame 2 again.
    const std::map<int, std::vector<bool>> turned = {
        {1, {false, true, false, true}},  {2, {false, true, false, true}},   {3, {false, false, false, false}},
        {6, {true, false, false, false}}, {8, {false, true, false, true}},  {10, {true, true, true, true}},
        {11, {false, true, true, true}},  {12, {false, true, false, true}}, {13, {false, false, false}},
    };
    for (int kind = 1; kind <= 14; ++kind) {
        SCOPED_TRACE(kind);
        const std::vector<std::string> names = CaidanFrames::animationNames(kind);
        ASSERT_EQ(names.size(), kind <= 12 ? 4u : 3u);
        if (kind <= 12) {
            EXPECT_EQ(names[3], names[1]) << "the walk closes on frame 2";
        }
        CCArray* cut = CaidanFrames::cut(kind);
        ASSERT_NE(cut, nullptr);
        ASSERT_EQ(cut->count(), names.size());
        for (std::size_t step = 0; step < names.size(); ++step) {
            SCOPED_TRACE(names[step]);
            const PlistValue* entry = frames->find(names[step]);
            ASSERT_NE(entry, nullptr);
            auto* frame = static_cast<CCSpriteFrame*>(cut->objectAtIndex(static_cast<unsigned>(step)));
            const CCRect expected = CCRectFromString(entry->find("frame")->text.c_str());
            EXPECT_TRUE(frame->getRect().equals(expected));
            // The fixed marks agree with the sheet as it was packed.
            EXPECT_EQ(frame->isRotated(), entry->find("rotated")->asBool());
            if (turned.count(kind)) {
                EXPECT_EQ(frame->isRotated(), turned.at(kind)[step]);
            }
        }
    }
    EXPECT_TRUE(CaidanFrames::animationNames(0).empty());
    EXPECT_TRUE(CaidanFrames::animationNames(15).empty());
    EXPECT_EQ(CaidanFrames::collectionPicture(6), "caidan_snake3.png");
    EXPECT_EQ(CaidanFrames::collectionPicture(1), "caidan_mouse2.png");
    EXPECT_EQ(CaidanFrames::collectionPicture(13), "");
}

TEST(TreasureFrameRectangles, AreReadStrictly) {
    CCRect rect;
    ASSERT_TRUE(CaidanFrames::parseRect("{{2,908},{260,260}}", &rect));
    EXPECT_TRUE(rect.equals(CCRectMake(2, 908, 260, 260)));
    ASSERT_TRUE(CaidanFrames::parseRect(" { {1.5, 2} , {3 ,4.25} } ", &rect));
    EXPECT_TRUE(rect.equals(CCRectMake(1.5f, 2, 3, 4.25f)));
    for (const char* bad : {"", "{{1,2},{3}}", "{{1,2},{3,4}}x", "{{a,2},{3,4}}", "{1,2,3,4}", "{{1,2},{0,4}}",
                            "{{-1,2},{3,4}}", "{{1,2},{3,4}", "{{1,2}{3,4}}"}) {
        EXPECT_FALSE(CaidanFrames::parseRect(bad, &rect)) << bad;
    }
}

TEST_F(TreasureFiguresTest, BrokenSheetsMakeNoFigureAndSayWhy) {
    const std::string good = "{{0,0},{64,64}}";
    struct Case {
        const char* what;
        std::string frames;
        const char* texture;
        const char* log;
    };
    const Case cases[] = {
        {"a frame missing", frameEntry("caidan_Carrot1.png", good) + frameEntry("caidan_Carrot2.png", good), "Caidan.png",
         "has no frame caidan_Carrot3.png"},
        {"a malformed rectangle",
         frameEntry("caidan_Carrot1.png", good) + frameEntry("caidan_Carrot2.png", "{{0,0},{64}}") +
             frameEntry("caidan_Carrot3.png", good),
         "Caidan.png", "malformed rectangle"},
        {"a rectangle outside the texture",
         frameEntry("caidan_Carrot1.png", "{{1800,0},{320,320}}") + frameEntry("caidan_Carrot2.png", good) +
             frameEntry("caidan_Carrot3.png", good),
         "Caidan.png", "outside the sheet texture"},
        {"no texture", frameEntry("caidan_Carrot1.png", good), "NoSuchSheet.png", "texture NoSuchSheet.png"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = "Broken" + std::to_string(n++) + ".plist";
        writeSheet(name, c.frames, c.texture);
        m_log.clear();
        EXPECT_EQ(CaidanFrames::cut(13, name), nullptr);
        EXPECT_TRUE(logged(c.log));
    }
    EXPECT_EQ(CaidanFrames::cut(13, "NoSuchSheet.plist"), nullptr);
    EXPECT_TRUE(logged("sheet NoSuchSheet.plist cannot be read"));
    EXPECT_EQ(CTreasureFigure::create(15, 1, {}, draws({1})), nullptr);
    EXPECT_EQ(CTreasureFigure::create(5, 0, {}, draws({1})), nullptr);
}

TEST_F(TreasureFiguresTest, StartPointIsTheDrawShiftedByHalfTheFigureAndKeptOffTheObstacles) {
    const CCSize figure = CCSizeMake(130, 130);
    // x0 = r mod 800, y0 = r mod 350, and a y0 under 100 is lifted by 200.
    EXPECT_TRUE(CTreasureFigure::startPoint(figure, {}, draws({1234})).equals(ccp(65 + 434, 65 + 184)));
    EXPECT_TRUE(CTreasureFigure::startPoint(figure, {}, draws({1450})).equals(ccp(65 + 650, 65 + 50 + 200)));
    EXPECT_TRUE(CTreasureFigure::startPoint(figure, {}, draws({799})).equals(ccp(65 + 799, 65 + 99 + 200)));

    // The second obstacle holds the first draw: the redraw multiplies by its number (2), then by
    // its own last two digits: 2 * 4321 = 8642, 8642 * 42 = 362964 -> x0 564, y0 14 + 200.
    const std::vector<CCRect> obstacles = {CCRectMake(0, 0, 10, 10), CCRectMake(450, 200, 100, 100)};
    int calls = 0;
    const CCPoint redrawn = CTreasureFigure::startPoint(figure, obstacles, draws({1234, 4321}, &calls));
    EXPECT_TRUE(redrawn.equals(ccp(65 + 564, 65 + 214)));
    EXPECT_EQ(calls, 2);
    // A redraw that lands on another obstacle is redrawn again.
    const std::vector<CCRect> both = {CCRectMake(600, 250, 60, 60), CCRectMake(450, 200, 100, 100)};
    const CCPoint again = CTreasureFigure::startPoint(figure, both, draws({1234, 4321, 7}));
    for (const CCRect& box : both) EXPECT_FALSE(box.containsPoint(again));
}

TEST_F(TreasureFiguresTest, ObstaclesThatHoldEveryDrawEndTheSearch) {
    const CCSize figure = CCSizeMake(130, 130);
    // Every draw lands on the obstacle, but the band has room elsewhere: the scan finds it.
    int calls = 0;
    // 500 lands at (565, 215); its redraws are all 0, at (65, 265).
    const std::vector<CCRect> one = {CCRectMake(0, 150, 700, 400)};
    const CCPoint free = CTreasureFigure::startPoint(figure, one, draws({500}, &calls));
    EXPECT_FALSE(one[0].containsPoint(free));
    EXPECT_EQ(calls, CTreasureFigure::kMaxRedraws + 1);
    EXPECT_TRUE(logged("no free start"));

    // An obstacle over the whole band: bounded, and the figure still gets a place.
    calls = 0;
    m_log.clear();
    const std::vector<CCRect> all = {CCRectMake(-100, -100, 2000, 2000)};
    const CCPoint covered = CTreasureFigure::startPoint(figure, all, draws({500}, &calls));
    EXPECT_EQ(calls, CTreasureFigure::kMaxRedraws + 1);
    EXPECT_TRUE(logged("cover every start point"));
    EXPECT_GT(covered.x, 0);
}

TEST_F(TreasureFiguresTest, DirectionCountAndWalk) {
    EXPECT_EQ(CTreasureFigure::directionFor(479.9f), 2);
    EXPECT_EQ(CTreasureFigure::directionFor(480), -2);
    EXPECT_EQ(CTreasureFigure::directionFor(481), -2);

    CCScene* stage = enterScene(40);
    // Zodiac figures are drawn at half size (130 x 130): r = 415 starts at x 65 + 415 = 480.
    struct Case {
        unsigned r;
        int count;
        float startX;
        int direction;
        const char* label; // null: no count label
    };
    const Case cases[] = {{415, 2, 480, -2, "X2"}, {414, 1, 479, 2, nullptr}, {100, 12, 165, 2, "X12"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.r);
        CTreasureFigure* figure = CTreasureFigure::create(5, c.count, {}, draws({c.r}));
        ASSERT_NE(figure, nullptr);
        stage->addChild(figure);
        EXPECT_FLOAT_EQ(figure->getPositionX(), c.startX);
        EXPECT_EQ(figure->direction(), c.direction);
        EXPECT_FLOAT_EQ(figure->figure()->getScale(), CTreasureFigure::kZodiacScale);
        EXPECT_TRUE(figure->boundingBox().size.equals(CCSizeMake(130, 130)));
        if (c.label) {
            ASSERT_NE(figure->countLabel(), nullptr);
            EXPECT_EQ(figure->countText(), c.label);
            EXPECT_GT(figure->countLabel()->getPositionY(), 130) << "over the figure";
        } else {
            EXPECT_EQ(figure->countLabel(), nullptr);
        }
        // Out 100 d in 2 s, back 200 d in 4 s, home in 2 s; facing the way it walks.
        const float d = static_cast<float>(c.direction);
        engine::testing::stepSeconds(1.0f);
        EXPECT_NEAR(figure->getPositionX(), c.startX + 50 * d, 2);
        const float outward = figure->figure()->getRotationY();
        EXPECT_EQ(outward, c.direction > 0 ? 180 : 0) << "the pictures face left";
        engine::testing::stepSeconds(2.0f);
        EXPECT_NEAR(figure->getPositionX(), c.startX + 50 * d, 2);
        EXPECT_EQ(figure->figure()->getRotationY(), 180 - outward) << "turned to walk back";
        engine::testing::stepSeconds(4.0f);
        EXPECT_NEAR(figure->getPositionX(), c.startX - 50 * d, 2);
        EXPECT_EQ(figure->figure()->getRotationY(), outward);
        engine::testing::stepSeconds(4.0f);
        EXPECT_NEAR(figure->getPositionX(), c.startX + 50 * d, 2) << "the second round walks the same way";
        EXPECT_EQ(figure->figure()->getRotationY(), 180 - outward);
        figure->removeFromParent();
    }
}

TEST_F(TreasureFiguresTest, CarrotsBobInPlaceAndAnimate) {
    CCScene* stage = enterScene(40);
    CTreasureFigure* carrot = CTreasureFigure::create(14, 30, {}, draws({1234}));
    ASSERT_NE(carrot, nullptr);
    stage->addChild(carrot);
    EXPECT_FLOAT_EQ(carrot->figure()->getScale(), CTreasureFigure::kCarrotScale);
    ASSERT_NE(carrot->countLabel(), nullptr);
    EXPECT_EQ(carrot->countText(), "X30");
    const CCPoint start = carrot->getPosition();
    CCSpriteFrame* first = CCSpriteFrame::createWithTexture(carrot->figure()->getTexture(),
                                                            carrot->figure()->getTextureRect());
    first->retain(); // the frame loop empties the autorelease pool
    engine::testing::stepSeconds(0.47f);
    EXPECT_NEAR(carrot->getPositionY(), start.y - 20, 1);
    EXPECT_FLOAT_EQ(carrot->getPositionX(), start.x);
    EXPECT_FALSE(carrot->figure()->isFrameDisplayed(first)) << "the frames play";
    first->release();
    engine::testing::stepSeconds(0.3f);
    EXPECT_NEAR(carrot->getPositionY(), start.y, 1);
}

} // namespace
