// A lock every server of a cluster honours, held by one thread for a short piece of work on the
// shared live state. On PostgreSQL a session advisory lock on that thread's connection (released
// by the database should the server die holding it); on a database file, an exclusive flock on a
// file beside it, which also keeps apart two servers in one process.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace server {
class Storage;
}

namespace server::cluster {

class ClusterLock {
public:
    // Blocks until the lock is ours. Throws StorageError when it cannot be taken.
    ClusterLock(Storage& storage, const std::string& dbTarget, std::string_view name);
    ~ClusterLock();
    ClusterLock(const ClusterLock&) = delete;
    ClusterLock& operator=(const ClusterLock&) = delete;

    // The advisory lock's key: stable across servers and builds.
    static std::int64_t keyOf(std::string_view name);

private:
    Storage& m_storage;
    std::int64_t m_key = 0;
    int m_fd = -1;
};

} // namespace server::cluster
