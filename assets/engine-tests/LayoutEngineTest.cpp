// Every generated layout through the engine's own reader: no complaint in the log, and every
// widget the screens look up is there with the class the screen casts it to.
#include "EngineAssetTest.h"

#include "extensions/gui/GUIReader.h"
#include "extensions/gui/UIHelper.h"
#include "extensions/gui/UILabel.h"
#include "extensions/gui/UILayer.h"
#include "extensions/gui/UIWidget.h"
#include "labels/CCLabelTTF.h"

using namespace cocos2d;
using namespace cocos2d::extension;

namespace brindle::assets::enginetest {
namespace {

using LayoutEngineTest = EngineAssetTest;

std::vector<std::string> generatedLayouts()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(imagesDir())) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".ExportJson" && !manifest()["armatures"].isMember(entry.path().stem().string()))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The reader's class for a layout "classname": panels come out as layouts, the rest keep their name.
std::string engineClass(const std::string& classname)
{
    return classname == "Panel" ? "Layout" : classname;
}

// A row pattern such as "infobg%d": the rows from 0 on, as many as the layout has (at least one).
std::vector<UIWidget*> patternRows(UIWidget* root, const std::string& pattern)
{
    std::vector<UIWidget*> rows;
    const std::size_t at = pattern.find("%d");
    for (int i = 0;; ++i) {
        const std::string name = pattern.substr(0, at) + std::to_string(i) + pattern.substr(at + 2);
        UIWidget* row = UIHelper::seekWidgetByName(root, name.c_str());
        if (!row)
            return rows;
        rows.push_back(row);
    }
}

TEST_F(LayoutEngineTest, EveryLayoutReadsWithoutComplaint)
{
    const std::vector<std::string> layouts = generatedLayouts();
    ASSERT_GE(layouts.size(), manifest()["layouts"].size());
    for (const std::string& name : layouts) {
        SCOPED_TRACE(name);
        UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile(name.c_str());
        EXPECT_NE(root, nullptr);
        for (const std::string& line : takeLog())
            ADD_FAILURE() << line;
        if (root) {
            EXPECT_GT(UIHelper::countWidgets(root), 1);
        }
    }
}

TEST_F(LayoutEngineTest, ManifestWidgetsAreFoundWithTheirClass)
{
    const Json::Value& layouts = manifest()["layouts"];
    ASSERT_FALSE(layouts.empty());
    int checked = 0;
    for (const std::string& file : layouts.getMemberNames()) {
        SCOPED_TRACE(file);
        UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile(file.c_str());
        ASSERT_NE(root, nullptr);
        // The screens look widgets up both through their UI layer and from the root.
        UILayer* layer = UILayer::create();
        layer->addWidget(root);
        for (const Json::Value& widget : layouts[file]) {
            const std::string cls = widget["classname"].asString();
            UIWidget* found = nullptr;
            if (widget["rows"].asBool()) {
                const std::vector<UIWidget*> rows = patternRows(root, widget["name"].asString());
                EXPECT_FALSE(rows.empty()) << "no rows for " << widget["name"].asString();
                for (UIWidget* row : rows)
                    EXPECT_EQ(row->getDescription(), engineClass(cls)) << row->getName();
                ++checked;
                continue;
            }
            if (widget["name"].isString()) {
                const std::string name = widget["name"].asString();
                found = UIHelper::seekWidgetByName(root, name.c_str());
                EXPECT_EQ(layer->getWidgetByName(name.c_str()), found) << name;
                EXPECT_NE(found, nullptr) << "no widget named " << name;
            } else if (widget["tag"].isInt()) {
                found = UIHelper::seekWidgetByTag(root, widget["tag"].asInt());
                EXPECT_NE(found, nullptr) << "no widget tagged " << widget["tag"].asInt();
            } else {
                ADD_FAILURE() << "manifest entry without name or tag";
            }
            if (found && cls != "any") {
                EXPECT_EQ(found->getDescription(), engineClass(cls)) << found->getName();
            }
            if (found && widget["tag"].isInt()) {
                EXPECT_EQ(found->getTag(), widget["tag"].asInt()) << found->getName();
            }
            ++checked;
        }
        for (const std::string& line : takeLog())
            ADD_FAILURE() << line;
    }
    EXPECT_GT(checked, 100);
}

// Captions on the cream panels are dark brown; drawn white they vanish.
TEST_F(LayoutEngineTest, LabelColoursReachTheDrawnText)
{
    UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("alterpwd.ExportJson");
    ASSERT_NE(root, nullptr);
    auto* caption = dynamic_cast<UILabel*>(UIHelper::seekWidgetByName(root, "oldcaption"));
    ASSERT_NE(caption, nullptr);
    ASSERT_EQ(caption->getColor().r, 110);
    ASSERT_EQ(caption->getColor().b, 20);
    const ccColor3B drawn = caption->getVirtualRenderer()->getDisplayedColor();
    EXPECT_EQ(drawn.r, 110);
    EXPECT_EQ(drawn.g, 60);
    EXPECT_EQ(drawn.b, 20);
}

} // namespace
} // namespace brindle::assets::enginetest
