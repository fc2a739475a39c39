// The page bar, the list picker, the settings panel's switches and the newbie guide.
#include "app/SoundManager.h"
#include "app/StoredSettings.h"
#include "data/LocalTables.h"
#include "quiz/QuizData.h"
#include "support/TestSupport.h"
#include "widgets/CPageController.h"
#include "widgets/CSliderLayer.h"
#include "widgets/listView.h"
#include "widgets/playGuide.h"

#include "testing/EngineTesting.h"

#include <fstream>

USING_NS_CC;
using namespace test_support;

namespace {

class Recorder : public pageControllerDelegateProtocol, public listViewDelegateProtocol {
public:
    void onPageChanged(int page, int count) override { pages.push_back({page, count}); }
    void onListChosen(int mode, std::string chosen) override { chosenList.push_back(std::to_string(mode) + ":" + chosen); }
    void onQuestionChosen(int mode, std::string chosen) override {
        chosenQuestion.push_back(std::to_string(mode) + ":" + chosen);
    }
    std::vector<std::pair<int, int>> pages;
    std::vector<std::string> chosenList, chosenQuestion;
};

class WidgetsTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        setTexts(R"({"SoundOff":{"chinese":"SoundOff-zh"},"Sound":{"chinese":"Sound-zh"},"MusicOff":{"chinese":"MusicOff-zh"},"Music":{"chinese":"Music-zh"},"sure":{"chinese":"sure-zh"}})");
    }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(m_folder + "resources/" + name) << text;
    }
};

TEST_F(WidgetsTest, PageBarLabelAndDelegateCalls) {
    struct Case {
        int count, start;
        void (CPageController::*press)(CCObject*);
        std::pair<int, int> reported;
        const char* label;
    };
    const Case cases[] = {
        {0, 0, &CPageController::last, {-1, 0}, "0/0"},
        {0, 0, &CPageController::next, {0, 0}, "0/0"},
        {5, 0, &CPageController::previous, {0, 5}, "1/5"},
        {5, 4, &CPageController::next, {4, 5}, "5/5"},
        {5, 2, &CPageController::next, {3, 5}, "4/5"},
        {5, 2, &CPageController::previous, {1, 5}, "2/5"},
        {5, 3, &CPageController::first, {0, 5}, "1/5"},
        {5, 1, &CPageController::last, {4, 5}, "5/5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + "/" + std::to_string(c.start) + " " + c.label);
        Recorder recorder;
        CPageController* bar = CPageController::create();
        bar->setDelegate(&recorder);
        bar->setPageCount(c.count);
        bar->setCurrentPage(c.start);
        (bar->*c.press)(nullptr);
        ASSERT_EQ(recorder.pages.size(), 1u);
        EXPECT_EQ(recorder.pages[0], c.reported);
        EXPECT_EQ(bar->labelText(), c.label);
    }
    CPageController* bar = CPageController::create();
    bar->setPageCount(3);
    bar->setCurrentPage(9);
    EXPECT_EQ(bar->currentPage(), 3); // clamped to the count, as the bar has always done
}

TEST_F(WidgetsTest, PickerModesAndSelections) {
    write("Province.xml", R"(<P><Province Name="North"><City Name="N1"/><City Name="N2"/></Province>
        <Skip Name="x"/><Province Name="South"><City Name="S1"/><Town Name="no"/></Province></P>)");
    write("date.xml", R"(<D><Month num="2"><Day num="1"/><Day num="29"/></Month><Month num="1"><Day num="3"/></Month></D>)");
    QuizData::instance().secondList = {42, 7};
    Recorder recorder;
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);

    struct Step {
        int mode;
        unsigned choose;
        std::vector<std::string> texts;
        std::string reported;
    };
    const Step steps[] = {
        {listView::Province, 1, {"North", "South"}, "0:South"},
        {listView::City, 0, {"S1"}, "1:S1"},
        {listView::MonthOfYear, 0, {"02", "01"}, "3:02"},
        {listView::DayOfMonth, 1, {"01", "29"}, "4:29"},
        {listView::Question, 0, {"42", "7"}, "5:42"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.mode);
        listView* picker = listView::create();
        picker->setContentSize(listView::sizeFor(s.mode));
        picker->setDelegate(&recorder);
        scene->addChild(picker);
        picker->fill(s.mode, 0);
        EXPECT_EQ(picker->texts(), s.texts);
        EXPECT_EQ(picker->numberOfCellsInTableView(picker->table()), s.texts.size());
        picker->choose(s.choose);
        EXPECT_EQ(recorder.chosenList.back(), s.reported);
    }
    EXPECT_EQ(LocalTables::instance().selectedProvince(), 1);
    EXPECT_EQ(LocalTables::instance().selectedMonth(), 0);
    EXPECT_EQ(QuizData::instance().lastAnsweredQsid, 42);
    EXPECT_EQ(recorder.chosenQuestion, std::vector<std::string>{"5:42"});
    EXPECT_EQ(recorder.chosenList.size(), 5u);
}

