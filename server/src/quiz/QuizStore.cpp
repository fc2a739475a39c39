#include "quiz/QuizStore.h"

#include "storage/Storage.h"

#include <json/reader.h>
#include <json/writer.h>

#include <memory>

namespace server::quiz {

QuizStore::QuizStore(Storage& storage) : m_storage(storage)
{
    m_storage.migrate("quiz", {{1, R"(
        CREATE TABLE quiz_questions (
            qsid INTEGER PRIMARY KEY,
            gametype INTEGER NOT NULL,
            playtype INTEGER NOT NULL,
            body TEXT NOT NULL,
            source TEXT NOT NULL DEFAULT ''
        );
        CREATE TABLE quiz_daily (
            player INTEGER NOT NULL,
            day INTEGER NOT NULL,
            qsid INTEGER NOT NULL,
            answered INTEGER NOT NULL DEFAULT 0,
            "right" INTEGER NOT NULL DEFAULT 0,
            PRIMARY KEY (player, day, qsid)
        );
    )"},
                               {2, R"(
        ALTER TABLE quiz_daily ADD COLUMN paid_score INTEGER NOT NULL DEFAULT 0;
        ALTER TABLE quiz_daily ADD COLUMN paid_money INTEGER NOT NULL DEFAULT 0;
        CREATE TABLE quiz_scratch_awards (
            player INTEGER NOT NULL,
            qsid INTEGER NOT NULL,
            day INTEGER NOT NULL,
            awardtype INTEGER NOT NULL,
            awardnum INTEGER NOT NULL,
            PRIMARY KEY (player, qsid)
        );
    )"},
                               {3, R"(
        CREATE INDEX quiz_daily_day ON quiz_daily (day, player);
    )"}});
}

int QuizStore::questionCount()
{
    auto q = m_storage.query("SELECT COUNT(*) FROM quiz_questions");
    return q->step() ? static_cast<int>(q->columnInt(0)) : 0;
}

void QuizStore::storeQuestions(const std::vector<BankEntry>& entries)
{
    Json::StreamWriterBuilder writer;
    writer["indentation"] = "";
    writer["emitUTF8"] = true;
    auto tx = m_storage.transaction();
    for (const auto& e : entries) {
        auto q = m_storage.query("INSERT INTO quiz_questions (qsid, gametype, playtype, body, source) "
                                 "VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT (qsid) DO UPDATE SET "
                                 "gametype = excluded.gametype, playtype = excluded.playtype, "
                                 "body = excluded.body, source = excluded.source");
        q->bindAll(e.qsid, e.gameType, e.playType, Json::writeString(writer, e.body),
                   e.file + ":" + std::to_string(e.line))
            .run();
    }
    tx.commit();
}

std::vector<int> QuizStore::questionIds()
{
    std::vector<int> ids;
    auto q = m_storage.query("SELECT qsid FROM quiz_questions ORDER BY qsid");
    while (q->step())
        ids.push_back(static_cast<int>(q->columnInt(0)));
    return ids;
}

std::optional<BankEntry> QuizStore::find(int qsid)
{
    std::string body;
    BankEntry entry;
    {
        auto q = m_storage.query("SELECT gametype, playtype, body, source FROM quiz_questions WHERE qsid = ?1");
        q->bind(1, qsid);
        if (!q->step())
            return std::nullopt;
        entry.gameType = static_cast<int>(q->columnInt(0));
        entry.playType = static_cast<int>(q->columnInt(1));
        body = q->columnText(2);
        entry.file = q->columnText(3);
    }
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string error;
    if (!reader->parse(body.data(), body.data() + body.size(), &entry.body, &error))
        return std::nullopt; // only a hand-edited database gets here; the question is then skipped
    entry.qsid = qsid;
    entry.right = entry.body["right"].asString();
    return entry;
}

std::set<int> QuizStore::answeredOn(int playerId, int day)
{
    std::set<int> ids;
    auto q = m_storage.query("SELECT qsid FROM quiz_daily WHERE player = ?1 AND day = ?2 AND answered = 1");
    q->bindAll(playerId, day);
    while (q->step())
        ids.insert(static_cast<int>(q->columnInt(0)));
    return ids;
}

void QuizStore::markAsked(int playerId, int day, int qsid)
{
    auto q = m_storage.query(
        "INSERT INTO quiz_daily (player, day, qsid) VALUES (?1, ?2, ?3) ON CONFLICT DO NOTHING");
    q->bindAll(playerId, day, qsid).run();
}

QuizStore::Claim QuizStore::claimAnswer(Storage::Transaction&, int playerId, int day, int qsid, bool right)
{
    {
        auto q = m_storage.query("UPDATE quiz_daily SET answered = 1, \"right\" = ?4 "
                                 "WHERE player = ?1 AND day = ?2 AND qsid = ?3 AND answered = 0");
        q->bindAll(playerId, day, qsid, right ? 1 : 0).run();
        if (q->changes() == 1)
            return Claim::Claimed;
    }
    auto q = m_storage.query("SELECT answered FROM quiz_daily WHERE player = ?1 AND day = ?2 AND qsid = ?3");
    q->bindAll(playerId, day, qsid);
    return q->step() ? Claim::AlreadyAnswered : Claim::NotAsked;
}

void QuizStore::recordPayment(Storage::Transaction&, int playerId, int day, int qsid, int score, int money)
{
    auto q = m_storage.query("UPDATE quiz_daily SET paid_score = ?4, paid_money = ?5 "
                             "WHERE player = ?1 AND day = ?2 AND qsid = ?3");
    q->bindAll(playerId, day, qsid, score, money).run();
}

bool QuizStore::claimScratchAward(Storage::Transaction&, int playerId, int qsid, int day, int awardType, int awardNum)
{
    auto q = m_storage.query("INSERT INTO quiz_scratch_awards (player, qsid, day, awardtype, awardnum) "
                             "VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT DO NOTHING");
    q->bindAll(playerId, qsid, day, awardType, awardNum).run();
    return q->changes() == 1;
}

} // namespace server::quiz
