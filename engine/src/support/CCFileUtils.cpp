#include "support/CCFileUtils.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "base/CCConsole.h"

namespace cocos2d {

namespace {
std::unique_ptr<CCFileUtils>& instance()
{
    static std::unique_ptr<CCFileUtils> s;
    return s;
}
} // namespace

CCFileUtils* CCFileUtils::sharedFileUtils()
{
    if (!instance())
        instance().reset(new CCFileUtils());
    return instance().get();
}

void CCFileUtils::purgeFileUtils()
{
    instance().reset();
}

CCFileUtils::CCFileUtils()
{
    char buf[4096];
    setResourceRoot(getcwd(buf, sizeof buf) ? buf : ".");
}

std::string CCFileUtils::withSlash(const std::string& dir) const
{
    if (dir.empty() || dir.back() == '/')
        return dir;
    return dir + "/";
}

void CCFileUtils::setResourceRoot(const std::string& dir)
{
    m_root = withSlash(dir.empty() ? std::string("./") : dir);
    m_searchPaths.assign(1, m_root);
    m_cache.clear();
}

void CCFileUtils::setSearchPaths(const std::vector<std::string>& searchPaths)
{
    m_searchPaths.clear();
    bool hasRoot = false;
    for (const std::string& p : searchPaths) {
        const std::string full = withSlash(isAbsolutePath(p) ? p : m_root + p);
        hasRoot = hasRoot || full == m_root;
        m_searchPaths.push_back(full);
    }
    if (!hasRoot)
        m_searchPaths.push_back(m_root);
    m_cache.clear();
}

void CCFileUtils::addSearchPath(const char* path)
{
    if (!path)
        return;
    const std::string p = path;
    m_searchPaths.push_back(withSlash(isAbsolutePath(p) ? p : m_root + p));
    m_cache.clear();
}

void CCFileUtils::setSearchResolutionsOrder(const std::vector<std::string>& order)
{
    m_resolutionOrder.clear();
    for (const std::string& s : order)
        m_resolutionOrder.push_back(withSlash(s));
    if (m_resolutionOrder.empty())
        m_resolutionOrder.push_back("");
    m_cache.clear();
}

bool CCFileUtils::isFileExist(const std::string& path) const
{
    if (path.empty())
        return false;
    const std::string full = isAbsolutePath(path) ? path : m_root + path;
    struct stat st;
    return stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string CCFileUtils::fullPathForFilename(const char* filename)
{
    if (!filename || !*filename)
        return "";
    const std::string name = filename;
    if (isAbsolutePath(name))
        return name;
    auto cached = m_cache.find(name);
    if (cached != m_cache.end())
        return cached->second;
    const std::size_t slash = name.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : name.substr(0, slash + 1);
    const std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
    for (const std::string& searchPath : m_searchPaths) {
        for (const std::string& suffix : m_resolutionOrder) {
            const std::string candidate = searchPath + folder + suffix + file;
            if (isFileExist(candidate)) {
                m_cache[name] = candidate;
                return candidate;
            }
        }
    }
    return name;
}

std::string CCFileUtils::fullPathFromRelativeFile(const char* filename, const char* relativeFile)
{
    if (!filename)
        return "";
    if (isAbsolutePath(filename) || !relativeFile)
        return filename;
    const std::string rel = relativeFile;
    const std::size_t slash = rel.find_last_of('/');
    return (slash == std::string::npos ? std::string() : rel.substr(0, slash + 1)) + filename;
}

bool CCFileUtils::readFile(const std::string& filename, std::string& out)
{
    std::string full = fullPathForFilename(filename.c_str());
    if (!isAbsolutePath(full))
        full = m_root + full;
    std::ifstream in(full, std::ios::binary);
    if (!in || std::filesystem::is_directory(full)) {
        CCLog("cannot open file %s", full.c_str());
        return false;
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    return true;
}

unsigned char* CCFileUtils::getFileData(const char* filename, const char* /*mode*/, unsigned long* size)
{
    if (size)
        *size = 0;
    std::string data;
    if (!filename || !readFile(filename, data))
        return nullptr;
    auto* buffer = new unsigned char[data.size() + 1];
    std::memcpy(buffer, data.data(), data.size());
    buffer[data.size()] = 0;
    if (size)
        *size = static_cast<unsigned long>(data.size());
    return buffer;
}

void CCFileUtils::setWritablePath(const std::string& dir)
{
    m_writable = withSlash(dir);
}

std::string CCFileUtils::getWritablePath()
{
    if (m_writable.empty()) {
        const char* xdg = std::getenv("XDG_DATA_HOME");
        const char* home = std::getenv("HOME");
        std::string base = xdg && *xdg ? xdg : std::string(home ? home : "/tmp") + "/.local/share";
        m_writable = withSlash(base + "/brindle");
    }
    std::error_code ec;
    std::filesystem::create_directories(m_writable, ec);
    return m_writable;
}

bool CCFileUtils::loadPlist(const std::string& filename, PlistValue& out)
{
    std::string data;
    if (!readFile(filename, data))
        return false;
    std::string error;
    if (!parsePlist(data.data(), data.size(), out, error)) {
        CCLog("cannot read plist %s: %s", filename.c_str(), error.c_str());
        return false;
    }
    return true;
}

} // namespace cocos2d
