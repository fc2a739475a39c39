// A picture reference of a layout: the *Data dictionary of newer files or the plain name of old ones.
#pragma once

#include <string>

#include "../json/JsonFields.h"
#include "extensions/gui/UIWidget.h"

namespace cocos2d::extension {

struct LayoutResource {
    std::string path; // empty: no picture
    TextureResType type = UI_TEX_TYPE_LOCAL;
    const char* c_str() const { return path.c_str(); }
    bool empty() const { return path.empty(); }
};

// dataKey: e.g. "normalData"; plainKey: e.g. "normal". Files are made relative to folder.
LayoutResource readLayoutResource(const JsonFields& options, const char* dataKey, const char* plainKey,
                                  const std::string& folder);

} // namespace cocos2d::extension
