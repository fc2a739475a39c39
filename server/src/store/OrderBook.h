// The store's orders: the exchange that takes stock, money and score and books the order in one
// transaction, the player's account book, and the operator's view of what is still to be sent.
#pragma once

#include "storage/PlayerRecord.h"
#include "store/CatalogueStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace server {
class PlayerStore;
class Storage;
}

namespace server::store {

// Where the goods go: the mobile number (telephone credit, post) or the account, and for post
// the receiver; a message for the receiver of telephone credit.
struct Delivery {
    std::string tel;
    std::string name;
    std::string addr;
    std::string message;
};

struct Order {
    int id = 0;
    int player = 0;
    int goods = 0;
    int count = 0;
    std::string goodsName;
    std::string goodsImg;
    int kind = 0;
    std::int64_t price = 0; // face value of the whole order, hundredths of a yuan
    Delivery delivery;
    std::string supplyTel;
    std::string supplyAddr;
    std::int64_t atMs = 0;
    int state = 0; // 0 waiting, 1 sent
    std::string code;
};

class OrderBook {
public:
    OrderBook(Storage& storage, PlayerStore& players, CatalogueStore& catalogue);

    enum class Result { Done, NoMoney, NoScore, NoStock, Unknown };
    struct Exchange {
        Result result = Result::Unknown;
        int orderId = 0;
        PlayerRecord player; // as stored afterwards (Done only)
    };
    // Count pieces for the player, all or nothing: of any number of racing exchanges only those
    // the stock and the player's money can pay for go through.
    Exchange exchange(int playerId, int goodsId, int count, const Delivery& delivery, std::int64_t nowMs);

    // The player's orders, newest first.
    std::vector<Order> ofPlayer(int playerId, int limit);
    // Every order (or only those waiting), oldest first.
    std::vector<Order> all(bool waitingOnly);
    // A waiting order marked sent with its dispatch code; false when there is no such order.
    bool markSent(int orderId, const std::string& code, std::int64_t nowMs);

private:
    Storage& m_storage;
    PlayerStore& m_players;
    CatalogueStore& m_catalogue;
};

} // namespace server::store
