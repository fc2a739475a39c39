// What a text typed by a player (or written into a seed file) must be before it is stored:
// well-formed UTF-8 without control characters. Markup and quotes are fine; they are stored as typed.
#pragma once

#include <string_view>

namespace server {

bool isWellFormedUtf8(std::string_view text);
// Well-formed, no byte below 0x20 and no 0x7f.
bool isPlainText(std::string_view text);
// Only spaces (or nothing).
bool isBlank(std::string_view text);

} // namespace server
