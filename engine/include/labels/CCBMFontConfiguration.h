// A parsed .fnt file plus the full path of its page picture; cached by the .fnt's full path.
#pragma once

#include <string>

#include "base/CCObject.h"
#include "labels/BMFontParser.h"

namespace cocos2d {

class CCBMFontConfiguration : public CCObject {
public:
    // Null with a log line naming the file when it cannot be read or parsed.
    static CCBMFontConfiguration* create(const char* fntFile);
    bool initWithFNTfile(const char* fntFile);

    const BMFontData& data() const { return m_data; }
    int getCommonHeight() const { return m_data.lineHeight; }
    const char* getAtlasName() const { return m_atlasName.c_str(); }
    const std::string& fntPath() const { return m_fntPath; }

private:
    BMFontData m_data;
    std::string m_atlasName;
    std::string m_fntPath;
};

// The shared cache of configurations (by full path of the .fnt file).
CCBMFontConfiguration* FNTConfigLoadFile(const char* fntFile);
void FNTConfigRemoveCache();

} // namespace cocos2d
