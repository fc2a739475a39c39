#include "base/CCConsole.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "base/ccMacros.h"

namespace cocos2d {

namespace {
std::function<void(const std::string&)>& sink()
{
    static std::function<void(const std::string&)> s;
    return s;
}
} // namespace

void CCLog(const char* format, ...)
{
    std::vector<char> buffer(kMaxLogLen + 1);
    va_list args;
    va_start(args, format);
    vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    std::string line(buffer.data());
    std::fprintf(stderr, "%s\n", line.c_str());
    if (sink())
        sink()(line);
}

void CCLogSetSink(std::function<void(const std::string& line)> s)
{
    sink() = std::move(s);
}

void ccAssertFailed(const char* condition, const char* message, const char* file, int line)
{
    CCLog("Assert failed: %s (%s) at %s:%d", message ? message : "", condition, file, line);
#ifndef NDEBUG
    std::abort();
#endif
}

} // namespace cocos2d
