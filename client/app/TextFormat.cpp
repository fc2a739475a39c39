#include "app/TextFormat.h"

std::string fillText(const std::string& format, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(format.size());
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        const char mark = format[i + 1];
        if (mark == '%') {
            out += '%';
            i += 1;
        } else if (mark == 'd' || mark == 's') {
            if (next < values.size()) out += values[next];
            next += 1;
            i += 1;
        } else {
            out += c;
        }
    }
    return out;
}
