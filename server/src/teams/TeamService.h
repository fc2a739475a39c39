// Teams and the team match. Everything lives in the database (TeamStore); the service only adds
// the rules and a lock that keeps two of its own threads from driving the match at once. A second
// process storing a match, or a second server on the same file, meets the same guarded updates.
//
// Every method takes the contest clock's time (ContestClock), so tests move the match by hand.
// tick() is the round driver: rounds begin and end, teams go out, prizes are paid, and each
// player's team-match status is set for the heartbeats. The server runs it every second and each
// team request runs it first, so a match moves on even with the sweeper off.
#pragma once

#include "teams/TeamStore.h"

#include <json/value.h>

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace server {
struct ServerServices;
class ContentStore;
} // namespace server

namespace server::teams {

class TeamService {
public:
    TeamService(ServerServices& services, const ContentStore& content);

    // What a command answers; `refusal` (empty when all went well) is the log's reason.
    struct Reply {
        Json::Value answer{Json::objectValue};
        std::string refusal;
    };
    using Id = std::optional<int>;

    Reply create(int playerId, const Json::Value& name, std::int64_t now);           // 36
    Reply join(int playerId, Id teamId, std::int64_t now);                           // 37
    Reply info(Id teamId, std::int64_t now);                                         // 39
    Reply list(int playerId, int page, std::int64_t now);                            // 40 act 0
    Reply ranking(int playerId, std::int64_t now);                                   // 40 act 1
    Reply dismiss(int playerId, Id teamId, std::int64_t now);                        // 41
    Reply signUp(int playerId, Id matchId, Id teamId, std::int64_t now);             // 42
    Reply cancelSignUp(int playerId, Id matchId, Id teamId, std::int64_t now);       // 43
    Reply quit(int playerId, Id teamId, std::int64_t now);                           // 44
    Reply kick(int playerId, Id memberId, Id teamId, std::int64_t now);              // 45

    // Playing a round (48, 46, 47 with match type 2, and 27 act 4).
    Reply questionIds(int playerId, Id matchId, std::int64_t now);
    Reply question(int playerId, Id qsid, std::int64_t now);
    Reply answer(int playerId, Id qsid, const std::string& text, std::int64_t now);
    Reply leave(int playerId, std::int64_t now);
    // The player's last team round as a result item (command 49); null when none.
    Json::Value latestResult(int playerId);

    // The type 2 entry of the schedule, filled with the current match.
    void fillScheduleEntry(Json::Value& entry, std::int64_t now);
    // The operator's match: round 0 starts `seconds` from now. Empty refusal when stored.
    Reply startMatch(std::int64_t seconds, std::int64_t now);

    // Drives the current match up to `now` and sets every player's heartbeat status.
    void tick(std::int64_t now);
    // tick() at most once a clock second, skipped when another thread is at it: for heartbeats.
    void refresh(std::int64_t now);

    // Ends a round as a driver read it (results, eliminations, prizes, the next round) in one
    // transaction; false, with nothing changed, when another driver ended it first.
    bool endRound(const Match& match, const Round& round, std::int64_t now);

    // The type 2 prize tier of a place: {prizetype, prizenum}.
    std::pair<int, int> prizeOf(int place) const;
    Json::Value prizeTiers() const;

private:
    // The current match, stored first when the schedule's session has none yet.
    Match current(std::int64_t now);
    void advance(std::int64_t now);
    void beginRound(const Match& match, const Round& round, std::int64_t now);
    bool everyoneDone(const Match& match, const Round& round, std::int64_t now);
    void publishStatuses(std::int64_t now);

    // A team as the lists and 39 show it.
    Json::Value record(const Team& team, const Match& match, std::int64_t now);
    int teamStatus(int teamId, const Match& match, std::int64_t now);
    // Signed up, still in and the match not over.
    bool enteredInMatch(int teamId, const Match& match);
    // Entered and round 0 has started.
    bool playingInMatch(int teamId, const Match& match, std::int64_t now);
    bool roundZeroBegun(const Match& match);
    std::string nameOf(int playerId);
    // The round a player is seated in and may play now.
    struct Seat {
        Match match;
        Round round;
        int team = 0;
    };
    std::optional<Seat> seatOf(int playerId, std::int64_t now);

    ServerServices& m_services;
    const ContentStore& m_content;
    TeamStore m_store;
    std::mutex m_driveMutex;
    std::mutex m_refreshMutex;
    std::int64_t m_lastRefresh = 0;
    std::unordered_map<int, int> m_statuses; // players given a status by the last tick
};

} // namespace server::teams
