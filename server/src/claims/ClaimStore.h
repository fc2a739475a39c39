// Claim codes, their daily counts and the saved claim details in the database, so a restart
// keeps them. Each change is one transaction: racing requests never hand out an eleventh code
// of a day, and a code is used by exactly one save.
#pragma once

#include "claims/ClaimForm.h"
#include "storage/Storage.h"

#include <cstdint>
#include <optional>

namespace server {
class PlayerStore;
}

namespace server::claims {

class ClaimStore {
public:
    ClaimStore(Storage& storage, PlayerStore& players);

    // Counts the request against the day and stores the code in place of any earlier one; false
    // (nothing stored) once the day's codes are used up.
    bool issueCode(int playerId, int day, int code, std::int64_t nowMs);

    enum class Verdict { Saved, NoCode, Used, Voided, Expired, Wrong };
    struct Save {
        Verdict verdict = Verdict::NoCode;
        int wrongTries = 0; // after this request
    };
    // Checks the code; a right one is used up by storing the details (replacing earlier ones)
    // and setting the player's "binfo", all in one transaction. A wrong one counts a try.
    Save saveDetails(int playerId, std::optional<int> code, std::int64_t nowMs, const ClaimDetails& details);

    std::optional<ClaimDetails> details(int playerId);

private:
    Storage& m_storage;
    PlayerStore& m_players;
};

} // namespace server::claims
