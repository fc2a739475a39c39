#include "accounts/MaskedTel.h"

#include <vector>

namespace server {

std::string maskedTel(const std::string& tel) {
    // Characters, not bytes: a stray multi-byte character must not be cut in half.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < tel.size(); ++i) {
        if ((static_cast<unsigned char>(tel[i]) & 0xC0) != 0x80) {
            starts.push_back(i);
        }
    }
    // Up to three characters there is nothing behind the prefix to hide.
    if (starts.size() <= 3) {
        return tel;
    }
    const std::size_t to = starts.size() > 7 ? starts[7] : tel.size();
    return tel.substr(0, starts[3]) + "****" + tel.substr(to);
}

} // namespace server
