#include "accounts/AccountService.h"

#include "accounts/SessionTable.h"
#include "app/Log.h"
#include "storage/PlayerStore.h"
#include "storage/Statement.h"

#include <ctime>

namespace server {

namespace {
const char* const kLockedTip = "密码错误次数过多，请十分钟后再试。";
}

AccountService::AccountService(PlayerStore& players, SessionTable& sessions, PasswordCost cost)
    : m_players(players), m_sessions(sessions), m_hasher(cost) {}

bool AccountService::isMobileNumber(std::string_view userName) {
    if (userName.size() != 11 || userName[0] != '1') {
        return false;
    }
    for (char c : userName) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

AccountService::Outcome AccountService::login(std::string_view userName, std::string_view digest,
                                              std::string_view mac) {
    Outcome out;
    if (userName.empty() && digest.empty()) {
        if (mac.empty() || mac.size() > 128) {
            out.fail = 4;
            out.why = "no device text";
            out.tip = "无法识别您的设备，请稍后重试。";
            return out;
        }
        auto guest = m_players.findGuest(mac);
        if (!guest) {
            try {
                guest = m_players.createGuest(mac);
            } catch (const ConstraintError&) {
                guest = m_players.findGuest(mac); // the same device logged in twice at once
            }
        }
        if (!guest) {
            out.fail = 4;
            out.why = "guest record not created";
            return out;
        }
        out.ok = true;
        out.playerId = guest->id;
        out.sessionId = m_sessions.open(guest->id);
        return out;
    }
    if (!isMobileNumber(userName)) {
        out.fail = 1;
        out.why = "malformed user name";
        return out;
    }
    const std::string name(userName);
    auto player = m_players.findByUserName(name);
    if (!player) {
        out.fail = 2;
        out.why = "no such user";
        return out;
    }
    if (lockedOut(name)) {
        out.fail = 3;
        out.why = "locked out after repeated wrong passwords";
        out.tip = kLockedTip;
        return out;
    }
    if (!PasswordHasher::isDigest(digest) ||
        !m_hasher.verify(player->passwordHash, PasswordHasher::normalise(digest))) {
        noteFailure(name);
        out.fail = 3;
        out.why = "wrong password";
        return out;
    }
    clearFailures(name);
    out.ok = true;
    out.playerId = player->id;
    out.sessionId = m_sessions.open(player->id);
    return out;
}

AccountService::Outcome AccountService::registerAccount(std::string_view userName, std::string_view digest,
                                                        std::string_view mac, int referrerId) {
    Outcome out;
    if (!isMobileNumber(userName)) {
        out.fail = 2;
        out.why = "malformed user name";
        out.tip = "请输入以1开头的11位手机号码。";
        return out;
    }
    if (!PasswordHasher::isDigest(digest)) {
        out.fail = 2;
        out.why = "malformed password digest";
        out.tip = "密码格式不正确，请重新输入。";
        return out;
    }
    if (m_players.findByUserName(userName)) {
        out.fail = 1; // spares the password hash; the insert checks again
        out.why = "user name taken";
        return out;
    }
    const auto made = m_players.registerAccount(userName, m_hasher.hash(PasswordHasher::normalise(digest)),
                                                mac.substr(0, 128), referrerId,
                                                static_cast<std::int64_t>(std::time(nullptr)));
    switch (made.result) {
    case PlayerStore::Registered::ReferrerRefused:
        out.fail = 3;
        out.why = referrerRefusal(made.referrerRefusal);
        return out;
    case PlayerStore::Registered::Taken:
        out.fail = 1;
        out.why = "user name taken";
        return out;
    case PlayerStore::Registered::Created:
    case PlayerStore::Registered::FromGuest:
        break;
    }
    if (!made.record) {
        out.fail = 1;
        out.why = "account not stored";
        return out;
    }
    out.ok = true;
    out.playerId = made.record->id;
    out.fromGuest = made.result == PlayerStore::Registered::FromGuest;
    return out;
}

const char* AccountService::referrerRefusal(int check) {
    switch (check) {
    case PlayerStore::AlreadyReferred:
        return "the player has a referrer already";
    case PlayerStore::ReferrerUnknown:
        return "the referrer is no registered player";
    case PlayerStore::ReferrerIsSelf:
        return "the player named itself";
    case PlayerStore::ReferrerCycle:
        return "the referrer was referred by the player (a cycle)";
    case PlayerStore::GuestCannotRefer:
        return "a guest cannot name a referrer";
    default:
        return "referrer accepted";
    }
}

AccountService::Outcome AccountService::changePassword(int playerId, std::string_view oldDigest,
                                                       std::string_view newDigest) {
    Outcome out;
    auto player = m_players.find(playerId);
    if (!player || player->guest) {
        out.fail = 4;
        out.why = "a guest has no password";
        return out;
    }
    if (!PasswordHasher::isDigest(oldDigest) || !PasswordHasher::isDigest(newDigest)) {
        out.fail = 2;
        out.why = "malformed password digest";
        return out;
    }
    if (lockedOut(player->userName)) {
        out.fail = 3;
        out.why = "locked out after repeated wrong passwords";
        out.tip = kLockedTip;
        return out;
    }
    if (!m_hasher.verify(player->passwordHash, PasswordHasher::normalise(oldDigest))) {
        noteFailure(player->userName);
        out.fail = 1;
        out.why = "wrong old password";
        return out;
    }
    clearFailures(player->userName);
    if (!m_players.updatePasswordHash(playerId, m_hasher.hash(PasswordHasher::normalise(newDigest)))) {
        out.fail = 4;
        out.why = "password not stored";
        return out;
    }
    out.ok = true;
    out.playerId = playerId;
    return out;
}

bool AccountService::lockedOut(const std::string& userName) {
    std::lock_guard lock(m_failureMutex);
    auto it = m_failures.find(userName);
    if (it == m_failures.end()) {
        return false;
    }
    if (m_now() - it->second.since > kLockout) {
        m_failures.erase(it);
        return false;
    }
    return it->second.count >= kMaxFailures;
}

void AccountService::noteFailure(const std::string& userName) {
    std::lock_guard lock(m_failureMutex);
    auto& entry = m_failures[userName];
    if (entry.count == 0) {
        entry.since = m_now();
    }
    ++entry.count;
}

void AccountService::clearFailures(const std::string& userName) {
    std::lock_guard lock(m_failureMutex);
    m_failures.erase(userName);
}

} // namespace server
