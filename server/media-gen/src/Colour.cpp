#include "Colour.h"

#include <cstdlib>

namespace mediagen {

Colour Colour::parse(const std::string& text, Colour fallback)
{
    if (text.size() != 7 || text[0] != '#')
        return fallback;
    char* end = nullptr;
    const long value = std::strtol(text.c_str() + 1, &end, 16);
    if (end != text.c_str() + 7)
        return fallback;
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
}

} // namespace mediagen
