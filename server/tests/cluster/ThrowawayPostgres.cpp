#include "cluster/ThrowawayPostgres.h"

#include <cstdio>
#include <cstdlib>

namespace server::test {

namespace {

const std::string kScript = std::string(BRINDLE_SERVER_SOURCE_DIR) + "/../tools/pg/throwaway.sh";

// Runs the command; its standard output, and whether it succeeded.
bool run(const std::string& command, std::string& out) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return false;
    }
    char chunk[256];
    while (std::fgets(chunk, sizeof chunk, pipe) != nullptr) {
        out += chunk;
    }
    return ::pclose(pipe) == 0;
}

} // namespace

bool ThrowawayPostgres::installed() {
    std::string ignored;
    return run(kScript + " available 2>/dev/null", ignored);
}

ThrowawayPostgres::ThrowawayPostgres() {
    std::string out;
    if (!run(kScript + " start '" + m_dir.path().string() + "' 2>&1", out)) {
        m_error = out;
        return;
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) {
        out.pop_back();
    }
    m_uri = out.substr(out.rfind('\n') == std::string::npos ? 0 : out.rfind('\n') + 1);
}

ThrowawayPostgres::~ThrowawayPostgres() {
    std::string ignored;
    run(kScript + " stop '" + m_dir.path().string() + "' 2>&1", ignored);
}

} // namespace server::test
