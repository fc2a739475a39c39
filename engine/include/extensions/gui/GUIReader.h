// Reads CocoStudio 1.x UI layouts (.json / .ExportJson): the versions before 0.3 (integer or real
// version, plain picture names) and 0.3 to 1.x (resource dictionaries with resourceType 0 = file,
// 1 = sprite frame). Sprite sheets named in "textures" are loaded into the frame cache first; pictures
// are relative to the layout's folder.
//
// Never throws and never crashes on bad input: a member of the wrong type is logged with the file and
// member and read as its default; an unknown class becomes a plain widget; a missing picture leaves the
// widget without it. widgetFromJsonFile returns an autoreleased root, or null when the file cannot be read
// or holds no widget tree.
#pragma once

#include <map>
#include <string>

#include "base/CCGeometry.h"
#include "base/CCObject.h"

namespace Json {
class Value;
}

namespace cocos2d::extension {

class UIWidget;
class JsonFields;

class GUIReader : public CCObject {
public:
    static GUIReader* shareReader();
    static void purgeGUIReader();

    UIWidget* widgetFromJsonFile(const char* fileName);
    // The same from text in memory; folder (with a trailing '/') is where pictures are looked for.
    UIWidget* widgetFromJsonText(const std::string& text, const std::string& fileName, const std::string& folder);

    // "1.2.0.1" -> 1201 (a*1000 + b*100 + c*10 + d); plain numbers count as major versions.
    static int getVersionInteger(const char* version);
    const CCSize& getFileDesignSize(const char* fileName) const;
    int getFileVersion(const char* fileName) const;

private:
    GUIReader() = default;
    UIWidget* widgetFromTree(const Json::Value& tree, const std::string& where, int depth);
    void applyCommon(UIWidget* widget, const JsonFields& options);
    void applyColor(UIWidget* widget, const JsonFields& options);
    void applyClassOptions(UIWidget* widget, const std::string& classname, const JsonFields& options);
    void addChildren(UIWidget* widget, const std::string& classname, const Json::Value& tree,
                     const std::string& where, int depth);

    // State of the file being read.
    std::string m_file;
    std::string m_folder;
    int m_version = 0;
    std::map<std::string, CCSize> m_designSizes;
    std::map<std::string, int> m_versions;
};

} // namespace cocos2d::extension
