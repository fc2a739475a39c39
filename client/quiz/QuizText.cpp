#include "quiz/QuizText.h"

namespace QuizText {

std::string withNumber(const std::string& format, int number) {
    const std::size_t at = format.find("%d");
    if (at == std::string::npos) {
        return format;
    }
    return format.substr(0, at) + std::to_string(number) + format.substr(at + 2);
}

} // namespace QuizText
