// Teams and team matches against the real server over loopback, on the contest clock the test
// moves by hand (the contests' fixture), with the team requests as the client sends them.
#pragma once

#include "contests/ContestTestSupport.h"

#include <string>
#include <vector>

namespace server::test {

class TeamTest : public ContestTest {
public:
    static Json::Value request(int system);

    Json::Value create(const ContestPlayer& p, const Json::Value& name);
    Json::Value join(const ContestPlayer& p, int teamId);
    Json::Value team(const ContestPlayer& p, int teamId);
    Json::Value list(const ContestPlayer& p, int page = 0);
    Json::Value dismiss(const ContestPlayer& p, int teamId);
    Json::Value kick(const ContestPlayer& p, const Json::Value& userId, int teamId);
    Json::Value quit(const ContestPlayer& p, int teamId);
    Json::Value signUp(const ContestPlayer& p, int teamId, int matchId = -1); // -1: the current match
    Json::Value cancel(const ContestPlayer& p, int teamId, int matchId = -1);
    // The type 2 entry of the schedule.
    Json::Value teamEntry(const ContestPlayer& p);
    int matchId(const ContestPlayer& p) { return teamEntry(p)["matchid"].asInt(); }

    // A team made by `creator` with `others` joined; its id.
    int makeTeam(ContestPlayer& creator, const std::string& name, std::vector<ContestPlayer*> others);
    // The operator's match, round 0 `seconds` from now.
    int startMatch(int seconds);
    void tickTeams();
    // Moves the clock in steps of a second, running the team tick after each.
    void passTeams(std::int64_t ms);

    // Round play (type 2 or 4).
    Json::Value ids(const ContestPlayer& p, int type, int matchId);
    Json::Value fetch(const ContestPlayer& p, int type, int qsid);
    Json::Value submit(const ContestPlayer& p, int type, int qsid, const std::string& text);
    // Fetches and answers the round's questions, the first `rights` right; all at once.
    void playRound(const ContestPlayer& p, int matchId, int rights, std::int64_t thinkMs = 0);
    int statusOf(ContestPlayer& p); // a plain heartbeat's "teammatchstatus"
};

} // namespace server::test
