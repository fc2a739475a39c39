// Checks the generated resource tree against the names the client code fixes (the asset
// manifest, assets/manifest.json): layouts with their widgets, classes and tags, armatures with their
// movements, tables and text keys, and every picture a layout or armature points at.
#include "data/TextTable.h"
#include "data/MiniXml.h"
#include "data/ResourceTree.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>

using namespace brindle::assets;
using namespace brindle::assets::testing;

namespace {

class DataResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::is_regular_file(manifestPath())) << "no asset manifest at " << manifestPath();
        ASSERT_TRUE(std::filesystem::is_directory(resourcesRoot()))
            << "no generated resources at " << resourcesRoot() << " (build the 'resources' target)";
        m_manifest = readJson(manifestPath());
        // A section renamed or emptied would let its check pass without looking at anything.
        for (const char* section : { "layouts", "armatures", "textKeys", "numberedTextKeys", "tables", "guides" })
            ASSERT_FALSE(m_manifest[section].empty()) << "manifest section " << section;
    }

    Json::Value m_manifest;
};

void walk(const Json::Value& widget, const std::function<void(const Json::Value&, const Json::Value*)>& visit,
    const Json::Value* parent = nullptr)
{
    visit(widget, parent);
    for (const Json::Value& child : widget["children"])
        walk(child, visit, &widget);
}

// First match of a depth-first pre-order search, as the engine's look-up finds it.
const Json::Value* byName(const Json::Value& widget, const std::string& name, const Json::Value** parent = nullptr,
    const Json::Value* above = nullptr)
{
    if (widget["options"]["name"].asString() == name) {
        if (parent)
            *parent = above;
        return &widget;
    }
    for (const Json::Value& child : widget["children"]) {
        if (const Json::Value* found = byName(child, name, parent, &widget))
            return found;
    }
    return nullptr;
}

// Manifest widget names, with the "%d" row patterns spelled out (rows 0..4 where the count is
// not fixed elsewhere).
std::vector<std::string> widgetNames(const Json::Value& widget)
{
    const std::string name = widget["name"].asString();
    if (!widget["rows"].asBool() || name.find("%d") == std::string::npos)
        return { name };
    std::vector<std::string> names;
    for (int i = 0; i <= 4; ++i)
        names.push_back(std::regex_replace(name, std::regex("%d"), std::to_string(i)));
    return names;
}

bool mustNotTakeTouches(const std::string& kind)
{
    return kind == "button-hidden" || kind == "button-disabled-hidden" || kind == "hidden-placeholder"
        || kind == "widget-hidden" || kind == "image-hidden";
}

const std::set<std::string>& actingKinds()
{
    static const std::set<std::string> kinds = { "button", "button-began", "button-anyphase", "toggle-button" };
    return kinds;
}

} // namespace

TEST_F(DataResources, EveryLayoutHoldsTheWidgetsTheScreensLookUp)
{
    for (const std::string& file : m_manifest["layouts"].getMemberNames()) {
        SCOPED_TRACE(file);
        const Json::Value& widgets = m_manifest["layouts"][file];
        const auto path = resolve(file);
        ASSERT_TRUE(path.has_value()) << file << " is not on the search path";
        const Json::Value layout = readJson(*path);
        EXPECT_EQ(layout["designWidth"].asInt(), 960);
        EXPECT_EQ(layout["designHeight"].asInt(), 640);
        EXPECT_EQ(layout["version"].asString().substr(0, 2), "1.");
        EXPECT_TRUE(layout["textures"].isArray());
        const Json::Value& tree = layout["widgetTree"];
        ASSERT_TRUE(tree.isObject());

        std::map<std::string, int> names;
        std::map<int, int> tags;
        walk(tree, [&](const Json::Value& w, const Json::Value*) {
            ++names[w["options"]["name"].asString()];
            ++tags[w["options"]["tag"].asInt()];
            EXPECT_EQ(w["classname"].asString(), w["options"]["classname"].asString());
            // Labels and button titles show Chinese: they need the CJK face.
            const std::string cls = w["classname"].asString();
            if (cls == "Label" || (cls == "Button" && !w["options"]["text"].asString().empty())) {
                EXPECT_EQ(w["options"]["fontName"].asString(), "simhei.ttf") << w["options"]["name"].asString();
            }
        });
        for (const auto& [name, count] : names) {
            EXPECT_EQ(count, 1) << "widget name '" << name << "' appears " << count << " times";
        }

        for (const Json::Value& wanted : widgets) {
            const std::string kind = wanted["kind"].asString();
            const std::string cls = wanted["classname"].asString();
            if (kind == "tagged") {
                const int tag = wanted["tag"].asInt();
                EXPECT_EQ(tags[tag], 1) << "tag " << tag << " must be carried by exactly one widget";
                continue;
            }
            for (const std::string& name : widgetNames(wanted)) {
                const Json::Value* w = byName(tree, name);
                ASSERT_NE(w, nullptr) << "no widget '" << name << "'";
                if (cls != "any") {
                    EXPECT_EQ((*w)["classname"].asString(), cls) << name;
                }
                const Json::Value& o = (*w)["options"];
                if (actingKinds().count(kind) && name != "userinfobtn" && name != "userinfologoutbtn") {
                    EXPECT_TRUE(o["touchAble"].asBool()) << name << " must take touches";
                }
                if (mustNotTakeTouches(kind)) {
                    EXPECT_FALSE(o["touchAble"].asBool()) << name << " is hidden and must not take touches";
                }
            }
        }
    }
}

