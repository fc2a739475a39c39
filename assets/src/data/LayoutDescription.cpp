#include "data/LayoutDescription.h"

#include "core/SourceError.h"

#include <map>
#include <set>

namespace brindle::assets {

namespace {

// Tags the description does not give are numbered from here, skipping given ones.
constexpr int kFirstAutomaticTag = 2;

bool isContainer(const std::string& className)
{
    return className == "Panel";
}

void checkArguments(const DescriptionLine& line, const std::string& className)
{
    if (className == "Panel") {
        line.allowOnly({ "w", "h", "tag", "touch", "visible", "opacity", "anchor", "z", "bg", "clip", "file",
            "frame" });
    } else if (className == "ImageView") {
        line.allowOnly({ "tag", "touch", "visible", "opacity", "anchor", "z", "scale", "sx", "sy", "rotation",
            "file", "frame", "scale9", "w", "h", "caps" });
    } else if (className == "Button") {
        line.allowOnly({ "tag", "touch", "visible", "opacity", "anchor", "z", "scale", "sx", "sy", "rotation",
            "file", "frame", "pressed", "title", "size", "color", "scale9", "w", "h", "caps" });
    } else if (className == "Label") {
        line.allowOnly({ "tag", "touch", "visible", "opacity", "anchor", "z", "scale", "text", "size", "color",
            "area", "align" });
    } else {
        line.fail("unknown widget class '" + className + "' (Panel, ImageView, Button, Label)");
    }
    if (line.has("file") && line.has("frame"))
        line.fail("give either file= or frame=, not both");
}

WidgetNode makeNode(const DescriptionLine& line)
{
    WidgetNode node;
    node.className = line.word(0, "widget class");
    node.name = line.word(1, "widget name");
    node.x = parseNumber(line, line.word(2, "x"), "x");
    node.y = parseNumber(line, line.word(3, "y"), "y");
    if (line.words.size() > 4)
        line.fail("unexpected word '" + line.words[4] + "' (arguments are key=value)");
    checkArguments(line, node.className);
    node.tag = line.integer("tag", 0);
    node.line = line;
    return node;
}

// Builds the subtree of lines[at] from the lines indented deeper than it.
WidgetNode buildTree(const std::vector<const DescriptionLine*>& lines, size_t& at)
{
    const DescriptionLine& line = *lines[at++];
    WidgetNode node = makeNode(line);
    int childIndent = -1;
    while (at < lines.size() && lines[at]->indent > line.indent) {
        if (childIndent < 0)
            childIndent = lines[at]->indent;
        if (lines[at]->indent != childIndent)
            lines[at]->fail("indentation does not match the widget's siblings");
        node.children.push_back(buildTree(lines, at));
    }
    return node;
}

void placeChildren(WidgetNode& node)
{
    // Children of a container start at its lower-left corner; children of any other
    // widget start at its anchor point.
    double originX = node.worldX;
    double originY = node.worldY;
    if (isContainer(node.className)) {
        originX -= node.anchorX() * node.line.number("w", 0);
        originY -= node.anchorY() * node.line.number("h", 0);
    }
    for (WidgetNode& child : node.children) {
        child.worldX = originX + child.x;
        child.worldY = originY + child.y;
        placeChildren(child);
    }
}

void collect(WidgetNode& node, std::map<std::string, const WidgetNode*>& names, std::set<int>& tags,
    std::vector<WidgetNode*>& all)
{
    if (!names.emplace(node.name, &node).second)
        node.line.fail("widget name '" + node.name + "' is used twice in this layout");
    if (node.tag != 0 && !tags.insert(node.tag).second)
        node.line.fail("tag " + std::to_string(node.tag) + " is used twice in this layout");
    all.push_back(&node);
    for (WidgetNode& child : node.children)
        collect(child, names, tags, all);
}

double pair(const WidgetNode& node, int index, double fallback)
{
    const std::string text = node.line.text("anchor", "");
    if (text.empty())
        return fallback;
    const size_t comma = text.find(',');
    if (comma == std::string::npos)
        node.line.fail("anchor must be x,y");
    return parseNumber(node.line, index == 0 ? text.substr(0, comma) : text.substr(comma + 1), "anchor");
}

} // namespace

double WidgetNode::anchorX() const
{
    return pair(*this, 0, isContainer(className) ? 0.0 : 0.5);
}

double WidgetNode::anchorY() const
{
    return pair(*this, 1, isContainer(className) ? 0.0 : 0.5);
}

LayoutDocument LayoutDescription::parse(const std::vector<DescriptionLine>& lines, const std::string& name)
{
    LayoutDocument doc;
    doc.name = name;
    std::vector<const DescriptionLine*> widgets;
    for (const DescriptionLine& line : lines) {
        if (line.words[0] == "texture") {
            doc.textures.push_back(line.word(1, "sheet name"));
            continue;
        }
        widgets.push_back(&line);
    }
    if (widgets.empty())
        throw SourceError(name, 1, "a layout needs a root widget");
    size_t at = 0;
    doc.root = buildTree(widgets, at);
    if (at != widgets.size())
        widgets[at]->fail("a layout has exactly one root widget; indent this line under it");

    doc.root.worldX = doc.root.x;
    doc.root.worldY = doc.root.y;
    placeChildren(doc.root);

    std::map<std::string, const WidgetNode*> names;
    std::set<int> tags;
    std::vector<WidgetNode*> all;
    collect(doc.root, names, tags, all);
    int next = kFirstAutomaticTag;
    for (WidgetNode* node : all) {
        if (node->tag != 0)
            continue;
        while (tags.count(next))
            ++next;
        node->tag = next;
        tags.insert(next);
    }
    return doc;
}

const WidgetNode* LayoutDescription::find(const WidgetNode& root, const std::string& name)
{
    if (root.name == name)
        return &root;
    for (const WidgetNode& child : root.children) {
        if (const WidgetNode* found = find(child, name))
            return found;
    }
    return nullptr;
}

const WidgetNode* LayoutDescription::findTag(const WidgetNode& root, int tag)
{
    if (root.tag == tag)
        return &root;
    for (const WidgetNode& child : root.children) {
        if (const WidgetNode* found = findTag(child, tag))
            return found;
    }
    return nullptr;
}

} // namespace brindle::assets
