// The engine's file utilities as the client uses them.
#pragma once

#include <string>

class ResourceFiles {
public:
    // The whole file found through the search paths; "" (and a log line) when unreadable.
    static std::string readText(const std::string& name);
    // The writable folder with a trailing "/".
    static std::string writablePath();
};
