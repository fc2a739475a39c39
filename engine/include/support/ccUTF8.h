// UTF-8 decoding shared by the labels: malformed bytes become U+FFFD instead of being trusted.
#pragma once

#include <string>
#include <vector>

namespace cocos2d {

// Decodes the sequence starting at i and moves i past it.
unsigned cc_utf8_next(const std::string& s, std::size_t& i);
std::vector<unsigned> cc_utf8_to_codepoints(const std::string& s);
std::string cc_codepoints_to_utf8(const std::vector<unsigned>& cps);

} // namespace cocos2d
