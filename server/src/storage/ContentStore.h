// The game's editorial content: notices, help texts, the prize table, events and walls. Seeded
// into the database from the JSON files of the data folder at first start (a kind whose file is
// missing or broken is logged and seeded later), then held in memory for the answers.
//
// Every item is stored with exactly the members its client record reads, each of the right
// type, whatever the data file held: a missing member becomes 0 or "".
#pragma once

#include <json/value.h>

#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace server {

class Storage;

class ContentStore {
public:
    // Kinds and the file (under the data folder) and member of that file that seed them.
    static constexpr std::string_view kRoll = "roll";       // notices.json "roll"
    static constexpr std::string_view kBoard = "board";     // notices.json "board"
    static constexpr std::string_view kExplain = "explain"; // explains.json
    static constexpr std::string_view kPrize = "prize";     // prizes.json
    static constexpr std::string_view kEvent = "event";     // events.json
    static constexpr std::string_view kWall = "wall";       // walls.json

    ContentStore(Storage& storage, const std::string& dataDir);

    // A JSON array of the kind's items in file order (empty array for an unknown kind).
    Json::Value items(std::string_view kind) const;
    // The event with this "id", or null.
    Json::Value event(int id) const;

    // Event sign-ups: false when the player had joined already.
    bool recordJoin(int playerId, int eventId);
    bool hasJoined(int playerId, int eventId);
    // A touched advertisement the client reports once.
    void recordAdReport(int playerId, int qsid, int gametype);

private:
    void seed(const std::string& dataDir);
    bool seedKind(std::string_view kind, const Json::Value& list);
    void load();

    Storage& m_storage;
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Json::Value> m_items;
};

} // namespace server
