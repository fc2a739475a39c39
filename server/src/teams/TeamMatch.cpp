// The round driver: rounds begin and end on the contest clock, teams go on or out, prizes are
// paid once, and the heartbeat status of every player in the match is set.
#include "teams/TeamService.h"

#include "app/Log.h"
#include "commands/PushQueue.h"
#include "commands/RequestContext.h"
#include "contests/ContestClock.h"
#include "contests/ContestRules.h"
#include "contests/ContestSchedule.h"
#include "storage/PlayerStore.h"
#include "teams/TeamRules.h"

#include <algorithm>
#include <map>

namespace server::teams {

namespace {

std::string matchText(const Match& match) { return "team match " + std::to_string(match.id); }

} // namespace

Match TeamService::current(std::int64_t now) {
    if (auto match = m_store.currentMatch(now)) {
        return *match;
    }
    // None on: the schedule's session (the running one, else the next), skipping a session whose
    // match has come and gone already.
    auto session = contests::ContestSchedule::session(contests::kTeams, now);
    for (int tries = 0; tries < 8 && m_store.scheduledAt(session.start); ++tries) {
        session = contests::ContestSchedule::session(contests::kTeams, session.end + 1000);
    }
    return m_store.storeMatch(session.start, session.start - kSignUpCloseMs, true, now);
}

TeamService::Reply TeamService::startMatch(std::int64_t seconds, std::int64_t now) {
    Reply reply;
    std::lock_guard lock(m_driveMutex);
    const Match running = current(now);
    if (running.started(now) && !running.over()) {
        reply.refusal = matchText(running) + " is running; start another once it is over";
        return reply;
    }
    const std::int64_t start = now + seconds * 1000;
    // A match called at short notice takes sign-ups until round 0 itself.
    const std::int64_t close = seconds * 1000 < kSignUpCloseMs ? start : start - kSignUpCloseMs;
    const Match match = m_store.storeMatch(start, close, false, now);
    Log::info("operator stored " + matchText(match) + ", round 0 at " + contests::ContestClock::stamp(start));
    reply.answer["matchid"] = static_cast<Json::Int64>(match.id);
    return reply;
}

void TeamService::fillScheduleEntry(Json::Value& entry, std::int64_t now) {
    advance(now);
    const Match match = current(now);
    const auto round = m_store.latestRound(match.id);
    entry["matchid"] = static_cast<Json::Int64>(match.id);
    entry["level"] = round ? round->number : 0;
    entry["starttime"] = contests::ContestClock::stamp(round ? round->start : match.start);
    entry["endtime"] = contests::ContestClock::stamp(round ? round->deadline : match.start + kRoundMs);
}

void TeamService::tick(std::int64_t now) {
    advance(now);
    publishStatuses(now);
}

void TeamService::refresh(std::int64_t now) {
    std::unique_lock lock(m_refreshMutex, std::try_to_lock);
    if (!lock.owns_lock()) {
        return;
    }
    if (now >= m_lastRefresh && now - m_lastRefresh < 1000) {
        return;
    }
    m_lastRefresh = now;
    // A heartbeat is answered whatever the match's tables say.
    try {
        tick(now);
    } catch (const std::exception& e) {
        Log::refusal("teams", std::string("status refresh failed: ") + e.what());
    }
}

void TeamService::advance(std::int64_t now) {
    std::lock_guard lock(m_driveMutex);
    // Each pass moves one step (a round begins or ends); a server that slept through a whole
    // match catches up in one call.
    for (int step = 0; step < 64; ++step) {
        const Match match = current(now);
        if (match.over()) {
            return;
        }
        const auto round = m_store.latestRound(match.id);
        if (!round) {
            return;
        }
        if (!round->begun && now >= round->start) {
            beginRound(match, *round, now);
            continue;
        }
        if (round->begun && round->ended == 0 && (now >= round->deadline || everyoneDone(match, *round, now))) {
            endRound(match, *round, now);
            continue;
        }
        return;
    }
}

void TeamService::beginRound(const Match& match, const Round& round, std::int64_t now) {
    auto& storage = m_store.storage();
    auto tx = storage.transaction();
    {
        auto q = storage.query("UPDATE team_rounds SET begun = 1 WHERE match_id = ?1 AND round_no = ?2 AND begun = 0");
        q->bindAll(match.id, round.number).run();
        if (q->changes() != 1) {
            return; // another thread or process began it
        }
    }
    if (round.number == 0) {
        for (const SignUp& entry : m_store.signUps(match.id, true)) {
            const int members = m_store.memberCount(entry.team);
            const auto team = m_store.team(entry.team);
            if (members < kMinMembers || !team || team->dismissed) {
                storage.query("DELETE FROM team_signups WHERE match_id = ?1 AND team = ?2")
                    ->bindAll(match.id, entry.team)
                    .run();
                Log::info("team " + std::to_string(entry.team) + " withdrawn from " + matchText(match) + ": " +
                          std::to_string(members) + " members at round 0");
            }
        }
    }
    const auto teams = m_store.signUps(match.id, true);
    if (teams.empty()) {
        storage.query("UPDATE team_matches SET finished = ?2 WHERE id = ?1")->bindAll(match.id, std::max<std::int64_t>(round.start, 1)).run();
        tx.commit();
        Log::info(matchText(match) + " ends at round " + std::to_string(round.number) + ": no team signed up");
        return;
    }
    for (const SignUp& entry : teams) {
        for (int player : m_store.members(entry.team)) {
            storage
                .query("INSERT INTO team_seats (match_id, round_no, team, player) VALUES (?1, ?2, ?3, ?4) ON "
                       "CONFLICT DO NOTHING")
                ->bindAll(match.id, round.number, entry.team, player)
                .run();
        }
    }
    tx.commit();
    Log::info(matchText(match) + " round " + std::to_string(round.number) + " begins with " +
              std::to_string(teams.size()) + " teams (" + std::to_string(now - round.start) + " ms late)");
}

bool TeamService::everyoneDone(const Match& match, const Round& round, std::int64_t now) {
    const auto questions = static_cast<std::int64_t>(m_store.roundQuestions(match.id, round.number).size());
    auto& storage = m_store.storage();
    std::int64_t seats = 0;
    {
        auto q = storage.query("SELECT COUNT(*) FROM team_seats WHERE match_id = ?1 AND round_no = ?2");
        q->bindAll(match.id, round.number);
        q->step();
        seats = q->columnInt(0);
    }
    auto q = storage.query("SELECT COUNT(*) FROM team_answers WHERE match_id = ?1 AND round_no = ?2 "
                           "AND (answered > 0 OR fetched + ?3 <= ?4)");
    q->bindAll(match.id, round.number, kAnswerMs + kGraceMs, now);
    q->step();
    return seats > 0 && q->columnInt(0) >= seats * questions;
}

bool TeamService::endRound(const Match& match, const Round& round, std::int64_t now) {
    const std::int64_t endAt = std::max(round.start, std::min(now, round.deadline));
    const int questions = static_cast<int>(m_store.roundQuestions(match.id, round.number).size());
    auto& storage = m_store.storage();
    auto tx = storage.transaction();
    {
        auto q = storage.query("UPDATE team_rounds SET ended = ?3 WHERE match_id = ?1 AND round_no = ?2 "
                               "AND begun = 1 AND ended = 0");
        q->bindAll(match.id, round.number, endAt).run();
        if (q->changes() != 1) {
            return false; // settled by another thread or process
        }
    }
    // Every seat's right answers and time; a question never answered costs its whole 40 s.
    struct SeatResult {
        int team = 0, player = 0, rights = 0, tenths = 0;
    };
    std::vector<SeatResult> seats;
    {
        auto q = storage.query(
            "SELECT s.team, s.player, "
            "(SELECT COUNT(*) FROM team_answers a WHERE a.match_id = s.match_id AND a.round_no = s.round_no "
            " AND a.player = s.player AND a.answered > 0 AND a.correct = 1), "
            "(SELECT COUNT(*) FROM team_answers a WHERE a.match_id = s.match_id AND a.round_no = s.round_no "
            " AND a.player = s.player AND a.answered > 0), "
            "(SELECT COALESCE(SUM(a.tenths), 0) FROM team_answers a WHERE a.match_id = s.match_id "
            " AND a.round_no = s.round_no AND a.player = s.player AND a.answered > 0) "
            "FROM team_seats s WHERE s.match_id = ?1 AND s.round_no = ?2");
        q->bindAll(match.id, round.number);
        while (q->step()) {
            const int answered = static_cast<int>(q->columnInt(3));
            seats.push_back({static_cast<int>(q->columnInt(0)), static_cast<int>(q->columnInt(1)),
                             static_cast<int>(q->columnInt(2)),
                             static_cast<int>(q->columnInt(4)) + std::max(0, questions - answered) *
                                                                     static_cast<int>(kAnswerMs / 100)});
        }
    }
    struct TeamResult {
        int team = 0, score = 0, tenths = 0;
    };
    std::map<int, TeamResult> byTeam;
    for (const SignUp& entry : m_store.signUps(match.id, true)) {
        byTeam[entry.team].team = entry.team;
    }
    for (const SeatResult& s : seats) {
        storage.query("UPDATE team_seats SET rights = ?4, wrongs = ?5, tenths = ?6, points = ?7 "
                      "WHERE match_id = ?1 AND round_no = ?2 AND player = ?3")
            ->bindAll(match.id, round.number, s.player, s.rights, questions - s.rights, s.tenths,
                      s.rights * kPointsPerRight)
            .run();
        TeamResult& t = byTeam[s.team];
        t.team = s.team;
        t.score += s.rights * kPointsPerRight;
        t.tenths += s.tenths;
    }
    std::vector<TeamResult> order;
    for (const auto& [id, result] : byTeam) {
        order.push_back(result);
    }
    std::sort(order.begin(), order.end(), [](const TeamResult& a, const TeamResult& b) {
        if (a.score != b.score) return a.score > b.score;
        if (a.tenths != b.tenths) return a.tenths < b.tenths;
        return a.team < b.team;
    });
    const std::size_t goOn = (order.size() + 1) / 2;
    const bool final = goOn <= 1;
    std::string summary;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const TeamResult& t = order[i];
        const bool survived = i < goOn;
        storage.query("INSERT INTO team_round_results (match_id, round_no, team, score, tenths, survived) "
                      "VALUES (?1, ?2, ?3, ?4, ?5, ?6)")
            ->bindAll(match.id, round.number, t.team, t.score, t.tenths, survived ? 1 : 0)
            .run();
        storage.query("UPDATE teams SET score = score + ?2 WHERE id = ?1")->bindAll(t.team, t.score).run();
        if (survived) {
            storage.query("UPDATE team_signups SET level = ?3 WHERE match_id = ?1 AND team = ?2")
                ->bindAll(match.id, t.team, round.number + 1)
                .run();
        } else {
            storage.query("UPDATE team_signups SET eliminated = 1 WHERE match_id = ?1 AND team = ?2")
                ->bindAll(match.id, t.team)
                .run();
        }
        summary += " team " + std::to_string(t.team) + " " + std::to_string(t.score) + (survived ? " on" : " out");
        // The place is settled for a team going out now, and for every team after the final.
        if (survived && !final) {
            continue;
        }
        const int place = survived ? kWinner : (final ? kRunnerUp : kPlayed);
        const auto [prizeType, prizeNum] = prizeOf(place);
        // Paid to whoever played in the match for this team: fetched at least one question.
        std::vector<int> players;
        {
            auto q = storage.query("SELECT DISTINCT s.player FROM team_seats s WHERE s.match_id = ?1 AND s.team = ?2 "
                                   "AND EXISTS (SELECT 1 FROM team_answers a WHERE a.match_id = s.match_id "
                                   "AND a.round_no = s.round_no AND a.player = s.player)");
            q->bindAll(match.id, t.team);
            while (q->step()) {
                players.push_back(static_cast<int>(q->columnInt(0)));
            }
        }
        for (int player : players) {
            auto q = storage.query(
                "INSERT INTO team_prizes (match_id, player, team, round_no, place, "
                "prizetype, prizenum) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7) ON CONFLICT DO NOTHING");
            q->bindAll(match.id, player, t.team, round.number, place, prizeType, prizeNum).run();
            if (q->changes() == 1 && prizeNum > 0) {
                m_services.players.addProgress(tx, player,
                                               prizeType == 1 ? PlayerProgress{0, prizeNum, 0}
                                                              : PlayerProgress{prizeNum, 0, 0});
            }
        }
    }
    if (final) {
        storage.query("UPDATE team_matches SET finished = ?2 WHERE id = ?1")->bindAll(match.id, endAt).run();
    } else {
        m_store.addRound(match.id, round.number + 1, endAt + kRoundGapMs);
    }
    tx.commit();
    Log::info(matchText(match) + " round " + std::to_string(round.number) + " ends:" + summary +
              (final ? "; the match is over" : ""));
    return true;
}

