#include "support/CCNS.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace cocos2d {

namespace {
// Numbers in order, braces and commas as separators; exactly `want` numbers or none at all.
std::vector<float> numbers(const char* content, std::size_t want)
{
    std::vector<float> out;
    if (!content)
        return out;
    const std::string s = content;
    if (s.find('{') == std::string::npos)
        return out;
    std::size_t i = 0;
    while (i < s.size() && out.size() <= want) {
        const char c = s[i];
        if (c == '{' || c == '}' || c == ',' || c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        char* end = nullptr;
        const float v = std::strtof(s.c_str() + i, &end);
        if (end == s.c_str() + i)
            return {};
        out.push_back(v);
        i = static_cast<std::size_t>(end - s.c_str());
    }
    if (out.size() != want)
        out.clear();
    return out;
}
} // namespace

CCRect CCRectFromString(const char* content)
{
    const std::vector<float> n = numbers(content, 4);
    return n.empty() ? CCRect() : CCRect(n[0], n[1], n[2], n[3]);
}

CCPoint CCPointFromString(const char* content)
{
    const std::vector<float> n = numbers(content, 2);
    return n.empty() ? CCPoint() : CCPoint(n[0], n[1]);
}

CCSize CCSizeFromString(const char* content)
{
    const std::vector<float> n = numbers(content, 2);
    return n.empty() ? CCSize() : CCSize(n[0], n[1]);
}

} // namespace cocos2d
