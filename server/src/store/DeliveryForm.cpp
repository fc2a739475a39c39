#include "store/DeliveryForm.h"

#include "store/StoreCatalogue.h"
#include "commands/PlainText.h"

#include <algorithm>

namespace server::store {

namespace {

// A member that must be a plain text of minBytes..maxBytes; a missing optional one reads as "".
bool readText(const Json::Value& request, const char* member, std::size_t minBytes, std::size_t maxBytes,
              std::string& out, std::string& problem) {
    const auto& v = request[member];
    if (v.isNull() && minBytes == 0) {
        out.clear();
        return true;
    }
    if (!v.isString()) {
        problem = std::string("\"") + member + "\" is no text";
        return false;
    }
    out = v.asString();
    if (!isPlainText(out)) {
        problem = std::string("\"") + member + "\" holds control characters or is not UTF-8";
    } else if (out.size() > maxBytes) {
        problem = std::string("\"") + member + "\" is " + std::to_string(out.size()) + " bytes, more than " +
                  std::to_string(maxBytes);
    } else if (minBytes > 0 && isBlank(out)) {
        problem = std::string("\"") + member + "\" is empty";
    }
    return problem.empty();
}

} // namespace

bool isMobileNumber(const std::string& text) {
    return text.size() == 11 && text[0] == '1' &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

DeliveryCheck checkDelivery(int kind, const Json::Value& request) {
    DeliveryCheck check;
    Delivery& d = check.delivery;
    if (kind == kPhoneCredit || isPosted(kind)) {
        if (!readText(request, "extrainfo", 1, 11, d.tel, check.problem) || !isMobileNumber(d.tel)) {
            if (check.problem.empty()) {
                check.problem = "\"extrainfo\" is no 11-digit mobile number";
            }
            check.tip = "请填写正确的11位手机号码。";
            return check;
        }
    }
    if (kind == kPhoneCredit) {
        if (!readText(request, "address", 0, 100, d.message, check.problem)) {
            check.tip = "留言不能超过100个字节，且不能含有特殊字符。";
        }
    } else if (isPosted(kind)) {
        if (!readText(request, "name", 1, 30, d.name, check.problem)) {
            check.tip = "请填写收货人姓名（不超过30个字节，不含特殊字符）。";
        } else if (!readText(request, "address", 1, 200, d.addr, check.problem)) {
            check.tip = "请填写收货地址（不超过200个字节，不含特殊字符）。";
        }
    } else if (!readText(request, "extrainfo", 1, 40, d.tel, check.problem)) {
        check.tip = "请填写正确的充值账号（不超过40个字节，不含特殊字符）。";
    }
    if (!check.problem.empty()) {
        check.delivery = {};
    }
    return check;
}

} // namespace server::store
