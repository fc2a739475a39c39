// One player as stored: a registered account (userName set) or a guest (known by its "mac").
#pragma once

#include <cstdint>
#include <string>

namespace server {

struct PlayerRecord {
    int id = 0;
    std::string userName; // the mobile number; empty for a guest
    std::string mac;      // device text of the registration or of the guest
    bool guest = false;
    std::string passwordHash; // libsodium crypto_pwhash_str of the client's MD5 digest
    std::string nickname;
    std::string email;
    std::string tel;
    std::string home;
    std::int64_t birthday = 0;
    int sex = 0;
    int score = 0;
    int money = 0;
    int level = 0;
    int levelUpScore = 0; // the total score at which the next level begins
    int answerCount = 0;
    int weekScore = 0;
    int lastRank = 0;
    int rankPrizeMoney = 0;
    int referrerId = 0;
    bool infoFilled = false;
    std::int64_t regTime = 0; // seconds since 1970
};

// What the question bank changes after an answer: score, money and answer count grow; level and
// levelupscore follow the score (LevelRule).
struct PlayerProgress {
    int addScore = 0;
    int addMoney = 0;
    int addAnswers = 0;
};

} // namespace server
