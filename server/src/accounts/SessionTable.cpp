#include "accounts/SessionTable.h"

#include <sodium.h>

#include <cstring>
#include <iterator>

namespace server {

namespace {
constexpr char kHexDigits[] = "0123456789abcdef";

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}
} // namespace

std::size_t SessionTable::KeyHash::operator()(const Key& key) const {
    // The key is random already: its first bytes are as good a hash as any.
    std::size_t value = 0;
    std::memcpy(&value, key.data(), sizeof value);
    return value;
}

std::optional<SessionTable::Key> SessionTable::parse(std::string_view hex) {
    Key key{};
    if (hex.size() != key.size() * 2) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < key.size(); ++i) {
        const int high = hexValue(hex[2 * i]);
        const int low = hexValue(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        key[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return key;
}

std::string SessionTable::open(int playerId) {
    if (m_shared != nullptr) {
        return openShared(playerId);
    }
    Key key{};
    std::lock_guard lock(m_mutex);
    do {
        randombytes_buf(key.data(), key.size());
    } while (m_sessions.count(key) != 0);
    if (auto old = m_byPlayer.find(playerId); old != m_byPlayer.end()) {
        m_sessions.erase(old->second);
    }
    m_sessions[key] = Entry{playerId, m_now()};
    m_byPlayer[playerId] = key;
    std::string text(key.size() * 2, '0');
    for (std::size_t i = 0; i < key.size(); ++i) {
        text[2 * i] = kHexDigits[key[i] >> 4];
        text[2 * i + 1] = kHexDigits[key[i] & 15];
    }
    return text;
}

std::optional<int> SessionTable::check(std::string_view sessionId, int playerId) {
    auto key = parse(sessionId);
    if (!key) {
        return std::nullopt;
    }
    if (m_shared != nullptr) {
        return checkShared(sessionId, playerId);
    }
    std::lock_guard lock(m_mutex);
    auto it = m_sessions.find(*key);
    if (it == m_sessions.end() || it->second.playerId != playerId) {
        return std::nullopt;
    }
    const auto now = m_now();
    if (now - it->second.lastSeen > m_lifetime) {
        m_byPlayer.erase(it->second.playerId);
        m_sessions.erase(it);
        return std::nullopt;
    }
    countOnline(playerId, now - it->second.lastSeen);
    it->second.lastSeen = now;
    return playerId;
}

void SessionTable::close(std::string_view sessionId) {
    auto key = parse(sessionId);
    if (!key) {
        return;
    }
    if (m_shared != nullptr) {
        closeShared(sessionId);
        return;
    }
    std::lock_guard lock(m_mutex);
    auto it = m_sessions.find(*key);
    if (it != m_sessions.end()) {
        m_byPlayer.erase(it->second.playerId);
        m_sessions.erase(it);
    }
}

void SessionTable::countOnline(int playerId, Clock::duration gap) {
    if (gap > Clock::duration::zero() && gap <= kOnlineGap) {
        m_online[playerId] += gap;
    }
}

std::unordered_map<int, std::int64_t> SessionTable::takeOnlineSeconds() {
    std::unordered_map<int, std::int64_t> seconds;
    std::lock_guard lock(m_mutex);
    for (auto it = m_online.begin(); it != m_online.end();) {
        const auto whole = std::chrono::duration_cast<std::chrono::seconds>(it->second);
        if (whole.count() > 0) {
            seconds[it->first] = whole.count();
        }
        it->second -= whole; // the fraction waits for the next call
        it = it->second > Clock::duration::zero() ? std::next(it) : m_online.erase(it);
    }
    return seconds;
}

std::size_t SessionTable::size() const {
    if (m_shared != nullptr) {
        return sizeShared();
    }
    std::lock_guard lock(m_mutex);
    return m_sessions.size();
}

std::size_t SessionTable::sweep() {
    if (m_shared != nullptr) {
        return sweepShared();
    }
    std::lock_guard lock(m_mutex);
    const auto now = m_now();
    std::size_t dropped = 0;
    for (auto it = m_sessions.begin(); it != m_sessions.end();) {
        if (now - it->second.lastSeen > m_lifetime) {
            m_byPlayer.erase(it->second.playerId);
            it = m_sessions.erase(it);
            ++dropped;
        } else {
            ++it;
        }
    }
    return dropped;
}

} // namespace server
