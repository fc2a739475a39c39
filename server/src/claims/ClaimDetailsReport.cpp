#include "claims/ClaimDetailsReport.h"

#include "claims/ClaimStore.h"
#include "contests/ContestClock.h"
#include "storage/PlayerStore.h"

#include <filesystem>

namespace server::claims {

int printClaimDetails(const std::string& dbPath, int playerId, std::FILE* out) {
    std::error_code error;
    if (!Storage::isPostgresTarget(dbPath) && !std::filesystem::is_regular_file(dbPath, error)) {
        std::fprintf(stderr, "brindle-server: no database %s\n", dbPath.c_str());
        return 2; // opening it would make an empty one
    }
    Storage storage(dbPath);
    PlayerStore players(storage);
    ClaimStore store(storage, players);
    const auto d = store.details(playerId);
    if (!d) {
        std::fprintf(out, "player %d has no claim details saved\n", playerId);
        return 1;
    }
    const auto saved = contests::ContestClock::local(d->savedMs);
    std::fprintf(out,
                 "player\t%d\nname\t%s\nsex\t%d\nbirthday\t%04d-%02d-%02d\njob\t%s\nprovince\t%s\ncity\t%s\n"
                 "address\t%s\nqq\t%s\ntel\t%s\nsaved\t%04d-%02d-%02d %02d:%02d:%02d\n",
                 playerId, d->name.c_str(), d->sex, d->birthday / 10000, d->birthday / 100 % 100, d->birthday % 100,
                 d->job.c_str(), d->province.c_str(), d->city.c_str(), d->address.c_str(), d->qq.c_str(),
                 d->tel.c_str(), saved.year, saved.month, saved.day, saved.hour, saved.minute, saved.second);
    return 0;
}

} // namespace server::claims
