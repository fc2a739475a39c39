#include "cluster/ClusterLock.h"

#include "app/Log.h"
#include "cluster/LiveTables.h"
#include "storage/Storage.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace server::cluster {

std::int64_t ClusterLock::keyOf(std::string_view name) {
    // FNV-1a: the same key in every server; the high bit cleared keeps it clear of the key the
    // storage layer's transactions use (a small constant).
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return static_cast<std::int64_t>(hash >> 1) | 0x10000;
}

ClusterLock::ClusterLock(Storage& storage, const std::string& dbTarget, std::string_view name)
    : m_storage(storage), m_key(keyOf(name)) {
    if (isPostgresTarget(dbTarget)) {
        auto q = m_storage.query("SELECT pg_advisory_lock(?1)");
        q->bind(1, m_key);
        q->step();
        return;
    }
    const std::string path = dbTarget + "-" + std::string(name) + ".lock";
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        throw StorageError("cannot open lock file " + path + ": " + std::strerror(errno));
    }
    while (::flock(m_fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int error = errno;
            ::close(m_fd);
            throw StorageError("cannot lock " + path + ": " + std::strerror(error));
        }
    }
}

ClusterLock::~ClusterLock() {
    if (m_fd >= 0) {
        ::close(m_fd); // closing the descriptor lets the flock go
        return;
    }
    try {
        auto q = m_storage.query("SELECT pg_advisory_unlock(?1)");
        q->bind(1, m_key);
        q->step();
    } catch (const std::exception& e) {
        // A broken connection took the lock with it.
        Log::refusal("cluster", std::string("advisory unlock failed: ") + e.what());
    }
}

} // namespace server::cluster