TEST_F(DataResources, LayoutFactsTheScreensRelyOn)
{
    struct Fact {
        const char* layout;
        const char* widget;
        const char* parent;   // required parent widget, or null
        int opacity;          // required opacity, or -1
        int visible;          // 0/1 required, or -1
    };
    const Fact facts[] = {
        { "PK_VS.ExportJson", "huluobo1", "huluobo", -1, -1 },
        { "PK_VS.ExportJson", "jinluobo1", "jinluobo", -1, -1 },
        { "PK_VS.ExportJson", "pkchallengetitle", nullptr, 0, -1 }, // the challenge hall fades it in
        { "PK_VS.ExportJson", "pkvstitle", nullptr, 255, 1 },
        { "main.ExportJson", "userinfobtn", nullptr, -1, 0 },
        { "main.ExportJson", "userinfologoutbtn", nullptr, -1, 0 },
        { "sign.ExportJson", "luckybtn", nullptr, -1, 0 },
        { "ReceiveMoney.ExportJson", "manselectedimage", nullptr, -1, 0 },
        { "ReceiveMoney.ExportJson", "ladyselectedimage", nullptr, -1, 0 },
        { "userinfor.ExportJson", "alterpersonlabel", nullptr, -1, 0 },
    };
    for (const Fact& fact : facts) {
        SCOPED_TRACE(std::string(fact.layout) + " " + fact.widget);
        const auto path = resolve(fact.layout);
        ASSERT_TRUE(path.has_value());
        const Json::Value layout = readJson(*path);
        const Json::Value* parent = nullptr;
        const Json::Value* w = byName(layout["widgetTree"], fact.widget, &parent);
        ASSERT_NE(w, nullptr);
        if (fact.parent) {
            ASSERT_NE(parent, nullptr);
            EXPECT_EQ((*parent)["options"]["name"].asString(), fact.parent);
        }
        if (fact.opacity >= 0) {
            EXPECT_EQ((*w)["options"]["opacity"].asInt(), fact.opacity);
        }
        if (fact.visible >= 0) {
            EXPECT_EQ((*w)["options"]["visible"].asBool(), fact.visible == 1);
        }
    }
}

TEST_F(DataResources, EveryPictureALayoutNamesExists)
{
    static const char* const kPictureMembers[] = { "normalData", "pressedData", "disabledData", "fileNameData",
        "backGroundImageData" };
    for (const std::string& file : m_manifest["layouts"].getMemberNames()) {
        const auto path = resolve(file);
        ASSERT_TRUE(path.has_value()) << file;
        const Json::Value layout = readJson(*path);
        std::set<std::string> frames = sharedFrames();
        for (const Json::Value& sheet : layout["textures"]) {
            const auto sheetFramesHere = sheetFrames(sheet.asString());
            EXPECT_FALSE(sheetFramesHere.empty()) << file << " lists the missing sheet " << sheet.asString();
            frames.insert(sheetFramesHere.begin(), sheetFramesHere.end());
        }
        walk(layout["widgetTree"], [&](const Json::Value& w, const Json::Value*) {
            for (const char* member : kPictureMembers) {
                const Json::Value& data = w["options"][member];
                if (!data.isObject() || !data["path"].isString() || data["path"].asString().empty())
                    continue;
                const std::string picture = data["path"].asString();
                if (data["resourceType"].asInt() == 1) {
                    EXPECT_TRUE(frames.count(picture))
                        << file << ": " << w["options"]["name"].asString() << " names the frame " << picture
                        << ", which no loaded sheet holds";
                } else {
                    EXPECT_TRUE(std::filesystem::is_regular_file(path->parent_path() / picture))
                        << file << ": " << w["options"]["name"].asString() << " names the missing file " << picture;
                }
            }
        });
    }
}

