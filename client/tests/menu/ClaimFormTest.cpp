// The prize-money claim form: its checks in order, the code request with its countdown, the save
// with its code checks and what it sends, the pickers and the ways out to the store.
#include "store/StoreFormSupport.h"

#include "app/SceneDirector.h"
#include "menu/CReceiveMoneyLayer.h"
#include "net/GameData.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/listView.h"

#include "testing/EngineTesting.h"

#include <set>

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class ClaimFormTest : public StoreFormTest {
protected:
    void SetUp() override {
        StoreFormTest::SetUp();
        authcode = Json::Value(Json::objectValue);
        authcode["response"] = 1;
        update = Json::Value(Json::objectValue);
        update["response"] = 1;
        update["binfo"] = 1;
        GameData::instance().user.infoFilled = false;
    }
    // Picks entry `index` of the picker the button opens, by tapping its cell.
    void pick(CReceiveMoneyLayer* form, const char* button, unsigned index) {
        closeBoxes();
        tapWidget(form->widget(button));
        listView* picker = form->openPickerView();
        ASSERT_NE(picker, nullptr) << button;
        ASSERT_LT(index, picker->texts().size());
        CCTableViewCell* cell = picker->table()->cellAtIndex(index);
        if (cell == nullptr) {
            picker->choose(index);
        } else {
            tapAt(cell->convertToWorldSpace(ccp(listView::kCellWidth / 2, listView::kCellHeight / 2)));
        }
        engine::testing::stepFrames(2);
        EXPECT_EQ(form->openPickerView(), nullptr) << "choosing closes the picker";
    }
    void fillComplete(CReceiveMoneyLayer* form) {
        typeInto(form->nameBox(), "王小兔");
        tapWidget(form->widget("ladyselectedbtn"));
        typeInto(form->qqBox(), "12345");
        pick(form, "yearbtn", 90);
        pick(form, "monthbtn", 2);
        pick(form, "daybtn", 4);
        pick(form, "shengbtn", 0);
        pick(form, "shibtn", 0);
        typeInto(form->addressBox(), "海淀区中关村1号");
    }
    // Taps the code button and lets the answer arrive.
    void askCode(CReceiveMoneyLayer* form) {
        closeBoxes();
        tapWidget(form->widget("yanzhengbtn"));
        settle();
    }
    void save(CReceiveMoneyLayer* form) {
        closeBoxes();
        tapWidget(form->widget("lingqubtn"));
        settle();
    }
    std::string countdownText(CReceiveMoneyLayer* form) { return form->countdownLabel()->getString(); }
    // Runs the frames until the next countdown tick has changed the label.
    void tick(CReceiveMoneyLayer* form) {
        const std::string before = countdownText(form);
        for (int frame = 0; frame < 120 && countdownText(form) == before; ++frame) engine::testing::stepFrames(1);
        ASSERT_NE(countdownText(form), before) << "no tick within two seconds";
    }
};

