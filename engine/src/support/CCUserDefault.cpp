#include "support/CCUserDefault.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <tinyxml.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "base/CCConsole.h"
#include "support/CCFileUtils.h"

namespace cocos2d {

namespace {

std::unique_ptr<CCUserDefault>& instance()
{
    static std::unique_ptr<CCUserDefault> s;
    return s;
}
std::string g_path;

// Element names carry the keys, so a key that is no XML name would make the file unreadable.
bool validKey(const char* key)
{
    if (!key || !*key)
        return false;
    const auto first = static_cast<unsigned char>(key[0]);
    if (!(std::isalpha(first) || first == '_' || first >= 0x80))
        return false;
    for (const char* p = key; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (!(std::isalnum(c) || c == '_' || c == '-' || c == '.' || c >= 0x80))
            return false;
    }
    return true;
}

bool loadDocument(const std::string& path, TiXmlDocument& doc)
{
    if (!doc.LoadFile(path.c_str(), TIXML_ENCODING_UTF8))
        return false;
    const TiXmlElement* root = doc.RootElement();
    return root && std::string(root->Value()) == "userDefaultRoot";
}

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

// The file holds the remembered password, so it is the owner's alone. It is written beside itself
// and renamed over the old one: a crash half way through a write leaves the previous settings.
bool saveDocument(const TiXmlDocument& doc, const std::string& path)
{
    TiXmlPrinter printer;
    doc.Accept(&printer);
    const std::string text = printer.Str();
    const std::string temp = path + ".new";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kOwnerOnly);
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, kOwnerOnly) == 0;
    for (size_t done = 0; ok && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += static_cast<size_t>(n);
    }
    ok = ::fdatasync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

void writeEmpty(const std::string& path)
{
    TiXmlDocument doc;
    doc.LinkEndChild(new TiXmlDeclaration("1.0", "utf-8", ""));
    doc.LinkEndChild(new TiXmlElement("userDefaultRoot"));
    if (!saveDocument(doc, path))
        CCLog("UserDefault: cannot write %s", path.c_str());
}

} // namespace

CCUserDefault* CCUserDefault::sharedUserDefault()
{
    if (!instance()) {
        g_path = CCFileUtils::sharedFileUtils()->getWritablePath() + "UserDefault.xml";
        instance().reset(new CCUserDefault(g_path));
    }
    return instance().get();
}

void CCUserDefault::purgeSharedUserDefault()
{
    instance().reset();
}

const std::string& CCUserDefault::getXMLFilePath()
{
    sharedUserDefault();
    return g_path;
}

bool CCUserDefault::isXMLFileExist()
{
    return std::filesystem::exists(getXMLFilePath());
}

CCUserDefault::CCUserDefault(std::string path) : m_path(std::move(path))
{
    if (!std::filesystem::exists(m_path))
        writeEmpty(m_path);
    else if (::chmod(m_path.c_str(), kOwnerOnly) != 0) // a file from before it was kept private
        CCLog("UserDefault: cannot make %s private", m_path.c_str());
}

bool CCUserDefault::read(const char* key, std::string& value)
{
    if (!validKey(key))
        return false;
    TiXmlDocument doc;
    if (!loadDocument(m_path, doc))
        return false;
    const TiXmlElement* e = doc.RootElement()->FirstChildElement(key);
    if (!e || !e->GetText())
        return false;
    value = e->GetText();
    return true;
}

void CCUserDefault::write(const char* key, const std::string& value)
{
    if (!validKey(key)) {
        CCLog("UserDefault: refusing key \"%s\" (not a valid XML name)", key ? key : "");
        return;
    }
    TiXmlDocument doc;
    if (!loadDocument(m_path, doc)) {
        // Keep an unreadable file for inspection instead of silently overwriting it.
        if (std::filesystem::exists(m_path)) {
            std::error_code ec;
            std::filesystem::rename(m_path, m_path + ".bad", ec);
            CCLog("UserDefault: %s is not readable, kept as %s.bad", m_path.c_str(), m_path.c_str());
        }
        writeEmpty(m_path);
        if (!loadDocument(m_path, doc))
            return;
    }
    TiXmlElement* root = doc.RootElement();
    TiXmlElement* e = root->FirstChildElement(key);
    if (!e)
        e = root->LinkEndChild(new TiXmlElement(key))->ToElement();
    e->Clear();
    e->LinkEndChild(new TiXmlText(value.c_str()));
    if (!saveDocument(doc, m_path))
        CCLog("UserDefault: cannot write %s", m_path.c_str());
}

bool CCUserDefault::getBoolForKey(const char* key, bool defaultValue)
{
    std::string v;
    return read(key, v) ? v == "true" : defaultValue;
}

int CCUserDefault::getIntegerForKey(const char* key, int defaultValue)
{
    std::string v;
    return read(key, v) ? std::atoi(v.c_str()) : defaultValue;
}

float CCUserDefault::getFloatForKey(const char* key, float defaultValue)
{
    std::string v;
    return read(key, v) ? static_cast<float>(std::atof(v.c_str())) : defaultValue;
}

double CCUserDefault::getDoubleForKey(const char* key, double defaultValue)
{
    std::string v;
    return read(key, v) ? std::atof(v.c_str()) : defaultValue;
}

std::string CCUserDefault::getStringForKey(const char* key, const std::string& defaultValue)
{
    std::string v;
    return read(key, v) ? v : defaultValue;
}

void CCUserDefault::setBoolForKey(const char* key, bool value)
{
    write(key, value ? "true" : "false");
}

void CCUserDefault::setIntegerForKey(const char* key, int value)
{
    write(key, std::to_string(value));
}

void CCUserDefault::setFloatForKey(const char* key, float value)
{
    setDoubleForKey(key, value);
}

void CCUserDefault::setDoubleForKey(const char* key, double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%f", value);
    write(key, buf);
}

void CCUserDefault::setStringForKey(const char* key, const std::string& value)
{
    write(key, value);
}

} // namespace cocos2d
