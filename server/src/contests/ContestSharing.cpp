// The halls and contests as one stored state, for several game servers on one database.
#include "contests/ContestService.h"

#include "app/Log.h"
#include "commands/JsonText.h"
#include "storage/Storage.h"

#include <algorithm>

namespace server::contests {

namespace {

constexpr const char* kStateName = "contests";

Json::Value int64(std::int64_t value) { return Json::Value(static_cast<Json::Int64>(value)); }

std::int64_t int64Of(const Json::Value& value) { return value.isIntegral() ? value.asInt64() : 0; }
int intOf(const Json::Value& value) { return value.isInt() ? value.asInt() : 0; }

} // namespace

void ContestService::share(Storage& storage, std::string dbTarget) {
    Shared shared;
    shared.storage = &storage;
    shared.dbTarget = std::move(dbTarget);
    m_shared = std::move(shared);
}

ContestService::Sharing::Sharing(ContestService& service) : m_service(service) {
    if (!m_service.m_shared) {
        return;
    }
    m_local = std::unique_lock(m_service.m_shareMutex);
    m_lock.emplace(*m_service.m_shared->storage, m_service.m_shared->dbTarget, kStateName);
    m_service.loadShared();
}

ContestService::Sharing::~Sharing() {
    if (m_service.m_shared && !m_finished) {
        // Cut short (an exception): what sits in memory may differ from what is stored, so the
        // next call loads the stored state whatever its version.
        m_service.m_shared->version = -1;
    }
}

void ContestService::Sharing::finish() {
    if (!m_service.m_shared) {
        m_service.settle();
        m_finished = true;
        return;
    }
    // Stored before paying: should this server die in between, the next one finds the results
    // still to pay, and paying twice is refused by the contest's row.
    m_service.storeShared();
    m_service.settle();
    m_service.storeShared();
    m_finished = true;
}

void ContestService::loadShared() {
    Shared& shared = *m_shared;
    std::int64_t version = 0;
    std::string text;
    bool stored = false;
    {
        // Let go of the statement before restore() takes the state's lock: a push under that lock
        // reaches the database the other way round.
        auto q = shared.storage->query(
            "SELECT version, CASE WHEN version = ?1 THEN '' ELSE body END FROM live_state WHERE name = ?2");
        q->bindAll(shared.version, kStateName);
        if (q->step()) {
            stored = true;
            version = q->columnInt(0);
            text = q->columnText(1);
        }
    }
    if (!stored) {
        // Nothing stored yet: the cluster's first call starts from empty halls.
        if (shared.version != 0) {
            restore(Json::Value(Json::objectValue));
            shared.version = 0;
            shared.text = JsonText::write(snapshot());
        }
        return;
    }
    if (version == shared.version) {
        return;
    }
    Json::Value state;
    std::string error;
    if (!JsonText::parse(text, state, error) || !state.isObject()) {
        // Only servers of this build write it; a broken row costs the running contests, not the
        // players' money (paid contests are in their own rows).
        Log::refusal("contests", "stored contest state unreadable (" + error + "); starting from empty halls");
        state = Json::Value(Json::objectValue);
    }
    restore(state);
    shared.version = version;
    shared.text = std::move(text);
}

void ContestService::storeShared() {
    Shared& shared = *m_shared;
    std::string text = JsonText::write(snapshot());
    if (text == shared.text) {
        return;
    }
    const std::int64_t version = shared.version + 1;
    auto q = shared.storage->query("INSERT INTO live_state (name, version, body) VALUES (?1, ?2, ?3) "
                                   "ON CONFLICT (name) DO UPDATE SET version = excluded.version, body = excluded.body");
    q->bindAll(kStateName, version, text).run();
    shared.version = version;
    shared.text = std::move(text);
}

Json::Value ContestService::snapshot() const {
    std::lock_guard lock(m_mutex);
    Json::Value state(Json::objectValue);
    Json::Value& presence = state["presence"] = Json::Value(Json::arrayValue);
    // In id order, so equal states are equal texts on every server.
    std::vector<int> players;
    for (const auto& entry : m_presence) {
        players.push_back(entry.first);
    }
    std::sort(players.begin(), players.end());
    for (const int player : players) {
        const Presence& p = m_presence.at(player);
        Json::Value row(Json::arrayValue);
        row.append(player);
        row.append(p.hall);
        row.append(int64(p.searching));
        row.append(p.invited ? 1 : 0);
        row.append(int64(p.seenAt));
        row.append(int64(p.contestId));
        presence.append(row);
    }
    Json::Value& challenges = state["challenges"] = Json::Value(Json::arrayValue);
    for (const Challenge& c : m_challenges) {
        Json::Value row(Json::arrayValue);
        row.append(c.from);
        row.append(c.to);
        row.append(c.type);
        row.append(int64(c.at));
        challenges.append(row);
    }
    Json::Value& contests = state["contests"] = Json::Value(Json::arrayValue);
    std::vector<std::int64_t> ids;
    for (const auto& entry : m_contests) {
        ids.push_back(entry.first);
    }
    std::sort(ids.begin(), ids.end());
    for (const std::int64_t id : ids) {
        const auto& contest = m_contests.at(id);
        Json::Value c(Json::objectValue);
        c["id"] = int64(contest->id);
        c["type"] = contest->type;
        c["current"] = contest->current;
        c["pushedAt"] = int64(contest->pushedAt);
        c["over"] = contest->over;
        Json::Value& questions = c["questions"] = Json::Value(Json::arrayValue);
        for (const quiz::BankEntry* entry : contest->questions) {
            questions.append(entry->qsid);
        }
        Json::Value& seats = c["seats"] = Json::Value(Json::arrayValue);
        for (const Seat& seat : contest->seats) {
            Json::Value s(Json::objectValue);
            s["player"] = seat.playerId;
            s["name"] = seat.name;
            s["absent"] = seat.absent;
            Json::Value& turns = s["turns"] = Json::Value(Json::arrayValue);
            for (const Turn& turn : seat.turns) {
                Json::Value t(Json::arrayValue);
                t.append(int64(turn.shownAt));
                t.append(turn.done ? 1 : 0);
                t.append(turn.answered ? 1 : 0);
                t.append(turn.right ? 1 : 0);
                t.append(turn.tenths);
                t.append(turn.text);
                turns.append(t);
            }
            seats.append(s);
        }
        contests.append(c);
    }
    Json::Value& unsettled = state["unsettled"] = Json::Value(Json::arrayValue);
    for (const Settlement& s : m_unsettled) {
        Json::Value row(Json::objectValue);
        row["id"] = int64(s.contestId);
        row["fled"] = s.fled;
        row["newKing"] = s.newKing;
        Json::Value& outcomes = row["outcomes"] = Json::Value(Json::arrayValue);
        for (const ContestStore::Outcome& o : s.outcome) {
            Json::Value out(Json::arrayValue);
            for (int value : {o.playerId, o.right, o.wrong, o.tenths, o.points, o.money, o.win}) {
                out.append(value);
            }
            outcomes.append(out);
        }
        unsettled.append(row);
    }
    return state;
}

void ContestService::restore(const Json::Value& state) {
    // The pool first: it reads the database, and the lock below is only for memory.
    const auto& pool = questionPool();
    auto findQuestion = [&pool](int qsid) -> const quiz::BankEntry* {
        for (const auto& entry : pool) {
            if (entry.qsid == qsid) {
                return &entry;
            }
        }
        return nullptr;
    };
    std::lock_guard lock(m_mutex);
    m_presence.clear();
    m_challenges.clear();
    m_contests.clear();
    m_unsettled.clear();
    for (const Json::Value& row : state["presence"]) {
        if (!row.isArray() || row.size() < 6) {
            continue;
        }
        Presence& p = m_presence[intOf(row[0])];
        p.hall = intOf(row[1]);
        p.searching = int64Of(row[2]);
        p.invited = intOf(row[3]) != 0;
        p.seenAt = int64Of(row[4]);
        p.contestId = int64Of(row[5]);
    }
    for (const Json::Value& row : state["challenges"]) {
        if (row.isArray() && row.size() >= 4) {
            m_challenges.push_back({intOf(row[0]), intOf(row[1]), intOf(row[2]), int64Of(row[3])});
        }
    }
    for (const Json::Value& c : state["contests"]) {
        auto contest = std::make_unique<Contest>();
        contest->id = int64Of(c["id"]);
        contest->type = intOf(c["type"]);
        contest->current = intOf(c["current"]);
        contest->pushedAt = int64Of(c["pushedAt"]);
        contest->over = c["over"].asBool();
        bool whole = c["questions"].size() == static_cast<Json::ArrayIndex>(kQuestions) &&
                     c["seats"].size() == 2 && contest->current >= 0 && contest->current < kQuestions;
        for (const Json::Value& qsid : c["questions"]) {
            const quiz::BankEntry* entry = findQuestion(intOf(qsid));
            whole = whole && entry != nullptr;
            contest->questions.push_back(entry);
        }
        for (Json::ArrayIndex s = 0; whole && s < 2; ++s) {
            const Json::Value& seatState = c["seats"][s];
            Seat& seat = contest->seats[s];
            seat.playerId = intOf(seatState["player"]);
            seat.name = seatState["name"].asString();
            seat.absent = seatState["absent"].asBool();
            const Json::Value& turns = seatState["turns"];
            whole = whole && turns.size() == static_cast<Json::ArrayIndex>(kQuestions);
            for (Json::ArrayIndex t = 0; whole && t < turns.size(); ++t) {
                const Json::Value& row = turns[t];
                Turn& turn = seat.turns[t];
                turn.shownAt = int64Of(row[0]);
                turn.done = intOf(row[1]) != 0;
                turn.answered = intOf(row[2]) != 0;
                turn.right = intOf(row[3]) != 0;
                turn.tenths = intOf(row[4]);
                turn.text = row[5].asString();
            }
        }
        if (!whole) {
            // A bank changed under a running contest: it cannot go on; its players' cost stays
            // with the contest's row like any contest left unfinished by a restart.
            Log::refusal("contests", "stored contest " + std::to_string(contest->id) + " dropped: its questions are gone");
            continue;
        }
        const std::int64_t id = contest->id;
        m_contests.emplace(id, std::move(contest));
    }
    for (const Json::Value& row : state["unsettled"]) {
        Settlement s;
        s.contestId = int64Of(row["id"]);
        s.fled = row["fled"].asBool();
        s.newKing = intOf(row["newKing"]);
        for (Json::ArrayIndex i = 0; i < 2 && i < row["outcomes"].size(); ++i) {
            const Json::Value& out = row["outcomes"][i];
            if (!out.isArray() || out.size() < 7) {
                continue;
            }
            ContestStore::Outcome& o = s.outcome[i];
            o.playerId = intOf(out[0]);
            o.right = intOf(out[1]);
            o.wrong = intOf(out[2]);
            o.tenths = intOf(out[3]);
            o.points = intOf(out[4]);
            o.money = intOf(out[5]);
            o.win = intOf(out[6]);
        }
        m_unsettled.push_back(s);
    }
}

} // namespace server::contests
