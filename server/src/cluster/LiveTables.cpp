#include "cluster/LiveTables.h"

#include "storage/Storage.h"

namespace server::cluster {

void migrateLiveTables(Storage& storage) {
    storage.migrate("live", {
        {1, "CREATE TABLE live_sessions ("
            " player_id INTEGER PRIMARY KEY,"
            " session_id TEXT NOT NULL UNIQUE,"
            " last_seen INTEGER NOT NULL);" // ms since 1970, refreshed at most every kTouchMs
            "CREATE INDEX live_sessions_seen ON live_sessions (last_seen);"
            "CREATE TABLE live_pushes ("
            " id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " player_id INTEGER NOT NULL,"
            " body TEXT NOT NULL);"
            "CREATE INDEX live_pushes_player ON live_pushes (player_id, id);"
            "CREATE TABLE live_beats ("
            " player_id INTEGER PRIMARY KEY,"
            " at INTEGER NOT NULL);"
            "CREATE TABLE live_state ("
            " name TEXT PRIMARY KEY,"
            " version INTEGER NOT NULL,"
            " body TEXT NOT NULL);"},
    });
}

bool isPostgresTarget(std::string_view target) {
    return target.starts_with("postgresql://") || target.starts_with("postgres://");
}

} // namespace server::cluster
