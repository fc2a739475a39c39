// The pushes of contests, each a whole heartbeat answer with its own "system". Player ids go out
// as decimal text: the public id, never a session.
#pragma once

#include "contests/ContestStore.h"
#include "quiz/BankEntry.h"
#include "storage/PlayerRecord.h"

#include <json/value.h>

#include <string>

namespace server::contests {

class ContestMessages {
public:
    // 28 act 0: a challenge (or a lone searcher's invitation) reaching its target.
    static Json::Value challenge(const PlayerRecord& from, int type);
    // 28 act 3: the contest begins; `opponent` as the receiver sees them.
    static Json::Value begins(const PlayerRecord& opponent, int winPercent, int type, int questions);
    // 28 act 6: nobody could be paired.
    static Json::Value nobody(int type);
    // 29: the question as command 2 shows it, without the key.
    static Json::Value question(const quiz::BankEntry& entry, bool answerable);
    // 31: the opponent's verdict, for a player who has answered the same question.
    static Json::Value opponentVerdict(bool right, const std::string& answer);
    // 32 act 2: the player answered first and waits.
    static Json::Value answeredFirst();
    // 32 act 1: the result, the same message to both.
    static Json::Value result(int type, const ContestStore::Outcome& first, const std::string& firstName,
                              const ContestStore::Outcome& second, const std::string& secondName, bool fled);

    // The name a player goes by in contests: the nickname, else the masked mobile number of an
    // account, else the id. Never a whole number: every name here goes to another player.
    static std::string nameOf(const PlayerRecord& player);
};

} // namespace server::contests
