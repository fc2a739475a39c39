#include "data/LayoutWriter.h"

#include "data/PictureSizes.h"
#include "data/TextTable.h"

#include <cmath>

namespace brindle::assets {

namespace {

constexpr int kDesignWidth = 960;
constexpr int kDesignHeight = 640;
// Chinese labels need a CJK face; the reader's own default ("Thonburi") has none.
constexpr const char* kLabelFont = "simhei.ttf";
constexpr int kFirstActionTag = 10000;

struct Rgb {
    int r = 255, g = 255, b = 255;
};

std::vector<double> numbers(const WidgetNode& node, const std::string& key, size_t count)
{
    const std::string text = node.line.text(key, "");
    std::vector<double> values;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos)
            comma = text.size();
        values.push_back(parseNumber(node.line, text.substr(start, comma - start), key));
        start = comma + 1;
    }
    if (values.size() != count)
        node.line.fail(key + " needs " + std::to_string(count) + " numbers separated by commas");
    return values;
}

Rgb colour(const WidgetNode& node, const std::string& key)
{
    if (!node.line.has(key))
        return {};
    const auto v = numbers(node, key, 3);
    return { int(v[0]), int(v[1]), int(v[2]) };
}

Json::Value resource(const std::string& path, int type)
{
    Json::Value data(Json::objectValue);
    if (path.empty()) {
        data["path"] = Json::Value::null;
        data["plistFile"] = Json::Value::null;
        data["resourceType"] = 0;
        return data;
    }
    data["path"] = path;
    data["plistFile"] = "";
    data["resourceType"] = type;
    return data;
}

void setCaps(Json::Value& options, const WidgetNode& node, const char* prefix)
{
    std::vector<double> caps { 0, 0, 1, 1 };
    if (node.line.has("caps"))
        caps = numbers(node, "caps", 4);
    const std::string p(prefix);
    options[p + "capInsetsX"] = caps[0];
    options[p + "capInsetsY"] = caps[1];
    options[p + "capInsetsWidth"] = caps[2];
    options[p + "capInsetsHeight"] = caps[3];
}

} // namespace

LayoutWriter::LayoutWriter(const TextTable& texts, const PictureSizes* sizes)
    : m_texts(texts)
    , m_sizes(sizes)
{
}

std::string LayoutWriter::text(const WidgetNode& node, const std::string& key) const
{
    const std::string value = node.line.text(key, "");
    if (value.empty() || value[0] != '@')
        return value;
    const TextEntry* entry = m_texts.find(value.substr(1));
    if (!entry)
        node.line.fail("text key '" + value.substr(1) + "' is not in text/config.conf");
    return entry->chinese;
}

Json::Value LayoutWriter::commonOptions(const WidgetNode& node, int actionTag) const
{
    const bool container = node.className == "Panel";
    Json::Value o(Json::objectValue);
    o["classname"] = node.className;
    o["name"] = node.name;
    o["tag"] = node.tag;
    o["actiontag"] = actionTag;
    o["x"] = node.x;
    o["y"] = node.y;
    o["positionType"] = 0;
    o["positionPercentX"] = node.x / kDesignWidth;
    o["positionPercentY"] = node.y / kDesignHeight;
    o["sizeType"] = 0;
    o["anchorPointX"] = node.anchorX();
    o["anchorPointY"] = node.anchorY();
    const double scale = node.line.number("scale", 1.0);
    o["scaleX"] = node.line.number("sx", scale);
    o["scaleY"] = node.line.number("sy", scale);
    o["rotation"] = node.line.number("rotation", 0);
    o["visible"] = node.line.integer("visible", 1) != 0;
    // Hidden widgets still take touches in this engine line, so only buttons (and panels
    // asked to swallow touches) are touchable unless the description says otherwise.
    o["touchAble"] = node.line.integer("touch", node.className == "Button" ? 1 : 0) != 0;
    o["opacity"] = node.line.integer("opacity", 255);
    o["ZOrder"] = node.line.integer("z", 0);
    o["flipX"] = false;
    o["flipY"] = false;
    o["colorR"] = 255;
    o["colorG"] = 255;
    o["colorB"] = 255;
    o["layoutParameter"] = Json::Value::null;
    o["useMergedTexture"] = true;
    o["customProperty"] = "";

    const bool custom = container || node.line.integer("scale9", 0) != 0 || node.line.has("w");
    o["ignoreSize"] = !custom;
    o["width"] = node.line.number("w", 0);
    o["height"] = node.line.number("h", 0);
    o["sizePercentX"] = o["width"].asDouble() / kDesignWidth;
    o["sizePercentY"] = o["height"].asDouble() / kDesignHeight;
    return o;
}

void LayoutWriter::addPicture(Json::Value& options, const WidgetNode& node, const char* member) const
{
    std::string path;
    int type = 0;
    std::optional<std::pair<int, int>> size;
    if (node.line.has("frame")) {
        path = node.line.text("frame", "");
        type = 1;
        if (m_sizes && !path.empty())
            size = m_sizes->frame(path);
    } else {
        path = node.line.text("file", "");
        if (m_sizes && !path.empty())
            size = m_sizes->file(path);
    }
    options[member] = resource(path, type);
    if (size && options["ignoreSize"].asBool()) {
        options["width"] = size->first;
        options["height"] = size->second;
        options["sizePercentX"] = double(size->first) / kDesignWidth;
        options["sizePercentY"] = double(size->second) / kDesignHeight;
    }
}

