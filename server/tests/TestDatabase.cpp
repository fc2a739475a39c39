#include "TestDatabase.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace server::test {

namespace {

const std::string kScript = std::string(BRINDLE_SERVER_SOURCE_DIR) + "/../tools/pg/throwaway.sh";

std::string run(const std::string& command, int& status) {
    std::string out;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        status = -1;
        return out;
    }
    std::array<char, 256> chunk{};
    while (std::fgets(chunk.data(), static_cast<int>(chunk.size()), pipe) != nullptr) {
        out += chunk.data();
    }
    status = ::pclose(pipe);
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) {
        out.pop_back();
    }
    return out;
}

// Started before the first test of a PostgreSQL run, stopped and removed after the last.
class Cluster : public ::testing::Environment {
public:
    void SetUp() override {
        if (!onPostgres()) {
            return;
        }
        int status = 0;
        run("bash '" + kScript + "' available", status);
        if (status != 0) {
            GTEST_SKIP() << "BRINDLE_TEST_BACKEND=postgresql but PostgreSQL is not installed here "
                            "(tools/pg/throwaway.sh available failed): every test skipped";
        }
        std::string pattern = "/tmp/brindle-pg-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            FAIL() << "mkdtemp failed";
        }
        m_dir = pattern;
        uri = run("bash '" + kScript + "' start '" + m_dir + "'", status);
        if (status != 0 || uri.rfind("postgresql://", 0) != 0) {
            FAIL() << "the throwaway PostgreSQL cluster did not start: " << uri;
        }
    }

    void TearDown() override {
        if (m_dir.empty()) {
            return;
        }
        int status = 0;
        run("bash '" + kScript + "' stop '" + m_dir + "'", status);
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    static inline std::string uri;

private:
    std::string m_dir;
};

[[maybe_unused]] auto* const kCluster = ::testing::AddGlobalTestEnvironment(new Cluster);

std::string freshSchema() {
    static std::atomic<int> next{0};
    const std::string name = "t" + std::to_string(::getpid()) + "_" + std::to_string(++next);
    PGconn* conn = PQconnectdb(Cluster::uri.c_str());
    const bool connected = PQstatus(conn) == CONNECTION_OK;
    PGresult* result = connected ? PQexec(conn, ("CREATE SCHEMA " + name).c_str()) : nullptr;
    const bool made = result != nullptr && PQresultStatus(result) == PGRES_COMMAND_OK;
    const std::string why = PQerrorMessage(conn);
    PQclear(result);
    PQfinish(conn);
    if (!made) {
        throw std::runtime_error("no test schema on " + Cluster::uri + ": " + why);
    }
    return name;
}

} // namespace

bool onPostgres() {
    const char* backend = std::getenv("BRINDLE_TEST_BACKEND");
    return backend != nullptr && std::string(backend) == "postgresql";
}

std::string clusterUri() {
    return Cluster::uri;
}

std::string databaseFor(const TempDir& dir, const std::string& name) {
    if (!onPostgres()) {
        return dir.file(name);
    }
    // The schema's name is kept in the test's folder, so asking again (a restart) finds it and
    // a later test can never be handed an old one.
    const std::string marker = dir.file(name + ".schema");
    std::string schema;
    std::ifstream(marker) >> schema;
    if (schema.empty()) {
        schema = freshSchema();
        std::ofstream(marker) << schema;
    }
    return Cluster::uri + (Cluster::uri.find('?') == std::string::npos ? "?" : "&") +
           "options=-csearch_path%3D" + schema;
}

} // namespace server::test
