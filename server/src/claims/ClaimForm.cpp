#include "claims/ClaimForm.h"

#include "commands/PlainText.h"

#include <algorithm>

namespace server::claims {

namespace {

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A text member within byte limits; nullopt for a missing or non-text member.
std::optional<std::string> text(const Json::Value& request, const char* name, std::size_t low, std::size_t high) {
    const Json::Value& v = request[name];
    if (!v.isString()) {
        return std::nullopt;
    }
    std::string s = v.asString();
    if (s.size() < low || s.size() > high || !ClaimForm::isPlainText(s)) {
        return std::nullopt;
    }
    return s;
}

// A whole number sent as a JSON number or as a text of digits (the client is not consistent).
std::optional<std::int64_t> number(const Json::Value& v) {
    if (v.isInt64()) { // fractions and truth values are not
        return v.asInt64();
    }
    if (v.isString() && allDigits(v.asString()) && v.asString().size() <= 18) {
        return std::stoll(v.asString());
    }
    return std::nullopt;
}

} // namespace

bool ClaimForm::isPlainText(std::string_view text) {
    if (!server::isPlainText(text)) {
        return false;
    }
    // The C1 controls (U+0080 to U+009F) are refused too: two bytes, 0xC2 then 0x80 to 0x9F.
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            return false;
        }
    }
    return true;
}

bool ClaimForm::isRealDate(int yyyymmdd) {
    const int year = yyyymmdd / 10000;
    const int month = yyyymmdd / 100 % 100;
    const int day = yyyymmdd % 100;
    if (year < 1 || month < 1 || month > 12 || day < 1) {
        return false;
    }
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

FormCheck ClaimForm::read(const Json::Value& request, int today) {
    ClaimDetails d;
    auto refuse = [](const char* field) { return FormCheck{std::nullopt, std::string("the ") + field + " is not valid"}; };

    const auto name = text(request, "name", 1, 18);
    if (!name || allDigits(*name) || name->find(' ') != std::string::npos ||
        name->find("\xE3\x80\x80") != std::string::npos) { // U+3000, the ideographic space
        return refuse("name");
    }
    d.name = *name;

    const auto sex = number(request["sex"]);
    if (!sex || (*sex != 0 && *sex != 1)) {
        return refuse("sex");
    }
    d.sex = static_cast<int>(*sex);

    const auto birthday = number(request["birthday"]);
    if (!birthday || *birthday < 19000101 || *birthday > today || !isRealDate(static_cast<int>(*birthday))) {
        return refuse("birthday");
    }
    d.birthday = static_cast<int>(*birthday);

    const Json::Value& job = request["job"];
    if (job.isNull()) {
        d.job.clear();
    } else if (const auto typed = text(request, "job", 0, 30)) {
        d.job = *typed;
    } else {
        return refuse("job");
    }

    const auto province = text(request, "province", 1, 30);
    if (!province) {
        return refuse("province");
    }
    d.province = *province;
    const auto city = text(request, "city", 1, 30);
    if (!city) {
        return refuse("city");
    }
    d.city = *city;

    const auto address = text(request, "fulladdress", 1, 150);
    if (!address || allDigits(*address)) {
        return refuse("address");
    }
    d.address = *address;

    // A QQ number may come as a number or a text; either way 5 to 11 digits.
    const Json::Value& qq = request["qq"];
    std::string qqText;
    if (qq.isString()) {
        qqText = qq.asString();
    } else if (const auto n = number(qq); n && *n >= 0) {
        qqText = std::to_string(*n);
    }
    if (!allDigits(qqText) || qqText.size() < 5 || qqText.size() > 11) {
        return refuse("qq");
    }
    d.qq = qqText;
    return {d, {}};
}

} // namespace server::claims
