// The exchange dialog drawn for real through the offscreen GL context, in each delivery kind with
// text typed and with its outcome box. With BRINDLE_SHOT_DIR set every frame is saved there as a
// PNG for a person to look at.
#include "store/StoreFormSupport.h"

#include "quiz/RenderSupport.h"
#include "store/CStoreInfoLayer.h"
#include "widgets/CInputBox.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class ExchangeRenderTest : public StoreFormTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        StoreFormTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
    }
    void TearDown() override {
        Renderer::setCurrent(nullptr);
        StoreFormTest::TearDown();
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }
    // Every box's field lies inside the dialog's panel and clear of the buttons below it.
    static void expectFieldsInPlace(CStoreInfoLayer* dialog) {
        const float buttonsTop = dialog->widget("exchangebtn")->getWorldPosition().y + 40;
        for (CInputBox* box : dialog->boxes()) {
            const CCPoint at = box->convertToWorldSpace(CCPointZero);
            EXPECT_GT(at.y - 29, buttonsTop);
            EXPECT_GT(at.x, 60);
            EXPECT_LT(at.x, 900);
        }
    }

    GLRenderer* m_gl = nullptr;
};

TEST_F(ExchangeRenderTest, EachDeliveryKindWithTextTyped) {
    CStoreInfoLayer* dialog = openDialog(goods(101, 0));
    ASSERT_NE(dialog, nullptr);
    for (int i = 0; i < 2; ++i) tapWidget(dialog->widget("jiabtn"));
    typeInto(dialog->boxes()[0], "13800138000");
    typeInto(dialog->boxes()[1], "1380013");
    engine::testing::stepSeconds(0.3f);
    shoot("exchange_telephone");
    expectFieldsInPlace(dialog);
    dialog->close();
    engine::testing::stepFrames(2);

    detail = detailAnswer(301, 1, "视频网站会员一个月，兑换后充值到您填写的账号。");
    dialog = openDialog(goods(301, 2, 300, 50));
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog->boxes()[0], "rabbit_2026@qq.com");
    engine::testing::stepSeconds(0.3f);
    shoot("exchange_account");
    expectFieldsInPlace(dialog);
    dialog->close();
    engine::testing::stepFrames(2);

    detail = detailAnswer(401, 2, "柔软的萝卜抱枕，长约50厘米，包邮到家，七天内发货。");
    dialog = openDialog(goods(401, 5, 800));
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog->boxes()[0], "王小兔");
    typeInto(dialog->boxes()[1], "北京市海淀区中关村大街1号");
    typeInto(dialog->boxes()[2], "13800138000");
    engine::testing::stepSeconds(0.3f);
    shoot("exchange_parcel");
    expectFieldsInPlace(dialog);
}

TEST_F(ExchangeRenderTest, OutcomeBox) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["tip"] = "兑换成功！话费将在24小时内到账";
    answer["money"] = 150;
    answer["score"] = 1200;
    answer["levelupscore"] = 300;
    answer["orderid"] = 7;
    convert = answer;
    CStoreInfoLayer* dialog = openDialog(goods(101, 0));
    ASSERT_NE(dialog, nullptr);
    for (CInputBox* box : dialog->boxes()) typeInto(box, "13800138000");
    tapWidget(dialog->widget("exchangebtn"));
    settle();
    engine::testing::stepSeconds(0.3f);
    shoot("exchange_outcome");
    EXPECT_NE(boxWith("兑换成功！话费将在24小时内到账"), nullptr);

    closeBoxes();
    tapWidget(dialog->widget("messagebtn"));
    engine::testing::stepSeconds(0.3f);
    shoot("exchange_message_ask");
}

} // namespace