TEST_F(ClaimFormTest, StartsEmptyWithThePlayersNumber) {
    CReceiveMoneyLayer* form = openClaimForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(std::string(form->phoneLabel()->getString()), "13800138000");
    EXPECT_FALSE(form->widget("phonenumberlabel")->isVisible());
    EXPECT_FALSE(form->widget("manselectedimage")->isVisible());
    EXPECT_FALSE(form->widget("ladyselectedimage")->isVisible());
    EXPECT_EQ(form->sex(), 2);
    EXPECT_FALSE(form->countdownLabel()->isVisible());
    tapWidget(form->widget("manselectedbtn"));
    EXPECT_EQ(form->sex(), 1);
    EXPECT_TRUE(form->widget("manselectedimage")->isVisible());
    tapWidget(form->widget("ladyselectedbtn"));
    EXPECT_EQ(form->sex(), 0);
    EXPECT_FALSE(form->widget("manselectedimage")->isVisible());
    EXPECT_TRUE(form->widget("ladyselectedimage")->isVisible());
    tapWidget(form->widget("backbtn"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 6);
}

TEST_F(ClaimFormTest, EachCheckInItsOrderAndNoCodeAskedForAnIncompleteForm) {
    CReceiveMoneyLayer* form = openClaimForm();
    ASSERT_NE(form, nullptr);
    auto expectRefused = [&](const char* key) {
        askCode(form);
        EXPECT_NE(boxWith(text(key)), nullptr) << key;
        EXPECT_TRUE(requestsOf(24, "authcode").empty()) << key;
    };
    expectRefused("verifyName");
    typeInto(form->nameBox(), "王 兔");
    expectRefused("nameHaveSpace");
    form->nameBox()->setText("12345");
    expectRefused("nameMustNotDigit");
    form->nameBox()->setText("王小兔");
    expectRefused("verifySex");
    closeBoxes();
    tapWidget(form->widget("manselectedbtn"));
    expectRefused("verifyQQ");
    typeInto(form->qqBox(), "123456789012");
    EXPECT_EQ(form->qqBox()->getText(), "123456789012") << "twelve digits fit the box";
    expectRefused("verifyQQ");
    form->qqBox()->setText("1234a");
    expectRefused("qqMustDigit");
    form->qqBox()->setText("12345");
    expectRefused("verifyBirth");
    pick(form, "yearbtn", 90);
    pick(form, "monthbtn", 2);
    expectRefused("verifyBirth");
    pick(form, "daybtn", 4);
    expectRefused("verifyAddr");
    pick(form, "shengbtn", 1);
    pick(form, "shibtn", 0);
    expectRefused("verifyAddr");
    typeInto(form->addressBox(), "10086");
    expectRefused("detailNotDigit");
    form->addressBox()->setText("海淀区中关村1号");
    askCode(form);
    EXPECT_EQ(requestsOf(24, "authcode").size(), 1u);
    EXPECT_NE(boxWith(text("sendauthcodeSuccess")), nullptr);
}

TEST_F(ClaimFormTest, CodeButtonRestsForSixtySeconds) {
    CReceiveMoneyLayer* form = openClaimForm();
    ASSERT_NE(form, nullptr);
    fillComplete(form);
    askCode(form);
    ASSERT_EQ(requestsOf(24, "authcode").size(), 1u);
    const Json::Value sent = requestsOf(24, "authcode")[0];
    EXPECT_EQ(sent["system"].asInt(), 24);
    EXPECT_TRUE(form->countdownRunning());
    EXPECT_TRUE(form->countdownLabel()->isVisible());
    EXPECT_FALSE(form->widget("yanzhenglabel")->isVisible());
    EXPECT_FALSE(form->widget("yanzhengbtn")->isTouchEnabled());

    closeBoxes();
    tick(form);
    EXPECT_EQ(countdownText(form), "59秒后重新发送");
    askCode(form);
    EXPECT_EQ(requestsOf(24, "authcode").size(), 1u) << "the button takes no touches while it counts";
    for (int i = 0; i < 58; ++i) tick(form);
    EXPECT_EQ(countdownText(form), "1秒后重新发送");
    EXPECT_TRUE(form->countdownRunning());
    tick(form);
    EXPECT_EQ(countdownText(form), text("resendover"));
    EXPECT_FALSE(form->countdownRunning());
    EXPECT_TRUE(form->widget("yanzhengbtn")->isTouchEnabled());
    askCode(form);
    EXPECT_EQ(requestsOf(24, "authcode").size(), 2u);
}

TEST_F(ClaimFormTest, TooManyCodesTodayLeavesTheButtonUsable) {
    authcode["response"] = 0;
    authcode["fail"] = 1;
    authcode["tip"] = "今天的验证码已用完";
    CReceiveMoneyLayer* form = openClaimForm();
    ASSERT_NE(form, nullptr);
    fillComplete(form);
    askCode(form);
    EXPECT_NE(boxWith(text("sendTimesOver10")), nullptr);
    EXPECT_FALSE(form->countdownRunning());
    EXPECT_TRUE(form->widget("yanzhengbtn")->isTouchEnabled());
    engine::testing::stepSeconds(2.0f);
    EXPECT_EQ(form->countdown(), 60);
    askCode(form);
    EXPECT_EQ(requestsOf(24, "authcode").size(), 2u);
}

TEST_F(ClaimFormTest, SaveChecksTheCodeAndSendsTheFormAsNumbers) {
    CReceiveMoneyLayer* form = openClaimForm();
    ASSERT_NE(form, nullptr);
    fillComplete(form);
    save(form);
    EXPECT_NE(boxWith(text("verifyYanzhengma")), nullptr);
    for (const char* code : {"012", "01a3"}) {
        form->codeBox()->setText(code);
        save(form);
        EXPECT_NE(boxWith(text("yanzhengMustDigit")), nullptr) << code;
    }
    EXPECT_TRUE(requestsOf(24, "update").empty());

    form->codeBox()->setText("");
    typeInto(form->codeBox(), "0");
    for (const char* digit : {"1", "2", "3", "4", "5"}) engine::testing::typeText(digit);
    EXPECT_EQ(form->codeBox()->getText(), "0123") << "four digits at most";
    save(form);
    ASSERT_EQ(requestsOf(24, "update").size(), 1u);
    const Json::Value sent = requestsOf(24, "update")[0];
    std::set<std::string> names;
    for (const std::string& name : sent.getMemberNames()) {
        if (name != "mac" && name != "sessionid" && name != "id") names.insert(name);
    }
    EXPECT_EQ(names, (std::set<std::string>{"system", "type", "name", "sex", "birthday", "job", "province", "city",
                                            "fulladdress", "qq", "authcode"}));
    EXPECT_EQ(sent["authcode"], Json::Value(123));
    EXPECT_EQ(sent["birthday"], Json::Value(19900305));
    EXPECT_EQ(sent["sex"], Json::Value(0));
    EXPECT_EQ(sent["name"].asString(), "王小兔");
    EXPECT_EQ(sent["qq"].asString(), "12345");
    EXPECT_EQ(sent["job"].asString(), "nujob");
    EXPECT_EQ(sent["fulladdress"].asString(), "海淀区中关村1号");
    EXPECT_EQ(sent["province"].asString(), std::string(form->choiceLabel(0)->getString()));
    EXPECT_FALSE(sent["city"].asString().empty());
    EXPECT_EQ(CReceiveMoneyLayer::birthdayOf("1990", "03", "05"), CReceiveMoneyLayer::birthdayOf("1990", "3", "5"));
}

TEST_F(ClaimFormTest, SavedDetailsLeadToTheStoreAndAFailureStays) {
    update = Json::Value(Json::objectValue);
    update["response"] = 0;
    update["fail"] = 1;
    CReceiveMoneyLayer* form = openClaimForm();
    ASSERT_NE(form, nullptr);
    fillComplete(form);
    typeInto(form->codeBox(), "4321");
    save(form);
    EXPECT_NE(boxWith(text("SaveDetailInfofail")), nullptr);
    EXPECT_FALSE(GameData::instance().user.infoFilled);
    EXPECT_EQ(form->nameBox()->getText(), "王小兔");

    update["response"] = 1;
    update["binfo"] = 1;
    save(form);
    CMyMessageBox* saved = boxWith(text("SaveDetailInfoSel"));
    ASSERT_NE(saved, nullptr);
    EXPECT_TRUE(GameData::instance().user.infoFilled);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 18);
    pressBoxButton(saved, 2);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 6);
}

