// The client's log line. Goes to the engine log once the application runs; tests can capture it.
#pragma once

#include <functional>
#include <string>

class ClientLog {
public:
    using Sink = std::function<void(const std::string&)>;

    // printf-style; the line is informational and never parsed.
    static void write(const char* format, ...) __attribute__((format(printf, 1, 2)));

    // Replaces where lines go; an empty sink restores the default (standard error).
    static void setSink(Sink sink);

private:
    static Sink& sink();
};
