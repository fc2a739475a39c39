// The exchange: a success takes stock, money and score once and books one order; every refusal
// leaves all of them as they were; racing exchanges sell no piece twice and overdraw no one.
#include "store/StoreTestSupport.h"

#include <thread>
#include <vector>

namespace server::test {
namespace {

using StoreExchange = StoreTest;

struct Snapshot {
    int money, score, stock, orders;
    bool operator==(const Snapshot&) const = default;
};

class Watch {
public:
    Watch(StoreTest& t, const ContestPlayer& p, int goods) : m_t(t), m_p(p), m_goods(goods), m_before(now()) {}
    Snapshot now() const {
        const auto r = m_p.record();
        return {r.money, r.score, m_t.stock(m_goods), m_t.orders()};
    }
    void expectUnchanged(const std::string& what) const {
        const auto after = now();
        EXPECT_EQ(after.money, m_before.money) << what;
        EXPECT_EQ(after.score, m_before.score) << what;
        EXPECT_EQ(after.stock, m_before.stock) << what;
        EXPECT_EQ(after.orders, m_before.orders) << what;
    }

private:
    StoreTest& m_t;
    const ContestPlayer& m_p;
    int m_goods;
    Snapshot m_before;
};

void expectRefused(const Json::Value& answer, int fail, const std::string& what) {
    EXPECT_EQ(answer["response"].asInt(), 0) << what << ": " << answer;
    EXPECT_EQ(answer["fail"].asInt(), fail) << what << ": " << answer;
    EXPECT_FALSE(answer["tip"].asString().empty()) << what;
}

TEST_F(StoreExchange, SuccessChargesOnceAndBooksOnce) {
    at(14, 5);
    const auto p = buyer(1000, 500);
    const int stock = this->stock(102);
    const auto done = convert(p, 102, 2, "13800138000", Json::Value(), "生日快乐");
    ASSERT_EQ(done["response"].asInt(), 1) << done;
    EXPECT_TRUE(done["tip"].asString().starts_with("兑换成功！"));
    EXPECT_EQ(done["money"].asInt(), 800);
    EXPECT_EQ(done["score"].asInt(), 500);
    EXPECT_EQ(done["levelupscore"].asInt(), p.record().levelUpScore);
    EXPECT_EQ(p.record().money, 800);
    EXPECT_EQ(this->stock(102), stock - 2);
    EXPECT_EQ(orders(), 1);

    // Goods priced in both currencies take both; the week's score stays what was earned.
    const int week = p.record().weekScore;
    const auto mug = convert(p, 306, 1, "13800138000", "李雷", "北京市海淀区中关村大街1号");
    ASSERT_EQ(mug["response"].asInt(), 1) << mug;
    EXPECT_EQ(mug["money"].asInt(), 800 - 260);
    EXPECT_EQ(mug["score"].asInt(), 400);
    EXPECT_EQ(p.record().score, 400);
    EXPECT_EQ(p.record().weekScore, week);
    EXPECT_GT(mug["orderid"].asInt(), done["orderid"].asInt());
    EXPECT_EQ(orders(), 2);

    const auto book = store(p, "record")["buyrecord"];
    ASSERT_EQ(book.size(), 2u);
    const auto& credit = book[1];
    EXPECT_EQ(credit["orderid"], done["orderid"]);
    EXPECT_EQ(credit["goodsid"].asInt(), 102);
    EXPECT_EQ(credit["goodsnum"].asInt(), 2);
    EXPECT_EQ(credit["goodsname"].asString(), "10元话费");
    EXPECT_EQ(credit["goodsimg"].asString(), "goods_phone10.png");
    EXPECT_EQ(credit["price"].asInt(), 2000);
    EXPECT_EQ(credit["showtype"].asInt(), 2);
    EXPECT_EQ(credit["tel"].asString(), "13800138000");
    EXPECT_EQ(credit["name"].asString(), "");
    EXPECT_EQ(credit["addr"].asString(), "");
    EXPECT_EQ(credit["date"].asInt(), 20261209);
    EXPECT_EQ(credit["hourmin"].asInt(), 1405);
    EXPECT_EQ(credit["state"].asInt(), 0);
    EXPECT_EQ(credit["code"].asString(), "");
    EXPECT_EQ(book[0]["showtype"].asInt(), 1);
    EXPECT_EQ(book[0]["name"].asString(), "李雷");
    EXPECT_EQ(book[0]["addr"].asString(), "北京市海淀区中关村大街1号");
    EXPECT_FALSE(book[0]["supplytel"].asString().empty());
}

TEST_F(StoreExchange, EveryRefusalChangesNothing) {
    const auto p = buyer(1000, 0);
    const std::string ok = "13800138000";
    {
        Watch w(*this, p, 102);
        expectRefused(convert(p, 99999, 1, ok), 5, "unknown goods");
        expectRefused(convert(p, "102", 1, ok), 5, "goods id as text");
        expectRefused(convert(p, 102.5, 1, ok), 5, "goods id a fraction");
        for (const Json::Value& count : {Json::Value(0), Json::Value(-1), Json::Value(6), Json::Value("1"),
                                         Json::Value(1.5), Json::Value(), Json::Value(1e12), Json::Value(true)}) {
            expectRefused(convert(p, 102, count, ok), 3, "count " + count.toStyledString());
        }
        for (const Json::Value& tel : {Json::Value("2380013800"), Json::Value("1380013800x"), Json::Value("138001380001"),
                                       Json::Value(13800138000.0), Json::Value("138\n0013800"), Json::Value()}) {
            expectRefused(convert(p, 102, 1, tel), 4, "tel " + tel.toStyledString());
        }
        expectRefused(convert(p, 102, 1, ok, Json::Value(), std::string(101, 'a')), 4, "message too long");
        expectRefused(convert(p, 102, 1, ok, Json::Value(), "hi\x01"), 4, "message with a control byte");
        expectRefused(convert(p, 104, 4, ok), 1, "four pieces cost more than he has");
        w.expectUnchanged("telephone credit");
    }
    setStock(102, 1);
    {
        Watch w(*this, p, 102);
        expectRefused(convert(p, 102, 2, ok), 2, "one piece left");
        w.expectUnchanged("stock");
    }
    {
        Watch w(*this, p, 303);
        expectRefused(convert(p, 303, 1, ok), 4, "no receiver");
        expectRefused(convert(p, 303, 1, ok, std::string(31, 'a'), "上海"), 4, "name too long");
        expectRefused(convert(p, 303, 1, ok, "   ", "上海"), 4, "name blank");
        expectRefused(convert(p, 303, 1, ok, "\xff\xfe", "上海"), 4, "name not UTF-8");
        expectRefused(convert(p, 303, 1, ok, "王芳", ""), 4, "no address");
        expectRefused(convert(p, 303, 1, ok, "王芳", std::string(201, 'a')), 4, "address too long");
        expectRefused(convert(p, 303, 1, ok, "王芳", "上海\t浦东"), 4, "address with a tab");
        expectRefused(convert(p, 303, 1, ok, "王芳", 12), 4, "address a number");
        expectRefused(convert(p, 306, 1, ok, "王芳", "上海"), 1, "the mug needs score he lacks");
        w.expectUnchanged("posted goods");
    }
    {
        Watch w(*this, p, 201);
        expectRefused(convert(p, 201, 1, ""), 4, "no account");
        expectRefused(convert(p, 201, 1, std::string(41, 'a')), 4, "account too long");
        expectRefused(convert(p, 201, 1, "user\x7f"), 4, "account with DEL");
        w.expectUnchanged("account credit");
    }
    auto visitor = guest("STOREGUEST10");
    auto unfilled = account(1000);
    Watch g(*this, visitor, 102);
    Watch u(*this, unfilled, 102);
    expectRefused(convert(visitor, 101, 1, ok), 6, "a guest");
    expectRefused(convert(unfilled, 101, 1, ok), 6, "no claim details");
    g.expectUnchanged("guest");
    u.expectUnchanged("unfilled");
}

TEST_F(StoreExchange, TheLastPieceSellsOnce) {
    setStock(307, 1);
    std::vector<ContestPlayer> players = {buyer(5000), buyer(5000)};
    std::vector<Json::Value> answers(players.size());
    std::vector<std::thread> racers;
    for (std::size_t i = 0; i < players.size(); ++i) {
        racers.emplace_back([&, i] { answers[i] = convert(players[i], 307, 1, "13800138000", "张伟", "杭州市西湖区"); });
    }
    for (auto& t : racers) {
        t.join();
    }
    int sold = 0;
    int charged = 0;
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (answers[i]["response"].asInt() == 1) {
            ++sold;
        } else {
            EXPECT_EQ(answers[i]["fail"].asInt(), 2) << answers[i];
        }
        charged += 5000 - players[i].record().money;
    }
    EXPECT_EQ(sold, 1);
    EXPECT_EQ(stock(307), 0);
    EXPECT_EQ(charged, 1500);
    EXPECT_EQ(orders(), 1);
}

TEST_F(StoreExchange, RacingExchangesOfOnePlayerDoNotOverdrawHim) {
    const auto p = buyer(350);
    const int stock = this->stock(102);
    std::vector<Json::Value> answers(8);
    std::vector<std::thread> racers;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        racers.emplace_back([&, i] { answers[i] = convert(p, 102, 1, "13800138000"); });
    }
    for (auto& t : racers) {
        t.join();
    }
    int done = 0;
    for (const auto& a : answers) {
        done += a["response"].asInt();
        if (a["response"].asInt() == 0) {
            EXPECT_EQ(a["fail"].asInt(), 1) << a;
        }
    }
    EXPECT_EQ(done, 3);
    EXPECT_EQ(p.record().money, 50);
    EXPECT_EQ(orders(), 3);
    EXPECT_EQ(this->stock(102), stock - 3);
}

