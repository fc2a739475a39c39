#include "extensions/gui/GUIReader.h"

#include <cstdlib>
#include <sstream>

#include "../json/JsonFields.h"
#include "LayoutResource.h"
#include "base/CCConsole.h"
#include "extensions/gui/UIButton.h"
#include "extensions/gui/UICheckBox.h"
#include "extensions/gui/UIImageView.h"
#include "extensions/gui/UILabel.h"
#include "extensions/gui/UILabelAtlas.h"
#include "extensions/gui/UILabelBMFont.h"
#include "extensions/gui/UILayout.h"
#include "extensions/gui/UIListView.h"
#include "extensions/gui/UILoadingBar.h"
#include "extensions/gui/UIPageView.h"
#include "extensions/gui/UIScrollView.h"
#include "extensions/gui/UISlider.h"
#include "extensions/gui/UITextField.h"
#include "sprites/CCSpriteFrameCache.h"
#include "support/CCFileUtils.h"

namespace cocos2d::extension {

namespace {
GUIReader* s_reader = nullptr;
// Deeper trees than this are refused: no editor makes them, and recursion must stay bounded.
constexpr int kMaxDepth = 64;

UIWidget* makeWidget(const std::string& classname)
{
    if (classname == "Panel" || classname == "Layout")
        return UILayout::create();
    if (classname == "Button" || classname == "TextButton")
        return UIButton::create();
    if (classname == "Label" || classname == "TextArea")
        return UILabel::create();
    if (classname == "ImageView")
        return UIImageView::create();
    if (classname == "LabelBMFont")
        return UILabelBMFont::create();
    if (classname == "LabelAtlas")
        return UILabelAtlas::create();
    if (classname == "CheckBox")
        return UICheckBox::create();
    if (classname == "TextField")
        return UITextField::create();
    if (classname == "LoadingBar")
        return UILoadingBar::create();
    if (classname == "Slider")
        return UISlider::create();
    if (classname == "ScrollView")
        return UIScrollView::create();
    if (classname == "ListView")
        return UIListView::create();
    if (classname == "PageView")
        return UIPageView::create();
    return nullptr;
}
} // namespace

LayoutResource readLayoutResource(const JsonFields& options, const char* dataKey, const char* plainKey,
                                  const std::string& folder)
{
    LayoutResource resource;
    if (const Json::Value* data = options.raw(dataKey)) {
        if (!data->isObject()) {
            options.complain(dataKey, "a resource object");
            return resource;
        }
        JsonFields fields(*data, options.file(), options.path(dataKey));
        std::string path = fields.string("path");
        if (path.empty())
            return resource;
        if (fields.integer("resourceType", 0) == 1) {
            resource.type = UI_TEX_TYPE_PLIST;
            resource.path = path;
        } else {
            resource.path = (path[0] == '/') ? path : folder + path;
        }
        return resource;
    }
    std::string path = options.string(plainKey);
    if (path.empty())
        return resource;
    if (options.boolean("useMergedTexture", false)) {
        resource.type = UI_TEX_TYPE_PLIST;
        resource.path = path;
    } else {
        resource.path = (path[0] == '/') ? path : folder + path;
    }
    return resource;
}

GUIReader* GUIReader::shareReader()
{
    if (!s_reader)
        s_reader = new GUIReader();
    return s_reader;
}

void GUIReader::purgeGUIReader() { CC_SAFE_RELEASE_NULL(s_reader); }

int GUIReader::getVersionInteger(const char* version)
{
    if (!version || !*version)
        return 0;
    std::string text(version);
    if (text.find('.') == std::string::npos || std::count(text.begin(), text.end(), '.') == 1)
        return static_cast<int>(std::atof(version) * 1000); // 1 or 1.0: a plain major version
    int parts[4] = {0, 0, 0, 0};
    std::istringstream in(text);
    std::string part;
    for (int i = 0; i < 4 && std::getline(in, part, '.'); ++i)
        parts[i] = std::atoi(part.c_str());
    return parts[0] * 1000 + parts[1] * 100 + parts[2] * 10 + parts[3];
}

const CCSize& GUIReader::getFileDesignSize(const char* fileName) const
{
    static const CCSize none;
    auto it = m_designSizes.find(fileName ? fileName : "");
    return it == m_designSizes.end() ? none : it->second;
}

int GUIReader::getFileVersion(const char* fileName) const
{
    auto it = m_versions.find(fileName ? fileName : "");
    return it == m_versions.end() ? 0 : it->second;
}

UIWidget* GUIReader::widgetFromJsonFile(const char* fileName)
{
    if (!fileName || !*fileName) {
        CCLog("GUIReader: no layout file given");
        return nullptr;
    }
    auto* files = CCFileUtils::sharedFileUtils();
    std::string full = files->fullPathForFilename(fileName);
    std::string text;
    if (!files->readFile(full, text)) {
        CCLog("%s: cannot read the layout file", fileName);
        return nullptr;
    }
    std::size_t slash = full.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
    UIWidget* root = widgetFromJsonText(text, fileName, folder);
    return root;
}

UIWidget* GUIReader::widgetFromJsonText(const std::string& text, const std::string& fileName, const std::string& folder)
{
    Json::Value document;
    if (!parseEditorJson(text, fileName, document))
        return nullptr;
    m_file = fileName;
    m_folder = folder;
    JsonFields top(document, m_file, "");
    const Json::Value* versionValue = top.raw("version");
    m_version = 0;
    if (versionValue && versionValue->isString())
        m_version = getVersionInteger(versionValue->asCString());
    else if (versionValue && versionValue->isNumeric())
        m_version = static_cast<int>(versionValue->asDouble() * 1000 < 1e9 ? versionValue->asDouble() * 1000 : 0);
    m_versions[fileName] = m_version;
    m_designSizes[fileName] = CCSize(top.number("designWidth", 0), top.number("designHeight", 0));

    if (const Json::Value* textures = top.array("textures"))
        for (const auto& plist : *textures)
            if (plist.isString() && !plist.asString().empty()) {
                std::string path = folder + plist.asString();
                CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(path.c_str());
            }

    const Json::Value* tree = top.object("widgetTree");
    if (!tree) {
        CCLog("%s: member \"widgetTree\" is missing, no layout made", m_file.c_str());
        return nullptr;
    }
    return widgetFromTree(*tree, "widgetTree", 0);
}

UIWidget* GUIReader::widgetFromTree(const Json::Value& tree, const std::string& where, int depth)
{
    JsonFields fields(tree, m_file, where);
    std::string classname = fields.string("classname");
    // Old files leave classname null at the top and in nodes; the options may carry it instead.
    const Json::Value* optionsValue = fields.object("options");
    static const Json::Value kEmpty(Json::objectValue);
    const Json::Value& options = optionsValue ? *optionsValue : kEmpty;
    JsonFields opts(options, m_file, where + ".options");
    if (classname.empty())
        classname = opts.string("classname");

    UIWidget* widget = makeWidget(classname);
    if (!widget) {
        CCLog("%s: widget \"%s\" at %s has unknown class \"%s\", made a plain widget", m_file.c_str(),
              opts.string("name").c_str(), where.c_str(), classname.c_str());
        widget = UIWidget::create();
    }
    applyCommon(widget, opts);
    applyClassOptions(widget, classname, opts);
    applyColor(widget, opts);
    if (depth < kMaxDepth)
        addChildren(widget, classname, tree, where, depth);
    else
        CCLog("%s: widgets nested deeper than %d at %s are left out", m_file.c_str(), kMaxDepth, where.c_str());
    return widget;
}

void GUIReader::addChildren(UIWidget* widget, const std::string& classname, const Json::Value& tree,
                            const std::string& where, int depth)
{
    JsonFields fields(tree, m_file, where);
    const Json::Value* children = fields.array("children");
    if (!children)
        return;
    for (Json::ArrayIndex i = 0; i < children->size(); ++i) {
        const Json::Value& node = (*children)[i];
        std::string childWhere = where + ".children[" + std::to_string(i) + "]";
        if (!node.isObject()) {
            CCLog("%s: member \"%s\" is not a widget object, skipped", m_file.c_str(), childWhere.c_str());
            continue;
        }
        UIWidget* child = widgetFromTree(node, childWhere, depth + 1);
        if (!child)
            continue;
        if (classname == "ListView")
            static_cast<UIListView*>(widget)->pushBackCustomItem(child);
        else if (classname == "PageView" && dynamic_cast<UILayout*>(child))
            static_cast<UIPageView*>(widget)->addPage(static_cast<UILayout*>(child));
        else
            widget->addChild(child);
    }
}

void GUIReader::applyCommon(UIWidget* widget, const JsonFields& o)
{
    if (o.has("ignoreSize"))
        widget->ignoreContentAdaptWithSize(o.boolean("ignoreSize", false));
    widget->setSizeType(o.integer("sizeType", 0) == 1 ? SIZE_PERCENT : SIZE_ABSOLUTE);
    widget->setPositionType(o.integer("positionType", 0) == 1 ? POSITION_PERCENT : POSITION_ABSOLUTE);
    widget->setSizePercent(CCPoint(o.number("sizePercentX", 0), o.number("sizePercentY", 0)));
    widget->setPositionPercent(CCPoint(o.number("positionPercentX", 0), o.number("positionPercentY", 0)));
    widget->setSize(CCSize(std::max(0.f, o.number("width", 0)), std::max(0.f, o.number("height", 0))));
    widget->setTag(o.integer("tag", widget->getTag()));
    widget->setActionTag(o.integer("actiontag", 0));
    if (o.has("touchAble"))
        widget->setTouchEnabled(o.boolean("touchAble", false));
    widget->setName(o.string("name", "default").c_str());
    widget->setPosition(CCPoint(o.number("x", 0), o.number("y", 0)));
    if (o.has("scaleX"))
        widget->setScaleX(o.number("scaleX", 1));
    if (o.has("scaleY"))
        widget->setScaleY(o.number("scaleY", 1));
    if (o.has("rotation"))
        widget->setRotation(o.number("rotation", 0));
    if (o.has("visible"))
        widget->setVisible(o.boolean("visible", true));
    widget->setZOrder(o.integer("ZOrder", 0));

    if (const Json::Value* parameter = o.object("layoutParameter")) {
        JsonFields p(*parameter, o.file(), o.path("layoutParameter"));
        UILinearLayoutParameter linear;
        linear.set = p.integer("type", 0) == 1;
        linear.gravity = static_cast<UILinearGravity>(std::clamp(p.integer("gravity", 0), 0, 6));
        linear.margin.left = p.number("marginLeft", 0);
        linear.margin.top = p.number("marginTop", 0);
        linear.margin.right = p.number("marginRight", 0);
        linear.margin.bottom = p.number("marginDown", 0);
        widget->setLayoutParameter(linear);
    }
}

void GUIReader::applyColor(UIWidget* widget, const JsonFields& o)
{
    widget->setOpacity(static_cast<GLubyte>(std::clamp(o.integer("opacity", 255), 0, 255)));
    widget->setColor(ccc3(static_cast<GLubyte>(std::clamp(o.integer("colorR", 255), 0, 255)),
                          static_cast<GLubyte>(std::clamp(o.integer("colorG", 255), 0, 255)),
                          static_cast<GLubyte>(std::clamp(o.integer("colorB", 255), 0, 255))));
    const float defaultAnchor = widget->isContainer() ? 0.f : 0.5f;
    widget->setAnchorPoint(CCPoint(o.number("anchorPointX", defaultAnchor), o.number("anchorPointY", defaultAnchor)));
    bool flipX = o.boolean("flipX", false), flipY = o.boolean("flipY", false);
    if (auto* image = dynamic_cast<UIImageView*>(widget)) {
        image->setFlipX(flipX);
        image->setFlipY(flipY);
    } else if (auto* button = dynamic_cast<UIButton*>(widget)) {
        if (flipX)
            button->setFlipX(true);
        if (flipY)
            button->setFlipY(true);
    }
}

} // namespace cocos2d::extension
