#include "exams/ExamService.h"

#include "app/Log.h"
#include "commands/RequestContext.h"
#include "contests/ContestClock.h"
#include "contests/ContestMessages.h"
#include "exams/ExamRules.h"
#include "quiz/AnswerJudge.h"
#include "quiz/QuestionView.h"
#include "quiz/QuizStore.h"
#include "storage/PlayerStore.h"
#include "teams/TeamStore.h"

#include <algorithm>

namespace server::exams {

using contests::ContestClock;

namespace {

ExamService::Reply refuse(std::string tip, std::string why) {
    ExamService::Reply reply;
    reply.answer["response"] = 0;
    reply.answer["tip"] = std::move(tip);
    reply.refusal = std::move(why);
    return reply;
}

} // namespace

ExamService::ExamService(ServerServices& services) : m_services(services), m_storage(services.storage) {
    m_storage.migrate("exams", {{1, R"(
        CREATE TABLE exam_questions (
            day INTEGER NOT NULL,
            pos INTEGER NOT NULL,
            qsid INTEGER NOT NULL,
            PRIMARY KEY (day, pos)
        );
        CREATE TABLE exam_answers (
            day INTEGER NOT NULL,
            player INTEGER NOT NULL,
            qsid INTEGER NOT NULL,
            fetched INTEGER NOT NULL,
            answered INTEGER NOT NULL DEFAULT 0,
            correct INTEGER NOT NULL DEFAULT 0,
            tenths INTEGER NOT NULL DEFAULT 0,
            PRIMARY KEY (day, player, qsid)
        );
        CREATE TABLE exam_results (
            day INTEGER NOT NULL,
            player INTEGER NOT NULL,
            rights INTEGER NOT NULL,
            wrongs INTEGER NOT NULL,
            tenths INTEGER NOT NULL,
            money INTEGER NOT NULL,
            finished INTEGER NOT NULL,
            PRIMARY KEY (day, player)
        );
        CREATE INDEX exam_results_player ON exam_results (player, finished);
    )"}});
}

int ExamService::examId(std::int64_t now) { return ContestClock::dayNumber(now); }

bool ExamService::isOpen(std::int64_t now) {
    return now >= ContestClock::atLocal(now, 0, kOpensAt) && now < ContestClock::atLocal(now, 0, kClosesAt);
}

void ExamService::fillScheduleEntry(Json::Value& entry, std::int64_t now) {
    entry["matchid"] = examId(now);
    entry["level"] = 0;
    entry["starttime"] = ContestClock::stamp(ContestClock::atLocal(now, 0, kOpensAt));
    entry["endtime"] = ContestClock::stamp(ContestClock::atLocal(now, 0, kClosesAt));
}

std::vector<int> ExamService::questionsOf(int day) {
    auto read = [this, day] {
        std::vector<int> ids;
        auto q = m_storage.query("SELECT qsid FROM exam_questions WHERE day = ?1 ORDER BY pos");
        q->bind(1, day);
        while (q->step()) {
            ids.push_back(static_cast<int>(q->columnInt(0)));
        }
        return ids;
    };
    if (auto ids = read(); !ids.empty()) {
        return ids;
    }
    // The first to ask picks the day's questions; the transaction keeps a racing second from
    // picking others.
    auto tx = m_storage.transaction();
    if (auto ids = read(); !ids.empty()) {
        return ids;
    }
    const auto picked = teams::TeamStore::pickQuestions(m_storage, kExamQuestions);
    for (std::size_t i = 0; i < picked.size(); ++i) {
        m_storage.query("INSERT INTO exam_questions (day, pos, qsid) VALUES (?1, ?2, ?3)")
            ->bindAll(day, static_cast<int>(i), picked[i])
            .run();
    }
    tx.commit();
    return picked;
}

bool ExamService::finished(int day, int playerId) {
    auto q = m_storage.query("SELECT 1 FROM exam_results WHERE day = ?1 AND player = ?2");
    q->bindAll(day, playerId);
    return q->step();
}

ExamService::Reply ExamService::questionIds(int playerId, Id matchId, std::int64_t now) {
    tick(now);
    const int day = examId(now);
    Reply reply;
    reply.answer["idlist"] = Json::Value(Json::arrayValue);
    auto no = [&reply](std::string tip, std::string why) {
        reply.answer["response"] = 0;
        reply.answer["tip"] = std::move(tip);
        reply.refusal = std::move(why);
        return reply;
    };
    if (!isOpen(now)) {
        return no("考试时间是每天10:00到22:00。", "the exam is closed");
    }
    if (!matchId || *matchId != day) {
        return no("这不是今天的考试。", "question ids of an exam other than today's " + std::to_string(day));
    }
    if (finished(day, playerId)) {
        return no("今天的考试你已经考过了。", "the player sat today's exam");
    }
    reply.answer["response"] = 1;
    for (int qsid : questionsOf(day)) {
        reply.answer["idlist"].append(qsid);
    }
    return reply;
}

ExamService::Reply ExamService::question(int playerId, Id qsid, std::int64_t now) {
    const int day = examId(now);
    if (!isOpen(now)) {
        return refuse("考试时间是每天10:00到22:00。", "the exam is closed");
    }
    if (finished(day, playerId)) {
        return refuse("今天的考试你已经考过了。", "the player sat today's exam");
    }
    const auto ids = questionsOf(day);
    if (!qsid || std::find(ids.begin(), ids.end(), *qsid) == ids.end()) {
        return refuse("这道题不在今天的考试里。", "a question outside today's exam");
    }
    const auto entry = quiz::QuizStore(m_storage).find(*qsid);
    if (!entry) {
        return refuse("题目不存在。", "question " + std::to_string(*qsid) + " is gone from the bank");
    }
    m_storage
        .query("INSERT INTO exam_answers (day, player, qsid, fetched) VALUES (?1, ?2, ?3, ?4) ON CONFLICT DO "
               "NOTHING")
        ->bindAll(day, playerId, *qsid, now)
        .run();
    Reply reply;
    reply.answer = quiz::QuestionView::withoutKey(*entry);
    reply.answer["response"] = 1;
    reply.answer["qsid"] = *qsid;
    return reply;
}

ExamService::Reply ExamService::answer(int playerId, Id qsid, const std::string& text, std::int64_t now) {
    const int day = examId(now);
    Reply reply;
    auto nostart = [&reply](std::string why) {
        reply.answer["response"] = "nostart";
        reply.answer["tip"] = "这道题不能再答了。";
        reply.refusal = std::move(why);
        return reply;
    };
    if (!qsid) {
        return nostart("\"qsid\" is not a number");
    }
    if (!isOpen(now) || finished(day, playerId)) {
        return nostart("no exam of the player's is on");
    }
    const auto entry = quiz::QuizStore(m_storage).find(*qsid);
    if (!entry) {
        return nostart("no question " + std::to_string(*qsid));
    }
    bool right = false;
    {
        auto tx = m_storage.transaction();
        std::int64_t fetched = 0;
        {
            auto q = m_storage.query("SELECT fetched FROM exam_answers WHERE day = ?1 AND player = ?2 AND qsid = ?3 "
                                     "AND answered = 0");
            q->bindAll(day, playerId, *qsid);
            if (!q->step()) {
                return nostart("exam question " + std::to_string(*qsid) + " not fetched or answered before");
            }
            fetched = q->columnInt(0);
        }
        const bool late = now > fetched + kAnswerMs + kGraceMs;
        right = !late && quiz::AnswerJudge::isRight(*entry, text);
        const std::int64_t tenths =
            late ? kAnswerMs / 100 : std::clamp<std::int64_t>((now - fetched) / 100, 0, kAnswerMs / 100);
        m_storage.query("UPDATE exam_answers SET answered = ?4, correct = ?5, tenths = ?6 WHERE day = ?1 "
                        "AND player = ?2 AND qsid = ?3 AND answered = 0")
            ->bindAll(day, playerId, *qsid, now, right ? 1 : 0, tenths)
            .run();
        // An exam answer is one of the player's answers: the play screen counts it in its header.
        m_storage.query("UPDATE players SET answercount = answercount + 1 WHERE id = ?1")->bindAll(playerId).run();
        tx.commit();
    }
    reply.answer["response"] = right ? "success" : "fail";
    reply.answer["qsid"] = *qsid;
    reply.answer["answer"] = text;
    reply.answer["addscore"] = right ? kPointsPerRight : 0;
    if (allDone(day, playerId, now)) {
        finish(day, playerId, now);
    }
    return reply;
}

ExamService::Reply ExamService::leave(int playerId, std::int64_t now) {
    Reply reply;
    reply.answer["response"] = 1;
    reply.answer["act"] = 4;
    const int day = examId(now);
    bool sitting = false;
    {
        auto q = m_storage.query("SELECT 1 FROM exam_answers WHERE day = ?1 AND player = ?2 LIMIT 1");
        q->bindAll(day, playerId);
        sitting = q->step();
    }
    if (sitting && finish(day, playerId, now)) {
        Log::info("player " + std::to_string(playerId) + " left exam " + std::to_string(day) + " early");
    }
    return reply;
}

bool ExamService::allDone(int day, int playerId, std::int64_t now) {
    const auto asked = static_cast<std::int64_t>(questionsOf(day).size());
    auto q = m_storage.query("SELECT COUNT(*) FROM exam_answers WHERE day = ?1 AND player = ?2 "
                             "AND (answered > 0 OR fetched + ?3 <= ?4)");
    q->bindAll(day, playerId, kAnswerMs + kGraceMs, now);
    q->step();
    return q->columnInt(0) >= asked;
}

bool ExamService::finish(int day, int playerId, std::int64_t now) {
    const int asked = static_cast<int>(questionsOf(day).size());
    auto tx = m_storage.transaction();
    int rights = 0;
    std::int64_t tenths = 0;
    {
        // A question fetched and never answered counts its whole 40 s; one never fetched, nothing.
        auto q = m_storage.query(
            "SELECT COALESCE(SUM(CASE WHEN answered > 0 AND correct = 1 THEN 1 ELSE 0 END), 0), "
            "COALESCE(SUM(CASE WHEN answered > 0 THEN tenths ELSE ?3 END), 0) "
            "FROM exam_answers WHERE day = ?1 AND player = ?2");
        q->bindAll(day, playerId, kAnswerMs / 100);
        q->step();
        rights = static_cast<int>(q->columnInt(0));
        tenths = q->columnInt(1);
    }
    const int money = rights * kMoneyPerRight;
    {
        auto q = m_storage.query("INSERT INTO exam_results (day, player, rights, wrongs, tenths, money, "
                                 "finished) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7) ON CONFLICT DO NOTHING");
        q->bindAll(day, playerId, rights, std::max(0, asked - rights), tenths, money, now).run();
        if (q->changes() != 1) {
            return false; // finished before: nothing paid twice
        }
    }
    if (money > 0) {
        m_services.players.addProgress(tx, playerId, PlayerProgress{0, money, 0});
    }
    tx.commit();
    Log::info("player " + std::to_string(playerId) + " finished exam " + std::to_string(day) + ": " +
              std::to_string(rights) + " right, paid " + std::to_string(money));
    return true;
}

void ExamService::tick(std::int64_t now) {
    struct Sitting {
        int day = 0, player = 0;
    };
    std::vector<Sitting> open;
    {
        // Only today's and yesterday's sittings can still be open: the sweeper closes every day's
        // at 22:00, so older days need no scan.
        auto q = m_storage.query("SELECT DISTINCT a.day, a.player FROM exam_answers a WHERE a.day >= ?1 AND NOT EXISTS "
                                 "(SELECT 1 FROM exam_results r WHERE r.day = a.day AND r.player = a.player)");
        q->bind(1, examId(now - 24 * 3600 * 1000LL));
        while (q->step()) {
            open.push_back({static_cast<int>(q->columnInt(0)), static_cast<int>(q->columnInt(1))});
        }
    }
    const int today = examId(now);
    for (const Sitting& s : open) {
        if (s.day != today || !isOpen(now) || allDone(s.day, s.player, now)) {
            finish(s.day, s.player, now);
        }
    }
}

Json::Value ExamService::latestResult(int playerId) {
    auto q = m_storage.query("SELECT rights, wrongs, tenths, money FROM exam_results WHERE player = ?1 "
                             "ORDER BY finished DESC, day DESC LIMIT 1");
    q->bind(1, playerId);
    if (!q->step()) {
        return Json::Value();
    }
    Json::Value item(Json::objectValue);
    item["type"] = 4;
    item["prizetype"] = 1;
    item["prizenum"] = static_cast<int>(q->columnInt(3));
    item["rightcount"] = static_cast<int>(q->columnInt(0));
    item["wrongcount"] = static_cast<int>(q->columnInt(1));
    item["score"] = static_cast<int>(q->columnInt(0)) * kPointsPerRight;
    item["teamscore"] = 0;
    item["times"] = static_cast<int>(q->columnInt(2) / 10);
    // The whole seconds above are what older readers take; the tenths match the rankings.
    item["usetime"] = static_cast<double>(q->columnInt(2)) / 10.0;
    return item;
}

Json::Value ExamService::ranking(int playerId) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    answer["rank"] = 0;
    answer["wixcount"] = 0;
    answer["wixtotal"] = 0;
    answer["userscore"] = 0;
    answer["usetime"] = 0;
    answer["ranklist"] = Json::Value(Json::arrayValue);
    struct Row {
        int player = 0, rights = 0;
        std::int64_t tenths = 0;
    };
    std::vector<Row> rows;
    {
        auto q = m_storage.query("SELECT player, rights, tenths FROM exam_results "
                                 "WHERE day = (SELECT MAX(day) FROM exam_results) ORDER BY rights DESC, tenths, player");
        while (q->step()) {
            rows.push_back({static_cast<int>(q->columnInt(0)), static_cast<int>(q->columnInt(1)), q->columnInt(2)});
        }
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        if (r.player == playerId) {
            answer["rank"] = static_cast<int>(i + 1);
            answer["wixcount"] = r.rights;
            answer["wixtotal"] = kExamQuestions;
            answer["userscore"] = r.rights * kPointsPerRight;
            answer["usetime"] = static_cast<double>(r.tenths) / 10.0;
        }
        if (i < 50) {
            const auto player = m_services.players.find(r.player);
            Json::Value e(Json::objectValue);
            e["rank"] = static_cast<int>(i + 1);
            e["name"] = player ? contests::ContestMessages::nameOf(*player) : std::to_string(r.player);
            e["wixcount"] = r.rights;
            e["wixtotal"] = kExamQuestions;
            e["userscore"] = r.rights * kPointsPerRight;
            e["usetime"] = static_cast<double>(r.tenths) / 10.0;
            answer["ranklist"].append(std::move(e));
        }
    }
    return answer;
}

} // namespace server::exams
