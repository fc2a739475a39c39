// The live side of contests: who is in which hall, who searches, the challenges waiting for an
// answer, and the running contests with each player's clock per question. All of it sits in
// memory behind one lock; the database sees a contest only when it starts (counts, cost) and when
// it ends (result and pay, once).
//
// Every method takes the contest clock's time, so the rules run on a clock tests move by hand.
// tick() does what nobody asks for: time-outs, absent players, searches that give up, challenges
// that expire. The server calls it every second.
//
// Several game servers on one database share all of it instead (share()): the state is one row
// of live_state, and every call loads it (when another server changed it), works on it and
// stores it back under a lock the whole cluster honours. Two players on different servers meet
// in one contest, and a contest outlives the server that started it.
#pragma once

#include "cluster/ClusterLock.h"
#include "contests/ContestRules.h"
#include "contests/ContestStore.h"
#include "quiz/BankEntry.h"

#include <json/value.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace server {
struct ServerServices;
}

namespace server::contests {

class ContestService {
public:
    explicit ContestService(ServerServices& services);
    ~ContestService();

    // What a command answers; `refusal` (empty when all went well) is the log's reason.
    struct Reply {
        Json::Value answer{Json::objectValue};
        std::string refusal;
    };

    Json::Value schedule(std::int64_t now);
    // Command 27: 1 enter a hall, 2 leave it, 3 stop searching, 4 leave the running contest.
    Reply presence(int playerId, int act, int type, std::int64_t now);
    // Command 28: 0 ask for an opponent or challenge the king, 1 accept a challenge, 2 refuse it.
    // `challenger` is the id the challenge push named (acts 1 and 2).
    Reply pairing(int playerId, int act, int type, std::optional<int> challenger, std::int64_t now);
    // Command 30: the player's answer to the contest's current question. The verdict without the
    // player's totals (the command adds them once the lock is let go).
    Reply answer(int playerId, std::optional<int> qsid, const std::string& text, std::int64_t now);

    // A heartbeat just handed the player a question push: that player's clock for it starts now.
    void questionFetched(int playerId, const Json::Value& push, std::int64_t now);
    void tick(std::int64_t now);

    bool inContest(int playerId);
    std::size_t runningContests();

    // From now on the halls and contests live in the database's live_state (migrated already).
    void share(Storage& storage, std::string dbTarget);

private:
    // One player's go at one question.
    struct Turn {
        std::int64_t shownAt = 0; // when that player's heartbeat fetched it; 0: not yet
        bool done = false;        // answered or timed out
        bool answered = false;    // by the player, not by the clock
        bool right = false;
        int tenths = 0;           // time taken, tenths of a second
        std::string text;         // what counted ("-1" for a time-out)
    };
    struct Seat {
        int playerId = 0;
        std::string name;
        bool absent = false; // silent too long: every question left counts as a time-out
        Turn turns[kQuestions];
    };
    struct Contest {
        std::int64_t id = 0;
        int type = 0;
        Seat seats[2];
        std::vector<const quiz::BankEntry*> questions;
        int current = 0;
        std::int64_t pushedAt = 0; // the current question's push
        bool over = false;
    };
    struct Presence {
        int hall = 0;                // the hall's match type; 0 none
        std::int64_t searching = 0;  // since when the player searches alone; 0 not
        bool invited = false;        // this search was offered to an idle player already
        std::int64_t seenAt = 0;     // the last contest request
        std::int64_t contestId = 0;  // the running contest; 0 none
    };
    struct Challenge {
        int from = 0;
        int to = 0;
        int type = 0;
        std::int64_t at = 0;
    };
    // A finished contest whose pay is still to be written: the database is kept out of the lock.
    struct Settlement {
        std::int64_t contestId = 0;
        ContestStore::Outcome outcome[2];
        bool fled = false;
        int newKing = 0;
    };
    enum class Begin { Started, NoQuestions, NoneLeft, NoMoney };
    struct Begun {
        Begin result = Begin::NoQuestions;
        int refusedPlayer = 0;
    };

    Reply presenceLocked(int playerId, int act, int type, std::int64_t now);
    Reply pairingLocked(int playerId, int act, int type, std::optional<int> challenger, std::int64_t now);
    // A player back in a hall while still seated in a contest: that contest's screen is gone.
    void leftForHall(int playerId);
    Reply answerLocked(int playerId, std::optional<int> qsid, const std::string& text, std::int64_t now);
    // Pays the contests finish() ended; called with the lock let go.
    void settle();

    // Halls and pairing (ContestHalls.cpp).
    Reply ask(int playerId, int type, std::int64_t now);
    Reply askOpponent(int playerId, std::int64_t now, int prechecked);
    Reply challengeKing(int playerId, std::int64_t now, int prechecked, int king);
    Reply answerChallenge(int playerId, int act, int type, std::optional<int> challenger, std::int64_t now);
    int precheck(int playerId, int type, std::int64_t now); // 0, or the refusal's act (5, 7)
    void tickSearches(std::int64_t now);
    void stopSearch(Presence& presence, int playerId);
    std::int64_t lastSeen(int playerId, const Presence& presence) const;
    Presence& presenceOf(int playerId);

    // Contests (ContestPlay.cpp).
    Begun begin(int type, int first, bool firstCounted, int second, bool secondCounted, std::int64_t now);
    const std::vector<quiz::BankEntry>& questionPool();
    void pushQuestion(Contest& contest, std::int64_t now);
    void endTurn(Contest& contest, int seat, const std::string& text, bool right, int tenths, bool answered);
    void progress(Contest& contest, std::int64_t now);
    void finish(Contest& contest, int fled);
    void tickContests(std::int64_t now);
    Contest* contestOf(int playerId);

    // The shared state for the length of one call: locked and loaded on creation.
    class Sharing {
    public:
        explicit Sharing(ContestService& service);
        ~Sharing();
        Sharing(const Sharing&) = delete;
        Sharing& operator=(const Sharing&) = delete;
        // Pays what ended and stores what changed (or only pays, when nothing is shared).
        void finish();
        // Nothing was changed: the loaded state stays valid without a store.
        void unchanged() { m_finished = true; }

    private:
        ContestService& m_service;
        std::unique_lock<std::mutex> m_local; // this server's threads queue here first
        std::optional<cluster::ClusterLock> m_lock;
        bool m_finished = false;
    };
    struct Shared {
        Storage* storage = nullptr;
        std::string dbTarget;
        std::int64_t version = -1; // of the state in memory; -1: load it whatever is stored
        std::string text;          // as stored, to store only what changed
    };
    void loadShared();
    void storeShared();
    Json::Value snapshot() const;
    void restore(const Json::Value& state);

    ServerServices& m_services;
    ContestStore m_store;
    std::optional<Shared> m_shared;
    // Taken before the cluster lock, so the shared state in memory is only ever used by one of
    // this server's threads at a time (and they wait here rather than in the database).
    std::mutex m_shareMutex;
    mutable std::mutex m_mutex;
    std::mutex m_settleMutex; // taken before m_mutex, never while holding it
    std::unordered_map<int, Presence> m_presence;
    std::vector<Challenge> m_challenges;
    std::unordered_map<std::int64_t, std::unique_ptr<Contest>> m_contests;
    std::vector<Settlement> m_unsettled;
    std::vector<quiz::BankEntry> m_pool;
    std::mt19937 m_random;
};

} // namespace server::contests
