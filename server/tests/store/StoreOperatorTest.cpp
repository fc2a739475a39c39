// The operator's side: the seed checked whole and reloaded without touching the stock, every
// goods picture made, and the orders listed and marked sent from the command line.
#include "app/CommandLine.h"
#include "store/StoreCommands.h"
#include "store/StoreOperator.h"
#include "store/StoreTestSupport.h"
#include "commands/PlainText.h"

#include "commands/JsonText.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace server::test {
namespace {

using StoreOperator = StoreTest;

const std::string kSeed = std::string(BRINDLE_SERVER_SOURCE_DIR) + "/data/store.json";

Json::Value seedJson() {
    std::ifstream in(kSeed);
    std::stringstream text;
    text << in.rdbuf();
    Json::Value seed;
    std::string error;
    EXPECT_TRUE(JsonText::parse(text.str(), seed, error)) << error;
    return seed;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        out.push_back(line);
    }
    return out;
}

TEST(StoreSeed, TheShippedSeedIsWholeAndEveryPictureIsMade) {
    store::StoreCatalogue seed;
    const auto load = seed.readFile(kSeed);
    ASSERT_TRUE(load.ok) << load.error;
    EXPECT_GE(seed.store.size(), 3u);
    EXPECT_EQ(seed.merchant.size(), 2u);
    namespace fs = std::filesystem;
    const auto media = (fs::path(BRINDLE_SERVER_BINARY).parent_path().parent_path() / "server-data" / "media").string();
    for (const auto& name : store::missingPictures(seed.pictures(), media)) {
        ADD_FAILURE() << name << " is not in " << media;
    }
    for (const auto& name : seed.pictures()) {
        std::ifstream png(fs::path(media) / name, std::ios::binary);
        unsigned char head[24] = {};
        png.read(reinterpret_cast<char*>(head), sizeof head);
        const int w = (head[16] << 24) | (head[17] << 16) | (head[18] << 8) | head[19];
        const int h = (head[20] << 24) | (head[21] << 16) | (head[22] << 8) | head[23];
        EXPECT_EQ(w, 180) << name;
        EXPECT_EQ(h, 200) << name;
    }
}

TEST(StoreSeed, ABrokenSeedIsRefusedSayingWhereAndWhat) {
    struct Case {
        const char* what;
        std::function<void(Json::Value&)> breakIt;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"a repeated id", [](Json::Value& s) { s["store"][1]["goods"][0]["goodsid"] = 101; }, "goodsid 101 comes twice"},
        {"free goods", [](Json::Value& s) { s["store"][0]["goods"][0]["moneyprice"] = 0; }, "costs nothing"},
        {"a limit of 100", [](Json::Value& s) { s["store"][0]["goods"][0]["number"] = 100; }, "\"number\""},
        {"a price as text", [](Json::Value& s) { s["store"][0]["goods"][0]["moneyprice"] = "100"; }, "\"moneyprice\""},
        {"a picture outside", [](Json::Value& s) { s["store"][0]["goods"][0]["goodsimg"] = "../x.png"; }, "goodsimg"},
        {"a line break", [](Json::Value& s) { s["store"][2]["goods"][0]["goodsname"] = "a\nb"; }, "\"goodsname\""},
        {"no merchant", [](Json::Value& s) { s.removeMember("merchant"); }, "\"merchant\""},
        {"a repeated category", [](Json::Value& s) { s["store"][1]["type"] = 1; }, "category type 1 comes twice"},
    };
    for (const auto& c : cases) {
        auto seed = seedJson();
        c.breakIt(seed);
        store::StoreCatalogue catalogue;
        const auto load = catalogue.read(seed, "store.json");
        EXPECT_FALSE(load.ok) << c.what;
        EXPECT_TRUE(load.error.starts_with("store.json: ")) << load.error;
        EXPECT_NE(load.error.find(c.says), std::string::npos) << c.what << ": " << load.error;
        EXPECT_TRUE(catalogue.store.empty()) << c.what;
    }
}

TEST(StoreSeed, TextsMustBeWellFormedUtf8WithoutControls) {
    using server::isPlainText;
    EXPECT_TRUE(isPlainText("北京 <b>'x'</b> 😀"));
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE4\xB8", "\xF5\x80\x80\x80", "a\tb", "\x7f", "\xE4\xB8\xAD\xFF"}) {
        EXPECT_FALSE(isPlainText(bad)) << bad;
    }
}

