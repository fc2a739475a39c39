// Finding and reading resource files: a resource root, ordered search paths, cached resolution.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/PlistValue.h"

namespace cocos2d {

class CCDictionary;
class CCArray;

class CCFileUtils {
public:
    static CCFileUtils* sharedFileUtils();
    static void purgeFileUtils();

    // Root every relative search path is taken from (the game's --resources). Resets the search
    // paths to [root]. Default: the current directory.
    void setResourceRoot(const std::string& dir);
    const std::string& getResourceRoot() const { return m_root; }

    void setSearchPaths(const std::vector<std::string>& searchPaths);
    void addSearchPath(const char* path);
    const std::vector<std::string>& getSearchPaths() const { return m_searchPaths; }
    void setSearchResolutionsOrder(const std::vector<std::string>& order);
    const std::vector<std::string>& getSearchResolutionsOrder() const { return m_resolutionOrder; }

    // Absolute names as they are; else the first existing searchPath + folder + suffix + file;
    // the name unchanged when nothing exists.
    std::string fullPathForFilename(const char* filename);
    // filename resolved against the folder of relativeFile.
    std::string fullPathFromRelativeFile(const char* filename, const char* relativeFile);
    void purgeCachedEntries() { m_cache.clear(); }

    // Whole file in a new[] buffer the caller deletes; null (size 0) when unreadable.
    unsigned char* getFileData(const char* filename, const char* mode, unsigned long* size);
    // Same through a vector; the name is resolved first. Logs and returns false when unreadable.
    bool readFile(const std::string& filename, std::string& out);
    bool isFileExist(const std::string& path) const;
    bool isAbsolutePath(const std::string& path) const { return !path.empty() && path[0] == '/'; }

    // Folder for user defaults and saved files, with a trailing '/'. Created when first asked for.
    std::string getWritablePath();
    void setWritablePath(const std::string& dir);

    // Plists: the value tree for loaders, and the 2.2 containers (autoreleased; null on failure).
    bool loadPlist(const std::string& filename, PlistValue& out);
    CCDictionary* createCCDictionaryWithContentsOfFile(const std::string& filename);
    CCArray* createCCArrayWithContentsOfFile(const std::string& filename);

private:
    CCFileUtils();
    std::string withSlash(const std::string& dir) const;

    std::string m_root;
    std::string m_writable;
    std::vector<std::string> m_searchPaths;
    std::vector<std::string> m_resolutionOrder{""};
    std::map<std::string, std::string> m_cache;
};

} // namespace cocos2d
