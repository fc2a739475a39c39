// The exchange dialog over the store: the count, the three delivery forms and what each sends,
// the checks before any exchange, the outcome box through the real parser, and the way back to
// the store.
#include "store/StoreFormSupport.h"

#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "net/GameData.h"
#include "net/UserSession.h"
#include "quiz/QuizData.h"
#include "quiz/QuizScreenSupport.h"
#include "store/CStoreInfoLayer.h"
#include "widgets/CImageView.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

#include <set>

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class ExchangeDialogTest : public StoreFormTest {
protected:
    std::string countShown(CStoreInfoLayer* dialog) {
        auto* label = dynamic_cast<UILabel*>(dialog->widget("numberlabel"));
        return label ? label->getStringValue() : "";
    }
    void fill(CStoreInfoLayer* dialog, const std::vector<std::string>& values) {
        ASSERT_EQ(dialog->boxes().size(), values.size());
        closeBoxes();
        for (size_t i = 0; i < values.size(); ++i) typeInto(dialog->boxes()[i], values[i]);
    }
    // Presses "exchange" and lets any answer arrive.
    void exchange(CStoreInfoLayer* dialog) {
        closeBoxes();
        tapWidget(dialog->widget("exchangebtn"));
        settle();
    }
    // The members of the request besides the session's own.
    static std::set<std::string> members(const Json::Value& request) {
        std::set<std::string> names;
        for (const std::string& name : request.getMemberNames()) {
            if (name != "mac" && name != "sessionid" && name != "id") names.insert(name);
        }
        return names;
    }
    static Json::Value convertAnswer(int response, int fail, const std::string& tip) {
        Json::Value answer(Json::objectValue);
        answer["response"] = response;
        if (response == 1) {
            answer["orderid"] = 88;
            answer["money"] = 150;
            answer["score"] = 1200;
            answer["levelupscore"] = 300;
        } else {
            answer["fail"] = fail;
        }
        answer["tip"] = tip;
        return answer;
    }
};

TEST_F(ExchangeDialogTest, CountStaysBetweenOneAndTheLimit) {
    detail = detailAnswer(101, 3);
    CStoreInfoLayer* dialog = openDialog(goods(101, 0));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->built());
    EXPECT_EQ(requestsOf(7, "detail").size(), 1u);
    EXPECT_EQ(requestsOf(7, "detail")[0]["goodsid"].asInt(), 101);
    EXPECT_EQ(countShown(dialog), "1");
    tapWidget(dialog->widget("jianbtn"));
    EXPECT_EQ(dialog->count(), 1);
    for (int i = 0; i < 4; ++i) tapWidget(dialog->widget("jiabtn"));
    EXPECT_EQ(dialog->count(), 3);
    EXPECT_EQ(countShown(dialog), "3");
    tapWidget(dialog->widget("jianbtn"));
    EXPECT_EQ(countShown(dialog), "2");
}

TEST_F(ExchangeDialogTest, AGoodsItemWithoutPiecesRefusesTheCountOfZero) {
    detail = detailAnswer(101, -4);
    CStoreInfoLayer* dialog = openDialog(goods(101, 0));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->count(), 0);
    tapWidget(dialog->widget("jiabtn"));
    EXPECT_EQ(dialog->count(), 0);
    fill(dialog, {"13800138000", "13800138000"});
    exchange(dialog);
    EXPECT_NE(boxWith(text("CannotBeZero")), nullptr);
    EXPECT_TRUE(requestsOf(7, "convert").empty());
}

TEST_F(ExchangeDialogTest, TelephoneFormChecksBothNumbersAndSendsOnlyTheNumber) {
    convert = convertAnswer(1, 0, "兑换成功！话费将在24小时内到账");
    CStoreInfoLayer* dialog = openDialog(goods(101, 0));
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->boxes().size(), 2u);
    EXPECT_EQ(dialog->boxes()[0]->getPlaceHolder(), text("inputTel"));
    EXPECT_EQ(dialog->boxes()[1]->getPlaceHolder(), text("reTel"));

    const std::vector<std::vector<std::string>> refused = {
        {"1380013800", "1380013800"}, {"13800138000", "13800138001"}, {"1380013800a", "1380013800a"}, {"", ""}};
    for (const auto& numbers : refused) {
        for (CInputBox* box : dialog->boxes()) box->setText("");
        fill(dialog, numbers);
        exchange(dialog);
        EXPECT_NE(boxWith(text("inpTelAndReTel")), nullptr) << numbers[0] << " / " << numbers[1];
    }
    EXPECT_TRUE(requestsOf(7, "convert").empty());

    for (CInputBox* box : dialog->boxes()) box->setText("");
    fill(dialog, {"13800138000", "13800138000"});
    tapWidget(dialog->widget("jiabtn"));
    exchange(dialog);
    ASSERT_EQ(requestsOf(7, "convert").size(), 1u);
    const Json::Value sent = requestsOf(7, "convert")[0];
    EXPECT_EQ(members(sent), (std::set<std::string>{"system", "act", "goodsid", "count", "extrainfo"}));
    EXPECT_EQ(sent["goodsid"].asInt(), 101);
    EXPECT_EQ(sent["count"].asInt(), 2);
    EXPECT_EQ(sent["extrainfo"].asString(), "13800138000");
}

