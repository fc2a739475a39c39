#include "app/Log.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>

namespace server {
namespace {
std::mutex g_mutex;
std::atomic<bool> g_quiet{false};

void write(std::string_view text) {
    std::string line(text);
    line.push_back('\n');
    std::lock_guard lock(g_mutex);
    std::fwrite(line.data(), 1, line.size(), stderr);
}
} // namespace

void Log::info(std::string_view line) {
    if (!g_quiet.load(std::memory_order_relaxed)) {
        write(line);
    }
}

void Log::refusal(std::string_view peer, std::string_view why) {
    std::string line = "refused ";
    line += peer;
    line += ": ";
    line += why;
    write(line);
}

void Log::setQuiet(bool quiet) { g_quiet = quiet; }

} // namespace server
