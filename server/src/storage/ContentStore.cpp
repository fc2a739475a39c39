#include "storage/ContentStore.h"

#include "app/Log.h"
#include "commands/JsonText.h"
#include "storage/Storage.h"

#include <ctime>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace server {

namespace {

enum class Type { Int, Text };
using Members = std::vector<std::pair<const char*, Type>>;

const Members& membersOf(std::string_view kind) {
    static const Members notice = {{"hourmin", Type::Int}, {"message", Type::Text}};
    static const Members explain = {{"uiid", Type::Int}, {"explain", Type::Text}};
    static const Members prize = {{"prizetype", Type::Int}, {"prizenum", Type::Int}, {"rightcount", Type::Int},
                                  {"wrongcount", Type::Int}, {"score", Type::Int},    {"teamscore", Type::Int},
                                  {"times", Type::Int},      {"type", Type::Int}};
    static const Members event = {{"id", Type::Int},        {"date", Type::Int},      {"enddate", Type::Int},
                                  {"click", Type::Int},     {"needmoney", Type::Int}, {"title", Type::Text},
                                  {"desc", Type::Text},     {"url", Type::Text}};
    static const Members wall = {{"index", Type::Int}, {"sdkplattype", Type::Int}};
    static const Members none;
    if (kind == ContentStore::kRoll || kind == ContentStore::kBoard) {
        return notice;
    }
    if (kind == ContentStore::kExplain) {
        return explain;
    }
    if (kind == ContentStore::kPrize) {
        return prize;
    }
    if (kind == ContentStore::kEvent) {
        return event;
    }
    if (kind == ContentStore::kWall) {
        return wall;
    }
    return none;
}

Json::Value normalise(std::string_view kind, const Json::Value& item) {
    Json::Value out(Json::objectValue);
    for (const auto& [name, type] : membersOf(kind)) {
        const Json::Value& v = item.isObject() ? item[name] : Json::Value::nullSingleton();
        if (type == Type::Int) {
            out[name] = v.isNumeric() ? static_cast<Json::Int>(v.asDouble()) : 0;
        } else {
            out[name] = v.isString() ? v.asString() : std::string();
        }
    }
    return out;
}

bool readJsonFile(const std::string& path, Json::Value& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Log::info("content: cannot read " + path);
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string error;
    if (!JsonText::parse(text.str(), out, error)) {
        Log::info("content: " + path + " is not valid JSON: " + error);
        return false;
    }
    return true;
}

} // namespace

ContentStore::ContentStore(Storage& storage, const std::string& dataDir) : m_storage(storage) {
    m_storage.migrate("content", {{1, R"(
        CREATE TABLE content_items (kind TEXT NOT NULL, position INTEGER NOT NULL, body TEXT NOT NULL,
                                    PRIMARY KEY (kind, position));
        CREATE TABLE content_seeded (kind TEXT PRIMARY KEY);
        CREATE TABLE event_joins (player INTEGER NOT NULL, event INTEGER NOT NULL, joined INTEGER NOT NULL,
                                  PRIMARY KEY (player, event));
        CREATE TABLE ad_reports (player INTEGER NOT NULL, qsid INTEGER NOT NULL, gametype INTEGER NOT NULL,
                                 reported INTEGER NOT NULL);
    )"}});
    seed(dataDir);
    load();
}

void ContentStore::seed(const std::string& dataDir) {
    struct Source {
        std::string_view kind;
        const char* file;
        const char* member; // nullptr: the file is the list itself
    };
    const Source sources[] = {{kRoll, "notices.json", "roll"}, {kBoard, "notices.json", "board"},
                              {kExplain, "explains.json", nullptr}, {kPrize, "prizes.json", nullptr},
                              {kEvent, "events.json", nullptr},     {kWall, "walls.json", nullptr}};
    for (const auto& source : sources) {
        {
            auto q = m_storage.query("SELECT 1 FROM content_seeded WHERE kind = ?1");
            q->bind(1, source.kind);
            if (q->step()) {
                continue; // seeded once; later edits belong to the database
            }
        }
        Json::Value file;
        if (dataDir.empty() || !readJsonFile(dataDir + "/" + source.file, file)) {
            continue;
        }
        const Json::Value& list = source.member != nullptr ? file[source.member] : file;
        if (!list.isArray()) {
            Log::info(std::string("content: ") + source.file + " holds no list for " + std::string(source.kind));
            continue;
        }
        seedKind(source.kind, list);
    }
}

bool ContentStore::seedKind(std::string_view kind, const Json::Value& list) {
    auto tx = m_storage.transaction();
    int position = 0;
    for (const auto& item : list) {
        if (!item.isObject()) {
            Log::info("content: skipped an item of " + std::string(kind) + " that is not an object");
            continue;
        }
        auto q = m_storage.query("INSERT INTO content_items (kind, position, body) VALUES (?1, ?2, ?3)");
        q->bindAll(kind, position++, JsonText::write(normalise(kind, item))).run();
    }
    m_storage.query("INSERT INTO content_seeded (kind) VALUES (?1)")->bind(1, kind).run();
    tx.commit();
    Log::info("content: seeded " + std::to_string(position) + " items of " + std::string(kind));
    return true;
}

void ContentStore::load() {
    // Read without holding our own lock: a reader may ask for items while it holds the database
    // (a team round paying its prizes), and the two locks must never be taken the other way round.
    decltype(m_items) loaded;
    auto q = m_storage.query("SELECT kind, body FROM content_items ORDER BY kind, position");
    while (q->step()) {
        const std::string kind = q->columnText(0);
        Json::Value item;
        std::string error;
        if (!JsonText::parse(q->columnText(1), item, error)) {
            Log::info("content: a stored item of " + kind + " is broken, skipped");
            continue;
        }
        auto [it, added] = loaded.try_emplace(kind, Json::arrayValue);
        it->second.append(normalise(kind, item));
    }
    std::lock_guard lock(m_mutex);
    m_items = std::move(loaded);
}

Json::Value ContentStore::items(std::string_view kind) const {
    std::lock_guard lock(m_mutex);
    auto it = m_items.find(std::string(kind));
    return it == m_items.end() ? Json::Value(Json::arrayValue) : it->second;
}

Json::Value ContentStore::event(int id) const {
    std::lock_guard lock(m_mutex);
    auto it = m_items.find(std::string(kEvent));
    if (it != m_items.end()) {
        for (const auto& item : it->second) {
            if (item["id"].asInt() == id) {
                return item;
            }
        }
    }
    return Json::Value();
}

bool ContentStore::recordJoin(int playerId, int eventId) {
    auto q = m_storage.query(
        "INSERT INTO event_joins (player, event, joined) VALUES (?1, ?2, ?3) ON CONFLICT DO NOTHING");
    q->bindAll(playerId, eventId, static_cast<std::int64_t>(std::time(nullptr))).run();
    return q->changes() > 0;
}

bool ContentStore::hasJoined(int playerId, int eventId) {
    auto q = m_storage.query("SELECT 1 FROM event_joins WHERE player = ?1 AND event = ?2");
    q->bindAll(playerId, eventId);
    return q->step();
}

void ContentStore::recordAdReport(int playerId, int qsid, int gametype) {
    auto q = m_storage.query("INSERT INTO ad_reports (player, qsid, gametype, reported) VALUES (?1, ?2, ?3, ?4)");
    q->bindAll(playerId, qsid, gametype, static_cast<std::int64_t>(std::time(nullptr))).run();
}

} // namespace server
