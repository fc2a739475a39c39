#include "app/ClientLog.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

ClientLog::Sink& ClientLog::sink() {
    static Sink current;
    return current;
}

void ClientLog::setSink(Sink sink) { ClientLog::sink() = std::move(sink); }

void ClientLog::write(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string line;
    if (needed > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        line.assign(buffer.data(), static_cast<std::size_t>(needed));
    }
    va_end(args);
    if (sink()) {
        sink()(line);
        return;
    }
    std::fprintf(stderr, "%s%s", line.c_str(), (!line.empty() && line.back() == '\n') ? "" : "\n");
}
