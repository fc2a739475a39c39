#include "store/OrderBook.h"

#include "accounts/LevelRule.h"
#include "storage/PlayerStore.h"
#include "storage/Storage.h"

namespace server::store {

namespace {

constexpr const char* kOrderColumns = "id, player, goods, count, goodsname, goodsimg, kind, price, tel, name, addr, "
                                      "message, supplytel, supplyaddr, at_ms, state, code FROM store_orders";

Order orderOf(Statement& s) {
    Order o;
    int c = 0;
    o.id = static_cast<int>(s.columnInt(c++));
    o.player = static_cast<int>(s.columnInt(c++));
    o.goods = static_cast<int>(s.columnInt(c++));
    o.count = static_cast<int>(s.columnInt(c++));
    o.goodsName = s.columnText(c++);
    o.goodsImg = s.columnText(c++);
    o.kind = static_cast<int>(s.columnInt(c++));
    o.price = s.columnInt(c++);
    o.delivery.tel = s.columnText(c++);
    o.delivery.name = s.columnText(c++);
    o.delivery.addr = s.columnText(c++);
    o.delivery.message = s.columnText(c++);
    o.supplyTel = s.columnText(c++);
    o.supplyAddr = s.columnText(c++);
    o.atMs = s.columnInt(c++);
    o.state = static_cast<int>(s.columnInt(c++));
    o.code = s.columnText(c++);
    return o;
}

} // namespace

OrderBook::OrderBook(Storage& storage, PlayerStore& players, CatalogueStore& catalogue)
    : m_storage(storage), m_players(players), m_catalogue(catalogue) {}

OrderBook::Exchange OrderBook::exchange(int playerId, int goodsId, int count, const Delivery& delivery,
                                        std::int64_t nowMs) {
    // One immediate transaction from the stock read to the order: a racing exchange waits for it
    // and then reads the stock and money this one left.
    auto tx = m_storage.transaction();
    const auto goods = m_catalogue.find(goodsId);
    auto player = m_players.find(playerId);
    if (!goods || !player) {
        return {Result::Unknown, 0, {}};
    }
    if (goods->stock < count) {
        return {Result::NoStock, 0, {}};
    }
    const std::int64_t money = static_cast<std::int64_t>(goods->moneyPrice) * count;
    const std::int64_t score = static_cast<std::int64_t>(goods->scorePrice) * count;
    if (player->money < money) {
        return {Result::NoMoney, 0, {}};
    }
    if (player->score < score) {
        return {Result::NoScore, 0, {}};
    }
    {
        auto q = m_storage.query("UPDATE store_goods SET stock = stock - ?2 WHERE id = ?1 AND stock >= ?2");
        q->bindAll(goodsId, count).run();
        if (q->changes() != 1) {
            return {Result::NoStock, 0, {}};
        }
    }
    // Spent carrots lower the total (and so perhaps the level) but not the week's score: the
    // ranking counts what was earned.
    player->money -= static_cast<int>(money);
    player->score -= static_cast<int>(score);
    player->level = LevelRule::levelForScore(player->score);
    player->levelUpScore = LevelRule::levelUpScore(player->level);
    if (!m_players.saveProgress(*player)) {
        return {Result::Unknown, 0, {}};
    }
    int orderId = 0;
    {
        auto q = m_storage.query(
            "INSERT INTO store_orders (player, goods, count, goodsname, goodsimg, kind, price, money, score, "
            "tel, "
            "name, addr, message, supplytel, supplyaddr, at_ms) "
            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16) RETURNING id");
        q->bindAll(playerId, goodsId, count, goods->name, goods->img, goods->kind,
                   static_cast<std::int64_t>(goods->faceValue) * count, money, score, delivery.tel,
                   delivery.name, delivery.addr, delivery.message, goods->supplyTel, goods->supplyAddr, nowMs)
            .step();
        orderId = static_cast<int>(q->columnInt(0));
    }
    tx.commit();
    return {Result::Done, orderId, *player};
}

std::vector<Order> OrderBook::ofPlayer(int playerId, int limit) {
    std::vector<Order> orders;
    auto q = m_storage.query(std::string("SELECT ") + kOrderColumns + " WHERE player = ?1 ORDER BY id DESC LIMIT ?2");
    q->bindAll(playerId, limit);
    while (q->step()) {
        orders.push_back(orderOf(*q));
    }
    return orders;
}

std::vector<Order> OrderBook::all(bool waitingOnly) {
    std::vector<Order> orders;
    auto q = m_storage.query(std::string("SELECT ") + kOrderColumns + " WHERE state = 0 OR ?1 = 0 ORDER BY id");
    q->bind(1, waitingOnly ? 1 : 0);
    while (q->step()) {
        orders.push_back(orderOf(*q));
    }
    return orders;
}

bool OrderBook::markSent(int orderId, const std::string& code, std::int64_t nowMs) {
    auto q = m_storage.query("UPDATE store_orders SET state = 1, code = ?2, sent_ms = ?3 WHERE id = ?1 AND state = 0");
    q->bindAll(orderId, code, nowMs).run();
    return q->changes() == 1;
}

} // namespace server::store
