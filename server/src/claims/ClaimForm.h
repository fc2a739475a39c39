// The claim form's fields as the player typed them, and their checks. Texts are kept exactly as
// typed (markup, quotes and SQL included); only control characters and broken UTF-8 are refused.
#pragma once

#include <json/value.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace server::claims {

struct ClaimDetails {
    std::string name;
    int sex = 0;
    int birthday = 0; // yyyymmdd
    std::string job;
    std::string province;
    std::string city;
    std::string address;
    std::string qq;
    std::string tel;          // the mobile number the code went to
    std::int64_t savedMs = 0; // server clock
};

struct FormCheck {
    std::optional<ClaimDetails> details;
    std::string refusal; // names the field, never its value
};

class ClaimForm {
public:
    // today: yyyymmdd of the server's clock, the latest birthday allowed.
    static FormCheck read(const Json::Value& request, int today);

    // Well-formed UTF-8 without bytes below 0x20 or 0x7f.
    static bool isPlainText(std::string_view text);
    static bool isRealDate(int yyyymmdd);
};

} // namespace server::claims
