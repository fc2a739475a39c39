#pragma once
// A layout description (assets/layouts/NAME.layout): one widget a line,
//   Class name x y [key=value ...]
// indented under its parent, the first line being the root. Positions are the design units
// the screens use; worldX/worldY is where the widget's anchor lands on the 960 x 640 screen.
#include "core/Description.h"

#include <string>
#include <vector>

namespace brindle::assets {

struct WidgetNode {
    std::string className; // Panel, ImageView, Button or Label
    std::string name;
    double x = 0;
    double y = 0;
    double worldX = 0;
    double worldY = 0;
    int tag = 0;
    DescriptionLine line; // its arguments, and where it was written
    std::vector<WidgetNode> children;

    // Anchor as written, or the class default (containers sit on their corner).
    double anchorX() const;
    double anchorY() const;
};

struct LayoutDocument {
    std::string name;                  // "main" for main.ExportJson
    std::vector<std::string> textures; // sheets the layout's frames need
    WidgetNode root;
};

class LayoutDescription {
public:
    // Fails with SourceError on unknown classes or arguments, duplicate names or tags,
    // a missing or second root, or a child indented under nothing.
    static LayoutDocument parse(const std::vector<DescriptionLine>& lines, const std::string& name);

    // Depth-first pre-order, like the engine's look-up.
    static const WidgetNode* find(const WidgetNode& root, const std::string& name);
    static const WidgetNode* findTag(const WidgetNode& root, int tag);
};

} // namespace brindle::assets
