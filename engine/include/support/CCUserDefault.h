// Stored settings: "UserDefault.xml" in the writable path, one element per key under userDefaultRoot.
// Every setter rewrites the file at once, so flush() has nothing left to do.
#pragma once

#include <string>

namespace cocos2d {

class CCUserDefault {
public:
    static CCUserDefault* sharedUserDefault();
    // Forgets the instance; the next sharedUserDefault() picks up a changed writable path.
    static void purgeSharedUserDefault();

    bool getBoolForKey(const char* key, bool defaultValue = false);
    int getIntegerForKey(const char* key, int defaultValue = 0);
    float getFloatForKey(const char* key, float defaultValue = 0.0f);
    double getDoubleForKey(const char* key, double defaultValue = 0.0);
    std::string getStringForKey(const char* key, const std::string& defaultValue = "");

    void setBoolForKey(const char* key, bool value);
    void setIntegerForKey(const char* key, int value);
    void setFloatForKey(const char* key, float value);
    void setDoubleForKey(const char* key, double value);
    void setStringForKey(const char* key, const std::string& value);

    void flush() {}

    static const std::string& getXMLFilePath();
    static bool isXMLFileExist();

private:
    explicit CCUserDefault(std::string path);
    // Text of the key's element; false when the key is missing or has no text.
    bool read(const char* key, std::string& value);
    void write(const char* key, const std::string& value);

    std::string m_path;
};

} // namespace cocos2d
