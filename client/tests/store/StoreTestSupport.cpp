#include "store/StoreTestSupport.h"

#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "quiz/QuizData.h"
#include "quiz/QuizScreenSupport.h"
#include "store/StoreScenes.h"

#include "testing/EngineTesting.h"

USING_NS_CC;

namespace test_support {

namespace {

const char* const kPictures[] = {"obj_apple.png", "obj_balloon.png", "obj_car.png", "obj_cat.png",
                                 "obj_flower.png", "obj_house.png", "obj_star.png"};

} // namespace

void StoreScreenTest::SetUp() {
    RewardScreenTest::SetUp();
    registerStoreScenes();
    for (int id : {3, 18}) SceneDirector::instance().registerScene(id, [] { return CCScene::create(); });
    SceneDirector::instance().registerStoreInfo([this](const GoodsInfo& item, int, int) -> CCNode* {
        m_opened.push_back(item.goodsId);
        return CCNode::create();
    });
    // Pictures the store names are already fetched, so no media request goes out.
    for (const char* name : kPictures) QuizData::instance().setString(name, bankMedia(name));
    GameData::instance().user.infoFilled = true;
}

void StoreScreenTest::TearDown() {
    SceneDirector::instance().registerStoreInfo(nullptr);
    RewardScreenTest::TearDown();
}

Json::Value StoreScreenTest::goods(int id, int price, const std::string& name) {
    Json::Value v(Json::objectValue);
    v["goodsid"] = id;
    v["goodsname"] = name.empty() ? std::to_string(id % 100) + "元话费" : name;
    v["goodsimg"] = kPictures[id % 7];
    v["goodstypeid"] = 0;
    v["moneyprice"] = price;
    v["scoreprice"] = 0;
    v["shopaddress"] = "";
    v["shoptel"] = "";
    return v;
}

Json::Value StoreScreenTest::catalogue(const std::vector<std::pair<std::string, int>>& categories) {
    Json::Value v(Json::objectValue);
    v["response"] = 1;
    v["bbreak"] = 1;
    v["goodstype"] = Json::Value(Json::arrayValue);
    v["goodsinfo"] = Json::Value(Json::arrayValue);
    for (size_t c = 0; c < categories.size(); ++c) {
        Json::Value type(Json::objectValue);
        type["type"] = static_cast<int>(c + 1);
        type["name"] = categories[c].first;
        type["goodsinfo"] = Json::Value(Json::arrayValue);
        for (int n = 0; n < categories[c].second; ++n) {
            const Json::Value item = goods(100 * static_cast<int>(c + 1) + n, 100 + 10 * n);
            type["goodsinfo"].append(item);
            v["goodsinfo"].append(item);
        }
        v["goodstype"].append(type);
    }
    return v;
}

Json::Value StoreScreenTest::record(int orderId, int showType, int price, const std::string& code) {
    Json::Value v(Json::objectValue);
    v["orderid"] = orderId;
    v["goodsid"] = 101;
    v["goodsnum"] = orderId % 3 + 1;
    v["goodsname"] = showType == 1 ? "卡通保温杯" : "10元话费";
    v["goodsimg"] = kPictures[orderId % 7];
    v["date"] = 20261209;
    v["hourmin"] = 1405;
    v["showtype"] = showType;
    v["price"] = price;
    v["tel"] = "13800138000";
    v["name"] = showType == 1 ? "李小兔" : "";
    v["addr"] = showType == 1 ? "北京市海淀区胡萝卜路8号" : "";
    v["code"] = code;
    v["state"] = code.empty() ? 0 : 1;
    v["supplytel"] = "400-800-1234";
    v["supplyaddr"] = "上海市浦东新区礼品大道1号";
    return v;
}

Json::Value StoreScreenTest::records(const std::vector<Json::Value>& items) {
    Json::Value v(Json::objectValue);
    v["response"] = 1;
    v["buyrecord"] = Json::Value(Json::arrayValue);
    for (const Json::Value& item : items) v["buyrecord"].append(item);
    return v;
}

void StoreScreenTest::drag(float x, float y, float dx, int moves) {
    engine::testing::touchBegan(x, y);
    for (int i = 1; i <= moves; ++i) engine::testing::touchMoved(x + dx * i / moves, y);
    engine::testing::touchEnded(x + dx, y);
}

} // namespace test_support