Json::Value LayoutWriter::widget(const WidgetNode& node, int& actionTag) const
{
    Json::Value o = commonOptions(node, actionTag++);
    const std::string& cls = node.className;
    if (cls == "Panel") {
        const bool hasBg = node.line.has("bg");
        std::vector<double> bg { 150, 200, 255, 0 };
        if (hasBg)
            bg = numbers(node, "bg", 4);
        o["colorType"] = hasBg ? 1 : 0;
        o["bgColorR"] = int(bg[0]);
        o["bgColorG"] = int(bg[1]);
        o["bgColorB"] = int(bg[2]);
        o["bgColorOpacity"] = int(bg[3]);
        for (const char* end : { "bgStartColor", "bgEndColor" }) {
            o[std::string(end) + "R"] = int(bg[0]);
            o[std::string(end) + "G"] = int(bg[1]);
            o[std::string(end) + "B"] = int(bg[2]);
        }
        o["vectorX"] = 0;
        o["vectorY"] = -0.5;
        o["clipAble"] = node.line.integer("clip", 0) != 0;
        o["layoutType"] = 0;
        o["adaptScreen"] = false;
        o["backGroundScale9Enable"] = false;
        setCaps(o, node, "");
        if (node.line.has("file") || node.line.has("frame"))
            addPicture(o, node, "backGroundImageData");
        else
            o["backGroundImageData"] = Json::Value::null;
    } else if (cls == "ImageView") {
        const bool scale9 = node.line.integer("scale9", 0) != 0;
        o["scale9Enable"] = scale9;
        o["scale9Width"] = node.line.number("w", 0);
        o["scale9Height"] = node.line.number("h", 0);
        setCaps(o, node, "");
        addPicture(o, node, "fileNameData");
    } else if (cls == "Button") {
        const bool scale9 = node.line.integer("scale9", 0) != 0;
        o["scale9Enable"] = scale9;
        o["scale9Width"] = node.line.number("w", 0);
        o["scale9Height"] = node.line.number("h", 0);
        setCaps(o, node, "");
        addPicture(o, node, "normalData");
        o["pressedData"] = resource(node.line.text("pressed", ""), node.line.has("frame") ? 1 : 0);
        o["disabledData"] = resource("", 0);
        o["text"] = text(node, "title");
        o["fontName"] = kLabelFont;
        // The title is drawn inside the button and scales with it: size= is the size on screen.
        const double titleScale = o["scaleY"].asDouble() > 0 ? o["scaleY"].asDouble() : 1.0;
        o["fontSize"] = int(std::lround(node.line.number("size", 30) / titleScale));
        o["fontType"] = 0;
        const Rgb c = colour(node, "color");
        o["textColorR"] = c.r;
        o["textColorG"] = c.g;
        o["textColorB"] = c.b;
    } else if (cls == "Label") {
        o["text"] = text(node, "text");
        o["fontName"] = kLabelFont;
        o["fontSize"] = node.line.integer("size", 30);
        o["touchScaleEnable"] = false;
        double areaW = 0, areaH = 0;
        if (node.line.has("area")) {
            const auto v = numbers(node, "area", 2);
            areaW = v[0];
            areaH = v[1];
        }
        o["areaWidth"] = areaW;
        o["areaHeight"] = areaH;
        const std::string align = node.line.text("align", "left");
        o["hAlignment"] = align == "centre" ? 1 : align == "right" ? 2 : 0;
        o["vAlignment"] = 0;
        const Rgb c = colour(node, "color");
        o["colorR"] = c.r;
        o["colorG"] = c.g;
        o["colorB"] = c.b;
    }

    Json::Value w(Json::objectValue);
    w["classname"] = cls;
    w["name"] = node.name;
    w["options"] = o;
    w["children"] = Json::Value(Json::arrayValue);
    for (const WidgetNode& child : node.children)
        w["children"].append(widget(child, actionTag));
    return w;
}

Json::Value LayoutWriter::write(const LayoutDocument& doc) const
{
    Json::Value root(Json::objectValue);
    root["classname"] = Json::Value::null;
    root["name"] = Json::Value::null;
    root["version"] = "1.2.0.0";
    root["designWidth"] = kDesignWidth;
    root["designHeight"] = kDesignHeight;
    root["dataScale"] = 1;
    root["textures"] = Json::Value(Json::arrayValue);
    root["texturesPng"] = Json::Value(Json::arrayValue);
    for (const std::string& sheet : doc.textures) {
        root["textures"].append(sheet);
        const size_t dot = sheet.rfind('.');
        root["texturesPng"].append(sheet.substr(0, dot) + ".png");
    }
    Json::Value animation(Json::objectValue);
    animation["classname"] = Json::Value::null;
    animation["name"] = "AnimationManager";
    animation["actionlist"] = Json::Value(Json::arrayValue);
    root["animation"] = animation;
    int actionTag = kFirstActionTag;
    root["widgetTree"] = widget(doc.root, actionTag);
    return root;
}

} // namespace brindle::assets
