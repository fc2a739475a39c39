// The display widgets: the network image view (on disk, from the real server, refused files), the
// text cell, the stroke label and the light trail.
#include "account/ServerProcess.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/QuizData.h"
#include "support/NetTestSupport.h"
#include "widgets/CImageView.h"
#include "widgets/CMotionStreakNode.h"
#include "widgets/CStrokeLabelTTF.h"
#include "widgets/CTxtCell.h"

#include "extensions/CCMotionStreak.h"
#include "testing/EngineTesting.h"

#include <fstream>

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

class ViewProbe : public CCNode {
public:
    static ViewProbe* create() {
        auto* probe = new ViewProbe;
        probe->init();
        probe->autorelease();
        return probe;
    }
    void loaded(const std::string& name) { events.push_back("loaded:" + name); }
    void failed(const std::string& name) { events.push_back("failed:" + name); }
    std::vector<std::string> events;
};

class DisplayWidgetsTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        NetManager::installFrameHook();
        m_scene = enterScene(2);
        m_probe = ViewProbe::create();
        m_scene->addChild(m_probe);
        const std::string root = std::string(BRINDLE_RESOURCES_DIR) + "/";
        CCFileUtils::sharedFileUtils()->addSearchPath((root + "images_1440X960/").c_str());
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile("Game.plist");
    }
    CImageView* view(const std::string& name, const CCSize& size, const std::string& spinner = "") {
        CImageView* made = CImageView::create(name, spinner, size, m_probe, media_selector(ViewProbe::loaded),
                                              media_selector(ViewProbe::failed));
        m_scene->addChild(made);
        return made;
    }
    // A file whose PNG header claims the given size; the rest is not a picture at all.
    std::string fakePng(const std::string& name, unsigned width, unsigned height) {
        std::string bytes = "\x89PNG\r\n\x1a\n";
        bytes += std::string("\0\0\0\x0dIHDR", 8);
        for (unsigned v : {width, height}) {
            for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<char>((v >> shift) & 0xFF));
        }
        bytes += std::string(64, '\0');
        const std::string path = m_folder + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    CCScene* m_scene = nullptr;
    ViewProbe* m_probe = nullptr;
};

TEST_F(DisplayWidgetsTest, PictureOnDiskShowsAtOnceStretchedToTheView) {
    // 100 x 50 picture in a 200 x 200 view.
    CCImage image;
    std::vector<unsigned char> pixels(100 * 50 * 4, 200);
    ASSERT_TRUE(image.initWithRawRGBA(pixels.data(), 100, 50, false));
    const std::string path = m_folder + "wide.png";
    ASSERT_TRUE(image.saveToFile(path.c_str(), false));
    QuizData::instance().setString("wide.png", path);

    CImageView* shown = view("wide.png", CCSizeMake(200, 200), "progress.png");
    ASSERT_EQ(m_probe->events, std::vector<std::string>{"loaded:wide.png"}); // before create returned
    EXPECT_EQ(NetManager::instance().outstanding(), 0);
    EXPECT_TRUE(shown->isLoaded());
    EXPECT_FLOAT_EQ(shown->picture()->getScaleX(), 2);
    EXPECT_FLOAT_EQ(shown->picture()->getScaleY(), 4);
    EXPECT_FALSE(shown->shade()->isVisible());
    EXPECT_EQ(shown->shade()->getPosition().x, -100);
}

TEST_F(DisplayWidgetsTest, FilesThatAreNoUsablePictureFailWithoutCrashing) {
    QuizData::instance().setString("huge.png", fakePng("huge.png", 30000, 30000));
    QuizData::instance().setString("broken.png", fakePng("broken.png", 64, 64));
    const std::string text = m_folder + "text.png";
    std::ofstream(text) << "{\"response\": 0}";
    QuizData::instance().setString("text.png", text);
    for (const char* name : {"huge.png", "broken.png", "text.png"}) {
        m_probe->events.clear();
        CImageView* refused = view(name, CCSizeMake(100, 100), "progress.png");
        EXPECT_EQ(m_probe->events, std::vector<std::string>{std::string("failed:") + name});
        EXPECT_FALSE(refused->isLoaded());
        EXPECT_TRUE(refused->shade()->isVisible());
        EXPECT_FALSE(refused->picture()->isVisible()); // the spinner stops showing
    }
    // No name: nothing at all.
    CImageView* empty = view("", CCSizeMake(100, 100));
    EXPECT_EQ(empty->getChildrenCount(), 0u);
}

