// The engine log. Lines go to stderr; tests may install a sink to read them.
#pragma once

#include <functional>
#include <string>

namespace cocos2d {

static const int kMaxLogLen = 16 * 1024;

// printf-style; a newline is appended.
void CCLog(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Every formatted line is also handed to the sink (if one is set). Null removes it.
void CCLogSetSink(std::function<void(const std::string& line)> sink);

} // namespace cocos2d

#define CCLOG(...) ::cocos2d::CCLog(__VA_ARGS__)
#define CCLOGINFO(...) ::cocos2d::CCLog(__VA_ARGS__)
#define CCLOGERROR(...) ::cocos2d::CCLog(__VA_ARGS__)
#define CCLOGWARN(...) ::cocos2d::CCLog(__VA_ARGS__)
