// Several game servers on one database share what a single server keeps in memory: the sessions,
// the messages waiting for heartbeats and the halls and contests. These are their tables.
#pragma once

#include <string>
#include <string_view>

namespace server {
class Storage;
}

namespace server::cluster {

void migrateLiveTables(Storage& storage);

// A --db target naming a PostgreSQL server rather than a file.
bool isPostgresTarget(std::string_view target);

} // namespace server::cluster
