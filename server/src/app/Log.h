// Line-at-a-time log on standard error, safe from any thread.
#pragma once

#include <string_view>

namespace server {

class Log {
public:
    static void info(std::string_view line);
    static void refusal(std::string_view peer, std::string_view why); // a request turned away
    static void setQuiet(bool quiet); // drops info lines (refusals are always written)
};

} // namespace server
