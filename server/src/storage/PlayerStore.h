// Player records in the database. Every method is one short locked statement or transaction.
#pragma once

#include "storage/PlayerRecord.h"
#include "storage/Storage.h"

#include <optional>
#include <string>
#include <string_view>

namespace server {

class PlayerStore {
public:
    explicit PlayerStore(Storage& storage); // creates or migrates the player tables

    std::optional<PlayerRecord> find(int id);
    std::optional<PlayerRecord> findByUserName(std::string_view userName);
    std::optional<PlayerRecord> findGuest(std::string_view mac);

    // New guest record for this device text; returns it.
    PlayerRecord createGuest(std::string_view mac);
    // New account; nullopt when the user name is taken.
    std::optional<PlayerRecord> createAccount(std::string_view userName, std::string_view passwordHash,
                                              std::string_view mac, int referrerId);

    // Registration. A guest record of the same device text ("mac") becomes the account, keeping
    // everything it earned (its id too); without one a new record is made. The referrer (0: none)
    // is checked like setReferrer's, all in one transaction.
    enum class Registered { Created, FromGuest, Taken, ReferrerRefused };
    struct Registration {
        Registered result = Registered::Taken;
        std::optional<PlayerRecord> record;
        int referrerRefusal = 0; // a ReferrerCheck when result is ReferrerRefused
    };
    Registration registerAccount(std::string_view userName, std::string_view passwordHash, std::string_view mac,
                                 int referrerId, std::int64_t now);

    // Whether referrerId may become playerId's referrer: a registered player other than the
    // player, who is not referred by the player, directly or down a longer chain.
    enum ReferrerCheck { ReferrerOk = 0, AlreadyReferred = 1, ReferrerUnknown = 2, ReferrerIsSelf = 3,
                         ReferrerCycle = 4, GuestCannotRefer = 5 };
    // playerId 0: an account still to be made (no self, no cycle possible).
    ReferrerCheck checkReferrer(int playerId, int referrerId);
    // Sets it once, checked inside the same transaction, so two racing requests set one.
    ReferrerCheck setReferrer(int playerId, int referrerId);

    // Adds the rewards of one answer (or any other gain) and recomputes level and levelupscore in
    // one transaction; returns the record as stored afterwards, nullopt for an unknown id.
    // Money never falls below 0: a cost larger than the balance is refused (nullopt).
    std::optional<PlayerRecord> addProgress(int id, const PlayerProgress& progress);
    // The same inside the caller's open transaction, so a gain commits or rolls back together
    // with the record of what earned it (an answer, a join).
    std::optional<PlayerRecord> addProgress(Storage::Transaction& within, int id, const PlayerProgress& progress);

    // Sets score, money, level, levelupscore and answercount as given (no level rule applied).
    bool saveProgress(const PlayerRecord& record);

    bool updateProfile(int id, std::string_view nickname, std::string_view email, std::string_view tel,
                       std::string_view home, std::int64_t birthday, int sex);
    bool updatePasswordHash(int id, std::string_view passwordHash);
    bool updateLocation(int id, double lat, double lng, std::string_view city);
    // "binfo": the player's claim details are saved; inside the transaction that saves them.
    bool markInfoFilled(Storage::Transaction& within, int id);

    int count();

private:
    std::optional<PlayerRecord> findWhere(const char* sql, std::string_view key);
    std::optional<PlayerRecord> findById(int id);
    bool referrerChainReaches(int fromId, int targetId);
    ReferrerCheck checkLink(int playerId, int referrerId); // self, unknown and cycle only

    Storage& m_storage;
};

} // namespace server
