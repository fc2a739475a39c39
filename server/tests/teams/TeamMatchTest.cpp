// A team match driven on the hand-moved contest clock: the statuses a member's heartbeats carry,
// rounds that end early or at their deadline, who goes on with 1, 2, 3 and 5 teams, prizes paid
// once even with two drivers racing, and a match stored by a second process.
#include "teams/TeamTestSupport.h"

#include "contests/ContestClock.h"
#include "storage/ContentStore.h"
#include "storage/PlayerStore.h"
#include "teams/TeamService.h"

#include <cstdlib>
#include <thread>

namespace server::test {

namespace {

class TeamMatch : public TeamTest {
public:
    struct Side {
        ContestPlayer creator;
        ContestPlayer member;
        int team = 0;
        int rights = 0;
        std::int64_t thinkMs = 1000;
    };

    std::vector<Side> sides(std::vector<int> rights) {
        std::vector<Side> list;
        for (std::size_t i = 0; i < rights.size(); ++i) {
            Side s{account(), account(), 0, rights[i], 1000};
            s.team = makeTeam(s.creator, "Team" + std::to_string(made++), {&s.member});
            list.push_back(std::move(s));
        }
        return list;
    }

    // Signs every side up for an operator's match 10 minutes ahead and plays it out: each round
    // every side still in answers its `rights` right. The number of rounds played.
    int playOut(std::vector<Side>& list) {
        match = startMatch(600);
        for (Side& s : list) {
            EXPECT_EQ(signUp(s.creator, s.team)["response"].asInt(), 1);
        }
        passTeams(600'000);
        int rounds = 0;
        for (; rounds < 10; ++rounds) {
            bool anyone = false;
            for (Side& s : list) {
                if (ids(s.creator, 2, match)["response"].asInt() != 1) {
                    continue;
                }
                anyone = true;
                playRound(s.creator, match, s.rights, s.thinkMs);
                playRound(s.member, match, s.rights, s.thinkMs);
            }
            if (!anyone) {
                break;
            }
            passTeams(61'000);
        }
        return rounds;
    }

    Json::Value record(Side& s) { return team(s.creator, s.team)["teaminfo"]; }

    int match = 0;
    int made = 0;
};

} // namespace

TEST_F(TeamMatch, AMembersHeartbeatsFollowTheMatchFromAnnouncementToTheEnd) {
    auto sidesList = sides({3, 1});
    auto& a = sidesList[0];
    auto& b = sidesList[1];
    match = startMatch(600); // round 0 at 12:10
    ASSERT_EQ(signUp(a.creator, a.team)["response"].asInt(), 1);
    ASSERT_EQ(signUp(b.creator, b.team)["response"].asInt(), 1);
    EXPECT_EQ(statusOf(a.member), 0) << "ten minutes ahead";
    auto entry = teamEntry(a.creator);
    EXPECT_EQ(entry["matchid"].asInt(), match);
    EXPECT_EQ(entry["level"].asInt(), 0);
    EXPECT_EQ(entry["starttime"].asString(), contests::ContestClock::stamp(now + 600'000));

    passTeams(5 * 60'000 + 1000);
    EXPECT_EQ(statusOf(a.member), 1);
    EXPECT_EQ(ids(a.member, 2, match)["response"].asInt(), 0) << "more than 60 s ahead";
    passTeams(4 * 60'000);
    const auto list = ids(a.member, 2, match);
    ASSERT_EQ(list["idlist"].size(), 5u) << list;
    EXPECT_EQ(fetch(a.member, 2, list["idlist"][0].asInt())["response"].asInt(), 0) << "not running yet";
    auto outsider = account();
    EXPECT_EQ(ids(outsider, 2, match)["response"].asInt(), 0);

    passTeams(60'000);
    EXPECT_EQ(statusOf(a.member), 2);
    EXPECT_EQ(record(a)["teammatchstatus"].asInt(), 2);
    EXPECT_EQ(statusOf(outsider), 0);
    playRound(a.creator, match, 3);
    playRound(a.member, match, 3, 1000);
    playRound(b.creator, match, 1);
    EXPECT_EQ(statusOf(b.member), 2) << "the round waits for the last member";
    playRound(b.member, match, 1);
    // Two teams: the round was the final one, settled by the last answer.
    EXPECT_EQ(statusOf(a.member), 4);
    EXPECT_EQ(statusOf(b.member), 4);
    EXPECT_EQ(record(a)["level"].asInt(), 1);
    EXPECT_EQ(record(b)["level"].asInt(), 0);
    EXPECT_EQ(record(a)["score"].asInt(), 60);
    EXPECT_EQ(team(a.creator, a.team)["teammember"][1]["rightcount"].asInt(), 3);
    EXPECT_EQ(team(a.creator, a.team)["teammember"][1]["wincount"].asInt(), 1);
    EXPECT_EQ(team(b.creator, b.team)["teammember"][1]["answercount"].asInt(), 5);

    const auto results = a.member.game(request(49));
    ASSERT_EQ(results["prizearray"].size(), 1u) << results;
    const auto item = results["prizearray"][0];
    EXPECT_EQ(item["type"].asInt(), 2);
    EXPECT_EQ(item["rightcount"].asInt(), 3);
    EXPECT_EQ(item["wrongcount"].asInt(), 2);
    EXPECT_EQ(item["score"].asInt(), 30);
    EXPECT_EQ(item["teamscore"].asInt(), 60);
    EXPECT_EQ(item["prizetype"].asInt(), 1);
    EXPECT_EQ(item["prizenum"].asInt(), 100);
    EXPECT_EQ(item["times"].asInt(), 5);

    passTeams(9 * 60'000);
    EXPECT_EQ(statusOf(b.member), 4) << "until the entry moves on";
    passTeams(61'000);
    EXPECT_EQ(statusOf(b.member), 0);
    EXPECT_NE(teamEntry(a.creator)["matchid"].asInt(), match) << "the entry moved on to the next session";
    EXPECT_EQ(create(outsider, "After")["response"].asInt(), 1) << "teams can be made again";
}

TEST_F(TeamMatch, ARoundWaitsForItsDeadlineThenTheSurvivorsRestAndStartAMinuteLater) {
    auto list = sides({2, 1, 0});
    match = startMatch(600);
    for (auto& s : list) {
        ASSERT_EQ(signUp(s.creator, s.team)["response"].asInt(), 1);
    }
    passTeams(600'000);
    const std::int64_t roundStart = now;
    for (auto& s : list) {
        playRound(s.creator, match, s.rights);
    }
    playRound(list[0].member, match, 2); // the other members never play
    passTeams(200'000);
    EXPECT_EQ(statusOf(list[0].creator), 2) << "still within 220 s";
    now = roundStart + 220'000;
    EXPECT_EQ(statusOf(list[0].creator), 4) << "survived: shown for 15 s";
    EXPECT_EQ(statusOf(list[2].member), 4) << "out";
    auto entry = teamEntry(list[0].creator);
    EXPECT_EQ(entry["level"].asInt(), 1);
    EXPECT_EQ(entry["starttime"].asString(), contests::ContestClock::stamp(roundStart + 280'000));
    passTeams(16'000);
    EXPECT_EQ(statusOf(list[0].creator), 1) << "the next round is less than 5 minutes off";
    EXPECT_EQ(statusOf(list[2].member), 4);
    EXPECT_EQ(record(list[0])["level"].asInt(), 1);
    EXPECT_EQ(record(list[1])["level"].asInt(), 1);
    EXPECT_EQ(record(list[2])["level"].asInt(), 0);
    EXPECT_EQ(record(list[2])["teammatchstatus"].asInt(), 4);
    EXPECT_EQ(ids(list[2].creator, 2, match)["response"].asInt(), 0) << "an eliminated team gets no questions";
    EXPECT_EQ(list[2].creator.record().score, 20) << "place 3 paid in score";
    EXPECT_EQ(list[2].member.record().score, 0) << "never played: no prize";
    passTeams(45'000);
    EXPECT_EQ(statusOf(list[1].member), 2);
}

TEST_F(TeamMatch, OneTeamPlaysOneRoundAndWins) {
    auto list = sides({4});
    EXPECT_EQ(playOut(list), 1);
    EXPECT_EQ(record(list[0])["level"].asInt(), 1);
    EXPECT_EQ(list[0].creator.record().money, 100 - 10 + 100);
    EXPECT_EQ(list[0].member.record().money, 100 + 100);
}

TEST_F(TeamMatch, TwoTeamsEqualOnPointsAreSplitByTheirTime) {
    auto list = sides({3, 3});
    list[0].thinkMs = 5000;
    list[1].thinkMs = 1000;
    EXPECT_EQ(playOut(list), 1);
    EXPECT_EQ(record(list[1])["level"].asInt(), 1) << "the quicker team wins although its id is higher";
    EXPECT_EQ(record(list[0])["level"].asInt(), 0);
    EXPECT_EQ(list[1].member.record().money, 200);
    EXPECT_EQ(list[0].member.record().money, 150) << "the runner-up";
}

TEST_F(TeamMatch, ThreeTeamsPlayTwoRounds) {
    auto list = sides({2, 4, 3});
    EXPECT_EQ(playOut(list), 2);
    EXPECT_EQ(record(list[0])["level"].asInt(), 0);
    EXPECT_EQ(record(list[1])["level"].asInt(), 2);
    EXPECT_EQ(record(list[2])["level"].asInt(), 1);
    EXPECT_EQ(list[0].member.record().score, 20);
    EXPECT_EQ(list[1].member.record().money, 200);
    EXPECT_EQ(list[2].member.record().money, 150);
    EXPECT_EQ(record(list[1])["score"].asInt(), 160) << "two rounds of 80";
}

TEST_F(TeamMatch, FiveTeamsGoThreeTwoOne) {
    auto list = sides({1, 5, 2, 4, 3});
    EXPECT_EQ(playOut(list), 3);
    const int levels[] = {0, 3, 0, 2, 1};
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(record(list[i])["level"].asInt(), levels[i]) << "team " << i;
    }
    EXPECT_EQ(list[1].member.record().money, 200);
    EXPECT_EQ(list[3].member.record().money, 150);
    for (std::size_t i : {0u, 2u, 4u}) {
        EXPECT_EQ(list[i].member.record().money, 100) << "team " << i;
        EXPECT_EQ(list[i].member.record().score, 20) << "team " << i;
    }
}

TEST_F(TeamMatch, DriversRacingOverTheFinalRoundPayEachPlayerOnce) {
    // As if several servers shared the file: each driver has its own lock, only the database's
    // guarded updates stand between them.
    ContentStore content(server->app().services().storage, BRINDLE_SERVER_DATA_SOURCE);
    std::vector<std::unique_ptr<teams::TeamService>> drivers;
    for (int i = 0; i < 6; ++i) {
        drivers.push_back(std::make_unique<teams::TeamService>(server->app().services(), content));
    }
    for (int attempt = 0; attempt < 5; ++attempt) {
        auto list = sides({3, 2});
        match = startMatch(600);
        for (auto& s : list) {
            ASSERT_EQ(signUp(s.creator, s.team)["response"].asInt(), 1);
        }
        passTeams(600'000);
        for (auto& s : list) {
            playRound(s.creator, match, s.rights);
        }
        // The members never answer: the round ends at its deadline, with every driver at it.
        now += 221'000;
        std::atomic<bool> go{false};
        std::vector<std::thread> threads;
        for (auto& driver : drivers) {
            threads.emplace_back([&, d = driver.get()] {
                while (!go.load()) {
                    std::this_thread::yield();
                }
                d->tick(now.load());
            });
        }
        go = true;
        for (auto& t : threads) {
            t.join();
        }
        EXPECT_EQ(list[0].creator.record().money, 90 + 100);
        EXPECT_EQ(list[1].creator.record().money, 90 + 50);
        EXPECT_EQ(list[0].member.record().money, 100) << "never played";
        EXPECT_EQ(record(list[0])["score"].asInt(), 30) << "the round's score added once";
        passTeams(11 * 60'000);
    }
}

TEST_F(TeamMatch, ADriverWithAStaleViewOfTheRoundChangesNothing) {
    auto list = sides({3, 2});
    match = startMatch(600);
    for (auto& s : list) {
        ASSERT_EQ(signUp(s.creator, s.team)["response"].asInt(), 1);
    }
    passTeams(600'000);
    for (auto& s : list) {
        playRound(s.creator, match, s.rights);
    }
    teams::TeamStore store(server->app().services().storage);
    const auto seen = store.match(match);
    const auto round = store.latestRound(match);
    ASSERT_TRUE(seen && round && round->ended == 0);
    now += 221'000;
    EXPECT_TRUE(server->app().teams().endRound(*seen, *round, now.load()));
    EXPECT_FALSE(server->app().teams().endRound(*seen, *round, now.load())) << "both read it still running";
    EXPECT_EQ(list[0].creator.record().money, 90 + 100);
    EXPECT_EQ(list[1].creator.record().money, 90 + 50);
    EXPECT_EQ(record(list[0])["score"].asInt(), 30);
}

TEST_F(TeamMatch, AnswersOutsideTheRulesAreRefusedOrCountWrong) {
    auto list = sides({0, 0});
    match = startMatch(600);
    for (auto& s : list) {
        ASSERT_EQ(signUp(s.creator, s.team)["response"].asInt(), 1);
    }
    passTeams(600'000);
    auto& p = list[0].creator;
    const auto qsids = ids(p, 2, match)["idlist"];
    const int q0 = qsids[0].asInt(), q1 = qsids[1].asInt(), q2 = qsids[2].asInt();
    auto early = submit(p, 2, q0, rightOf(q0));
    EXPECT_EQ(early["response"].asString(), "nostart") << "not fetched";
    EXPECT_TRUE(early["money"].isInt()) << "the totals ride along";
    EXPECT_EQ(fetch(p, 2, 999999)["response"].asInt(), 0) << "not a question of the round";
    ASSERT_EQ(fetch(p, 2, q0)["response"].asInt(), 1);
    EXPECT_FALSE(fetch(p, 2, q0).isMember("right")) << "the key never goes out";
    EXPECT_EQ(submit(p, 2, q0, rightOf(q0))["response"].asString(), "success");
    EXPECT_EQ(submit(p, 2, q0, rightOf(q0))["response"].asString(), "nostart") << "a second answer";
    ASSERT_EQ(fetch(p, 2, q1)["response"].asInt(), 1);
    now += 43'000;
    const auto late = submit(p, 2, q1, rightOf(q1));
    EXPECT_EQ(late["response"].asString(), "fail") << "after 42 s";
    EXPECT_EQ(late["addscore"].asInt(), 0);
    ASSERT_EQ(fetch(p, 2, q2)["response"].asInt(), 1);
    EXPECT_EQ(submit(p, 2, q2, "-1")["response"].asString(), "fail");
    auto outsider = account();
    EXPECT_EQ(fetch(outsider, 2, q0)["response"].asInt(), 0);
    EXPECT_EQ(submit(outsider, 2, q0, "x")["response"].asString(), "nostart");

    // Leaving counts the rest as run out; once all have, the round ends without its deadline.
    for (ContestPlayer* leaver : {&list[0].creator, &list[0].member, &list[1].creator, &list[1].member}) {
        auto r = request(27);
        r["act"] = 4;
        r["matchtype"] = 2;
        EXPECT_EQ(leaver->game(r)["response"].asInt(), 1);
    }
    tickTeams();
    EXPECT_EQ(record(list[0])["level"].asInt(), 1) << "one right answer beats none";
    EXPECT_EQ(record(list[0])["teammatchstatus"].asInt(), 4);
}

TEST_F(TeamMatch, AMatchStoredByASecondProcessIsPlayedByTheRunningServer) {
    auto list = sides({1, 2});
    const int before = matchId(list[0].creator);
    const std::string db = server->app().services().config.dbPath;
    auto clock = [this] {
        const auto l = contests::ContestClock::local(now.load());
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", l.year, l.month, l.day, l.hour, l.minute,
                      l.second);
        return std::string(text);
    };
    const std::string command = std::string(BRINDLE_SERVER_BINARY) + " --quiet --db '" + db +
                                "' --contest-clock '" + clock() + "' --start-team-match 120 >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const auto entry = teamEntry(list[0].creator);
    EXPECT_NE(entry["matchid"].asInt(), before);
    const auto start = contests::ContestClock::parseLocal(
        entry["starttime"].asString().substr(0, 4) + "-" + entry["starttime"].asString().substr(4, 2) + "-" +
        entry["starttime"].asString().substr(6, 2) + " " + entry["starttime"].asString().substr(8, 2) + ":" +
        entry["starttime"].asString().substr(10, 2) + ":" + entry["starttime"].asString().substr(12, 2));
    ASSERT_TRUE(start.has_value());
    EXPECT_GE(*start, now + 119'000);
    EXPECT_LE(*start, now + 125'000);
    // Less than five minutes ahead: sign-ups run until round 0.
    match = entry["matchid"].asInt();
    for (auto& s : list) {
        ASSERT_EQ(signUp(s.creator, s.team)["response"].asInt(), 1);
    }
    passTeams(126'000);
    EXPECT_EQ(statusOf(list[0].member), 2);
    const std::string again = std::string(BRINDLE_SERVER_BINARY) + " --quiet --db '" + db + "' --contest-clock '" +
                              clock() + "' --start-team-match 60 >/dev/null 2>&1";
    EXPECT_NE(std::system(again.c_str()), 0) << "refused while a match runs (by the second process's clock)";
}

} // namespace server::test
