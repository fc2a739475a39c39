#include "core/SourceError.h"
#include "data/LayoutDescription.h"
#include "data/LayoutWriter.h"
#include "data/TextTable.h"

#include <gtest/gtest.h>

using namespace brindle::assets;

namespace {

LayoutDocument parseLayout(const std::string& text)
{
    return LayoutDescription::parse(Description::parse(text, "test.layout"), "test");
}

const Json::Value* findWidget(const Json::Value& widget, const std::string& name)
{
    if (widget["options"]["name"].asString() == name)
        return &widget;
    for (const Json::Value& child : widget["children"]) {
        if (const Json::Value* found = findWidget(child, name))
            return found;
    }
    return nullptr;
}

const char* const kSample = R"(
texture Caidan.plist
Panel root 0 0 w=960 h=640
  ImageView bg 480 320 file=bg_common.png scale=0.6667
  Panel box 100 50 w=400 h=300
    Button okbtn 200 100 frame=common_btn.png title=@sure size=28
    ImageView field 20 40 frame=common_textField.png scale9=1 w=200 h=60 anchor=0,0.5
      ImageView mark 0 0 frame=common_huluobo.png
  Label hint 480 80 text="两个 字" size=24 visible=0 color=110,60,20
  ImageView spark 10 10 frame=stars.png tag=178
)";

} // namespace

TEST(DataLayout, PlacesWidgetsOnTheScreenAndNumbersTheUntaggedOnes)
{
    const LayoutDocument doc = parseLayout(kSample);
    ASSERT_EQ(doc.textures, std::vector<std::string> { "Caidan.plist" });
    const WidgetNode* ok = LayoutDescription::find(doc.root, "okbtn");
    ASSERT_NE(ok, nullptr);
    // Children of a panel start at its lower-left corner.
    EXPECT_DOUBLE_EQ(ok->worldX, 300);
    EXPECT_DOUBLE_EQ(ok->worldY, 150);
    // Children of an ordinary widget start at its anchor point.
    const WidgetNode* mark = LayoutDescription::find(doc.root, "mark");
    ASSERT_NE(mark, nullptr);
    EXPECT_DOUBLE_EQ(mark->worldX, 120);
    EXPECT_DOUBLE_EQ(mark->worldY, 90);

    EXPECT_EQ(LayoutDescription::findTag(doc.root, 178)->name, "spark");
    std::set<int> tags;
    std::function<void(const WidgetNode&)> walk = [&](const WidgetNode& n) {
        EXPECT_NE(n.tag, 0) << n.name;
        EXPECT_TRUE(tags.insert(n.tag).second) << "tag " << n.tag << " given twice";
        for (const WidgetNode& c : n.children)
            walk(c);
    };
    walk(doc.root);
}

TEST(DataLayout, WritesTheEditorFormatTheReaderExpects)
{
    const TextTable texts = TextTable::parse(R"({"sure": {"chinese": "确定", "english": "OK"}})", "config.conf");
    const Json::Value json = LayoutWriter(texts, nullptr).write(parseLayout(kSample));
    EXPECT_EQ(json["designWidth"].asInt(), 960);
    EXPECT_EQ(json["designHeight"].asInt(), 640);
    EXPECT_EQ(json["version"].asString().substr(0, 2), "1.");
    EXPECT_EQ(json["textures"][0].asString(), "Caidan.plist");
    EXPECT_EQ(json["texturesPng"][0].asString(), "Caidan.png");

    const Json::Value& tree = json["widgetTree"];
    EXPECT_EQ(tree["classname"].asString(), "Panel");
    EXPECT_EQ(tree["options"]["anchorPointX"].asDouble(), 0.0);
    EXPECT_FALSE(tree["options"]["ignoreSize"].asBool());

    const Json::Value* ok = findWidget(tree, "okbtn");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ((*ok)["options"]["text"].asString(), "确定");
    EXPECT_EQ((*ok)["options"]["fontName"].asString(), "simhei.ttf");
    EXPECT_EQ((*ok)["options"]["normalData"]["resourceType"].asInt(), 1);
    EXPECT_EQ((*ok)["options"]["normalData"]["path"].asString(), "common_btn.png");
    EXPECT_TRUE((*ok)["options"]["touchAble"].asBool());

    const Json::Value* bg = findWidget(tree, "bg");
    EXPECT_EQ((*bg)["options"]["fileNameData"]["resourceType"].asInt(), 0);
    EXPECT_FALSE((*bg)["options"]["touchAble"].asBool());
    EXPECT_NEAR((*bg)["options"]["scaleX"].asDouble(), 0.6667, 1e-9);

    const Json::Value* field = findWidget(tree, "field");
    EXPECT_TRUE((*field)["options"]["scale9Enable"].asBool());
    EXPECT_FALSE((*field)["options"]["ignoreSize"].asBool());
    EXPECT_EQ((*field)["options"]["width"].asDouble(), 200);
    EXPECT_EQ((*field)["options"]["anchorPointX"].asDouble(), 0.0);

    const Json::Value* hint = findWidget(tree, "hint");
    EXPECT_EQ((*hint)["options"]["text"].asString(), "两个 字");
    EXPECT_FALSE((*hint)["options"]["visible"].asBool());
    EXPECT_FALSE((*hint)["options"]["touchAble"].asBool());
    EXPECT_EQ((*hint)["options"]["colorR"].asInt(), 110);
    EXPECT_EQ((*hint)["options"]["fontName"].asString(), "simhei.ttf");
}

TEST(DataLayout, RefusesFaultyDescriptions)
{
    const char* faults[] = {
        "Panel root 0 0\n  Button a 1 1\n  Button a 2 2\n",          // name twice
        "Panel root 0 0\n  Button a 1 1 tag=5\n  Button b 2 2 tag=5\n", // tag twice
        "Panel root 0 0\n  Slider s 1 1\n",                         // unknown class
        "Panel root 0 0\n  Button a 1 1 colour=1,2,3\n",            // unknown argument
        "Panel root 0 0\nPanel other 0 0\n",                        // two roots
        "Panel root 0 0\n    Button a 1 1\n  Button b 2 2\n",       // sibling indentation differs
        "Panel root 0 0\n  Button a x 1\n",                         // position not a number
        "Panel root 0 0\n  ImageView i 1 1 file=a.png frame=b.png\n", // two pictures
        "texture Caidan.plist\n",                                   // no root
    };
    for (const char* text : faults)
        EXPECT_THROW(parseLayout(text), SourceError) << text;

    const TextTable texts = TextTable::parse("{}", "config.conf");
    EXPECT_THROW(LayoutWriter(texts, nullptr).write(parseLayout("Panel root 0 0\n  Label l 1 1 text=@nokey\n")),
        SourceError);
}