TEST_F(StoreExchange, HostileTextsAreStoredAsTyped) {
    const auto p = buyer(5000);
    const std::string name = "<i>O'Neil</i>\";DROP TABLE t--";
    const std::string address = "'); DELETE FROM players; -- <script>alert(1)</script> 😀 北京";
    const auto done = convert(p, 304, 1, "13900001111", name, address);
    ASSERT_EQ(done["response"].asInt(), 1) << done;
    const auto account = convert(p, 205, 1, "%s%n' OR '1'='1");
    ASSERT_EQ(account["response"].asInt(), 1) << account;
    const auto book = store(p, "record")["buyrecord"];
    ASSERT_EQ(book.size(), 2u);
    EXPECT_EQ(book[0]["tel"].asString(), "%s%n' OR '1'='1");
    EXPECT_EQ(book[1]["name"].asString(), name);
    EXPECT_EQ(book[1]["addr"].asString(), address);
    EXPECT_EQ(orders(), 2);
    EXPECT_TRUE(players().find(p.id()).has_value());
}

TEST_F(StoreExchange, TheRecordIsNewestFirstAndOwn) {
    const auto p = buyer(5000);
    const auto other = buyer(5000);
    at(9, 30);
    ASSERT_EQ(convert(p, 101, 1, "13800138000")["response"].asInt(), 1);
    ASSERT_EQ(convert(other, 101, 1, "13800138001")["response"].asInt(), 1);
    at(0, 7, 0, 1);
    ASSERT_EQ(convert(p, 202, 1, "music_fan")["response"].asInt(), 1);
    const auto book = store(p, "record");
    ASSERT_EQ(book["response"].asInt(), 1);
    ASSERT_EQ(book["buyrecord"].size(), 2u);
    EXPECT_EQ(book["buyrecord"][0]["goodsid"].asInt(), 202);
    EXPECT_EQ(book["buyrecord"][0]["date"].asInt(), 20261210);
    EXPECT_EQ(book["buyrecord"][0]["hourmin"].asInt(), 7);
    EXPECT_EQ(book["buyrecord"][0]["tel"].asString(), "music_fan");
    EXPECT_EQ(book["buyrecord"][0]["showtype"].asInt(), 2);
    EXPECT_EQ(book["buyrecord"][0]["price"].asInt(), 1000);
    EXPECT_EQ(book["buyrecord"][1]["goodsid"].asInt(), 101);
    EXPECT_EQ(book["buyrecord"][1]["date"].asInt(), 20261209);
    EXPECT_EQ(book["buyrecord"][1]["hourmin"].asInt(), 930);
    EXPECT_EQ(store(guest("STOREGUEST11"), "record")["buyrecord"].size(), 0u);
}

} // namespace
} // namespace server::test