TEST_F(StoreOperator, ASeedReloadKeepsTheStockAndUpdatesTheRest) {
    const auto p = buyer(1000);
    ASSERT_EQ(convert(p, 102, 2, "13800138000")["response"].asInt(), 1);
    const int left = stock(102);
    auto seed = seedJson();
    auto& ten = seed["store"][0]["goods"][1];
    ten["goodsname"] = "10元话费（特惠）";
    ten["moneyprice"] = 90;
    ten["stock"] = 7;
    Json::Value added = ten;
    added["goodsid"] = 109;
    seed["store"][0]["goods"].removeIndex(0, nullptr); // 5元 withdrawn
    seed["store"][3]["goods"].append(added);
    store::StoreCatalogue next;
    ASSERT_TRUE(next.read(seed, "store.json").ok);
    store::CatalogueStore(storage()).apply(next);

    EXPECT_EQ(stock(102), left) << "the live stock stays";
    EXPECT_EQ(stock(109), 7) << "a new item takes the seed's";
    const auto shop = store(p, "show");
    EXPECT_EQ(shop["goodstype"][0]["goodsinfo"][0]["goodsid"].asInt(), 102);
    EXPECT_EQ(shop["goodstype"][0]["goodsinfo"][0]["goodsname"].asString(), "10元话费（特惠）");
    EXPECT_EQ(shop["goodstype"][0]["goodsinfo"][0]["moneyprice"].asInt(), 90);
    EXPECT_EQ(shop["goodstype"][3]["goodsinfo"][0]["goodsid"].asInt(), 109);
    EXPECT_EQ(convert(p, 101, 1, "13800138000")["fail"].asInt(), 5) << "withdrawn";
    EXPECT_EQ(store(p, "record")["buyrecord"][0]["goodsname"].asString(), "10元话费") << "orders keep their name";
}

TEST_F(StoreOperator, OrdersAreListedAndMarkedSent) {
    at(10, 15, 30);
    const auto p = buyer(1000);
    const auto done = convert(p, 303, 1, "13800138000", "韩梅梅", "广州市天河区体育西路1号");
    ASSERT_EQ(done["response"].asInt(), 1) << done;
    const std::string id = std::to_string(done["orderid"].asInt());
    const auto& config = server->app().services().config;
    auto run = [&](store::OrderCommand command, std::string& out) {
        std::ostringstream o, e;
        const int status = store::runOrderCommand(command, config, o, e);
        out = o.str() + e.str();
        return status;
    };
    std::string out;
    ASSERT_EQ(run({store::OrderCommand::Kind::List, false, "", ""}, out), 0);
    ASSERT_EQ(lines(out).size(), 1u) << out;
    EXPECT_EQ(out, id + "\t2026-12-09 10:15:30\t" + p.idText() +
                       "\t303\tA5笔记本三件套\t1\t0\t13800138000\t韩梅梅\t广州市天河区体育西路1号\t\t\n");

    EXPECT_EQ(run({store::OrderCommand::Kind::Sent, false, id, "SF1234567890"}, out), 0) << out;
    EXPECT_EQ(run({store::OrderCommand::Kind::Sent, false, id, "again"}, out), 1) << "sent already";
    EXPECT_EQ(run({store::OrderCommand::Kind::Sent, false, "99999", ""}, out), 1);
    EXPECT_EQ(run({store::OrderCommand::Kind::Sent, false, "12x", ""}, out), 2);
    EXPECT_EQ(run({store::OrderCommand::Kind::Sent, false, id, "a\nb"}, out), 2);
    run({store::OrderCommand::Kind::List, false, "", ""}, out);
    EXPECT_EQ(out, "") << "nothing waits";
    run({store::OrderCommand::Kind::List, true, "", ""}, out);
    EXPECT_NE(out.find("\t1\t13800138000\t韩梅梅\t广州市天河区体育西路1号\t\tSF1234567890\n"), std::string::npos) << out;

    const auto row = store(p, "record")["buyrecord"][0];
    EXPECT_EQ(row["state"].asInt(), 1);
    EXPECT_EQ(row["code"].asString(), "SF1234567890");

    const auto line = CommandLine::parse({"order-sent", id, "--code", "X1", "--db", "f.db"}, "/bin");
    EXPECT_EQ(line.action, CommandLine::Action::Orders);
    EXPECT_EQ(line.orders.orderId, id);
    EXPECT_EQ(line.orders.code, "X1");
    EXPECT_EQ(line.config.dbPath, "f.db");
    EXPECT_TRUE(CommandLine::parse({"orders", "--all"}, "/bin").orders.all);
    EXPECT_EQ(CommandLine::parse({"orders", "--code", "x"}, "/bin").action, CommandLine::Action::Error);
    EXPECT_EQ(CommandLine::parse({"order-sent"}, "/bin").action, CommandLine::Action::Error);
}

} // namespace
} // namespace server::test
