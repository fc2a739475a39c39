#include "claims/CodeSender.h"

#include "app/Log.h"
#include "contests/ContestClock.h"
#include "storage/Storage.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace server::claims {

OutboxSender::OutboxSender(std::string path, std::function<std::int64_t()> nowMs)
    : m_path(std::move(path)), m_nowMs(std::move(nowMs)) {}

std::string OutboxSender::besideDatabase(const std::string& dbPath) {
    if (Storage::isPostgresTarget(dbPath)) {
        return "sms-outbox.txt";
    }
    return (std::filesystem::path(dbPath).parent_path() / "sms-outbox.txt").string();
}

std::string OutboxSender::pathFor(const std::string& configured, const std::string& dbPath) {
    return configured.empty() ? besideDatabase(dbPath) : configured;
}

std::string OutboxSender::line(std::int64_t ms, const std::string& tel, const std::string& message) {
    const auto l = contests::ContestClock::local(ms);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", l.year, l.month, l.day, l.hour, l.minute,
                  l.second);
    return std::string(stamp) + '\t' + tel + '\t' + message + '\n';
}

void OutboxSender::send(int playerId, const std::string& tel, const std::string& message) {
    const std::string text = line(m_nowMs(), tel, message);
    std::lock_guard lock(m_mutex);
    // O_APPEND with the whole line in one write: another process appending to the same file
    // cannot land in the middle of it. Opened and closed per line, so the operator may move the
    // file away at any moment.
    const int fd = ::open(m_path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        Log::refusal("claim form", "code for player " + std::to_string(playerId) + " not written to " + m_path + ": " +
                                       std::strerror(errno));
        return;
    }
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            Log::refusal("claim form", "code for player " + std::to_string(playerId) + " cut short in " + m_path +
                                           ": " + std::strerror(errno));
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

} // namespace server::claims
