// Command 7 against the real server: players with money, score and saved claim details set
// straight in the database, and the stock and orders read back from it.
#pragma once

#include "contests/ContestTestSupport.h"
#include "storage/PlayerStore.h"
#include "storage/Storage.h"
#include "store/CatalogueStore.h"

#include <string>

namespace server::test {

class StoreTest : public ContestTest {
public:
    Json::Value store(const ContestPlayer& p, const char* act, Json::Value request = Json::Value(Json::objectValue)) {
        request["system"] = 7;
        request["act"] = act;
        return p.game(request);
    }
    Json::Value convert(const ContestPlayer& p, const Json::Value& goodsId, const Json::Value& count,
                        const Json::Value& extra, const Json::Value& name = Json::Value(),
                        const Json::Value& address = Json::Value()) {
        Json::Value r(Json::objectValue);
        r["goodsid"] = goodsId;
        r["count"] = count;
        r["extrainfo"] = extra;
        if (!name.isNull()) {
            r["name"] = name;
        }
        if (!address.isNull()) {
            r["address"] = address;
        }
        return store(p, "convert", r);
    }

    Storage& storage() { return server->app().services().storage; }
    PlayerStore& players() { return server->app().services().players; }

    // A registered player with saved claim details and this much money and score.
    ContestPlayer buyer(int money, int score = 0) {
        auto p = account(0);
        auto q = storage().query("UPDATE players SET infofilled = 1, money = ?2, score = ?3 WHERE id = ?1");
        q->bindAll(p.id(), money, score).run();
        return p;
    }
    int stock(int goodsId) {
        auto q = storage().query("SELECT stock FROM store_goods WHERE id = ?1");
        q->bind(1, goodsId);
        return q->step() ? static_cast<int>(q->columnInt(0)) : -1;
    }
    void setStock(int goodsId, int stock) {
        auto q = storage().query("UPDATE store_goods SET stock = ?2 WHERE id = ?1");
        q->bindAll(goodsId, stock).run();
    }
    int orders() {
        auto q = storage().query("SELECT COUNT(*) FROM store_orders");
        return q->step() ? static_cast<int>(q->columnInt(0)) : -1;
    }
};

} // namespace server::test