TEST_F(WidgetsTest, YearPickerOpensNearItsEnd) {
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    listView* picker = listView::create();
    picker->setContentSize(listView::sizeFor(listView::Year));
    scene->addChild(picker);
    picker->fill(listView::Year, 0);
    ASSERT_EQ(picker->texts().size(), 151u);
    EXPECT_EQ(picker->texts().front(), "1900");
    EXPECT_EQ(picker->texts().back(), "2050");
    EXPECT_FLOAT_EQ(picker->table()->getContentOffset().y, listView::kYearOffset);
}

TEST_F(WidgetsTest, DependentPickerOutsideItsTableIsEmpty) {
    LocalTables::instance().setSelectedProvince(5);
    LocalTables::instance().setSelectedMonth(-1);
    EXPECT_TRUE(listView::textsFor(listView::City).empty());
    EXPECT_TRUE(listView::textsFor(listView::DayOfMonth).empty());
}

TEST_F(WidgetsTest, SoundAndMusicSwitchesToggleAndPersist) {
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    CSliderLayer* slider = CSliderLayer::create(0);
    scene->addChild(slider);
    const bool effects = SoundManager::instance().isEffectsOn();
    const bool music = SoundManager::instance().isMusicOn();
    const std::string soundLabel = slider->soundLabel(), musicLabel = slider->musicLabel();
    EXPECT_EQ(soundLabel, effects ? "SoundOff-zh" : "Sound-zh");
    slider->onSound();
    slider->onMusic();
    EXPECT_EQ(SoundManager::instance().isEffectsOn(), !effects);
    EXPECT_EQ(SoundManager::instance().isMusicOn(), !music);
    EXPECT_EQ(StoredSettings::readBool("Effect", effects), !effects);
    EXPECT_EQ(StoredSettings::readBool("Music", music), !music);
    EXPECT_NE(slider->soundLabel(), soundLabel);
    EXPECT_EQ(slider->soundButton()->getOpacity(), effects ? 100 : 255);
    // A new panel (the next run's) shows the stored state.
    CSliderLayer* next = CSliderLayer::create(0);
    EXPECT_EQ(next->soundLabel(), slider->soundLabel());
    EXPECT_EQ(next->musicLabel(), slider->musicLabel());
    slider->onSound();
    slider->onMusic();
    EXPECT_EQ(SoundManager::instance().isEffectsOn(), effects);
    EXPECT_EQ(slider->soundLabel(), soundLabel);
    EXPECT_EQ(slider->musicLabel(), musicLabel);
}

TEST_F(WidgetsTest, PanelSlidesOpenAndClosed) {
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    // The game's own pictures: the arrow's size and mirroring are what is checked.
    const std::string images = std::string(BRINDLE_RESOURCES_DIR) + "/images_1440X960/";
    CCFileUtils::sharedFileUtils()->addSearchPath(images.c_str());
    CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile("UI1.plist");
    CSliderLayer* slider = CSliderLayer::create(0);
    slider->setPosition(ccp(12, 574)); // where the main menu puts it
    scene->addChild(slider);
    // The arrow is the only way back in: whole on screen, mirrored or not.
    auto arrowOnScreen = [&] {
        CCSprite* arrow = slider->arrow();
        const CCRect box = CCRectApplyAffineTransform(arrow->boundingBox(), arrow->getParent()->nodeToWorldTransform());
        return box.getMinX() >= 0 && box.getMaxX() <= 960 && box.getMaxY() <= 640 && box.size.width > 30;
    };
    EXPECT_TRUE(arrowOnScreen());
    for (float expected : {430.0f, 0.0f, 430.0f}) {
        slider->toggle();
        engine::testing::stepSeconds(0.9f);
        EXPECT_FLOAT_EQ(slider->panel()->getPositionX(), expected);
        EXPECT_GT(slider->arrow()->getScaleX() * (expected > 0 ? 1 : -1), 0);
        EXPECT_TRUE(arrowOnScreen()) << "panel at " << expected;
    }
}

