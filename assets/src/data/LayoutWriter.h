#pragma once
// Turns a layout description into the CocoStudio 1.x ".ExportJson" document the engine's
// layout reader reads: widgetTree of {classname, name, options, children}, a "textures"
// list, design size 960 x 640. Texts written "@key" come from the text table.
#include "data/LayoutDescription.h"

#include <json/value.h>

namespace brindle::assets {

class PictureSizes;
class TextTable;

class LayoutWriter {
public:
    // sizes may be null (sizes are then written as 0 for pictures shown at natural size).
    LayoutWriter(const TextTable& texts, const PictureSizes* sizes);

    Json::Value write(const LayoutDocument& doc) const;

private:
    Json::Value widget(const WidgetNode& node, int& actionTag) const;
    Json::Value commonOptions(const WidgetNode& node, int actionTag) const;
    void addPicture(Json::Value& options, const WidgetNode& node, const char* member) const;
    std::string text(const WidgetNode& node, const std::string& key) const;

    const TextTable& m_texts;
    const PictureSizes* m_sizes;
};

} // namespace brindle::assets
