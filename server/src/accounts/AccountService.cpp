#include "accounts/AccountService.h"

#include "accounts/SessionTable.h"
#include "app/Log.h"
#include "storage/PlayerStore.h"
#include "storage/Statement.h"

namespace server {

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
        out.tip = "密码错误次数过多，请十分钟后再试。";
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
    if (referrerId != 0) {
        auto referrer = m_players.find(referrerId);
        if (!referrer || referrer->guest) {
            out.fail = 3;
            out.why = "referrer refused";
            return out;
        }
    }
    if (m_players.findByUserName(userName)) {
        out.fail = 1;
        out.why = "user name taken";
        return out;
    }
    auto created = m_players.createAccount(userName, m_hasher.hash(PasswordHasher::normalise(digest)),
                                           mac.substr(0, 128), referrerId);
    if (!created) {
        out.fail = 1; // taken between the check and the insert
        out.why = "user name taken";
        return out;
    }
    out.ok = true;
    out.playerId = created->id;
    return out;
}

bool AccountService::changePassword(int playerId, std::string_view oldDigest, std::string_view newDigest) {
    auto player = m_players.find(playerId);
    if (!player || player->guest || !PasswordHasher::isDigest(oldDigest) || !PasswordHasher::isDigest(newDigest)) {
        return false;
    }
    if (lockedOut(player->userName) ||
        !m_hasher.verify(player->passwordHash, PasswordHasher::normalise(oldDigest))) {
        noteFailure(player->userName);
        return false;
    }
    clearFailures(player->userName);
    return m_players.updatePasswordHash(playerId, m_hasher.hash(PasswordHasher::normalise(newDigest)));
}

bool AccountService::lockedOut(const std::string& userName) {
    std::lock_guard lock(m_failureMutex);
    auto it = m_failures.find(userName);
    if (it == m_failures.end()) {
        return false;
    }
    if (std::chrono::steady_clock::now() - it->second.since > kLockout) {
        m_failures.erase(it);
        return false;
    }
    return it->second.count >= kMaxFailures;
}

void AccountService::noteFailure(const std::string& userName) {
    std::lock_guard lock(m_failureMutex);
    auto& entry = m_failures[userName];
    if (entry.count == 0) {
        entry.since = std::chrono::steady_clock::now();
    }
    ++entry.count;
}

void AccountService::clearFailures(const std::string& userName) {
    std::lock_guard lock(m_failureMutex);
    m_failures.erase(userName);
}

} // namespace server
