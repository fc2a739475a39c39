// The store and the claim form against the real brindle-server, by the player's own touches and
// typing: the code comes from the server's outbox, a wrong code is refused and the right one
// saves; the exchange dialog buys telephone credit, charged once and booked once, which the
// account book then lists; an exchange beyond the player's money is refused and changes nothing.
#include "app/SceneDirector.h"
#include "contest/HallTestSupport.h"
#include "menu/CReceiveMoneyLayer.h"
#include "menu/MenuScenes.h"
#include "net/GameData.h"
#include "store/CStoreAccountLayer.h"
#include "store/CStoreInfoLayer.h"
#include "store/CStoreLayer.h"
#include "store/StoreInfoScenes.h"
#include "store/StoreScenes.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/listView.h"

#include "cocos-ext.h"

#include "testing/EngineTesting.h"


#include <fstream>
#include <regex>

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class StoreServerTest : public HallServerTest {
protected:
    void SetUp() override {
        HallServerTest::SetUp();
        if (IsSkipped()) return;
        registerMenuScenes();
        registerStoreScenes();
        registerStoreInfoOverlay();
        signUp(false);
        ASSERT_TRUE(sql("UPDATE players SET money = 500 WHERE id = " + std::to_string(clientId())));
    }
    int number(const std::string& statement) {
        int value = -1;
        sql(statement, &value);
        return value;
    }
    // The code of the outbox's last line for this number.
    std::string codeFromOutbox(const std::string& tel) {
        std::ifstream in(m_folder + "sms-outbox.txt");
        std::string line, code;
        const std::regex message("\t" + tel + "\t.*验证码是([0-9]{4})");
        for (std::smatch m; std::getline(in, line);) {
            if (std::regex_search(line, m, message)) code = m[1];
        }
        return code;
    }
    static void typeInto(CInputBox* box, const std::string& value) {
        ASSERT_NE(box, nullptr);
        tapAt(box->convertToWorldSpace(CCPointZero));
        engine::testing::typeText(value);
        engine::testing::stepFrames(2);
    }
    static void tapAt(const CCPoint& at) {
        engine::testing::tap(at.x, at.y);
        engine::testing::stepFrames(1);
    }
    static void pick(CReceiveMoneyLayer* form, const char* button, unsigned index) {
        tapWidget(form->widget(button));
        listView* picker = form->openPickerView();
        ASSERT_NE(picker, nullptr) << button;
        ASSERT_LT(index, picker->texts().size());
        picker->choose(index);
        engine::testing::stepFrames(2);
    }
    static void closeBoxes() {
        for (CMyMessageBox* box : boxes()) pressSure(box);
        engine::testing::stepFrames(2);
    }
    static CStoreInfoLayer* dialog() {
        CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
        return scene ? dynamic_cast<CStoreInfoLayer*>(scene->getChildByTag(101)) : nullptr;
    }
    int orders() { return number("SELECT COUNT(*) FROM store_orders WHERE player = " + std::to_string(clientId())); }
    int money() { return ContestServer::clientMoneyAndScore().first; }
};

