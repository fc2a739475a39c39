// Running contests: the start, the questions, each player's clock, the verdicts and the result.
#include "contests/ContestService.h"

#include "app/Log.h"
#include "commands/PushQueue.h"
#include "commands/RequestContext.h"
#include "contests/ContestClock.h"
#include "contests/ContestMessages.h"
#include "quiz/AnswerJudge.h"
#include "quiz/QuizStore.h"
#include "storage/PlayerStore.h"

#include <algorithm>

namespace server::contests {

namespace {

std::string ids(int a, int b) { return "players " + std::to_string(a) + " and " + std::to_string(b); }

} // namespace

const std::vector<quiz::BankEntry>& ContestService::questionPool() {
    // Loaded once, at the first contest: the pointers the contests hold stay valid from then on.
    if (m_pool.empty()) {
        quiz::QuizStore bank(m_services.storage);
        for (int qsid : m_store.choiceQuestionIds()) {
            if (auto entry = bank.find(qsid)) {
                m_pool.push_back(std::move(*entry));
            }
        }
    }
    return m_pool;
}

ContestService::Contest* ContestService::contestOf(int playerId) {
    auto p = m_presence.find(playerId);
    if (p == m_presence.end() || p->second.contestId == 0) {
        return nullptr;
    }
    auto c = m_contests.find(p->second.contestId);
    return c == m_contests.end() ? nullptr : c->second.get();
}

bool ContestService::inContest(int playerId) {
    Sharing sharing(*this);
    sharing.unchanged();
    std::lock_guard lock(m_mutex);
    auto p = m_presence.find(playerId);
    return p != m_presence.end() && p->second.contestId != 0;
}

std::size_t ContestService::runningContests() {
    Sharing sharing(*this);
    sharing.unchanged();
    std::lock_guard lock(m_mutex);
    return m_contests.size();
}

ContestService::Begun ContestService::begin(int type, int first, bool firstCounted, int second, bool secondCounted,
                                            std::int64_t now) {
    Begun begun;
    const auto& pool = questionPool();
    if (pool.size() < static_cast<std::size_t>(kQuestions)) {
        begun.result = Begin::NoQuestions;
        return begun;
    }
    const auto a = m_services.players.find(first);
    const auto b = m_services.players.find(second);
    if (!a || !b) {
        begun.result = Begin::NoneLeft;
        begun.refusedPlayer = a ? second : first;
        return begun;
    }
    const auto started =
        m_store.start({first, firstCounted}, {second, secondCounted}, type, ContestClock::dayNumber(now), now);
    if (started.result != ContestStore::Start::Started) {
        begun.result = started.result == ContestStore::Start::NoMoney ? Begin::NoMoney : Begin::NoneLeft;
        begun.refusedPlayer = started.refusedPlayer;
        return begun;
    }
    auto contest = std::make_unique<Contest>();
    contest->id = started.contestId;
    contest->type = type;
    contest->seats[0].playerId = first;
    contest->seats[0].name = ContestMessages::nameOf(*a);
    contest->seats[1].playerId = second;
    contest->seats[1].name = ContestMessages::nameOf(*b);
    std::vector<std::size_t> picks(pool.size());
    for (std::size_t i = 0; i < picks.size(); ++i) {
        picks[i] = i;
    }
    std::shuffle(picks.begin(), picks.end(), m_random);
    for (int i = 0; i < kQuestions; ++i) {
        contest->questions.push_back(&pool[picks[static_cast<std::size_t>(i)]]);
    }
    for (int player : {first, second}) {
        Presence& p = presenceOf(player);
        p.contestId = contest->id;
        p.searching = 0;
        p.seenAt = now; // the start counts as a sign of life
    }
    // Whatever else either of them offered or was offered is void now.
    std::erase_if(m_challenges, [&](const Challenge& c) {
        return c.from == first || c.to == first || c.from == second || c.to == second;
    });
    m_services.pushes.push(first, ContestMessages::begins(*b, m_store.winPercent(second), type, kQuestions));
    m_services.pushes.push(second, ContestMessages::begins(*a, m_store.winPercent(first), type, kQuestions));
    Log::info("contest " + std::to_string(contest->id) + " (type " + std::to_string(type) + ") begins: " +
              ids(first, second));
    Contest& running = *contest;
    m_contests.emplace(contest->id, std::move(contest));
    pushQuestion(running, now);
    progress(running, now);
    begun.result = Begin::Started;
    return begun;
}

void ContestService::pushQuestion(Contest& contest, std::int64_t now) {
    contest.pushedAt = now;
    const quiz::BankEntry& entry = *contest.questions[static_cast<std::size_t>(contest.current)];
    for (Seat& seat : contest.seats) {
        m_services.pushes.push(seat.playerId, ContestMessages::question(entry, !seat.absent));
    }
    for (int s = 0; s < 2; ++s) {
        if (contest.seats[s].absent) {
            endTurn(contest, s, std::string(quiz::AnswerJudge::kTimedOut), false, kAnswerMs / 100, false);
        }
    }
}

void ContestService::endTurn(Contest& contest, int s, const std::string& text, bool right, int tenths, bool answered) {
    Seat& seat = contest.seats[s];
    Seat& other = contest.seats[1 - s];
    Turn& turn = seat.turns[contest.current];
    turn.done = true;
    turn.answered = answered;
    turn.right = right;
    turn.tenths = tenths;
    turn.text = text;
    const Turn& theirs = other.turns[contest.current];
    if (!theirs.done) {
        if (answered) {
            m_services.pushes.push(seat.playerId, ContestMessages::answeredFirst());
        }
        return;
    }
    // Both are through with the question: each may now see what the other did.
    m_services.pushes.push(seat.playerId, ContestMessages::opponentVerdict(theirs.right, theirs.text));
    m_services.pushes.push(other.playerId, ContestMessages::opponentVerdict(turn.right, turn.text));
}

void ContestService::progress(Contest& contest, std::int64_t now) {
    while (!contest.over && contest.seats[0].turns[contest.current].done &&
           contest.seats[1].turns[contest.current].done) {
        if (contest.current + 1 >= kQuestions) {
            finish(contest, -1);
            return;
        }
        ++contest.current;
        pushQuestion(contest, now);
    }
}

ContestService::Reply ContestService::answer(int playerId, std::optional<int> qsid, const std::string& text,
                                             std::int64_t now) {
    Sharing sharing(*this);
    Reply reply = answerLocked(playerId, qsid, text, now);
    sharing.finish();
    return reply;
}

ContestService::Reply ContestService::answerLocked(int playerId, std::optional<int> qsid, const std::string& text,
                                                   std::int64_t now) {
    Reply reply;
    auto refuse = [&](const std::string& why) {
        reply.refusal = why;
        reply.answer["response"] = "nostart";
        reply.answer["tip"] = "比赛已经结束或尚未开始。";
        return reply;
    };
    std::lock_guard lock(m_mutex);
    Contest* contest = contestOf(playerId);
    if (contest == nullptr) {
        return refuse("not in a contest");
    }
    const int s = contest->seats[0].playerId == playerId ? 0 : 1;
    Seat& seat = contest->seats[s];
    const quiz::BankEntry& entry = *contest->questions[static_cast<std::size_t>(contest->current)];
    if (!qsid || *qsid != entry.qsid) {
        return refuse("question " + (qsid ? std::to_string(*qsid) : std::string("(none)")) +
                      " is not the contest's current one (" + std::to_string(entry.qsid) + ")");
    }
    Turn& turn = seat.turns[contest->current];
    if (turn.done) {
        return refuse(turn.answered ? "question answered already" : "question timed out already");
    }
    if (turn.shownAt == 0) {
        return refuse("the question has not reached the player yet");
    }
    presenceOf(playerId).seenAt = now;
    const std::int64_t took = now - turn.shownAt;
    const bool late = took > kAnswerMs + kGraceMs;
    const std::string counted = late ? std::string(quiz::AnswerJudge::kTimedOut) : text;
    const bool right = quiz::AnswerJudge::isRight(entry, counted);
    const int tenths = static_cast<int>(std::clamp<std::int64_t>(took / 100, 0, kAnswerMs / 100));
    reply.answer["response"] = right ? "success" : "fail";
    reply.answer["qsid"] = entry.qsid;
    reply.answer["answer"] = counted;
    reply.answer["addscore"] = right ? kPointsPerRight : 0;
    endTurn(*contest, s, counted, right, late ? static_cast<int>(kAnswerMs / 100) : tenths, true);
    progress(*contest, now);
    if (contest->over) {
        const std::int64_t id = contest->id;
        m_contests.erase(id);
    }
    if (late) {
        reply.refusal = "answered " + std::to_string(took) + " ms after the question arrived, counted as a time-out";
    }
    return reply;
}

void ContestService::questionFetched(int playerId, const Json::Value& push, std::int64_t now) {
    const int qsid = push["qsid"].isInt() ? push["qsid"].asInt() : 0;
    Sharing sharing(*this);
    {
        std::lock_guard lock(m_mutex);
        Contest* contest = contestOf(playerId);
        if (contest == nullptr || contest->questions[static_cast<std::size_t>(contest->current)]->qsid != qsid) {
            sharing.unchanged();
            return; // a question of a finished contest, or one already passed
        }
        Turn& turn = contest->seats[contest->seats[0].playerId == playerId ? 0 : 1].turns[contest->current];
        if (turn.shownAt == 0) {
            turn.shownAt = now;
        }
    }
    sharing.finish();
}

void ContestService::finish(Contest& contest, int fled) {
    contest.over = true;
    ContestStore::Outcome outcome[2];
    for (int s = 0; s < 2; ++s) {
        auto& o = outcome[s];
        o.playerId = contest.seats[s].playerId;
        for (const Turn& turn : contest.seats[s].turns) {
            if (turn.done) {
                o.right += turn.right ? 1 : 0;
                o.wrong += turn.right ? 0 : 1;
                o.tenths += turn.tenths;
            }
        }
        o.points = o.right * kPointsPerRight;
    }
    int winner = -1; // -1: a tie
    if (fled >= 0) {
        winner = 1 - fled;
    } else if (outcome[0].right != outcome[1].right) {
        winner = outcome[0].right > outcome[1].right ? 0 : 1;
    } else if (outcome[0].tenths != outcome[1].tenths) {
        winner = outcome[0].tenths < outcome[1].tenths ? 0 : 1;
    }
    for (int s = 0; s < 2; ++s) {
        outcome[s].win = winner < 0 ? 2 : (winner == s ? 1 : 0);
        outcome[s].money = winner < 0 ? kTieMoney : (winner == s ? kWinnerMoney : 0);
    }
    // A challenge's winner is the king from now on; a tie leaves the crown where it is.
    const int newKing = contest.type == kKing && winner >= 0 ? contest.seats[winner].playerId : 0;
    const Json::Value result = ContestMessages::result(contest.type, outcome[0], contest.seats[0].name, outcome[1],
                                                       contest.seats[1].name, fled >= 0);
    for (const Seat& seat : contest.seats) {
        m_services.pushes.push(seat.playerId, result);
        auto p = m_presence.find(seat.playerId);
        if (p != m_presence.end() && p->second.contestId == contest.id) {
            p->second.contestId = 0;
        }
    }
    m_unsettled.push_back({contest.id, {outcome[0], outcome[1]}, fled >= 0, newKing});
    Log::info("contest " + std::to_string(contest.id) + " ends: " + ids(outcome[0].playerId, outcome[1].playerId) +
              ", right " + std::to_string(outcome[0].right) + ":" + std::to_string(outcome[1].right) + ", " +
              (winner < 0 ? std::string("a tie")
                          : "won by " + std::to_string(contest.seats[winner].playerId) +
                                (fled >= 0 ? " (the other left)" : "")) +
              (newKing ? ", king " + std::to_string(newKing) : ""));
    // The caller may still hold the contest: it is erased by whoever finds it over.
}

void ContestService::settle() {
    // Held while paying, so whoever comes here after a finish (the request that ended a contest
    // included) finds it paid on leaving, even when another thread took the batch.
    std::lock_guard paying(m_settleMutex);
    std::vector<Settlement> batch;
    {
        std::lock_guard lock(m_mutex);
        batch.swap(m_unsettled);
    }
    for (const Settlement& s : batch) {
        try {
            if (!m_store.settle(s.contestId, s.outcome[0], s.outcome[1], s.fled, s.newKing)) {
                Log::refusal("contests", "contest " + std::to_string(s.contestId) + " was paid before; nothing paid again");
            }
        } catch (const std::exception& e) {
            Log::refusal("contests", "contest " + std::to_string(s.contestId) + " not paid: " + e.what());
        }
    }
}

void ContestService::tickContests(std::int64_t now) {
    for (auto& [id, owned] : m_contests) {
        Contest& contest = *owned;
        for (int s = 0; s < 2 && !contest.over; ++s) {
            Seat& seat = contest.seats[s];
            if (!seat.absent && now - lastSeen(seat.playerId, presenceOf(seat.playerId)) > kAbsentMs) {
                seat.absent = true;
                Log::refusal("contests", "player " + std::to_string(seat.playerId) + " gone from contest " +
                                             std::to_string(contest.id) + ": questions left count as time-outs");
            }
            const Turn& turn = seat.turns[contest.current];
            // Until the question reaches the player, the clock starts once the place would be lost.
            const std::int64_t shown = turn.shownAt != 0 ? turn.shownAt : contest.pushedAt + kAbsentMs;
            if (!turn.done && (seat.absent || now > shown + kAnswerMs + kGraceMs)) {
                endTurn(contest, s, std::string(quiz::AnswerJudge::kTimedOut), false, kAnswerMs / 100, false);
            }
        }
        progress(contest, now);
    }
    std::erase_if(m_contests, [](const auto& entry) { return entry.second->over; });
}

} // namespace server::contests
