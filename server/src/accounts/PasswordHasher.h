// The server never keeps what the client sends as a password (an MD5 digest, itself a weak and
// unsalted hash): it stores crypto_pwhash_str of it, salted and deliberately slow.
#pragma once

#include "app/ServerConfig.h"

#include <mutex>
#include <string>
#include <string_view>

namespace server {

class PasswordHasher {
public:
    explicit PasswordHasher(PasswordCost cost);

    // Throws std::runtime_error when libsodium runs out of memory.
    std::string hash(std::string_view digest) const;
    bool verify(std::string_view storedHash, std::string_view digest) const;

    // The client's digests are 32 hex digits, upper case; accept either case, store upper.
    static bool isDigest(std::string_view text);
    static std::string normalise(std::string_view digest);

private:
    // One hash at a time: each takes 64 MiB at the interactive cost, and a burst of logins
    // must not multiply that.
    mutable std::mutex m_mutex;
    unsigned long long m_opsLimit;
    std::size_t m_memLimit;
};

} // namespace server
