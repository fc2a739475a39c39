#include "account/AccountChecks.h"

#include "app/Md5.h"

namespace AccountChecks {

std::size_t characterCount(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((c & 0xC0) != 0x80) count += 1;
    }
    return count;
}

bool userNameValid(const std::string& name) {
    return !name.empty() && name[0] == '1' && characterCount(name) == 11;
}

int checkPassword(const std::string& password) {
    const std::size_t length = characterCount(password);
    if (length == 32) return kPasswordDigest;
    return (length >= 6 && length <= 12) ? kPasswordValid : kPasswordInvalid;
}

std::string passwordDigest(const std::string& typed) { return Md5::hexDigest(typed); }

} // namespace AccountChecks
