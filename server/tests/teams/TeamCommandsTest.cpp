// The team commands against the real server: what each answers, each refusal's code, guests,
// hostile input, and requests racing for the last place or the same sign-up.
#include "teams/TeamTestSupport.h"

#include "storage/PlayerStore.h"

#include <thread>

namespace server::test {

namespace {

class TeamCommands : public TeamTest {};

} // namespace

TEST_F(TeamCommands, CreatingCostsTenCarrotsInTheSameStepAndRefusesWithItsCodes) {
    auto a = account(25);
    auto made = create(a, "Tigers");
    ASSERT_EQ(made["response"].asInt(), 1) << made;
    EXPECT_EQ(made["system"].asInt(), 36);
    EXPECT_EQ(made["money"].asInt(), 15);
    EXPECT_EQ(a.record().money, 15);
    EXPECT_EQ(create(a, "Lions")["response"].asInt(), 0) << "already in a team";

    auto b = account(25);
    EXPECT_EQ(create(b, "Tigers")["response"].asInt(), 5) << "the name is taken";
    auto poor = account(9);
    EXPECT_EQ(create(poor, "Poor")["response"].asInt(), 3);
    EXPECT_EQ(poor.record().money, 9) << "a refused team costs nothing";
    EXPECT_EQ(create(b, 12345)["response"].asInt(), 0) << "a number for a name";
    for (const char* hostile : {"", "<script>", "x'); DROP TABLE teams;--", "a\nb", "\xe4\xb8", "Abcdefghi"}) {
        const auto refused = create(b, hostile);
        EXPECT_EQ(refused["response"].asInt(), 0) << hostile;
        EXPECT_FALSE(refused["tip"].asString().empty());
    }
    EXPECT_EQ(b.record().money, 25);
    EXPECT_EQ(create(b, "一二三四五")["response"].asInt(), 1);

    auto guest = this->guest("GUEST-DEVICE");
    auto refused = create(guest, "Guests");
    EXPECT_EQ(refused["response"].asInt(), 0);
    EXPECT_FALSE(refused["tip"].asString().empty());
}

TEST_F(TeamCommands, CreatingIsRefusedWithTwoWhileAMatchIsOn) {
    auto a = account(), b = account(), c = account();
    const int team = makeTeam(a, "Early", {&b});
    startMatch(600);
    EXPECT_EQ(signUp(a, team)["response"].asInt(), 1);
    pass(600'000);
    tickTeams();
    EXPECT_EQ(create(c, "Late")["response"].asInt(), 2);
}

TEST_F(TeamCommands, JoiningAnswersEachRefusalWithItsCode) {
    auto a = account(), b = account(), c = account(), d = account();
    const int team = makeTeam(a, "Hawks", {});
    EXPECT_EQ(join(b, 999)["response"].asInt(), 7) << "no such team";
    auto joined = join(b, team);
    EXPECT_EQ(joined["response"].asInt(), 1) << joined;
    EXPECT_EQ(joined["teamid"].asInt(), team);
    EXPECT_EQ(join(b, team)["response"].asInt(), 0) << "already in a team";

    EXPECT_EQ(kick(a, b.id(), team)["response"].asInt(), 1);
    EXPECT_EQ(join(b, team)["response"].asInt(), 4) << "kicked out before";

    startMatch(600);
    ASSERT_EQ(join(c, team)["response"].asInt(), 1);
    ASSERT_EQ(signUp(a, team)["response"].asInt(), 1);
    EXPECT_EQ(join(d, team)["response"].asInt(), 5) << "signed up";
    EXPECT_EQ(join(d, -1)["response"].asInt(), 6) << "the only team is signed up";

    ASSERT_EQ(cancel(a, team)["response"].asInt(), 1);
    auto quick = join(d, -1);
    EXPECT_EQ(quick["response"].asInt(), 1) << quick;
    EXPECT_EQ(quick["teamid"].asInt(), team);

    EXPECT_EQ(dismiss(a, team)["response"].asInt(), 1);
    EXPECT_EQ(join(b, team)["response"].asInt(), 7) << "dismissed";
}

TEST_F(TeamCommands, PlayersRacingForTheLastPlaceLeaveTheTeamAtFive) {
    auto a = account();
    std::vector<ContestPlayer> members;
    for (int i = 0; i < 3; ++i) {
        members.push_back(account());
    }
    std::vector<ContestPlayer*> joiners;
    for (auto& m : members) {
        joiners.push_back(&m);
    }
    const int team = makeTeam(a, "Full", joiners);
    std::vector<ContestPlayer> racers;
    for (int i = 0; i < 6; ++i) {
        racers.push_back(account());
    }
    std::vector<int> codes(racers.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < racers.size(); ++i) {
        threads.emplace_back([&, i] { codes[i] = join(racers[i], team)["response"].asInt(); });
    }
    for (auto& t : threads) {
        t.join();
    }
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 1), 1);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 3), 5);
    EXPECT_EQ(this->team(a, team)["teaminfo"]["number"].asInt(), 5);
}