TEST_F(DataResources, ArmaturesPlayWhatTheScreensWaitFor)
{
    for (const std::string& name : m_manifest["armatures"].getMemberNames()) {
        SCOPED_TRACE(name);
        const Json::Value& facts = m_manifest["armatures"][name];
        const auto path = resolve(facts["file"].asString());
        ASSERT_TRUE(path.has_value()) << facts["file"].asString();
        const Json::Value armature = readJson(*path);
        ASSERT_EQ(armature["armature_data"][0]["name"].asString(), facts["armature"].asString());
        ASSERT_EQ(armature["animation_data"][0]["name"].asString(), facts["armature"].asString());
        const Json::Value& movements = armature["animation_data"][0]["mov_data"];
        for (const Json::Value& wanted : facts["movements"]) {
            const Json::ArrayIndex index = wanted["index"].asUInt();
            ASSERT_LT(index, movements.size()) << "no movement with index " << index;
            EXPECT_GT(movements[index]["dr"].asInt(), 0) << "a movement of no frames sends no events";
        }

        // Every display must be a frame of every image pair the screens load it with.
        std::set<std::string> displays;
        for (const Json::Value& bone : armature["armature_data"][0]["bone_data"]) {
            for (const Json::Value& display : bone["display_data"])
                displays.insert(display["name"].asString());
        }
        EXPECT_FALSE(displays.empty());
        for (const Json::Value& pair : facts["sheets"]) {
            const std::string plist = pair[1].asString();
            const auto frames = sheetFrames(plist);
            EXPECT_FALSE(frames.empty()) << "missing sheet " << plist;
            EXPECT_TRUE(resolve(pair[0].asString()).has_value()) << "missing picture " << pair[0].asString();
            for (const std::string& display : displays) {
                EXPECT_TRUE(frames.count(display)) << plist << " lacks " << display;
            }
        }
    }

    // Loop flags and lengths the screens depend on (60 movement frames a second).
    struct Movement {
        const char* file;
        unsigned index;
        bool loops;
        int minimumFrames; // for a non-looping movement
    };
    const Movement movements[] = {
        { "BrindleAnimation.ExportJson", 0, false, 60 },  // only its end removes the dark layer
        { "BrindleAnimation.ExportJson", 1, false, 1 },   // the logo leaves on its first event
        { "BrindleAnimation.ExportJson", 2, true, 0 },
        { "pipeiduishouzhong.ExportJson", 0, true, 0 },   // up to 40 s of searching
        { "PkLoading.ExportJson", 0, true, 0 },           // the face-off lasts ~3.5 s
        { "NewAnimation.ExportJson", 0, true, 0 },        // the exam face-off lasts 4 s
    };
    for (const Movement& m : movements) {
        const auto path = resolve(m.file);
        ASSERT_TRUE(path.has_value()) << m.file;
        const Json::Value armature = readJson(*path);
        const Json::Value& mov = armature["animation_data"][0]["mov_data"][m.index];
        EXPECT_EQ(mov["lp"].asBool(), m.loops) << m.file << " movement " << m.index;
        if (!m.loops) {
            EXPECT_GE(mov["dr"].asInt(), m.minimumFrames) << m.file << " movement " << m.index;
        }
    }
    // The logo stays up while its movement blends in: about 1.5 to 2 s.
    const auto logo = resolve("BrindleAnimation.ExportJson");
    ASSERT_TRUE(logo.has_value());
    const int blend = readJson(*logo)["animation_data"][0]["mov_data"][1]["to"].asInt();
    EXPECT_GE(blend, 90);
    EXPECT_LE(blend, 120);
}

TEST_F(DataResources, EveryTextKeyExistsWithItsPlaceholders)
{
    const auto path = resolve("config.conf");
    ASSERT_TRUE(path.has_value());
    const TextTable table = TextTable::parse(readFile(*path), "config.conf");
    for (const std::string& key : m_manifest["textKeys"].getMemberNames()) {
        SCOPED_TRACE(key);
        const TextEntry* entry = table.find(key);
        ASSERT_NE(entry, nullptr) << "config.conf lacks " << key;
        std::vector<std::string> wanted;
        for (const Json::Value& kind : m_manifest["textKeys"][key])
            wanted.push_back(kind.asString());
        for (const std::string* text : { &entry->chinese, &entry->english }) {
            EXPECT_FALSE(text->empty());
            const auto got = TextTable::placeholders(*text);
            ASSERT_TRUE(got.has_value()) << *text;
            EXPECT_EQ(*got, wanted) << *text;
        }
    }
    for (const auto& [pattern, facts] : std::map<std::string, Json::Value> {
             { "TJR_XXTT%d", m_manifest["numberedTextKeys"]["TJR_XXTT%d"] } }) {
        for (const Json::Value& n : facts) {
            EXPECT_NE(table.find(std::regex_replace(pattern, std::regex("%d"), n.asString())), nullptr);
        }
    }
    // Values the code compares or opens rather than shows.
    EXPECT_EQ(table.find("ChineseSemicolon")->chinese, "\xEF\xBC\x9B");
    for (const char* address : { "gameUrl", "UserAgreementuser3" }) {
        EXPECT_EQ(table.find(address)->chinese.rfind("https://", 0), 0u) << address;
    }
    for (const char* header : { "key", "KEY" }) {
        EXPECT_NE(table.find(header), nullptr) << header;
    }
    // Drawn with the digits-only NumFont.fnt.
    for (const char* digitsOnly : { "answerNum", "OnePerAll" }) {
        for (char c : table.find(digitsOnly)->chinese) {
            EXPECT_NE(std::string("%d/").find(c), std::string::npos) << digitsOnly;
        }
    }
}