TEST_F(ExchangeDialogTest, MessageFlagAddsTheMessageToATelephoneExchange) {
    convert = convertAnswer(1, 0, "兑换成功！");
    CStoreInfoLayer* dialog = openDialog(goods(101, 0));
    ASSERT_NE(dialog, nullptr);
    tapWidget(dialog->widget("messagebtn"));
    CMyMessageBox* ask = boxWith(text("smsContent") + dialog->messageText());
    ASSERT_NE(ask, nullptr);
    EXPECT_EQ(ask->titleText(), text("tips"));
    pressBoxButton(ask, 1);
    EXPECT_TRUE(dialog->messageFlag());
    fill(dialog, {"13800138000", "13800138000"});
    exchange(dialog);
    ASSERT_EQ(requestsOf(7, "convert").size(), 1u);
    EXPECT_EQ(requestsOf(7, "convert")[0]["address"].asString(), dialog->messageText());
    EXPECT_LE(dialog->messageText().size(), 100u);

    // "no" takes the message back off.
    closeBoxes();
    tapWidget(dialog->widget("messagebtn"));
    pressBoxButton(boxWith(text("smsContent") + dialog->messageText()), 3);
    EXPECT_FALSE(dialog->messageFlag());
    exchange(dialog);
    ASSERT_EQ(requestsOf(7, "convert").size(), 2u);
    EXPECT_FALSE(requestsOf(7, "convert")[1].isMember("address"));
}

TEST_F(ExchangeDialogTest, AccountFormWantsTheSameAccountTwice) {
    convert = convertAnswer(1, 0, "兑换成功！");
    CStoreInfoLayer* dialog = openDialog(goods(301, 2));
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->boxes().size(), 2u);
    EXPECT_EQ(dialog->boxes()[1]->getPlaceHolder(), text("reAccount"));
    EXPECT_FALSE(dialog->widget("messagebtn")->isVisible());
    fill(dialog, {"rabbit@qq", "rabbit@q"});
    exchange(dialog);
    EXPECT_NE(boxWith(text("inpAccountAndReAccount")), nullptr);
    EXPECT_TRUE(requestsOf(7, "convert").empty());

    typeInto(dialog->boxes()[1], "q");
    exchange(dialog);
    ASSERT_EQ(requestsOf(7, "convert").size(), 1u);
    const Json::Value sent = requestsOf(7, "convert")[0];
    EXPECT_EQ(members(sent), (std::set<std::string>{"system", "act", "goodsid", "count", "extrainfo"}));
    EXPECT_EQ(sent["extrainfo"].asString(), "rabbit@qq");
}

TEST_F(ExchangeDialogTest, ParcelFormWantsReceiverAddressAndNumber) {
    convert = convertAnswer(1, 0, "兑换成功！");
    detail = detailAnswer(401, 2);
    detail["inputaddr"] = 1;
    CStoreInfoLayer* dialog = openDialog(goods(401, 5));
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->boxes().size(), 4u);
    EXPECT_EQ(dialog->boxes()[0]->getPlaceHolder(), text("userName"));
    EXPECT_EQ(dialog->boxes()[1]->getPlaceHolder(), text("userAddress"));

    fill(dialog, {"", "北京市海淀区1号", "13800138000", "13800138000"});
    exchange(dialog);
    EXPECT_NE(boxWith(text("inputNameAddress")), nullptr);
    dialog->boxes()[0]->setText("王小兔");
    dialog->boxes()[3]->setText("13800138001");
    exchange(dialog);
    EXPECT_NE(boxWith(text("inpTelAndReTel")), nullptr);
    EXPECT_TRUE(requestsOf(7, "convert").empty());

    dialog->boxes()[3]->setText("13800138000");
    exchange(dialog);
    ASSERT_EQ(requestsOf(7, "convert").size(), 1u);
    const Json::Value sent = requestsOf(7, "convert")[0];
    EXPECT_EQ(members(sent),
              (std::set<std::string>{"system", "act", "goodsid", "count", "extrainfo", "name", "address"}));
    EXPECT_EQ(sent["extrainfo"].asString(), "13800138000");
    EXPECT_EQ(sent["name"].asString(), "王小兔");
    EXPECT_EQ(sent["address"].asString(), "北京市海淀区1号");
}

