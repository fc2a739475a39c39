// What the store screens are shown: both catalogues in order with every member the client reads,
// and an item's details.
#include "store/StoreTestSupport.h"

#include <set>

namespace server::test {
namespace {

using StoreCatalogueFlow = StoreTest;

void expectGoodsShape(const Json::Value& g, bool merchant) {
    EXPECT_TRUE(g["goodsid"].isInt()) << g;
    EXPECT_FALSE(g["goodsname"].asString().empty()) << g;
    EXPECT_TRUE(g["goodsimg"].asString().ends_with(".png")) << g;
    EXPECT_TRUE(g["goodstypeid"].isInt()) << g;
    EXPECT_TRUE(g["moneyprice"].isInt()) << g;
    EXPECT_TRUE(g["scoreprice"].isInt()) << g;
    EXPECT_EQ(g["shopaddress"].asString().empty(), !merchant) << g;
    EXPECT_EQ(g["shoptel"].asString().empty(), !merchant) << g;
}

// The top-level list is every category's goods, in category order.
std::vector<int> checkPage(const Json::Value& page, bool merchant) {
    EXPECT_EQ(page["response"].asInt(), 1) << page;
    EXPECT_EQ(page["bbreak"].asInt(), 1);
    std::vector<int> nested;
    for (const auto& c : page["goodstype"]) {
        EXPECT_TRUE(c["type"].isInt());
        EXPECT_FALSE(c["name"].asString().empty());
        for (const auto& g : c["goodsinfo"]) {
            expectGoodsShape(g, merchant);
            nested.push_back(g["goodsid"].asInt());
        }
    }
    std::vector<int> flat;
    for (const auto& g : page["goodsinfo"]) {
        flat.push_back(g["goodsid"].asInt());
    }
    EXPECT_EQ(flat, nested);
    return flat;
}

TEST_F(StoreCatalogueFlow, BothCataloguesComeWholeAndInOrderSoldOutIncluded) {
    const auto p = guest("STOREGUEST01");
    setStock(102, 0);
    const auto shop = store(p, "show");
    const auto ids = checkPage(shop, false);
    ASSERT_GE(shop["goodstype"].size(), 3u);
    int long_ = 0;
    for (const auto& c : shop["goodstype"]) {
        long_ += c["goodsinfo"].size() >= 7 ? 1 : 0;
    }
    EXPECT_GE(long_, 2) << "several categories page";
    EXPECT_EQ(shop["goodstype"][0]["name"].asString(), "话费充值");
    EXPECT_EQ(shop["goodstype"][0]["goodsinfo"][1]["goodsid"].asInt(), 102) << "sold out, still listed";
    EXPECT_EQ(shop["goodstype"][0]["goodsinfo"][1]["goodsname"].asString(), "10元话费");
    EXPECT_EQ(shop["goodstype"][0]["goodsinfo"][1]["moneyprice"].asInt(), 100);

    const auto merchant = store(p, "showbreak");
    const auto merchantIds = checkPage(merchant, true);
    EXPECT_EQ(merchant["goodstype"].size(), 2u);
    for (int id : merchantIds) {
        EXPECT_EQ(std::count(ids.begin(), ids.end(), id), 0) << "the merchant's own goods";
    }
}

TEST_F(StoreCatalogueFlow, DetailGivesTheLimitAndWhetherAnAddressIsAsked) {
    const auto p = guest("STOREGUEST02");
    Json::Value r(Json::objectValue);
    r["goodsid"] = 102;
    const auto phone = store(p, "detail", r);
    ASSERT_EQ(phone["response"].asInt(), 1) << phone;
    EXPECT_EQ(phone["goodsid"].asInt(), 102);
    EXPECT_EQ(phone["number"].asInt(), 5);
    EXPECT_EQ(phone["inputaddr"].asInt(), 0);
    EXPECT_FALSE(phone["goodsdescribe"].asString().empty());
    EXPECT_FALSE(phone["supplytel"].asString().empty());
    EXPECT_FALSE(phone["supplyaddr"].asString().empty());
    r["goodsid"] = 307;
    EXPECT_EQ(store(p, "detail", r)["inputaddr"].asInt(), 1);
    r["goodsid"] = 601;
    EXPECT_EQ(store(p, "detail", r)["inputaddr"].asInt(), 1) << "merchant goods have details too";

    for (const Json::Value& bad : {Json::Value(99999), Json::Value("102"), Json::Value(102.5), Json::Value()}) {
        r["goodsid"] = bad;
        const auto refused = store(p, "detail", r);
        EXPECT_EQ(refused["response"].asInt(), 0) << bad;
        EXPECT_EQ(refused["fail"].asInt(), 5) << bad;
    }
    EXPECT_EQ(store(p, "dance")["response"].asInt(), 0) << "an unknown act";
}

} // namespace
} // namespace server::test