TEST_F(TeamCommands, ATeamShowsItsCreatorFirstItsMembersAndThePrizeTiers) {
    auto a = account(), b = account(), c = account();
    const int team = makeTeam(a, "Owls", {&b, &c});
    const auto shown = this->team(c, team);
    ASSERT_EQ(shown["response"].asInt(), 1) << shown;
    EXPECT_EQ(shown["teaminfo"]["teamid"].asInt(), team);
    EXPECT_EQ(shown["teaminfo"]["teamname"].asString(), "Owls");
    EXPECT_EQ(shown["teaminfo"]["number"].asInt(), 3);
    EXPECT_EQ(shown["teaminfo"]["creater"].asString(), a.idText());
    EXPECT_EQ(shown["teaminfo"]["teammatchstatus"].asInt(), 0);
    ASSERT_EQ(shown["teammember"].size(), 3u);
    EXPECT_EQ(shown["teammember"][0]["userid"].asInt(), a.id());
    EXPECT_EQ(shown["teammember"][1]["userid"].asInt(), b.id());
    EXPECT_EQ(shown["teammember"][2]["userid"].asInt(), c.id());
    EXPECT_EQ(shown["teammember"][0]["name"].asString(), "139****1000") << "a masked number, never the whole";
    ASSERT_EQ(shown["prizearray"].size(), 3u);
    for (int place = 1; place <= 3; ++place) {
        EXPECT_EQ(shown["prizearray"][place - 1]["times"].asInt(), place);
        EXPECT_EQ(shown["prizearray"][place - 1]["type"].asInt(), 2);
    }
    for (const Json::Value& bad : {Json::Value(4242), Json::Value("x"), Json::Value()}) {
        auto r = request(39);
        r["teamid"] = bad;
        const auto refused = a.game(r);
        EXPECT_EQ(refused["response"].asInt(), 0) << refused;
        EXPECT_EQ(refused["system"].asInt(), 39);
    }
}

TEST_F(TeamCommands, TheListPagesByScoreThenIdWithThePlayersOwnHeader) {
    std::vector<ContestPlayer> creators;
    for (int i = 0; i < 7; ++i) {
        creators.push_back(account());
        makeTeam(creators.back(), "T" + std::to_string(i), {});
    }
    auto storage = [this](const char* sql) { server->app().services().storage.exec(sql); };
    storage("UPDATE teams SET score = 50 WHERE name = 'T5'");
    storage("UPDATE teams SET score = 50 WHERE name = 'T6'");
    const auto first = list(creators[6]);
    ASSERT_EQ(first["response"].asInt(), 1) << first;
    EXPECT_EQ(first["count"].asInt(), 7);
    EXPECT_EQ(first["minteamer"].asInt(), 2);
    EXPECT_EQ(first["maxteamer"].asInt(), 5);
    ASSERT_EQ(first["teaminfo"].size(), 5u);
    EXPECT_EQ(first["teaminfo"][0]["teamname"].asString(), "T5");
    EXPECT_EQ(first["teaminfo"][1]["teamname"].asString(), "T6");
    EXPECT_EQ(first["teaminfo"][2]["teamname"].asString(), "T0");
    EXPECT_EQ(first["myteamname"].asString(), "T6");
    EXPECT_EQ(first["myscore"].asInt(), 50);
    EXPECT_EQ(first["mycreater"].asString(), creators[6].idText());
    EXPECT_EQ(list(creators[0], 1)["teaminfo"].size(), 2u);
    auto loner = account();
    const auto none = list(loner, -3);
    EXPECT_EQ(none["myteamid"].asInt(), 0);
    EXPECT_EQ(none["myteamname"].asString(), "");
    EXPECT_EQ(none["teaminfo"].size(), 5u) << "a negative page reads as the first";

    auto r = request(40);
    r["act"] = 1;
    r["page"] = 0;
    const auto ranked = creators[3].game(r);
    EXPECT_EQ(ranked["act"].asInt(), 1);
    EXPECT_EQ(ranked["myrank"].asInt(), 6) << "T5, T6, T0, T1, T2, then T3";
    EXPECT_EQ(ranked["teaminfo"][0]["teamname"].asString(), "T5");
    EXPECT_EQ(ranked["teaminfo"].size(), 7u);
    EXPECT_EQ(loner.game(r)["myrank"].asInt(), 0);
}

