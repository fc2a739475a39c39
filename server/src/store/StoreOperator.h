// The operator's side of the store, run from the command line against the database: the orders to
// send (with the receivers' details, which appear nowhere else) and marking one sent.
#pragma once

#include <iosfwd>
#include <string>

namespace server {
struct ServerConfig;
}

namespace server::store {

struct OrderCommand {
    enum class Kind { List, Sent };
    Kind kind = Kind::List;
    bool all = false;     // orders --all: sent ones too
    std::string orderId;  // order-sent ORDERID
    std::string code;     // order-sent --code TEXT
};

// Exit status: 0 done; 1 no such waiting order; 2 no database file, a malformed order id or code.
int runOrderCommand(const OrderCommand& command, const ServerConfig& config, std::ostream& out, std::ostream& err);

} // namespace server::store
