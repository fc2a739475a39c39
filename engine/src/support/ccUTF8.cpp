#include "support/ccUTF8.h"

namespace cocos2d {

unsigned cc_utf8_next(const std::string& s, std::size_t& i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    ++i;
    if (extra < 0)
        return 0xFFFD;
    unsigned cp = extra == 0 ? c : c & (0x3Fu >> extra);
    for (int k = 0; k < extra; ++k, ++i) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    }
    return cp;
}

std::vector<unsigned> cc_utf8_to_codepoints(const std::string& s)
{
    std::vector<unsigned> out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();)
        out.push_back(cc_utf8_next(s, i));
    return out;
}

std::string cc_codepoints_to_utf8(const std::vector<unsigned>& cps)
{
    std::string out;
    for (unsigned cp : cps) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

} // namespace cocos2d
