#include "teams/TeamStore.h"

#include "teams/TeamRules.h"

#include <algorithm>
#include <random>

namespace server::teams {

TeamStore::TeamStore(Storage& storage) : m_storage(storage) {
    m_storage.migrate("teams", {{1, R"(
        CREATE TABLE teams (
            id INTEGER PRIMARY KEY AUTOINCREMENT,
            name TEXT NOT NULL,
            creator INTEGER NOT NULL,
            score INTEGER NOT NULL DEFAULT 0,
            created INTEGER NOT NULL,
            dismissed INTEGER NOT NULL DEFAULT 0
        );
        CREATE UNIQUE INDEX teams_live_name ON teams (name) WHERE dismissed = 0;
        CREATE TABLE team_members (
            player INTEGER PRIMARY KEY,
            team INTEGER NOT NULL,
            joined INTEGER NOT NULL
        );
        CREATE INDEX team_members_team ON team_members (team);
        CREATE TABLE team_blacklist (
            team INTEGER NOT NULL,
            player INTEGER NOT NULL,
            PRIMARY KEY (team, player)
        );
        CREATE TABLE team_matches (
            id INTEGER PRIMARY KEY AUTOINCREMENT,
            start INTEGER NOT NULL,
            signup_close INTEGER NOT NULL,
            scheduled INTEGER NOT NULL,
            created INTEGER NOT NULL,
            finished INTEGER NOT NULL DEFAULT 0
        );
        CREATE UNIQUE INDEX team_matches_session ON team_matches (start) WHERE scheduled = 1;
        CREATE TABLE team_rounds (
            match_id INTEGER NOT NULL,
            round_no INTEGER NOT NULL,
            start INTEGER NOT NULL,
            deadline INTEGER NOT NULL,
            begun INTEGER NOT NULL DEFAULT 0,
            ended INTEGER NOT NULL DEFAULT 0,
            PRIMARY KEY (match_id, round_no)
        );
        CREATE TABLE team_round_questions (
            match_id INTEGER NOT NULL,
            round_no INTEGER NOT NULL,
            pos INTEGER NOT NULL,
            qsid INTEGER NOT NULL,
            PRIMARY KEY (match_id, round_no, pos)
        );
        CREATE TABLE team_signups (
            match_id INTEGER NOT NULL,
            team INTEGER NOT NULL,
            level INTEGER NOT NULL DEFAULT 0,
            eliminated INTEGER NOT NULL DEFAULT 0,
            signed INTEGER NOT NULL,
            PRIMARY KEY (match_id, team)
        );
        CREATE TABLE team_seats (
            match_id INTEGER NOT NULL,
            round_no INTEGER NOT NULL,
            team INTEGER NOT NULL,
            player INTEGER NOT NULL,
            rights INTEGER NOT NULL DEFAULT 0,
            wrongs INTEGER NOT NULL DEFAULT 0,
            tenths INTEGER NOT NULL DEFAULT 0,
            points INTEGER NOT NULL DEFAULT 0,
            PRIMARY KEY (match_id, round_no, player)
        );
        CREATE INDEX team_seats_player ON team_seats (player);
        CREATE TABLE team_answers (
            match_id INTEGER NOT NULL,
            round_no INTEGER NOT NULL,
            player INTEGER NOT NULL,
            qsid INTEGER NOT NULL,
            fetched INTEGER NOT NULL,
            answered INTEGER NOT NULL DEFAULT 0,
            correct INTEGER NOT NULL DEFAULT 0,
            tenths INTEGER NOT NULL DEFAULT 0,
            PRIMARY KEY (match_id, round_no, player, qsid)
        );
        CREATE TABLE team_round_results (
            match_id INTEGER NOT NULL,
            round_no INTEGER NOT NULL,
            team INTEGER NOT NULL,
            score INTEGER NOT NULL,
            tenths INTEGER NOT NULL,
            survived INTEGER NOT NULL,
            PRIMARY KEY (match_id, round_no, team)
        );
        CREATE TABLE team_prizes (
            match_id INTEGER NOT NULL,
            player INTEGER NOT NULL,
            team INTEGER NOT NULL,
            round_no INTEGER NOT NULL,
            place INTEGER NOT NULL,
            prizetype INTEGER NOT NULL,
            prizenum INTEGER NOT NULL,
            PRIMARY KEY (match_id, player)
        );
    )"}});
}

namespace {

Team readTeam(Statement& s) {
    Team t;
    t.id = static_cast<int>(s.columnInt(0));
    t.name = s.columnText(1);
    t.creator = static_cast<int>(s.columnInt(2));
    t.score = static_cast<int>(s.columnInt(3));
    t.dismissed = s.columnInt(4) != 0;
    t.number = static_cast<int>(s.columnInt(5));
    return t;
}

Match readMatch(Statement& s) {
    Match m;
    m.id = s.columnInt(0);
    m.start = s.columnInt(1);
    m.signUpClose = s.columnInt(2);
    m.finished = s.columnInt(3);
    m.scheduled = s.columnInt(4) != 0;
    return m;
}

Round readRound(Statement& s) {
    Round r;
    r.number = static_cast<int>(s.columnInt(0));
    r.start = s.columnInt(1);
    r.deadline = s.columnInt(2);
    r.begun = s.columnInt(3) != 0;
    r.ended = s.columnInt(4);
    return r;
}

} // namespace

std::optional<Team> TeamStore::team(int id) {
    auto q = m_storage.query("SELECT id, name, creator, score, dismissed, "
                             "(SELECT COUNT(*) FROM team_members m WHERE m.team = teams.id) FROM teams WHERE id = ?1");
    q->bind(1, id);
    if (!q->step()) {
        return std::nullopt;
    }
    return readTeam(*q);
}

std::optional<Team> TeamStore::teamNamed(const std::string& name) {
    auto q = m_storage.query("SELECT id, name, creator, score, dismissed, "
                             "(SELECT COUNT(*) FROM team_members m WHERE m.team = teams.id) FROM teams "
                             "WHERE name = ?1 AND dismissed = 0");
    q->bind(1, name);
    if (!q->step()) {
        return std::nullopt;
    }
    return readTeam(*q);
}

std::optional<int> TeamStore::teamOf(int playerId) {
    auto q = m_storage.query("SELECT team FROM team_members WHERE player = ?1");
    q->bind(1, playerId);
    if (!q->step()) {
        return std::nullopt;
    }
    return static_cast<int>(q->columnInt(0));
}

int TeamStore::memberCount(int teamId) {
    auto q = m_storage.query("SELECT COUNT(*) FROM team_members WHERE team = ?1");
    q->bind(1, teamId);
    return q->step() ? static_cast<int>(q->columnInt(0)) : 0;
}

std::vector<int> TeamStore::members(int teamId) {
    std::vector<int> ids;
    auto q = m_storage.query("SELECT m.player FROM team_members m JOIN teams t ON t.id = m.team WHERE m.team = ?1 "
                             "ORDER BY m.player != t.creator, m.joined, m.player");
    q->bind(1, teamId);
    while (q->step()) {
        ids.push_back(static_cast<int>(q->columnInt(0)));
    }
    return ids;
}

bool TeamStore::blacklisted(int teamId, int playerId) {
    auto q = m_storage.query("SELECT 1 FROM team_blacklist WHERE team = ?1 AND player = ?2");
    q->bindAll(teamId, playerId);
    return q->step();
}

std::optional<Match> TeamStore::currentMatch(std::int64_t now) {
    auto q = m_storage.query("SELECT id, start, signup_close, finished, scheduled FROM team_matches "
                             "WHERE finished = 0 OR finished + ?2 > ?1 ORDER BY start, id LIMIT 1");
    q->bindAll(now, kMoveOnMs);
    if (!q->step()) {
        return std::nullopt;
    }
    return readMatch(*q);
}

std::optional<Match> TeamStore::match(std::int64_t id) {
    auto q = m_storage.query("SELECT id, start, signup_close, finished, scheduled FROM team_matches WHERE id = ?1");
    q->bind(1, id);
    if (!q->step()) {
        return std::nullopt;
    }
    return readMatch(*q);
}

std::optional<Match> TeamStore::scheduledAt(std::int64_t start) {
    auto q = m_storage.query("SELECT id, start, signup_close, finished, scheduled FROM team_matches "
                             "WHERE start = ?1 AND scheduled = 1");
    q->bind(1, start);
    if (!q->step()) {
        return std::nullopt;
    }
    return readMatch(*q);
}

Match TeamStore::storeMatch(std::int64_t start, std::int64_t signUpClose, bool scheduled, std::int64_t now) {
    auto tx = m_storage.transaction();
    if (scheduled) {
        if (auto there = scheduledAt(start)) {
            return *there;
        }
    }
    std::int64_t id = 0;
    {
        auto q = m_storage.query("INSERT INTO team_matches (start, signup_close, scheduled, created) "
                                 "VALUES (?1, ?2, ?3, ?4) RETURNING id");
        q->bindAll(start, signUpClose, scheduled ? 1 : 0, now).step();
        id = q->columnInt(0);
    }
    addRound(id, 0, start);
    tx.commit();
    return *match(id);
}

void TeamStore::addRound(std::int64_t matchId, int number, std::int64_t start) {
    {
        auto q = m_storage.query("INSERT INTO team_rounds (match_id, round_no, start, deadline) VALUES (?1, ?2, ?3, ?4)");
        q->bindAll(matchId, number, start, start + kRoundMs).run();
    }
    const auto picked = pickQuestions(m_storage, kRoundQuestions);
    for (std::size_t i = 0; i < picked.size(); ++i) {
        auto q = m_storage.query("INSERT INTO team_round_questions (match_id, round_no, pos, qsid) "
                                 "VALUES (?1, ?2, ?3, ?4)");
        q->bindAll(matchId, number, static_cast<int>(i), picked[i]).run();
    }
}

std::optional<Round> TeamStore::latestRound(std::int64_t matchId) {
    auto q = m_storage.query("SELECT round_no, start, deadline, begun, ended FROM team_rounds WHERE match_id = ?1 "
                             "ORDER BY round_no DESC LIMIT 1");
    q->bind(1, matchId);
    if (!q->step()) {
        return std::nullopt;
    }
    return readRound(*q);
}

std::optional<Round> TeamStore::round(std::int64_t matchId, int number) {
    auto q = m_storage.query("SELECT round_no, start, deadline, begun, ended FROM team_rounds "
                             "WHERE match_id = ?1 AND round_no = ?2");
    q->bindAll(matchId, number);
    if (!q->step()) {
        return std::nullopt;
    }
    return readRound(*q);
}

std::vector<int> TeamStore::roundQuestions(std::int64_t matchId, int number) {
    std::vector<int> ids;
    auto q = m_storage.query("SELECT qsid FROM team_round_questions WHERE match_id = ?1 AND round_no = ?2 ORDER BY pos");
    q->bindAll(matchId, number);
    while (q->step()) {
        ids.push_back(static_cast<int>(q->columnInt(0)));
    }
    return ids;
}

std::optional<SignUp> TeamStore::signUp(std::int64_t matchId, int teamId) {
    auto q = m_storage.query("SELECT team, level, eliminated FROM team_signups WHERE match_id = ?1 AND team = ?2");
    q->bindAll(matchId, teamId);
    if (!q->step()) {
        return std::nullopt;
    }
    return SignUp{static_cast<int>(q->columnInt(0)), static_cast<int>(q->columnInt(1)), q->columnInt(2) != 0};
}

std::vector<SignUp> TeamStore::signUps(std::int64_t matchId, bool stillIn) {
    std::vector<SignUp> list;
    auto q = m_storage.query("SELECT team, level, eliminated FROM team_signups WHERE match_id = ?1 "
                             "AND (?2 = 0 OR eliminated = 0) ORDER BY team");
    q->bindAll(matchId, stillIn ? 1 : 0);
    while (q->step()) {
        list.push_back({static_cast<int>(q->columnInt(0)), static_cast<int>(q->columnInt(1)), q->columnInt(2) != 0});
    }
    return list;
}

std::vector<int> TeamStore::pickQuestions(Storage& storage, int count) {
    // The questions contests ask: text choices, whose screens need no key.
    std::vector<int> ids;
    {
        auto q = storage.query("SELECT qsid FROM quiz_questions WHERE gametype = 1 AND playtype BETWEEN 7 AND 11 "
                                 "ORDER BY qsid");
        while (q->step()) {
            ids.push_back(static_cast<int>(q->columnInt(0)));
        }
    }
    static thread_local std::mt19937 random{std::random_device{}()};
    std::shuffle(ids.begin(), ids.end(), random);
    if (ids.size() > static_cast<std::size_t>(count)) {
        ids.resize(static_cast<std::size_t>(count));
    }
    return ids;
}

} // namespace server::teams
