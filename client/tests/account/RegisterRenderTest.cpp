// The registration screen drawn for real (offscreen OpenGL) with the game's own texts: empty, under
// its guide, filled in, and with each of its boxes. Pixels are probed where the typed text and the
// boxes must show; with BRINDLE_SHOT_DIR set, every frame is also saved there as a PNG.
#include "account/CRegisterLayer.h"
#include "account/StartScenes.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/GameData.h"
#include "quiz/PlayTestSupport.h"
#include "quiz/RenderSupport.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

// Pixels in the rectangle darker than the cream of the fields and the panel (text, even the grey
// of a placeholder).
int darkPixels(const Frame& frame, int left, int bottom, int width, int height) {
    int count = 0;
    for (int y = bottom; y < bottom + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const ccColor3B c = frame.at(x, y);
            if (c.r + c.g + c.b < 450) count += 1;
        }
    }
    return count;
}

class RegisterRenderTest : public PlayTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        PlayTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no OpenGL context (SDL_VIDEODRIVER=offscreen)";
        setGameTexts();
        registerStartScenes();
        SceneDirector::instance().registerScene(2, [] { return CCScene::create(); });
    }
    CRegisterLayer* enter(bool guide) {
        StoredSettings::writeBool("register_hadGuide", !guide);
        SceneDirector::instance().switchTo(14);
        engine::testing::stepSeconds(0.4f);
        CCScene* scene = SceneDirector::instance().currentScene();
        return dynamic_cast<CRegisterLayer*>(static_cast<CCObject*>(scene->getChildren()->objectAtIndex(0)));
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }
    static CCNode* box() { return CCDirector::sharedDirector()->getRunningScene()->getChildByTag(CRegisterLayer::kBoxTag); }

    GLRenderer* m_gl = nullptr;
};

// The input fields of the layout: left edge 315, 400 wide, 60 high, centred on these heights.
const int kFieldRows[] = {450, 375, 300, 225};

TEST_F(RegisterRenderTest, EmptyFilledAndGuidedScreens) {
    CRegisterLayer* layer = enter(false);
    ASSERT_NE(layer, nullptr);
    const Frame empty = shoot("register_empty");
    // Each placeholder is written inside its own field, not across its edges.
    // The agreement link is drawn blue.
    int blue = 0;
    for (int x = 540; x < 660; ++x) {
        for (int y = 55; y < 80; ++y) {
            const ccColor3B c = empty.at(x, y);
            if (c.b > 150 && c.r < 120) blue += 1;
        }
    }
    EXPECT_GT(blue, 40);
    for (int row : kFieldRows) {
        SCOPED_TRACE(row);
        EXPECT_GT(darkPixels(empty, 335, row - 20, 300, 40), 50);
        EXPECT_EQ(darkPixels(empty, 300, row - 20, 12, 40), 0);
    }

    layer->userNameBox()->setText("13912345678");
    layer->passwordBox()->setText("secret1");
    layer->confirmBox()->setText("secret1");
    layer->referrerBox()->setText("10086");
    const CCPoint at = layer->referrerBox()->getPosition();
    engine::testing::tap(at.x, at.y); // the cursor shows at the end of the number
    engine::testing::stepSeconds(0.2f);
    const Frame filled = shoot("register_filled");
    for (int row : kFieldRows) EXPECT_GT(darkPixels(filled, 335, row - 20, 200, 40), 50);

    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    ASSERT_NE(enter(true), nullptr);
    const Frame guided = shoot("register_guide");
    // Outside the spot the screen is shaded.
    const ccColor3B corner = guided.at(100, 320);
    const ccColor3B plain = empty.at(100, 320);
    EXPECT_LT(corner.r + corner.g + corner.b, plain.r + plain.g + plain.b);
}

TEST_F(RegisterRenderTest, EachBoxOverTheForm) {
    struct Case {
        const char* shot;
        std::string name, password, confirmation;
        int answer; // -1: a local check refuses
    };
    const Case cases[] = {
        {"register_box_UserNameError", "2391234567", "secret1", "secret1", -1},
        {"register_box_PasswordLegthError", "13912345678", "12345", "12345", -1},
        {"register_box_NewPwdNoSame", "13912345678", "secret1", "secret2", -1},
        {"register_box_UserExist", "13912345678", "secret1", "secret1", 1},
        {"register_box_RegisterSuccess", "13912345678", "secret1", "secret1", 0},
    };
    CRegisterLayer* layer = enter(false);
    ASSERT_NE(layer, nullptr);
    const Frame empty = shoot("register_empty_again");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shot);
        if (CCNode* old = box()) old->removeFromParent();
        layer->userNameBox()->setText(c.name);
        layer->passwordBox()->setText(c.password);
        layer->confirmBox()->setText(c.confirmation);
        if (c.answer < 0) {
            layer->submit();
        } else {
            GameData::instance().tip.clear();
            layer->onRegisterAnswer(c.answer);
        }
        ASSERT_NE(box(), nullptr);
        const Frame frame = shoot(c.shot);
        // The message on one line in the middle of the window, its button below it, where the
        // empty screen has the cream panel.
        EXPECT_GT(darkPixels(frame, 330, 320, 300, 40), 100);
        auto* message = static_cast<CMyMessageBox*>(box())->messageLabel();
        ASSERT_NE(message, nullptr);
        EXPECT_LT(message->getContentSize().height, 50) << "the message wraps onto a second line";
        const ccColor3B button = frame.at(434, 269), before = empty.at(434, 269);
        EXPECT_GT(button.r, 200);
        EXPECT_LT(button.b, 120);
        EXPECT_GT(before.b, 150);
    }
}

} // namespace
