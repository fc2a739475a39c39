// The claim form drawn for real through the offscreen GL context: empty, filled, with a picker
// open and with the code countdown running. With BRINDLE_SHOT_DIR set every frame is saved there
// as a PNG for a person to look at.
#include "store/StoreFormSupport.h"

#include "menu/CReceiveMoneyLayer.h"
#include "quiz/RenderSupport.h"
#include "widgets/CInputBox.h"
#include "widgets/listView.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class ClaimFormRenderTest : public StoreFormTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        StoreFormTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
        authcode = Json::Value(Json::objectValue);
        authcode["response"] = 1;
    }
    void TearDown() override {
        Renderer::setCurrent(nullptr);
        StoreFormTest::TearDown();
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }
    void choose(CReceiveMoneyLayer* form, const char* button, unsigned index) {
        tapWidget(form->widget(button));
        ASSERT_NE(form->openPickerView(), nullptr);
        form->openPickerView()->choose(index);
        engine::testing::stepFrames(2);
    }
    // The label's right edge stays left of the arrow button of its field.
    static void expectBeforeButton(CCLabelTTF* label, UIWidget* button) {
        ASSERT_NE(label, nullptr);
        const float right = label->boundingBox().getMaxX();
        const float buttonLeft = button->getWorldPosition().x - 20;
        EXPECT_LT(right, buttonLeft) << label->getString();
    }

    GLRenderer* m_gl = nullptr;
};

TEST_F(ClaimFormRenderTest, EmptyFilledPickerAndCountdown) {
    CReceiveMoneyLayer* form = openClaimForm();
    ASSERT_NE(form, nullptr);
    engine::testing::stepSeconds(0.3f);
    shoot("claim_empty");

    typeInto(form->nameBox(), "王小兔");
    tapWidget(form->widget("manselectedbtn"));
    typeInto(form->qqBox(), "12345678901");
    choose(form, "yearbtn", 90);
    choose(form, "monthbtn", 2);
    choose(form, "daybtn", 4);
    choose(form, "shengbtn", 11);
    choose(form, "shibtn", 0);
    typeInto(form->addressBox(), "中关村大街1号院5号楼");
    typeInto(form->codeBox(), "0123");
    engine::testing::stepSeconds(0.3f);
    shoot("claim_filled");
    expectBeforeButton(form->choiceLabel(0), form->widget("shengbtn"));
    expectBeforeButton(form->choiceLabel(1), form->widget("shibtn"));
    expectBeforeButton(form->choiceLabel(2), form->widget("yearbtn"));

    tapWidget(form->widget("shengbtn"));
    engine::testing::stepSeconds(0.3f);
    shoot("claim_province_picker");
    tapWidget(form->widget("yearbtn"));
    engine::testing::stepSeconds(0.3f);
    shoot("claim_year_picker");
    form->openPickerView()->choose(95);
    engine::testing::stepFrames(2);
    tapWidget(form->widget("daybtn"));
    engine::testing::stepSeconds(0.3f);
    shoot("claim_day_picker");
    form->openPickerView()->choose(4);
    engine::testing::stepFrames(2);
    choose(form, "shengbtn", 11);
    choose(form, "shibtn", 0);

    tapWidget(form->widget("yanzhengbtn"));
    settle();
    closeBoxes();
    engine::testing::stepSeconds(3.0f);
    shoot("claim_countdown");
    EXPECT_TRUE(form->countdownRunning());
}

} // namespace
