#include "teams/TeamTestSupport.h"

#include "storage/PlayerStore.h"

namespace server::test {

Json::Value TeamTest::request(int system) {
    Json::Value r(Json::objectValue);
    r["system"] = system;
    return r;
}

Json::Value TeamTest::create(const ContestPlayer& p, const Json::Value& name) {
    auto r = request(36);
    r["teamname"] = name;
    r["teaminfo"] = "";
    return p.game(r);
}

Json::Value TeamTest::join(const ContestPlayer& p, int teamId) {
    auto r = request(37);
    r["teamid"] = teamId;
    r["teamleader"] = "10001";
    return p.game(r);
}

Json::Value TeamTest::team(const ContestPlayer& p, int teamId) {
    auto r = request(39);
    r["teamid"] = teamId;
    return p.game(r);
}

Json::Value TeamTest::list(const ContestPlayer& p, int page) {
    auto r = request(40);
    r["act"] = 0;
    r["page"] = page;
    return p.game(r);
}

Json::Value TeamTest::dismiss(const ContestPlayer& p, int teamId) {
    auto r = request(41);
    r["teamid"] = teamId;
    r["teamcreater"] = p.idText();
    return p.game(r);
}

Json::Value TeamTest::kick(const ContestPlayer& p, const Json::Value& userId, int teamId) {
    auto r = request(45);
    r["userid"] = userId;
    r["teamid"] = teamId;
    r["teamcreater"] = p.idText();
    return p.game(r);
}

Json::Value TeamTest::quit(const ContestPlayer& p, int teamId) {
    auto r = request(44);
    r["teamid"] = teamId;
    return p.game(r);
}

Json::Value TeamTest::signUp(const ContestPlayer& p, int teamId, int match) {
    auto r = request(42);
    r["matchid"] = match == -1 ? matchId(p) : match;
    r["teamid"] = teamId;
    r["teamcreater"] = p.idText();
    return p.game(r);
}

Json::Value TeamTest::cancel(const ContestPlayer& p, int teamId, int match) {
    auto r = request(43);
    r["matchid"] = match == -1 ? matchId(p) : match;
    r["teamid"] = teamId;
    r["teamcreater"] = p.idText();
    return p.game(r);
}

Json::Value TeamTest::teamEntry(const ContestPlayer& p) {
    const auto schedule = p.game(request(26));
    for (const auto& e : schedule["matchact"]) {
        if (e["matchtype"].asInt() == 2) {
            return e;
        }
    }
    ADD_FAILURE() << "no type 2 entry in " << schedule;
    return Json::Value();
}

int TeamTest::makeTeam(ContestPlayer& creator, const std::string& name, std::vector<ContestPlayer*> others) {
    const auto made = create(creator, name);
    EXPECT_EQ(made["response"].asInt(), 1) << made;
    const int id = made["teamid"].asInt();
    for (ContestPlayer* p : others) {
        const auto joined = join(*p, id);
        EXPECT_EQ(joined["response"].asInt(), 1) << joined;
    }
    return id;
}

int TeamTest::startMatch(int seconds) {
    const auto stored = server->app().teams().startMatch(seconds, now.load());
    EXPECT_TRUE(stored.refusal.empty()) << stored.refusal;
    return stored.answer["matchid"].asInt();
}

void TeamTest::tickTeams() { server->app().teams().tick(now.load()); }

void TeamTest::passTeams(std::int64_t ms) {
    for (std::int64_t gone = 0; gone < ms; gone += 1000) {
        now += std::min<std::int64_t>(1000, ms - gone);
        tickTeams();
    }
}

Json::Value TeamTest::ids(const ContestPlayer& p, int type, int match) {
    auto r = request(48);
    r["matchtype"] = type;
    r["matchid"] = match;
    return p.game(r);
}

Json::Value TeamTest::fetch(const ContestPlayer& p, int type, int qsid) {
    auto r = request(46);
    r["qsid"] = qsid;
    r["date"] = "";
    r["matchtype"] = type;
    r["matchid"] = 0;
    return p.game(r);
}

Json::Value TeamTest::submit(const ContestPlayer& p, int type, int qsid, const std::string& text) {
    auto r = request(47);
    r["qsid"] = qsid;
    r["questid"] = qsid;
    r["answer"] = text;
    r["date"] = "";
    r["awardnum"] = 0;
    r["matchtype"] = type;
    r["matchid"] = 0;
    return p.game(r);
}

void TeamTest::playRound(const ContestPlayer& p, int match, int rights, std::int64_t thinkMs) {
    const auto list = ids(p, 2, match);
    ASSERT_EQ(list["response"].asInt(), 1) << list;
    int i = 0;
    for (const auto& qsid : list["idlist"]) {
        const auto q = fetch(p, 2, qsid.asInt());
        ASSERT_EQ(q["response"].asInt(), 1) << q;
        now += thinkMs;
        const bool right = i++ < rights;
        const auto v = submit(p, 2, qsid.asInt(), right ? rightOf(qsid.asInt()) : wrongOf(qsid.asInt()));
        EXPECT_EQ(v["response"].asString(), right ? "success" : "fail") << v;
    }
}

int TeamTest::statusOf(ContestPlayer& p) {
    tickTeams();
    p.drain();
    return p.beat()["teammatchstatus"].asInt();
}

} // namespace server::test