TEST_F(WidgetsTest, ShareShowsTheTipBoxOnThisDevice) {
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    CSliderLayer* slider = CSliderLayer::create(0);
    scene->addChild(slider);
    slider->onShare();
    slider->onShare();
    EXPECT_NE(scene->getChildByTag(CSliderLayer::kShareBoxTag), nullptr);
    EXPECT_EQ(scene->getChildrenCount(), 2u);
}

const char* kThreeSteps = R"(<?xml version="1.0"?><!-- guide --><Guide name="main"/><Start><Idx id="2"/></Start>
<Steps><RectGroup id="1"><Rect pntX="100" pntY="200" radius="50"/><LabelText key="sure"/><Image pntX="300" pntY="400" isEnd="0"/><Arrow pntX="10" pntY="20" direction="1"/><Pur pntX="5" pntY="6"/></RectGroup>
<Note/><RectGroup id="2"><Image isEnd="0"/></RectGroup><RectGroup id="3"><Rect pntX="7" pntY="8" radius="9"/><Image isEnd="1"/></RectGroup></Steps>)";

TEST_F(WidgetsTest, GuideWalksItsStepsAndStoresItsKey) {
    write("guide1.xml", kThreeSteps);
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    playGuide* guide = playGuide::create(1);
    ASSERT_NE(guide, nullptr);
    guide->retain();
    scene->addChild(guide, 1200);
    ASSERT_EQ(guide->stepCount(), 3);
    EXPECT_EQ(guide->textLabel()->getString(), std::string("sure-zh"));
    EXPECT_FLOAT_EQ(guide->spot()->getPositionX(), 100);
    EXPECT_FLOAT_EQ(guide->pointer()->getPositionX(), 150);
    EXPECT_FLOAT_EQ(guide->pointer()->getPositionY(), 180);
    EXPECT_FLOAT_EQ(guide->rabbit()->getRotationY(), 180);
    EXPECT_FLOAT_EQ(guide->textLabel()->getPositionX(), 1200);
    engine::testing::tap(100, 200); // inside the spot: still the guide's
    EXPECT_EQ(guide->currentStep(), 1);
    EXPECT_EQ(guide->textLabel()->getString(), std::string()); // no text element
    EXPECT_FLOAT_EQ(guide->textLabel()->getPositionX(), 350);
    engine::testing::tap(5, 5);
    EXPECT_EQ(guide->currentStep(), 2);
    EXPECT_FALSE(StoredSettings::readBool("main_hadGuide", false));
    engine::testing::tap(5, 5);
    EXPECT_TRUE(StoredSettings::readBool("main_hadGuide", false));
    EXPECT_EQ(guide->getParent(), nullptr);
    guide->release();
}

TEST_F(WidgetsTest, GuideFilesWithoutStepsShowNothing) {
    struct Case {
        const char* what;
        const char* text; // null: no file
    };
    const Case cases[] = {{"no file", nullptr},
                          {"not XML", "<<<"},
                          {"two top elements only", "<a/><b/>"},
                          {"no RectGroup", "<a/><b/><c><Other/></c>"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.text) write("guide4.xml", c.text);
        EXPECT_EQ(playGuide::create(4), nullptr);
        EXPECT_FALSE(StoredSettings::readBool("sign_hadGuide", false));
    }
}

TEST_F(WidgetsTest, GuideWithoutEndMarkEndsAfterItsLastStep) {
    write("guide5.xml", "<a/><b/><c><RectGroup/></c>");
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    playGuide* guide = playGuide::create(5);
    ASSERT_NE(guide, nullptr);
    scene->addChild(guide);
    guide->advance();
    EXPECT_TRUE(StoredSettings::readBool("register_hadGuide", false));
}

} // namespace
