#include "quiz/Utf8Text.h"

namespace server::quiz {

std::vector<std::string> Utf8Text::characters(std::string_view text)
{
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t width = byte < 0x80 ? 1 : 3;
        out.emplace_back(text.substr(i, width));
        i += width;
    }
    return out;
}

bool Utf8Text::isClientSafe(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if (lead < 0x20 && lead != '\n')
                return false;
            ++i;
            continue;
        }
        if ((lead & 0xF0) != 0xE0 || i + 2 >= text.size())
            return false;
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        const auto b2 = static_cast<unsigned char>(text[i + 2]);
        if ((b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80)
            return false;
        const unsigned code = ((lead & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
        // Overlong forms and UTF-16 surrogates are not characters.
        if (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += 3;
    }
    return true;
}

} // namespace server::quiz
