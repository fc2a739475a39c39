// brindle-load's contest mode: registered players who enter the one-to-one hall, search for an
// opponent, play the pushed questions and heartbeat once a second each, as the client does in a
// contest (one connection per request). Players are added in steps; each step reports the
// heartbeat times it saw and how many players sat in live contests.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace server::load {

struct ContestPlan {
    int entryPort = 0;
    int gamePort = 0;
    int maxPlayers = 8000;
    int stepPlayers = 1000;
    std::chrono::seconds stepTime{10};
    double p99LimitMs = 20;
    int threads = 8;
    int serverPid = 0; // read its resident memory at each step's end; 0: not measured
    // Seconds a player thinks before answering a pushed question.
    double answerDelay = 8;
    std::string namePrefix = "19"; // user names are this plus digits, 11 in all
};

struct ContestStep {
    int players = 0;           // players heartbeating in this step
    int inContest = 0;         // of them, in a live contest at the step's end
    long long heartbeats = 0;  // answered in the step's measured window
    long long errors = 0;
    double perSecond = 0;
    double p50Ms = 0, p99Ms = 0;
    long rssKb = 0;
};

class ContestLoad {
public:
    // Runs the steps, printing one "step ..." line per step to out, and returns the last step
    // that held (p99 within the limit, heartbeats kept up); players 0 when none did.
    static ContestStep run(const ContestPlan& plan, std::FILE* out);
};

} // namespace server::load