void TeamService::publishStatuses(std::int64_t now) {
    std::lock_guard lock(m_driveMutex); // m_statuses belongs to whoever drives
    std::unordered_map<int, int> statuses;
    const Match match = current(now);
    const auto round = m_store.latestRound(match.id);
    std::int64_t previousEnd = 0; // the end of the round before the latest
    if (round && round->number > 0) {
        if (const auto previous = m_store.round(match.id, round->number - 1)) {
            previousEnd = previous->ended;
        }
    }
    for (const SignUp& entry : m_store.signUps(match.id, false)) {
        int status = kNotIn;
        if (entry.eliminated || match.over()) {
            status = kOut;
        } else if (round && round->running(now)) {
            status = kPlaying;
        } else if (previousEnd != 0 && now < previousEnd + kSurvivedShowMs) {
            status = kOut;
        } else if (round && round->start - now <= kAnnounceMs) {
            status = kWaiting;
        }
        if (status == kNotIn) {
            continue;
        }
        for (int player : m_store.members(entry.team)) {
            statuses[player] = status;
        }
    }
    for (const auto& [player, status] : m_statuses) {
        if (statuses.count(player) == 0) {
            m_services.pushes.setTeamMatchStatus(player, kNotIn);
        }
    }
    for (const auto& [player, status] : statuses) {
        m_services.pushes.setTeamMatchStatus(player, status);
    }
    m_statuses = std::move(statuses);
}

} // namespace server::teams
