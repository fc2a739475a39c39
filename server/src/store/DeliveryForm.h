// The delivery form of an exchange, checked by the goods' kind: a mobile number for telephone
// credit (with an optional message), number, receiver and address for posted goods, the account
// for any other credit.
#pragma once

#include "store/OrderBook.h"

#include <json/value.h>

#include <string>

namespace server::store {

struct DeliveryCheck {
    Delivery delivery;
    std::string problem; // empty when the form is fine; never holds what was typed
    std::string tip;     // what the player is told
};

DeliveryCheck checkDelivery(int kind, const Json::Value& request);

bool isMobileNumber(const std::string& text);

} // namespace server::store
