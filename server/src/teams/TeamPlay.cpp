// Playing a team round: the round's question ids, each question with its 40 seconds from the
// fetch, the answers, a player leaving, and the player's last result.
#include "teams/TeamService.h"

#include "app/Log.h"
#include "commands/RequestContext.h"
#include "quiz/AnswerJudge.h"
#include "quiz/QuestionView.h"
#include "quiz/QuizStore.h"
#include "teams/TeamRules.h"

#include <algorithm>

namespace server::teams {

namespace {

TeamService::Reply refuse(std::string tip, std::string why) {
    TeamService::Reply reply;
    reply.answer["response"] = 0;
    reply.answer["tip"] = std::move(tip);
    reply.refusal = std::move(why);
    return reply;
}

bool contains(const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

} // namespace

std::optional<TeamService::Seat> TeamService::seatOf(int playerId, std::int64_t now) {
    const Match match = current(now);
    const auto round = m_store.latestRound(match.id);
    if (!round || !round->begun || !round->running(now) || match.over()) {
        return std::nullopt;
    }
    auto q = m_store.storage().query("SELECT team FROM team_seats WHERE match_id = ?1 AND round_no = ?2 AND player = ?3");
    q->bindAll(match.id, round->number, playerId);
    if (!q->step()) {
        return std::nullopt;
    }
    return Seat{match, *round, static_cast<int>(q->columnInt(0))};
}

TeamService::Reply TeamService::questionIds(int playerId, Id matchId, std::int64_t now) {
    advance(now);
    const Match match = current(now);
    Reply reply;
    reply.answer["idlist"] = Json::Value(Json::arrayValue);
    auto no = [&reply](std::string why) {
        reply.answer["response"] = 0;
        reply.answer["tip"] = "现在没有你的比赛题目。";
        reply.refusal = std::move(why);
        return reply;
    };
    if (!matchId || *matchId != match.id) {
        return no("question ids of a match other than the current " + std::to_string(match.id));
    }
    const auto team = m_store.teamOf(playerId);
    const auto entry = team ? m_store.signUp(match.id, *team) : std::nullopt;
    if (!entry || entry->eliminated || match.over()) {
        return no("no team of the player's still in match " + std::to_string(match.id));
    }
    const auto round = m_store.latestRound(match.id);
    if (!round || round->ended != 0 || now < round->start - kListLeadMs) {
        return no("round not open yet");
    }
    reply.answer["response"] = 1;
    for (int qsid : m_store.roundQuestions(match.id, round->number)) {
        reply.answer["idlist"].append(qsid);
    }
    return reply;
}

TeamService::Reply TeamService::question(int playerId, Id qsid, std::int64_t now) {
    advance(now);
    const auto seat = seatOf(playerId, now);
    if (!seat) {
        return refuse("现在不能答题。", "no running round seats the player");
    }
    if (!qsid || !contains(m_store.roundQuestions(seat->match.id, seat->round.number), *qsid)) {
        return refuse("这道题不在本轮。", "a question outside the round");
    }
    const auto entry = quiz::QuizStore(m_store.storage()).find(*qsid);
    if (!entry) {
        return refuse("题目不存在。", "question " + std::to_string(*qsid) + " is gone from the bank");
    }
    // The first fetch starts the clock; fetching again does not give more time.
    m_store.storage()
        .query("INSERT INTO team_answers (match_id, round_no, player, qsid, fetched) VALUES (?1, ?2, ?3, ?4, "
               "?5) ON CONFLICT DO NOTHING")
        ->bindAll(seat->match.id, seat->round.number, playerId, *qsid, now)
        .run();
    Reply reply;
    reply.answer = quiz::QuestionView::withoutKey(*entry);
    reply.answer["response"] = 1;
    reply.answer["qsid"] = *qsid;
    return reply;
}

TeamService::Reply TeamService::answer(int playerId, Id qsid, const std::string& text, std::int64_t now) {
    advance(now);
    Reply reply;
    auto nostart = [&reply](std::string why) {
        reply.answer["response"] = "nostart";
        reply.answer["tip"] = "这道题不能再答了。";
        reply.refusal = std::move(why);
        return reply;
    };
    const auto seat = seatOf(playerId, now);
    if (!seat) {
        return nostart("an answer outside a running round of the player's");
    }
    if (!qsid) {
        return nostart("\"qsid\" is not a number");
    }
    const auto entry = quiz::QuizStore(m_store.storage()).find(*qsid);
    if (!entry) {
        return nostart("no question " + std::to_string(*qsid));
    }
    auto& storage = m_store.storage();
    bool right = false;
    {
        auto tx = storage.transaction();
        std::int64_t fetched = 0;
        {
            auto q = storage.query("SELECT fetched FROM team_answers WHERE match_id = ?1 AND round_no = ?2 "
                                   "AND player = ?3 AND qsid = ?4 AND answered = 0");
            q->bindAll(seat->match.id, seat->round.number, playerId, *qsid);
            if (!q->step()) {
                return nostart("question " + std::to_string(*qsid) + " not fetched or answered before");
            }
            fetched = q->columnInt(0);
        }
        const bool late = now > fetched + kAnswerMs + kGraceMs;
        right = !late && quiz::AnswerJudge::isRight(*entry, text);
        const std::int64_t tenths = std::clamp<std::int64_t>((now - fetched) / 100, 0, kAnswerMs / 100);
        storage.query("UPDATE team_answers SET answered = ?5, correct = ?6, tenths = ?7 WHERE match_id = ?1 "
                      "AND round_no = ?2 AND player = ?3 AND qsid = ?4 AND answered = 0")
            ->bindAll(seat->match.id, seat->round.number, playerId, *qsid, now, right ? 1 : 0, late ? kAnswerMs / 100 : tenths)
            .run();
        // A team answer is one of the player's answers: the play screen counts it in its header.
        storage.query("UPDATE players SET answercount = answercount + 1 WHERE id = ?1")->bindAll(playerId).run();
        tx.commit();
        if (late) {
            Log::info("player " + std::to_string(playerId) + " answered question " + std::to_string(*qsid) +
                      " after the time: counted wrong");
        }
    }
    reply.answer["response"] = right ? "success" : "fail";
    reply.answer["qsid"] = *qsid;
    reply.answer["answer"] = text;
    reply.answer["addscore"] = right ? kPointsPerRight : 0;
    advance(now); // the last answer of the round ends it at once
    return reply;
}

TeamService::Reply TeamService::leave(int playerId, std::int64_t now) {
    advance(now);
    Reply reply;
    reply.answer["response"] = 1;
    reply.answer["act"] = 4;
    const auto seat = seatOf(playerId, now);
    if (!seat) {
        return reply;
    }
    // Whatever he has not answered counts as run out, so the round need not wait for him.
    auto& storage = m_store.storage();
    {
        auto tx = storage.transaction();
        for (int qsid : m_store.roundQuestions(seat->match.id, seat->round.number)) {
            storage
                .query("INSERT INTO team_answers (match_id, round_no, player, qsid, fetched) "
                       "VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT DO NOTHING")
                ->bindAll(seat->match.id, seat->round.number, playerId, qsid, now)
                .run();
        }
        storage.query("UPDATE team_answers SET answered = ?4, correct = 0, tenths = ?5 WHERE match_id = ?1 "
                      "AND round_no = ?2 AND player = ?3 AND answered = 0")
            ->bindAll(seat->match.id, seat->round.number, playerId, now, kAnswerMs / 100)
            .run();
        tx.commit();
    }
    Log::info("player " + std::to_string(playerId) + " left round " + std::to_string(seat->round.number) +
              " of team match " + std::to_string(seat->match.id));
    advance(now);
    return reply;
}

Json::Value TeamService::latestResult(int playerId) {
    auto& storage = m_store.storage();
    auto q = storage.query(
        "SELECT s.match_id, s.round_no, s.rights, s.wrongs, s.points, s.tenths, rr.score, "
        "COALESCE(p.prizetype, 1), COALESCE(p.prizenum, 0) FROM team_seats s "
        "JOIN team_round_results rr ON rr.match_id = s.match_id AND rr.round_no = s.round_no AND rr.team = s.team "
        "JOIN team_rounds r ON r.match_id = s.match_id AND r.round_no = s.round_no "
        "LEFT JOIN team_prizes p ON p.match_id = s.match_id AND p.player = s.player AND p.round_no = s.round_no "
        "WHERE s.player = ?1 ORDER BY r.ended DESC, s.match_id DESC, s.round_no DESC LIMIT 1");
    q->bind(1, playerId);
    if (!q->step()) {
        return Json::Value();
    }
    Json::Value item(Json::objectValue);
    item["type"] = 2;
    item["prizetype"] = static_cast<int>(q->columnInt(7));
    item["prizenum"] = static_cast<int>(q->columnInt(8));
    item["rightcount"] = static_cast<int>(q->columnInt(2));
    item["wrongcount"] = static_cast<int>(q->columnInt(3));
    item["score"] = static_cast<int>(q->columnInt(4));
    item["teamscore"] = static_cast<int>(q->columnInt(6));
    item["times"] = static_cast<int>(q->columnInt(5) / 10);
    // The whole seconds above are what older readers take; the tenths match the rankings.
    item["usetime"] = static_cast<double>(q->columnInt(5)) / 10.0;
    return item;
}

} // namespace server::teams