TEST_F(StoreServerTest, ClaimFormWithTheOutboxCodeThenCreditBoughtOnceAndListed) {
    enter(18);
    auto* form = screen<CReceiveMoneyLayer>();
    ASSERT_NE(form, nullptr);
    typeInto(form->nameBox(), "李雷");
    tapWidget(form->widget("manselectedbtn"));
    typeInto(form->qqBox(), "12345678");
    pick(form, "yearbtn", 88);
    pick(form, "monthbtn", 2);
    pick(form, "daybtn", 4);
    pick(form, "shengbtn", 0);
    pick(form, "shibtn", 0);
    typeInto(form->addressBox(), "东四北大街8号");

    tapWidget(form->widget("yanzhengbtn"));
    settle();
    ASSERT_TRUE(answered(served(24), 1)) << m_server.process().output();
    ASSERT_NE(boxSaying(text("sendauthcodeSuccess")), nullptr);
    EXPECT_TRUE(form->countdownRunning());
    closeBoxes();
    const std::string code = codeFromOutbox("13900000002"); // the client's registered number
    ASSERT_EQ(code.size(), 4u) << "the outbox holds the code for the player's number";

    // A wrong code first: refused, nothing saved.
    typeInto(form->codeBox(), code == "1111" ? "2222" : "1111");
    tapWidget(form->widget("lingqubtn"));
    settle();
    ASSERT_NE(boxSaying(text("SaveDetailInfofail")), nullptr);
    EXPECT_FALSE(GameData::instance().user.infoFilled);
    closeBoxes();

    form->codeBox()->setText("");
    typeInto(form->codeBox(), code);
    tapWidget(form->widget("lingqubtn"));
    settle();
    CMyMessageBox* saved = boxSaying(text("SaveDetailInfoSel"));
    ASSERT_NE(saved, nullptr) << m_server.process().output();
    EXPECT_TRUE(GameData::instance().user.infoFilled);
    EXPECT_EQ(number("SELECT infofilled FROM players WHERE id = " + std::to_string(clientId())), 1);
    pressSure(saved);
    engine::testing::stepSeconds(0.5f);
    settle();
    ASSERT_EQ(SceneDirector::instance().currentSceneId(), 6) << "the saved form leads to the store";

    auto* store = screen<CStoreLayer>();
    ASSERT_NE(store, nullptr);
    ASSERT_GE(store->categories().size(), 3u);
    ASSERT_FALSE(store->categories()[0].goods.empty());
    GoodsInfo credit;
    for (const GoodsInfo& g : store->categories()[0].goods) {
        if (g.goodsId == 102) credit = g;
    }
    ASSERT_EQ(credit.goodsId, 102) << "the 10-yuan credit is on sale";

    const int before = money();
    SceneDirector::instance().showStoreInfo(credit, 0, 0);
    engine::testing::stepFrames(2);
    settle();
    CStoreInfoLayer* open = dialog();
    ASSERT_NE(open, nullptr);
    ASSERT_TRUE(open->built());
    ASSERT_EQ(open->boxes().size(), 2u);
    typeInto(open->boxes()[0], "13900000001");
    typeInto(open->boxes()[1], "13900000001");
    tapWidget(open->widget("jiabtn"));
    tapWidget(open->widget("exchangebtn"));
    settle();
    ASSERT_FALSE(served(7).empty());
    ASSERT_NE(served(7).back().find("act=\"convert\" goodsid=102 count=2 -> response 1"), std::string::npos)
        << m_server.process().output();
    EXPECT_NE(boxSaying(GameData::instance().exchangeTip), nullptr) << "the server's words in the box";
    EXPECT_EQ(money(), before - 2 * credit.moneyPrice) << "charged once for two";
    EXPECT_EQ(GameData::instance().user.money, money());
    EXPECT_EQ(orders(), 1) << "booked once";
    closeBoxes();

    // Beyond his money now: refused with the server's text, nothing charged or booked.
    ASSERT_TRUE(sql("UPDATE players SET money = 50 WHERE id = " + std::to_string(clientId())));
    tapWidget(open->widget("exchangebtn"));
    settle();
    EXPECT_NE(boxSaying(GameData::instance().exchangeTip), nullptr);
    EXPECT_EQ(money(), 50);
    EXPECT_EQ(orders(), 1);
    closeBoxes();
    tapWidget(open->widget("backbtn"));
    engine::testing::stepFrames(2);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 6);

    enter(10);
    auto* book = screen<CStoreAccountLayer>();
    ASSERT_NE(book, nullptr);
    ASSERT_EQ(book->records().size(), 1u);
    EXPECT_EQ(book->records()[0].goodsId, 102);
    EXPECT_EQ(book->records()[0].goodsNum, 2);
    EXPECT_EQ(book->records()[0].tel, "13900000001");
    EXPECT_EQ(book->records()[0].showType, 2);
}

} // namespace
