// CocoStudio UI layouts: read with GUIReader; one entry per widget, depth first.
#include <fstream>
#include <functional>
#include <sstream>

#include "Probe.h"
#include "extensions/gui/GUIReader.h"
#include "extensions/gui/UIScrollView.h"
#include "extensions/gui/UIWidget.h"

using namespace cocos2d;
using namespace cocos2d::extension;

namespace {

std::string head(const std::string& path, std::size_t bytes)
{
    std::ifstream in(path, std::ios::binary);
    std::string text(bytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(bytes));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

bool isLayout(const std::string& path, const std::string& ext, const std::string&)
{
    return (ext == ".json" || ext == ".exportjson") && head(path, 1 << 20).find("\"widgetTree\"") != std::string::npos;
}

bool probeLayout(const std::string& path, std::string& json, std::string& error)
{
    UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile(path.c_str());
    if (!root) {
        error = "GUIReader made no widget tree (see the log above)";
        return false;
    }
    root->retain();
    const CCSize design = GUIReader::shareReader()->getFileDesignSize(path.c_str());
    std::ostringstream out;
    out << "{\"file\":" << probe::quote(path) << ",\"kind\":\"layout\",\"version\":"
        << GUIReader::shareReader()->getFileVersion(path.c_str()) << ",\"designWidth\":" << design.width
        << ",\"designHeight\":" << design.height << ",\"widgets\":[";
    bool first = true;
    std::function<void(UIWidget*, int)> walk = [&](UIWidget* w, int depth) {
        out << (first ? "" : ",") << "{\"class\":" << probe::quote(w->getDescription())
            << ",\"name\":" << probe::quote(w->getName()) << ",\"tag\":" << w->getTag() << ",\"depth\":" << depth
            << ",\"x\":" << w->getPositionX() << ",\"y\":" << w->getPositionY() << ",\"width\":" << w->getSize().width
            << ",\"height\":" << w->getSize().height << ",\"visible\":" << (w->isVisible() ? "true" : "false") << "}";
        first = false;
        CCNode* holder = w;
        if (auto* scroller = dynamic_cast<UIScrollView*>(w))
            holder = scroller->getInnerContainer();
        if (CCArray* children = holder->getChildren())
            for (unsigned int i = 0; i < children->count(); ++i)
                if (auto* child = dynamic_cast<UIWidget*>(children->objectAtIndex(i)))
                    walk(child, depth + 1);
    };
    walk(root, 0);
    out << "]}";
    root->release();
    json = out.str();
    return true;
}

probe::ProbeRegistration registration({"layout", isLayout, probeLayout});

} // namespace
