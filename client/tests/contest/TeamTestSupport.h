// Shared by the team screen tests. `TeamTest` answers from a game port on 127.0.0.1 whose answers
// per "system" the test sets (the contract's shapes), records every request and keeps the real
// team screens registered (the hall fixture leaves a bare stand-in at scene 25).
#pragma once

#include "contest/HallTestSupport.h"
#include "net/ResponseRecords.h"

#include <json/value.h>

#include <map>
#include <string>
#include <vector>

class CHD_TeamInfoLayer;

namespace test_support {

class TeamTest : public HallTest {
protected:
    void SetUp() override;

    // The answer to requests of this "system" ("system" is added); {"response":1} when unset.
    void reply(int system, const Json::Value& answer);
    void replyText(int system, const std::string& json);

    // A team record as the server sends it.
    static Json::Value teamJson(int id, const std::string& name, int number, int level, const std::string& creater,
                                int status = 0, int score = 0);
    // Page answer of the team list (40 act 0) with these records.
    static Json::Value listJson(const std::vector<Json::Value>& teams, int count, int myTeamId = 0,
                                const std::string& myCreater = "");
    // The team answer (39): the record and `members` members with ids from 10002 on (the player first).
    static Json::Value teamAnswer(const Json::Value& team, int members);
    // A type 2 schedule entry starting `startIn` seconds after the fake server's noon, at `level`.
    static Json::Value teamEntry(int level, int startIn, int matchId = 7);
    // The day with the team entry replaced by `entry`.
    static Json::Value dayWith(const Json::Value& entry);

    // Puts the team screen on stage in a role with the answer's record and members, as the list
    // does after its team answer; its schedule answer arrives before this returns.
    CHD_TeamInfoLayer* openTeam(const Json::Value& answer, int role);

    static std::string text(const std::string& key);

    std::map<int, Json::Value> m_replies;
};

} // namespace test_support
