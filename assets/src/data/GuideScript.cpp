#include "data/GuideScript.h"

#include "core/SourceError.h"
#include "data/TextTable.h"
#include "data/XmlText.h"

#include <cmath>
#include <cstdio>
#include <set>

namespace brindle::assets {

namespace {

// The dialog picture shows about 720 x 200 design units; it goes to the half of the screen
// away from the spot, the rabbit at its left end and the decoration on its top-right corner.
constexpr double kDialogX = 520;
constexpr double kDialogLowY = 150;
constexpr double kDialogHighY = 470;
constexpr double kSplitY = 330;
constexpr double kRabbitDX = -380;
constexpr double kRabbitDY = -10;
constexpr double kDecorationDX = 330;
constexpr double kDecorationDY = 85;

GuidePoint point(const DescriptionLine& line, const std::string& key)
{
    const std::string text = line.text(key, "");
    const size_t comma = text.find(',');
    if (comma == std::string::npos)
        line.fail(key + " must be x,y");
    return { parseNumber(line, text.substr(0, comma), key), parseNumber(line, text.substr(comma + 1), key) };
}

std::string number(double value)
{
    char buffer[32];
    if (value == std::floor(value))
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    else
        std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
}

GuideStep parseStep(const DescriptionLine& line, const Guide& guide, const GuideScript::LayoutLookup& layouts,
    const TextTable& texts)
{
    line.allowOnly({ "at", "radius", "key", "image", "arrow", "pur", "direction" });
    GuideStep step;
    step.target = line.word(1, "widget name");
    if (line.has("at")) {
        step.spot = point(line, "at");
    } else {
        const LayoutDocument* layout = guide.layout.empty() ? nullptr : layouts(guide.layout);
        if (!layout)
            line.fail("guide " + std::to_string(guide.index) + " has no layout; give the spot with at=x,y");
        const WidgetNode* widget = LayoutDescription::find(layout->root, step.target);
        if (!widget)
            line.fail("layout '" + guide.layout + "' has no widget '" + step.target + "'");
        step.spot = GuideScript::centre(*widget);
    }
    step.radius = line.number("radius", 80);
    if (step.radius <= 0)
        line.fail("radius must be positive");
    step.textKey = line.text("key", "");
    if (step.textKey.empty() || !texts.find(step.textKey))
        line.fail("text key '" + step.textKey + "' is not in text/config.conf");
    step.image = { kDialogX, step.spot.y >= kSplitY ? kDialogLowY : kDialogHighY };
    if (line.has("image"))
        step.image = point(line, "image");
    step.arrow = { step.image.x + kRabbitDX, step.image.y + kRabbitDY };
    if (line.has("arrow"))
        step.arrow = point(line, "arrow");
    step.purpose = { step.image.x + kDecorationDX, step.image.y + kDecorationDY };
    if (line.has("pur"))
        step.purpose = point(line, "pur");
    step.direction = line.integer("direction", 0);
    return step;
}

} // namespace

GuidePoint GuideScript::centre(const WidgetNode& widget)
{
    const double scale = widget.line.number("scale", 1.0);
    const double width = widget.line.number("w", 0) * widget.line.number("sx", scale);
    const double height = widget.line.number("h", 0) * widget.line.number("sy", scale);
    return { widget.worldX + (0.5 - widget.anchorX()) * width, widget.worldY + (0.5 - widget.anchorY()) * height };
}

std::vector<Guide> GuideScript::parse(const std::vector<DescriptionLine>& lines, const LayoutLookup& layouts,
    const TextTable& texts)
{
    std::vector<Guide> guides;
    std::set<int> numbers;
    const DescriptionLine* guideLine = nullptr;
    for (const DescriptionLine& line : lines) {
        const std::string& kind = line.words[0];
        if (kind == "guide") {
            line.allowOnly({ "layout" });
            Guide guide;
            guide.index = int(parseNumber(line, line.word(1, "guide number"), "guide number"));
            guide.name = line.word(2, "guide name");
            guide.layout = line.text("layout", "");
            if (guide.index < 1 || !numbers.insert(guide.index).second)
                line.fail("guide numbers start at 1 and are given once");
            if (guideLine && guides.back().steps.empty())
                guideLine->fail("guide has no step");
            guides.push_back(std::move(guide));
            guideLine = &line;
        } else if (kind == "step") {
            if (guides.empty())
                line.fail("a step needs a guide line above it");
            guides.back().steps.push_back(parseStep(line, guides.back(), layouts, texts));
        } else {
            line.fail("expected 'guide' or 'step'");
        }
    }
    if (guideLine && guides.back().steps.empty())
        guideLine->fail("guide has no step");
    return guides;
}

std::string GuideScript::xml(const Guide& guide)
{
    // Three top-level elements, read by position: a header, the start index, the steps.
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    xml += "<Guide name=\"" + xmlEscape(guide.name) + "\" index=\"" + std::to_string(guide.index) + "\"/>\n";
    xml += "<Start>\n  <Idx id=\"0\"/>\n</Start>\n";
    xml += "<Steps>\n";
    for (size_t i = 0; i < guide.steps.size(); ++i) {
        const GuideStep& s = guide.steps[i];
        const bool last = i + 1 == guide.steps.size();
        xml += "  <RectGroup id=\"" + std::to_string(i + 1) + "\">\n";
        xml += "    <Rect pntX=\"" + number(s.spot.x) + "\" pntY=\"" + number(s.spot.y) + "\" radius=\""
            + number(s.radius) + "\"/>\n";
        xml += "    <LabelText key=\"" + xmlEscape(s.textKey) + "\"/>\n";
        xml += "    <Image pntX=\"" + number(s.image.x) + "\" pntY=\"" + number(s.image.y) + "\" isEnd=\""
            + (last ? "1" : "0") + "\"/>\n";
        xml += "    <Arrow pntX=\"" + number(s.arrow.x) + "\" pntY=\"" + number(s.arrow.y) + "\" direction=\""
            + std::to_string(s.direction) + "\"/>\n";
        xml += "    <Pur pntX=\"" + number(s.purpose.x) + "\" pntY=\"" + number(s.purpose.y) + "\"/>\n";
        xml += "  </RectGroup>\n";
    }
    xml += "</Steps>\n";
    return xml;
}

} // namespace brindle::assets