TEST_F(DisplayWidgetsTest, DownloadsFromTheRealServerAndFailsCleanly) {
    std::unique_ptr<ServerProcess> server;
    startServerWithGuest(m_folder, server);
    if (!server) return;

    CImageView* apple = view("obj_apple.png", CCSizeMake(160, 160), "progress.png");
    CImageView* missing = view("no_such_picture.png", CCSizeMake(160, 160), "progress.png");
    EXPECT_FALSE(apple->isLoaded());
    EXPECT_EQ(apple->picture()->numberOfRunningActions(), 1u); // the spinner turns
    ASSERT_TRUE(pumpUntilIdle(15));
    EXPECT_TRUE(apple->isLoaded());
    EXPECT_FLOAT_EQ(apple->picture()->boundingBox().size.width, 160);
    EXPECT_FALSE(missing->isLoaded());
    EXPECT_EQ(m_probe->events, (std::vector<std::string>{"loaded:obj_apple.png", "failed:no_such_picture.png"}));

    // The screen goes while a picture is on its way: no handler runs on it.
    CImageView* left = view("obj_car.png", CCSizeMake(160, 160));
    m_scene->removeChild(left, true);
    m_probe->events.clear();
    ASSERT_TRUE(pumpUntilIdle(15));
    EXPECT_TRUE(m_probe->events.empty());
}

TEST_F(DisplayWidgetsTest, TextCellTextStateAndBox) {
    CTxtCell* cell = CTxtCell::create();
    m_scene->addChild(cell);
    EXPECT_EQ(cell->size(), 75);
    cell->setText("&");
    EXPECT_EQ(cell->text(), "&&");
    EXPECT_STREQ(cell->label()->getString(), "&&");
    cell->setState(CTxtCell::kGold);
    cell->setState(7); // unknown: unchanged
    EXPECT_EQ(cell->state(), CTxtCell::kGold);

    cell->setPosition(ccp(200, 100));
    struct Case {
        float x, y;
        bool inside;
    };
    const Case cases[] = {{163, 100, true},  {238, 100, true}, {162, 100, false}, {239, 100, false},
                          {200, 62, true},   {200, 137, true}, {200, 61, false},  {200, 138, false}};
    for (const Case& c : cases) EXPECT_EQ(cell->contains(c.x, c.y), c.inside) << c.x << "," << c.y;

    cell->setText("字");
    cell->showTextLater(true, 1.0f);
    et::stepSeconds(0.5f);
    cell->setTextShown(false);
    et::stepSeconds(0.7f);
    EXPECT_STREQ(cell->label()->getString(), "");
    cell->showTextLater(true, 0.5f);
    et::stepSeconds(0.6f);
    EXPECT_STREQ(cell->label()->getString(), "字");
}

TEST_F(DisplayWidgetsTest, StrokeLabelRendersOnlyOnChange) {
    CStrokeLabelTTF* label = CStrokeLabelTTF::create("金萝卜", "simhei.ttf", 30);
    ASSERT_NE(label, nullptr);
    m_scene->addChild(label);
    const int first = label->renderCount();
    label->setString("金萝卜");
    label->setColor(label->label()->getColor());
    EXPECT_EQ(label->renderCount(), first);
    label->setString("胡萝卜");
    label->setColor(ccc3(255, 200, 0));
    EXPECT_EQ(label->renderCount(), first + 2);
    label->setAnchorPoint(ccp(0, 0.5f)); // always rebuilds
    EXPECT_EQ(label->renderCount(), first + 3);
    // Without a render texture here the plain label stands in, once.
    EXPECT_EQ(label->getChildrenCount(), 1u);
    EXPECT_GT(label->getContentSize().width, 0);
}

TEST_F(DisplayWidgetsTest, StreakFollowsTheNodeAndLeavesWithIt) {
    CCLayer* parent = CCLayer::create();
    m_scene->addChild(parent);
    CMotionStreakNode* node = CMotionStreakNode::create();
    parent->addChild(node);
    et::stepFrames(2);
    auto* streak = dynamic_cast<CCMotionStreak*>(parent->getChildByTag(CMotionStreakNode::kStreakTag));
    ASSERT_NE(streak, nullptr);
    // The trail gains points only if its head follows the node.
    for (float x = 100; x <= 400; x += 50) {
        node->setPosition(ccp(x, 200));
        et::stepFrames(1);
    }
    EXPECT_GE(streak->pointCount(), 5u);
    EXPECT_EQ(streak->numberOfRunningActions(), 1u); // the colour cycle
    parent->removeChild(node, true);
    EXPECT_EQ(parent->getChildByTag(CMotionStreakNode::kStreakTag), nullptr);
}

} // namespace
