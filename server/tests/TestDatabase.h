// The database a test runs on. BRINDLE_TEST_BACKEND=postgresql runs the whole suite on
// PostgreSQL: one throwaway cluster for the run, a fresh schema for each database a test asks
// for. Otherwise every database is an SQLite file in the test's folder.
#pragma once

#include "TempDir.h"

#include <string>

namespace server::test {

bool onPostgres();

// A file path in dir on SQLite; on PostgreSQL the URI of an empty schema, the same one each
// time the same dir and name are asked for.
std::string databaseFor(const TempDir& dir, const std::string& name);

// On PostgreSQL: the cluster's own database (to watch or disturb the test's connections).
std::string clusterUri();

} // namespace server::test
