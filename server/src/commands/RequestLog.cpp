#include "commands/RequestLog.h"

#include <array>
#include <cstdio>

namespace server {

namespace {

// Request members worth a look, per server. Anything else (passwords above all) stays out.
constexpr std::array kEntryMembers{"version", "username", "mac", "tuijianid"};
constexpr std::array kGameMembers{"act", "req", "matchtype", "qsid", "hdid", "gametype", "media", "page", "tuijianrenid",
                                  "achvId", "type"};
constexpr std::size_t kMaxValueBytes = 40;

bool isEmptyText(const Json::Value& v) { return v.isNull() || (v.isString() && v.asString().empty()); }

// An entry login or registration without user name and password: the device's guest.
bool isGuest(const Json::Value& request) {
    return request.isMember("username") && isEmptyText(request["username"]) && isEmptyText(request["pwd"]);
}

void appendEscaped(std::string& out, std::string_view text) {
    std::size_t end = text.size();
    if (end > kMaxValueBytes) {
        end = kMaxValueBytes;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end; // never split a UTF-8 sequence
        }
    }
    out.push_back('"');
    for (std::size_t i = 0; i < end; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20 || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    out.push_back('"');
    if (end < text.size()) {
        out += "...";
    }
}

} // namespace

std::string RequestLog::value(const Json::Value& v) {
    std::string out;
    if (v.isString()) {
        appendEscaped(out, v.asString());
    } else if (v.isBool()) {
        out = v.asBool() ? "true" : "false";
    } else if (v.isIntegral()) {
        out = v.isInt64() ? std::to_string(v.asInt64()) : std::to_string(v.asUInt64());
    } else if (v.isDouble()) {
        char number[32];
        std::snprintf(number, sizeof number, "%g", v.asDouble());
        out = number;
    } else if (v.isArray()) {
        out = "[" + std::to_string(v.size()) + " items]";
    } else if (v.isObject()) {
        out = "{...}";
    } else {
        out = "null";
    }
    return out;
}

std::string RequestLog::sessionPrefix(std::string_view sessionId) {
    std::string out(sessionId.substr(0, 6));
    for (char& c : out) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        c = plain ? c : '?'; // a client may send anything here
    }
    return out + "...";
}

std::string RequestLog::head(const Request& request) {
    std::string out = request.role == ServerRole::Entry ? "entry " : "game ";
    out += request.peer;
    out += " type ";
    out += std::to_string(request.system);
    if (!request.name.empty()) {
        out += " (";
        out += request.name;
        out += ')';
    }
    if (request.playerId != 0) {
        out += " player ";
        out += std::to_string(request.playerId);
    }
    const bool guest = request.role == ServerRole::Entry && isGuest(request.json);
    if (guest) {
        out += " guest";
    }
    auto members = [&](const auto& names) {
        for (const char* name : names) {
            if ((guest && std::string_view(name) == "username") || !request.json.isMember(name)) {
                continue;
            }
            out += ' ';
            out += name;
            out += '=';
            out += value(request.json[name]);
        }
    };
    if (request.role == ServerRole::Entry) {
        members(kEntryMembers);
    } else {
        members(kGameMembers);
    }
    return out;
}

std::string RequestLog::line(const Request& request, const Answer& answer, std::string_view note, double elapsedMs) {
    std::string out = head(request);
    out += " ->";
    if (answer.isRaw) {
        out += ' ';
        out += std::to_string(answer.rawBytes.size());
        out += " bytes";
    } else if (answer.json.isObject()) {
        const Json::Value& a = answer.json;
        if (a.isMember("system") && a["system"] != Json::Value(request.system)) {
            out += " push " + value(a["system"]); // a waiting message left with this answer
        }
        for (const char* name : {"response", "fail", "update"}) {
            if (a.isMember(name)) {
                out += ' ';
                out += name;
                out += ' ';
                out += value(a[name]);
            }
        }
        if (a.isMember("id") && a["sessionid"].isString()) {
            out += " player " + value(a["id"]) + " session " + sessionPrefix(a["sessionid"].asString());
        }
        for (const auto& name : a.getMemberNames()) {
            if (a[name].isArray()) {
                out += ' ' + name + '[' + std::to_string(a[name].size()) + ']';
            }
        }
    }
    if (!note.empty()) {
        out += " (";
        out += note;
        out += ')';
    }
    char took[32];
    std::snprintf(took, sizeof took, " in %.2f ms", elapsedMs);
    out += took;
    return out;
}

std::string RequestLog::sessionNotice(const Request& request) {
    std::string out = head(request);
    out += " id=" + value(request.json["id"]);
    if (request.json["sessionid"].isString()) {
        out += " session " + sessionPrefix(request.json["sessionid"].asString());
    }
    out += " -> session notice (no live session)";
    return out;
}

} // namespace server