TEST_F(TeamCommands, OnlyTheCreatorDismissesKicksAndSignsUpAndNeverLeavesOtherwise) {
    auto a = account(), b = account(), c = account();
    const int team = makeTeam(a, "Bears", {&b, &c});
    EXPECT_EQ(dismiss(b, team)["response"].asInt(), 0);
    EXPECT_EQ(kick(b, c.id(), team)["response"].asInt(), 0);
    EXPECT_EQ(kick(a, a.id(), team)["response"].asInt(), 0) << "kicking oneself";
    EXPECT_EQ(kick(a, "not a number", team)["response"].asInt(), 0);
    auto outsider = account();
    EXPECT_EQ(kick(a, outsider.id(), team)["response"].asInt(), 0) << "not a member";
    EXPECT_EQ(quit(a, team)["response"].asInt(), 0) << "the creator dismisses instead";
    EXPECT_EQ(quit(outsider, team)["response"].asInt(), 0);
    EXPECT_EQ(quit(b, team)["response"].asInt(), 1);
    startMatch(600);
    EXPECT_EQ(signUp(c, team)["fail"].asInt(), 2) << "not the creator";
    const auto kicked = kick(a, c.id(), team);
    ASSERT_EQ(kicked["response"].asInt(), 1) << kicked;
    EXPECT_EQ(kicked["name"].asString(), "139****1002");
    EXPECT_EQ(this->team(a, team)["teammember"].size(), 1u);
    EXPECT_EQ(this->team(a, team)["teaminfo"]["creater"].asString(), a.idText());
}

TEST_F(TeamCommands, SignUpsKeepTheirWindowAndCodes) {
    auto a = account(), b = account(), c = account();
    const int team = makeTeam(a, "Foxes", {});
    const int match = startMatch(900); // round 0 at 12:15, sign-ups close at 12:10
    EXPECT_EQ(signUp(a, team)["fail"].asInt(), 2) << "one member is too few";
    ASSERT_EQ(join(b, team)["response"].asInt(), 1);
    EXPECT_EQ(signUp(a, team, match + 7)["fail"].asInt(), 1) << "not the current match";
    EXPECT_EQ(cancel(a, team)["fail"].asInt(), 2) << "not signed up";
    ASSERT_EQ(signUp(a, team)["response"].asInt(), 1);
    EXPECT_EQ(signUp(a, team)["fail"].asInt(), 2) << "signed up already";
    EXPECT_EQ(kick(a, b.id(), team)["response"].asInt(), 0) << "a signed-up team keeps its members";
    EXPECT_EQ(this->team(a, team)["teaminfo"]["teammatchstatus"].asInt(), 1);

    pass(10 * 60'000 + 1000); // 12:10:01
    EXPECT_EQ(cancel(a, team)["fail"].asInt(), 1);
    const int other = makeTeam(c, "Late", {});
    auto d = account();
    ASSERT_EQ(join(d, other)["response"].asInt(), 1);
    EXPECT_EQ(signUp(c, other)["fail"].asInt(), 1) << "closed five minutes before";
    pass(5 * 60'000);
    tickTeams();
    EXPECT_EQ(signUp(c, other)["fail"].asInt(), 3) << "started";
    EXPECT_EQ(cancel(a, team)["fail"].asInt(), 1);
    EXPECT_EQ(dismiss(a, team)["response"].asInt(), 0) << "playing";
    EXPECT_EQ(quit(b, team)["response"].asInt(), 0) << "playing";
}

TEST_F(TeamCommands, AShortNoticeMatchTakesSignUpsUntilItStarts) {
    auto a = account(), b = account();
    const int team = makeTeam(a, "Quick", {&b});
    startMatch(120);
    pass(100'000);
    EXPECT_EQ(signUp(a, team)["response"].asInt(), 1);
}

TEST_F(TeamCommands, RacingSignUpsOfOneTeamSignItUpOnce) {
    auto a = account(), b = account();
    const int team = makeTeam(a, "Racers", {&b});
    const int match = startMatch(900);
    std::vector<int> codes(4);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        threads.emplace_back([&, i] { codes[i] = signUp(a, team, match)["response"].asInt(); });
    }
    for (auto& t : threads) {
        t.join();
    }
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 1), 1);
}

TEST_F(TeamCommands, AMemberLeavingASignedUpTeamBelowTwoWithdrawsIt) {
    auto a = account(), b = account(), c = account();
    const int team = makeTeam(a, "Thin", {&b, &c});
    startMatch(900);
    ASSERT_EQ(signUp(a, team)["response"].asInt(), 1);
    ASSERT_EQ(quit(b, team)["response"].asInt(), 1);
    EXPECT_EQ(this->team(a, team)["teaminfo"]["teammatchstatus"].asInt(), 1) << "two left: still in";
    ASSERT_EQ(quit(c, team)["response"].asInt(), 1);
    EXPECT_EQ(this->team(a, team)["teaminfo"]["teammatchstatus"].asInt(), 0) << "withdrawn";
}

TEST_F(TeamCommands, GuestsAndWrongTypesAreRefusedWithoutHarm) {
    auto guest = this->guest("GUEST-2");
    for (int system : {36, 37, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 33}) {
        const auto refused = guest.game(request(system));
        EXPECT_EQ(refused["response"].asInt(), 0) << system << refused;
    }
    auto a = account();
    for (int system : {37, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 33}) {
        auto r = request(system);
        for (const char* member : {"teamid", "matchid", "userid", "qsid", "matchtype", "act", "page", "answer"}) {
            r[member] = Json::Value(Json::arrayValue);
        }
        const auto answer = a.game(r);
        EXPECT_TRUE(answer.isObject()) << system;
        EXPECT_NE(answer["response"], Json::Value(1)) << system << answer;
    }
}

} // namespace server::test