TEST_F(ExchangeDialogTest, PlayersWhoMayNotExchangeAreSentOnFirst) {
    CStoreInfoLayer* dialog = openDialog(goods(101, 0));
    ASSERT_NE(dialog, nullptr);
    fill(dialog, {"13800138000", "13800138000"});

    StoredSettings::storeUserName("");
    exchange(dialog);
    EXPECT_NE(boxWith(text("noRegisterChangeTip")), nullptr);

    StoredSettings::storeUserName("13800138000");
    UserSession::instance().setAccountKind(2);
    exchange(dialog);
    EXPECT_NE(boxWith(text("notLoginTip")), nullptr);

    UserSession::instance().setAccountKind(1);
    GameData::instance().user.infoFilled = false;
    exchange(dialog);
    CMyMessageBox* claim = boxWith(text("receiveMoneyTip"));
    ASSERT_NE(claim, nullptr);
    EXPECT_TRUE(requestsOf(7, "convert").empty());
    pressBoxButton(claim, 1);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 18);
}

TEST_F(ExchangeDialogTest, OutcomeBoxShowsTheServersText) {
    StoreStandIn* store = enterStore();
    convert = convertAnswer(1, 0, "兑换成功！话费将在24小时内到账");
    CStoreInfoLayer* dialog = openDialog(goods(101, 0));
    ASSERT_NE(dialog, nullptr);
    fill(dialog, {"13800138000", "13800138000"});
    exchange(dialog);
    CMyMessageBox* done = boxWith("兑换成功！话费将在24小时内到账");
    ASSERT_NE(done, nullptr);
    EXPECT_NE(done->button(2), nullptr);
    EXPECT_EQ(GameData::instance().user.money, 150);
    EXPECT_EQ(store->shownMoney, 150);

    convert = convertAnswer(0, 1, "金萝卜不够了");
    exchange(dialog);
    EXPECT_NE(boxWith("金萝卜不够了"), nullptr);
    EXPECT_EQ(GameData::instance().user.money, 150);

    // A refusal without a text still says something.
    convert = convertAnswer(0, 2, "");
    exchange(dialog);
    EXPECT_NE(boxWith(text("exchangeRefused")), nullptr);
}

TEST_F(ExchangeDialogTest, ClosingGivesTheStoreBackAndDropsALateDetail) {
    StoreStandIn* store = enterStore();
    CStoreInfoLayer* dialog = openDialog(goods(101, 0));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 9);
    const int before = store->touches;
    tapAt(ccp(480, 600));
    tapAt(ccp(100, 100));
    EXPECT_EQ(store->touches, before) << "the dialog keeps the store's touches";

    tapWidget(dialog->widget("backbtn"));
    engine::testing::stepFrames(2);
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    EXPECT_EQ(scene->getChildByTag(101), nullptr);
    EXPECT_EQ(scene->getChildByTag(102), nullptr);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 6);
    tapAt(ccp(480, 320));
    EXPECT_EQ(store->touches, before + 1);

    // Closed before its detail came: the answer is dropped, the store stays as it is.
    detail = detailAnswer(102, 5);
    SceneDirector::instance().showStoreInfo(goods(102, 0), 0, 0);
    CStoreInfoLayer* hasty = StoreFormTest::dialog();
    ASSERT_NE(hasty, nullptr);
    EXPECT_FALSE(hasty->built());
    hasty->close();
    settle();
    EXPECT_EQ(requestsOf(7, "detail").size(), 2u);
    EXPECT_TRUE(logged("arrived after the dialog closed"));
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 6);
    EXPECT_TRUE(boxes().empty());
}

} // namespace

TEST_F(ExchangeDialogTest, TheGoodsOwnPictureCoversTheGiftOnlyOnceItHasArrived) {
    // Fetched before (the store's tiles fetch it): shown at once.
    QuizData::instance().setString("goods_phone10.png", bankMedia("goods_phone10.png"));
    detail = detailAnswer(101, 3);
    CStoreInfoLayer* dialog = openDialog(goods(101, 0));
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(dialog->ownPicture(), nullptr);
    EXPECT_TRUE(dialog->ownPicture()->isLoaded());
    EXPECT_TRUE(dialog->ownPicture()->isVisible());
    tapWidget(dialog->widget("backbtn"));
    settle();

    // One the server never delivers leaves the gift uncovered, with no dark square over it.
    GoodsInfo lost = goods(102, 0);
    lost.goodsImg = "goods_missing.png";
    detail = detailAnswer(102, 3);
    CStoreInfoLayer* second = openDialog(lost);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second->ownPicture(), nullptr);
    settle();
    engine::testing::stepSeconds(1.0f);
    EXPECT_FALSE(second->ownPicture()->isLoaded());
    EXPECT_FALSE(second->ownPicture()->isVisible());
}
