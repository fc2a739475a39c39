// The reward count-up: the step tables, the numbers a header label shows step by step, and what
// happens when the carrot has arrived.
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "quiz/AddCarrot.h"
#include "quiz/PlayTestSupport.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class AddCarrotTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        m_scene = CCScene::create();
        engine::testing::runScene(m_scene);
        m_label = CCLabelBMFont::create("0", "NumFont.fnt");
        ASSERT_NE(m_label, nullptr);
        m_label->setPosition(ccp(650, 583));
        m_scene->addChild(m_label);
    }
    // Steps of exactly one count-up interval, recording the label after each, until it stops changing.
    std::vector<int> countUp(AddCarrot* carrot, int total) {
        std::vector<int> shown;
        m_scene->addChild(carrot);
        for (int i = 0; i < 100; ++i) {
            engine::testing::stepFrames(1, AddCarrot::kStepSeconds);
            const int value = std::atoi(m_label->getString());
            if (shown.empty() || shown.back() != value) shown.push_back(value);
            if (value == total) break;
        }
        return shown;
    }
    CCScene* m_scene = nullptr;
    CCLabelBMFont* m_label = nullptr;
};

TEST(AddCarrotSteps, StepsGrowWithWhatIsLeft) {
    struct Row {
        int counter, score, money;
    };
    const Row table[] = {
        {1, 2, 1},       {20, 2, 1},       {21, 3, 3},        {50, 3, 3},         {51, 13, 6},
        {100, 13, 6},    {101, 33, 23},    {500, 33, 23},     {501, 63, 53},      {1000, 63, 53},
        {1001, 113, 113}, {10000, 113, 113}, {10001, 1113, 1113}, {100001, 11113, 11113}, {0, 2, 1},
    };
    for (const Row& row : table) {
        EXPECT_EQ(AddCarrot::scoreStep(row.counter), row.score) << row.counter;
        EXPECT_EQ(AddCarrot::moneyStep(row.counter), row.money) << row.counter;
    }
}

TEST_F(AddCarrotTest, SevenMoneyCountsOneAtATime) {
    GameData::instance().user.money = 107;
    AddCarrot* carrot = AddCarrot::create(7, AddCarrot::kMoneyCount, m_label);
    ASSERT_NE(carrot, nullptr);
    EXPECT_EQ(carrot->carrot(), nullptr); // counting kinds fly nothing
    // The first frame after scheduling does not count: the second shows 101.
    EXPECT_EQ(countUp(carrot, 107), (std::vector<int>{0, 101, 102, 103, 104, 105, 106, 107}));
}

TEST_F(AddCarrotTest, TwentyFiveScoreGoesByThreeThenByTwo) {
    GameData::instance().user.score = 1025;
    AddCarrot* carrot = AddCarrot::create(25, AddCarrot::kScoreCount, m_label);
    EXPECT_EQ(countUp(carrot, 1025),
              (std::vector<int>{0, 1003, 1006, 1008, 1010, 1012, 1014, 1016, 1018, 1020, 1022, 1024, 1025}));
}

TEST_F(AddCarrotTest, ShownValueNeverGoesNegative) {
    GameData::instance().user.money = 3; // the total is below what is still to count
    AddCarrot* carrot = AddCarrot::create(50, AddCarrot::kMoneyCount, m_label);
    EXPECT_EQ(countUp(carrot, 3), (std::vector<int>{0, 3}));
}

TEST_F(AddCarrotTest, ArrivedMoneyCarrotAsksForThePrizeDetailsUnlessGiven) {
    struct Case {
        int kind;
        bool infoFilled;
        bool asks;
    };
    for (const Case& c : {Case{AddCarrot::kMoneyCarrot, false, true}, Case{AddCarrot::kMoneyCarrot, true, false},
                          Case{AddCarrot::kScoreCarrot, false, false}}) {
        SCOPED_TRACE(c.kind * 10 + c.infoFilled);
        GameData::instance().user.infoFilled = c.infoFilled;
        GameData::instance().user.money = 5000;
        GameData::instance().user.score = 5000;
        AddCarrot* carrot = AddCarrot::create(5000, c.kind, m_label);
        m_scene->addChild(carrot);
        ASSERT_NE(carrot->carrot(), nullptr);
        carrot->retain(); // it removes itself on arrival
        // Pop, flight and rest take 1.5 s; 5000 at 0.02 s a step is not counted up by then.
        engine::testing::stepSeconds(1.6f);
        EXPECT_EQ(carrot->getParent(), nullptr);
        carrot->release();
        EXPECT_STREQ(m_label->getString(), "5000");
        CMyMessageBox* box = nullptr;
        for (unsigned i = 0; i < m_scene->getChildrenCount(); ++i) {
            if (auto* b = dynamic_cast<CMyMessageBox*>(static_cast<CCObject*>(m_scene->getChildren()->objectAtIndex(i)))) {
                box = b;
            }
        }
        EXPECT_EQ(box != nullptr, c.asks);
        if (box) {
            EXPECT_EQ(box->messageText(), "won 5000");
            SceneDirector::instance().registerScene(18, [] { return CCScene::create(); });
            box->handleRelease(box->button(1)->getPosition());
            engine::testing::stepSeconds(0.3f);
            EXPECT_EQ(SceneDirector::instance().currentSceneId(), 18);
            m_scene = CCScene::create();
            engine::testing::runScene(m_scene);
            m_label = CCLabelBMFont::create("0", "NumFont.fnt");
            m_scene->addChild(m_label);
        }
    }
}

} // namespace
