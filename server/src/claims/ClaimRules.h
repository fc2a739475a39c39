// The numbers of the prize-money claim form.
#pragma once

#include <cstdint>
#include <string>

namespace server::claims {

constexpr int kCodeRange = 10000;                      // "0000" .. "9999"
constexpr std::int64_t kCodeLifetimeMs = 10 * 60 * 1000;
constexpr int kCodesPerDay = 10;                       // per player and local day
constexpr int kWrongTries = 5;                         // the fifth wrong try voids the code
constexpr int kGatewaySeconds = 10;                    // a gateway command is killed after this

inline std::string codeText(int code) {
    std::string text = std::to_string(code);
    return std::string(text.size() < 4 ? 4 - text.size() : 0, '0') + text;
}

inline std::string codeMessage(int code) {
    return "【Brindle】您的验证码是" + codeText(code) + "，10分钟内有效。";
}

} // namespace server::claims
