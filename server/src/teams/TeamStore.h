// What teams and team matches keep in the database. The live state of a match (which round is
// open, who is still in) is read from here on every step, so a second process that stores a
// match is seen by a running server at once.
#pragma once

#include "storage/Storage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace server::teams {

struct Team {
    int id = 0;
    std::string name;
    int creator = 0;
    int score = 0;
    bool dismissed = false;
    int number = 0; // members now
};

struct Match {
    std::int64_t id = 0;
    std::int64_t start = 0;       // round 0
    std::int64_t signUpClose = 0; // sign-ups and cancellations end here
    std::int64_t finished = 0;    // the final round's end; 0 while on
    bool scheduled = false;       // a session of the schedule, not an operator's
    bool started(std::int64_t now) const { return now >= start; }
    bool over() const { return finished != 0; }
};

struct Round {
    int number = 0;
    std::int64_t start = 0;
    std::int64_t deadline = 0;
    bool begun = false;
    std::int64_t ended = 0; // 0 while not ended
    bool running(std::int64_t now) const { return ended == 0 && now >= start; }
};

struct SignUp {
    int team = 0;
    int level = 0;
    bool eliminated = false;
};

class TeamStore {
public:
    explicit TeamStore(Storage& storage); // creates or migrates the tables

    Storage& storage() { return m_storage; }

    std::optional<Team> team(int id);
    std::optional<Team> teamNamed(const std::string& name); // live teams only
    std::optional<int> teamOf(int playerId);
    int memberCount(int teamId);
    // The creator first, then by join.
    std::vector<int> members(int teamId);
    bool blacklisted(int teamId, int playerId);

    // Matches: the earliest one whose entry has not moved on (kMoveOnMs after its end).
    std::optional<Match> currentMatch(std::int64_t now);
    std::optional<Match> match(std::int64_t id);
    std::optional<Match> scheduledAt(std::int64_t start);
    // Stores a match with its round 0 (questions chosen) in one transaction; the stored match
    // (for a scheduled session the one already there when another process was quicker).
    Match storeMatch(std::int64_t start, std::int64_t signUpClose, bool scheduled, std::int64_t now);
    std::optional<Round> latestRound(std::int64_t matchId);
    std::optional<Round> round(std::int64_t matchId, int number);
    std::vector<int> roundQuestions(std::int64_t matchId, int number);
    // Inside the caller's transaction: a round row and its questions.
    void addRound(std::int64_t matchId, int number, std::int64_t start);

    std::optional<SignUp> signUp(std::int64_t matchId, int teamId);
    std::vector<SignUp> signUps(std::int64_t matchId, bool stillIn);

    // Random text-choice questions, the kind contests ask (fewer when the bank holds fewer).
    static std::vector<int> pickQuestions(Storage& storage, int count);

private:
    Storage& m_storage;
};

} // namespace server::teams
