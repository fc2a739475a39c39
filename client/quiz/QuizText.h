// Filling the number formats of "config.conf" ("...%d...") without handing a file's text to printf.
#pragma once

#include <string>

namespace QuizText {
// Replaces the first "%d" with the number; a text without one is returned as it is.
std::string withNumber(const std::string& format, int number);
} // namespace QuizText
