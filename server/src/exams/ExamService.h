// The daily exam: ten text-choice questions the same for everybody that day, each player sitting
// it once, 40 seconds a question from its fetch. Finishing (all answered or run out, the player
// leaving, or the day's window closing) stores the result and pays 2 carrots per right answer in
// one transaction, once.
#pragma once

#include "storage/Storage.h"

#include <json/value.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace server {
struct ServerServices;
}

namespace server::exams {

class ExamService {
public:
    explicit ExamService(ServerServices& services); // creates or migrates its tables

    struct Reply {
        Json::Value answer{Json::objectValue};
        std::string refusal;
    };
    using Id = std::optional<int>;

    static int examId(std::int64_t now); // yyyymmdd
    static bool isOpen(std::int64_t now);
    void fillScheduleEntry(Json::Value& entry, std::int64_t now);

    Reply questionIds(int playerId, Id matchId, std::int64_t now); // 48
    Reply question(int playerId, Id qsid, std::int64_t now);       // 46
    Reply answer(int playerId, Id qsid, const std::string& text, std::int64_t now); // 47
    Reply leave(int playerId, std::int64_t now);                   // 27 act 4

    // Finishes the sittings that ran out or whose window closed.
    void tick(std::int64_t now);

    // The player's last finished exam as a result item (command 49); null when none.
    Json::Value latestResult(int playerId);
    // The 33 ranking of the latest exam with results.
    Json::Value ranking(int playerId);

    bool finished(int day, int playerId);

private:
    std::vector<int> questionsOf(int day);
    bool allDone(int day, int playerId, std::int64_t now);
    // Result and pay; false when it was finished before.
    bool finish(int day, int playerId, std::int64_t now);

    ServerServices& m_services;
    Storage& m_storage;
};

} // namespace server::exams
