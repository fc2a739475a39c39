// The checks the account forms (login, registration, password change) make before anything is
// sent, and the digest every password travels as.
#pragma once

#include <string>

namespace AccountChecks {

// What checkPassword found.
enum PasswordCheck {
    kPasswordValid = 0,
    kPasswordInvalid = 1,
    // 32 characters: a digest remembered from an earlier login, to be sent as it is.
    kPasswordDigest = 2,
};

// A mobile number as the entry server wants it: 11 characters, the first one "1". The others are
// left to the server.
bool userNameValid(const std::string& name);
// 6 to 12 characters is a password; exactly 32 is taken for a digest; anything else is refused.
int checkPassword(const std::string& password);
// MD5 of the typed bytes as 32 upper-case hexadecimal digits.
std::string passwordDigest(const std::string& typed);
// Characters (UTF-8 code points), not bytes.
std::size_t characterCount(const std::string& text);

} // namespace AccountChecks
