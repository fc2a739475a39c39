#include "accounts/PasswordHasher.h"

#include <sodium.h>

#include <cctype>
#include <stdexcept>

namespace server {

PasswordHasher::PasswordHasher(PasswordCost cost) {
    if (sodium_init() < 0) {
        throw std::runtime_error("libsodium failed to initialise");
    }
    if (cost == PasswordCost::Minimum) {
        m_opsLimit = crypto_pwhash_OPSLIMIT_MIN;
        m_memLimit = crypto_pwhash_MEMLIMIT_MIN;
    } else {
        m_opsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
        m_memLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;
    }
}

std::string PasswordHasher::hash(std::string_view digest) const {
    char out[crypto_pwhash_STRBYTES];
    std::lock_guard lock(m_mutex);
    if (crypto_pwhash_str(out, digest.data(), digest.size(), m_opsLimit, m_memLimit) != 0) {
        throw std::runtime_error("password hashing ran out of memory");
    }
    return out;
}

bool PasswordHasher::verify(std::string_view storedHash, std::string_view digest) const {
    if (storedHash.empty() || storedHash.size() >= crypto_pwhash_STRBYTES) {
        return false;
    }
    const std::string stored(storedHash); // needs a terminated text
    std::lock_guard lock(m_mutex);
    return crypto_pwhash_str_verify(stored.c_str(), digest.data(), digest.size()) == 0;
}

bool PasswordHasher::isDigest(std::string_view text) {
    if (text.size() != 32) {
        return false;
    }
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

std::string PasswordHasher::normalise(std::string_view digest) {
    std::string out(digest);
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

} // namespace server
