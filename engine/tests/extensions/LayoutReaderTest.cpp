#include <cstring>
#include <functional>

#include "ExtTestSupport.h"
#include "extensions/gui/GUIReader.h"
#include "extensions/gui/UIButton.h"
#include "extensions/gui/UIHelper.h"
#include "extensions/gui/UIImageView.h"
#include "extensions/gui/UILabel.h"
#include "extensions/gui/UILayout.h"
#include "extensions/gui/UIListView.h"
#include "extensions/gui/UIScrollView.h"
#include "extensions/gui/UITextField.h"
#include "sprites/CCSprite.h"

using namespace cocos2d;
using namespace cocos2d::extension;

namespace {

class LayoutReaderTest : public exttest::ExtensionTest {
protected:
    UIWidget* load(const std::string& relative)
    {
        return GUIReader::shareReader()->widgetFromJsonFile(exttest::samples(relative).c_str());
    }
    UIWidget* fromText(const std::string& text)
    {
        return GUIReader::shareReader()->widgetFromJsonText(text, "bad.ExportJson", exttest::samples("cocostudio-ui/UI_Register/"));
    }
};

struct SampleLayout {
    const char* file;
    int widgets;
    int version;
    std::vector<const char*> names;
};

TEST_F(LayoutReaderTest, EverySampleLoadsWithItsWidgets)
{
    SKIP_WITHOUT_SAMPLES();
    const std::vector<SampleLayout> cases = {
        {"cocostudio-ui/UI_Register/UI_Register.json", 15, 300, {"basePanel", "registerBg", "cancelButton", "confirmButton"}},
        {"cocostudio-ui/examples/examples_1.json", 78, 1000, {"example_root", "weapon_button", "equip_button"}},
        {"cocostudio-ui/CocoGUISample/CocoGUISample.json", 29, 1000, {"exitbutton", "backtotopbutton", "imageview"}},
        {"cocostudio-ui/startMenu/startMenu_1.json", 4, 400, {"Panel", "ImageView", "Button"}},
        {"cocostudio-ui/ScrollView_Both/both_1.json", 12, 1201, {"Panel_521", "Button_1138", "ImageView_1140"}},
        {"cocostudio-ui/ccs1_5/CCS1_5_1.ExportJson", 44, 1500, {"Panel_14", "Button_2", "Image_4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        UIWidget* root = load(c.file);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(UIHelper::countWidgets(root), c.widgets);
        EXPECT_EQ(GUIReader::shareReader()->getFileVersion(exttest::samples(c.file).c_str()), c.version);
        for (const char* name : c.names) {
            UIWidget* found = UIHelper::seekWidgetByName(root, name);
            ASSERT_NE(found, nullptr) << name;
            EXPECT_STREQ(found->getName(), name);
        }
    }
}

TEST_F(LayoutReaderTest, PicturesSizesAndPlacementFollowTheFile)
{
    SKIP_WITHOUT_SAMPLES();
    UIWidget* root = load("cocostudio-ui/startMenu/startMenu_1.json");
    ASSERT_NE(root, nullptr);
    auto* button = dynamic_cast<UIButton*>(UIHelper::seekWidgetByName(root, "Button"));
    ASSERT_NE(button, nullptr);
    // ignoreSize: the size is the picture's (278 x 124), anchored in the middle at (139, 62).
    EXPECT_FLOAT_EQ(button->getSize().width, 278);
    EXPECT_FLOAT_EQ(button->getSize().height, 124);
    EXPECT_FLOAT_EQ(button->getPositionX(), 139);
    EXPECT_FLOAT_EQ(button->getAnchorPoint().x, 0.5f);
    EXPECT_TRUE(button->isTouchEnabled());

    auto* panel = dynamic_cast<UILayout*>(root);
    ASSERT_NE(panel, nullptr);
    EXPECT_FLOAT_EQ(panel->getSize().width, 960);
    EXPECT_FLOAT_EQ(panel->getAnchorPoint().x, 0); // containers default to the bottom-left
}

TEST_F(LayoutReaderTest, SpriteFrameResourcesComeFromTheTexturesPlist)
{
    SKIP_WITHOUT_SAMPLES();
    UIWidget* root = load("cocostudio-ui/ccs1_5/CCS1_5_1.ExportJson");
    ASSERT_NE(root, nullptr);
    auto* image = dynamic_cast<UIImageView*>(UIHelper::seekWidgetByName(root, "Image_4"));
    ASSERT_NE(image, nullptr);
    ASSERT_NE(image->getVirtualRenderer(), nullptr); // the frame named by a Windows path was found
    EXPECT_FLOAT_EQ(image->getSize().width, 80);
    EXPECT_FALSE(logged({"Image_4", "no sprite frame"}));
}

TEST_F(LayoutReaderTest, OldAndNewFilesKeepOpacityVisibilityScaleAndText)
{
    SKIP_WITHOUT_SAMPLES();
    UIWidget* examples = load("cocostudio-ui/examples/examples_1.json");
    ASSERT_NE(examples, nullptr);
    int invisible = 0, translucent = 0, scaled = 0;
    std::function<void(UIWidget*)> walk = [&](UIWidget* w) {
        invisible += !w->isVisible();
        translucent += w->getOpacity() == 100;
        scaled += (w->getScaleX() != 1) + (w->getScaleY() != 1);
        if (!w->getChildren())
            return;
        for (CCObject* child : *w->getChildren())
            if (auto* widget = dynamic_cast<UIWidget*>(child)) {
                auto* scroller = dynamic_cast<UIScrollView*>(w);
                if (scroller && scroller->getInnerContainer() == widget) {
                    if (widget->getChildren())
                        for (CCObject* item : *widget->getChildren())
                        if (auto* inner = dynamic_cast<UIWidget*>(item))
                            walk(inner);
                } else {
                    walk(widget);
                }
            }
    };
    walk(examples);
    EXPECT_EQ(invisible, 2);
    EXPECT_EQ(translucent, 12);
    EXPECT_EQ(scaled, 10);

    UIWidget* register_ = load("cocostudio-ui/UI_Register/UI_Register.json");
    ASSERT_NE(register_, nullptr);
    int fields = 0;
    for (const char* name : {"textConfirmPassword", "textPassword", "textEnterAccount"})
        fields += dynamic_cast<UITextField*>(UIHelper::seekWidgetByName(register_, name)) != nullptr;
    EXPECT_EQ(fields, 3);
    UIWidget* any = UIHelper::seekWidgetByName(register_, "cancelButton");
    ASSERT_NE(any, nullptr);
    EXPECT_FLOAT_EQ(any->getPositionX(), 92);
    EXPECT_FLOAT_EQ(any->getPositionY(), -110);
}

TEST_F(LayoutReaderTest, LookUpByTagAndFirstDuplicateWins)
{
    UIWidget* root = fromText(R"({"version":"1.2.0.0","widgetTree":{"classname":"Panel","options":{"name":"root","tag":1,"width":100,"height":100},
        "children":[{"classname":"Panel","options":{"name":"a","tag":2},"children":[{"classname":"ImageView","options":{"name":"dup","tag":7}}]},
                    {"classname":"ImageView","options":{"name":"dup","tag":7,"x":50}}]}})");
    ASSERT_NE(root, nullptr);
    UIWidget* byName = UIHelper::seekWidgetByName(root, "dup");
    ASSERT_NE(byName, nullptr);
    EXPECT_STREQ(byName->getParentWidget()->getName(), "a"); // depth first: the nested one comes first
    EXPECT_EQ(UIHelper::seekWidgetByTag(root, 7), byName);
    EXPECT_EQ(UIHelper::seekWidgetByTag(root, 1), root);
    EXPECT_EQ(UIHelper::seekWidgetByName(root, "missing"), nullptr);
}

TEST_F(LayoutReaderTest, MalformedFilesAreLoggedAndNeverCrash)
{
    struct Bad {
        const char* text;
        bool makesWidget;
        std::vector<std::string> logPieces;
    };
    const std::string tooDeep = "{\"widgetTree\":" + std::string(300, '[') + std::string(300, ']') + "}";
    const std::vector<Bad> cases = {
        {"not json at all", false, {"bad.ExportJson", "not valid JSON"}},
        {"[1,2,3]", false, {"bad.ExportJson", "not a JSON object"}},
        {R"({"version":"1.0.0.0"})", false, {"bad.ExportJson", "widgetTree"}},
        {R"({"widgetTree":{"classname":"Button","options":{"name":"b","width":"wide","x":[1]}}})", true,
         {"bad.ExportJson", "widgetTree.options.width"}},
        {R"({"widgetTree":{"classname":"Sprocket","options":{"name":"odd"}}})", true, {"bad.ExportJson", "Sprocket"}},
        {R"({"widgetTree":{"classname":"ImageView","options":{"name":"pic","fileNameData":{"path":"nope.png","resourceType":0}}}})",
         true, {"pic", "nope.png"}},
        {R"({"widgetTree":{"classname":"Panel","options":{},"children":[5,"x",{"classname":"Label","options":{"text":7}}]}})", true,
         {"bad.ExportJson", "children[0]"}},
        {R"({"widgetTree":{"classname":"Button","options":{"normalData":"flat.png"}}})", true, {"bad.ExportJson", "normalData"}},
        {R"({"widgetTree":{"classname":"Panel","options":null,"children":null}})", true, {}},
        {tooDeep.c_str(), false, {"bad.ExportJson", "not valid JSON"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        log.clear();
        UIWidget* widget = fromText(c.text);
        EXPECT_EQ(widget != nullptr, c.makesWidget);
        if (!c.logPieces.empty()) {
            bool found = false;
            for (const auto& line : log) {
                bool all = true;
                for (const auto& piece : c.logPieces)
                    all = all && line.find(piece) != std::string::npos;
                found = found || all;
            }
            EXPECT_TRUE(found) << "log lacks the file and member";
        }
    }
}

TEST_F(LayoutReaderTest, MissingFileGivesNull)
{
    EXPECT_EQ(GUIReader::shareReader()->widgetFromJsonFile("/nonexistent/layout.ExportJson"), nullptr);
    EXPECT_TRUE(logged({"layout.ExportJson"}));
}

TEST_F(LayoutReaderTest, VersionStrings)
{
    EXPECT_EQ(GUIReader::getVersionInteger("1.2.0.1"), 1201);
    EXPECT_EQ(GUIReader::getVersionInteger("0.3.0.0"), 300);
    EXPECT_EQ(GUIReader::getVersionInteger("1.0"), 1000);
    EXPECT_EQ(GUIReader::getVersionInteger(""), 0);
}

} // namespace

namespace {

TEST_F(LayoutReaderTest, ChildrenAreWidgetsOnlyAsScreensExpect)
{
    SKIP_WITHOUT_SAMPLES();
    UIWidget* root = load("cocostudio-ui/startMenu/startMenu_1.json");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->getChildren()->count(), 2u);
    UIWidget* button = UIHelper::seekWidgetByName(root, "Button");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->getChildren()->count(), 0u); // its pictures and title are not widgets
    EXPECT_GT(button->getChildrenCount(), 0u);

    UIWidget* both = load("cocostudio-ui/ScrollView_Both/both_1.json");
    ASSERT_NE(both, nullptr);
    auto* scroller = dynamic_cast<UIScrollView*>(UIHelper::seekWidgetByName(both, "ScrollView_1137"));
    ASSERT_NE(scroller, nullptr);
    // A scroll view lists what its inner container holds: the file's five children.
    EXPECT_EQ(scroller->getChildren()->count(), 5u);
    EXPECT_FLOAT_EQ(scroller->getInnerContainerSize().width, 500);
    EXPECT_EQ(scroller->getDirection(), SCROLLVIEW_DIR_BOTH);
}

} // namespace