TEST_F(ClaimFormTest, NewProvinceEmptiesCityAndNewMonthEmptiesDay) {
    CReceiveMoneyLayer* form = openClaimForm();
    ASSERT_NE(form, nullptr);
    pick(form, "shengbtn", 2);
    pick(form, "shibtn", 0);
    EXPECT_NE(std::string(form->choiceLabel(1)->getString()), "");
    tapWidget(form->widget("shengbtn"));
    EXPECT_EQ(std::string(form->choiceLabel(1)->getString()), "");
    listView* picker = form->openPickerView();
    ASSERT_NE(picker, nullptr);
    EXPECT_GT(picker->getZOrder(), form->nameBox()->getZOrder()) << "the list lies over the form";
    picker->choose(3);
    EXPECT_EQ(std::string(form->choiceLabel(0)->getString()), picker->texts()[3]);
    engine::testing::stepFrames(2);
    EXPECT_EQ(form->openPickerView(), nullptr);

    pick(form, "monthbtn", 1);
    pick(form, "daybtn", 27);
    EXPECT_EQ(std::string(form->choiceLabel(4)->getString()), "28");
    tapWidget(form->widget("monthbtn"));
    EXPECT_EQ(std::string(form->choiceLabel(4)->getString()), "");
    form->openPickerView()->choose(1);
    engine::testing::stepFrames(2);
    // A choice made over the save button is only a choice.
    tapWidget(form->widget("yearbtn"));
    picker = form->openPickerView();
    ASSERT_NE(picker, nullptr);
    const CCPoint save = form->widget("lingqubtn")->getWorldPosition();
    const CCPoint onBoth = ccp(picker->getPositionX() + 40, save.y + 20);
    ASSERT_TRUE(picker->boundingBox().containsPoint(onBoth));
    ASSERT_NE(form->widget("lingqubtn"), nullptr);
    tapAt(onBoth);
    engine::testing::stepFrames(2);
    EXPECT_EQ(form->openPickerView(), nullptr);
    EXPECT_NE(std::string(form->choiceLabel(2)->getString()), "");
    EXPECT_TRUE(boxes().empty()) << "the form was not sent for saving";

    // A tap beside an open picker closes it without a choice.
    tapWidget(form->widget("monthbtn"));
    ASSERT_NE(form->openPickerView(), nullptr);
    tapAt(ccp(150, 560));
    engine::testing::stepFrames(2);
    EXPECT_EQ(form->openPickerView(), nullptr);
    EXPECT_EQ(std::string(form->choiceLabel(3)->getString()), "02");
}

} // namespace
