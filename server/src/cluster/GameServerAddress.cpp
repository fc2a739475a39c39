#include "cluster/GameServerAddress.h"

#include <cctype>

namespace server::cluster {

namespace {

bool isDigits(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// Labels of letters, digits and inner hyphens, separated by single dots.
bool isHostName(std::string_view host) {
    if (host.empty() || host.size() > 253) {
        return false;
    }
    std::size_t start = 0;
    while (start <= host.size()) {
        const std::size_t dot = host.find('.', start);
        const std::string_view label = host.substr(start, dot == std::string_view::npos ? host.npos : dot - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') {
            return false;
        }
        for (char c : label) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') {
                return false;
            }
        }
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    return true;
}

// Four dot-separated numbers: then it has to be a real IPv4 address, not a name like 1.2.3.999.
bool looksNumeric(std::string_view host) {
    for (char c : host) {
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.') {
            return false;
        }
    }
    return true;
}

bool isIpv4(std::string_view host) {
    int parts = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = host.find('.', start);
        const std::string_view part = host.substr(start, dot == std::string_view::npos ? host.npos : dot - start);
        if (!isDigits(part) || part.size() > 3 || (part.size() > 1 && part.front() == '0') || std::stoi(std::string(part)) > 255) {
            return false;
        }
        ++parts;
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    return parts == 4;
}

} // namespace

std::optional<GameServerAddress> GameServerAddress::parse(std::string_view text, std::string& why) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos) {
        why = "needs HOST:PORT";
        return std::nullopt;
    }
    const std::string_view host = text.substr(0, colon);
    const std::string_view port = text.substr(colon + 1);
    if (host.find(':') != std::string_view::npos || host.find('[') != std::string_view::npos) {
        why = "takes a name or an IPv4 address as HOST";
        return std::nullopt;
    }
    if (looksNumeric(host) ? !isIpv4(host) : !isHostName(host)) {
        why = "has no valid HOST in \"" + std::string(text) + "\"";
        return std::nullopt;
    }
    if (host == "0.0.0.0") {
        why = "needs an address clients can reach, not 0.0.0.0";
        return std::nullopt;
    }
    if (!isDigits(port) || port.size() > 5 || std::stoi(std::string(port)) < 1 || std::stoi(std::string(port)) > 65535) {
        why = "needs a PORT from 1 to 65535";
        return std::nullopt;
    }
    return GameServerAddress{std::string(host), std::stoi(std::string(port))};
}

} // namespace server::cluster
