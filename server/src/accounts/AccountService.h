// Accounts: registration of mobile numbers, login by account or as a guest, password changes.
// The failure codes are the ones the client's boxes know: login "fail" 1 user name malformed,
// 2 no such user, 3 wrong password; registration "fail" 1 taken, 2 user name malformed,
// 3 referrer refused.
#pragma once

#include "accounts/PasswordHasher.h"

#include <chrono>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace server {

class PlayerStore;
class SessionTable;

class AccountService {
public:
    AccountService(PlayerStore& players, SessionTable& sessions, PasswordCost cost);

    struct Outcome {
        bool ok = false;
        int fail = 0;
        const char* why = ""; // the failure in plain words, for the log
        std::string tip; // Chinese, shown in place of the client's own box; empty when none helps
        int playerId = 0;
        std::string sessionId; // login only
        bool fromGuest = false; // registration: the device's guest became the account
    };

    // Empty user name and password: the guest of this device text.
    Outcome login(std::string_view userName, std::string_view digest, std::string_view mac);
    Outcome registerAccount(std::string_view userName, std::string_view digest, std::string_view mac,
                            int referrerId); // referrerId 0: none given
    // "fail" 1 wrong old password, 2 a digest malformed, 3 locked out (with a "tip"), 4 a guest.
    // Wrong old passwords count towards the same lock-out as wrong logins.
    Outcome changePassword(int playerId, std::string_view oldDigest, std::string_view newDigest);

    // 11 digits, the first one "1".
    static bool isMobileNumber(std::string_view userName);

    // Wrong passwords allowed per user name within the lock-out window.
    static constexpr int kMaxFailures = 5;
    static constexpr std::chrono::minutes kLockout{10};

    // Tests pass the lock-out window without waiting.
    using Clock = std::chrono::steady_clock;
    void setClockForTesting(Clock::time_point (*now)()) { m_now = now; }

    // The log's words for a PlayerStore::ReferrerCheck.
    static const char* referrerRefusal(int check);

private:
    bool lockedOut(const std::string& userName);
    void noteFailure(const std::string& userName);
    void clearFailures(const std::string& userName);

    PlayerStore& m_players;
    SessionTable& m_sessions;
    PasswordHasher m_hasher;

    struct Failures {
        int count = 0;
        Clock::time_point since;
    };
    Clock::time_point (*m_now)() = &Clock::now;
    std::mutex m_failureMutex;
    std::unordered_map<std::string, Failures> m_failures;
};

} // namespace server
