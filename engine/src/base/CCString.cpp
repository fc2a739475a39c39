#include "base/CCString.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "base/CCConsole.h"
#include "support/CCFileUtils.h"

namespace cocos2d {

namespace {
std::string formatList(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int needed = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0)
        return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
    vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), static_cast<std::size_t>(needed));
}
} // namespace

bool CCString::initWithFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    m_sString = formatList(format, args);
    va_end(args);
    return true;
}

int CCString::intValue() const
{
    return std::atoi(m_sString.c_str());
}

unsigned int CCString::uintValue() const
{
    return static_cast<unsigned int>(std::atoi(m_sString.c_str()));
}

float CCString::floatValue() const
{
    return static_cast<float>(std::atof(m_sString.c_str()));
}

double CCString::doubleValue() const
{
    return std::atof(m_sString.c_str());
}

bool CCString::boolValue() const
{
    return !(m_sString.empty() || m_sString == "0" || m_sString == "false");
}

CCObject* CCString::copyWithZone(CCZone* zone)
{
    CC_UNUSED_PARAM(zone);
    return new CCString(m_sString);
}

bool CCString::isEqual(const CCObject* object)
{
    auto* other = dynamic_cast<const CCString*>(object);
    return other && other->m_sString == m_sString;
}

CCString* CCString::create(const std::string& str)
{
    auto* result = new CCString(str);
    result->autorelease();
    return result;
}

CCString* CCString::createWithFormat(const char* format, ...)
{
    CCString* result = create("");
    va_list args;
    va_start(args, format);
    result->m_sString = formatList(format, args);
    va_end(args);
    return result;
}

CCString* CCString::createWithData(const unsigned char* data, unsigned long length)
{
    if (!data)
        return create("");
    return create(std::string(reinterpret_cast<const char*>(data), length));
}

CCString* CCString::createWithContentsOfFile(const char* fileName)
{
    if (!fileName)
        return nullptr;
    std::string path = CCFileUtils::sharedFileUtils()->fullPathForFilename(fileName);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        CCLog("CCString::createWithContentsOfFile: cannot read %s", fileName ? fileName : "(null)");
        return nullptr;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return create(text.str());
}

} // namespace cocos2d