TEST_F(DataResources, TablesReadAsTheClientReadsThem)
{
    for (const Json::Value& name : m_manifest["tables"]) {
        EXPECT_TRUE(resolve(name.asString()).has_value()) << name.asString() << " is not on the search path";
    }

    const auto date = MiniXml::parse(readFile(*resolve("date.xml")));
    ASSERT_EQ(date.size(), 1u);
    const auto months = date[0].childrenNamed("Month");
    ASSERT_EQ(months.size(), 12u);
    const int days[12] = { 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    for (size_t m = 0; m < months.size(); ++m) {
        EXPECT_EQ(months[m]->attribute("num"), std::to_string(m + 1));
        const auto dayList = months[m]->childrenNamed("Day");
        ASSERT_EQ(int(dayList.size()), days[m]) << "month " << m + 1;
        for (size_t d = 0; d < dayList.size(); ++d) {
            EXPECT_EQ(dayList[d]->attribute("num"), std::to_string(d + 1));
        }
    }

    const auto china = MiniXml::parse(readFile(*resolve("Province.xml")));
    ASSERT_EQ(china.size(), 1u);
    const auto provinces = china[0].childrenNamed("Province");
    EXPECT_EQ(provinces.size(), 34u);
    std::map<std::string, std::set<std::string>> cities;
    for (const XmlElement* province : provinces) {
        const std::string name = province->attribute("Name");
        EXPECT_FALSE(name.empty());
        EXPECT_FALSE(province->childrenNamed("City").empty()) << name;
        for (const XmlElement* city : province->childrenNamed("City"))
            cities[name].insert(city->attribute("Name"));
    }
    EXPECT_EQ(cities.size(), 34u) << "a province is listed twice";
    const std::pair<const char*, const char*> samples[] = { { "广东省", "深圳市" }, { "四川省", "成都市" },
        { "内蒙古自治区", "锡林郭勒盟" }, { "新疆维吾尔自治区", "喀什地区" }, { "吉林省", "延边朝鲜族自治州" },
        { "北京市", "海淀区" }, { "香港特别行政区", "油尖旺区" }, { "湖北省", "恩施土家族苗族自治州" } };
    for (const auto& [province, city] : samples) {
        EXPECT_TRUE(cities[province].count(city)) << province << " " << city;
    }
}

TEST_F(DataResources, GuideStepsShowExistingTextsOnTheScreen)
{
    const TextTable table = TextTable::parse(readFile(*resolve("config.conf")), "config.conf");
    for (const Json::Value& guide : m_manifest["guides"]) {
        const std::string file = guide.asString();
        SCOPED_TRACE(file);
        const auto path = resolve(file);
        ASSERT_TRUE(path.has_value());
        const auto top = MiniXml::parse(readFile(*path));
        ASSERT_GE(top.size(), 3u) << "the steps are read from the third top-level element";
        ASSERT_EQ(top[1].childrenNamed("Idx").size(), 1u);
        const auto steps = top[2].childrenNamed("RectGroup");
        ASSERT_FALSE(steps.empty());
        for (size_t i = 0; i < steps.size(); ++i) {
            const auto key = steps[i]->childrenNamed("LabelText");
            ASSERT_EQ(key.size(), 1u);
            EXPECT_NE(table.find(key[0]->attribute("key")), nullptr) << key[0]->attribute("key");
            const auto rect = steps[i]->childrenNamed("Rect");
            ASSERT_EQ(rect.size(), 1u);
            const double x = std::stod(rect[0]->attribute("pntX"));
            const double y = std::stod(rect[0]->attribute("pntY"));
            EXPECT_TRUE(x >= 0 && x <= 960 && y >= 0 && y <= 640) << "spot off the screen";
            EXPECT_GT(std::stod(rect[0]->attribute("radius")), 0);
            for (const char* figure : { "Image", "Arrow", "Pur" }) {
                EXPECT_EQ(steps[i]->childrenNamed(figure).size(), 1u) << figure;
            }
            const std::string end = steps[i]->childrenNamed("Image")[0]->attribute("isEnd");
            EXPECT_EQ(end, i + 1 == steps.size() ? "1" : "0") << "step " << i + 1;
        }
    }
}
