#include "core/SourceError.h"
#include "data/GuideScript.h"
#include "data/TextTable.h"
#include "data/MiniXml.h"

#include <gtest/gtest.h>

using namespace brindle::assets;
using brindle::assets::testing::MiniXml;

namespace {

const TextTable& texts()
{
    static const TextTable table = TextTable::parse(
        R"({"g1": {"chinese": "一", "english": "one"}, "g2": {"chinese": "二", "english": "two"}})", "config.conf");
    return table;
}

const LayoutDocument& layout()
{
    static const LayoutDocument doc = LayoutDescription::parse(Description::parse(R"(
Panel root 0 0 w=960 h=640
  Button high 800 500 frame=common_btn.png
  ImageView field 300 200 frame=common_textField.png scale9=1 w=400 h=60 anchor=0,0.5
)",
                                                                   "screen.layout"),
        "screen");
    return doc;
}

std::vector<Guide> parseGuides(const std::string& text)
{
    auto lookup = [](const std::string& name) -> const LayoutDocument* {
        return name == "screen" ? &layout() : nullptr;
    };
    return GuideScript::parse(Description::parse(text, "guides.txt"), lookup, texts());
}

} // namespace

TEST(DataGuide, SpotsStandOnTheWidgetsAndTheDialogKeepsAway)
{
    const auto guides = parseGuides("guide 3 treasure layout=screen\n  step field radius=60 key=g1\n"
                                    "  step high key=g2\n  step free at=100,120 radius=50 key=g1 image=500,400\n");
    ASSERT_EQ(guides.size(), 1u);
    const Guide& g = guides[0];
    ASSERT_EQ(g.steps.size(), 3u);
    // A left-anchored field is highlighted at its middle, not at its left edge.
    EXPECT_DOUBLE_EQ(g.steps[0].spot.x, 500);
    EXPECT_DOUBLE_EQ(g.steps[0].spot.y, 200);
    EXPECT_GT(g.steps[0].image.y, 330); // low spot: dialog in the upper half
    EXPECT_DOUBLE_EQ(g.steps[1].spot.x, 800);
    EXPECT_LT(g.steps[1].image.y, 330); // high spot: dialog in the lower half
    EXPECT_DOUBLE_EQ(g.steps[1].radius, 80);
    EXPECT_DOUBLE_EQ(g.steps[2].spot.x, 100);
    EXPECT_DOUBLE_EQ(g.steps[2].image.y, 400);

    const auto top = MiniXml::parse(GuideScript::xml(g));
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[1].childrenNamed("Idx").size(), 1u);
    const auto steps = top[2].childrenNamed("RectGroup");
    ASSERT_EQ(steps.size(), 3u);
    for (size_t i = 0; i < steps.size(); ++i) {
        const auto image = steps[i]->childrenNamed("Image");
        ASSERT_EQ(image.size(), 1u);
        EXPECT_EQ(image[0]->attribute("isEnd"), i + 1 == steps.size() ? "1" : "0");
        EXPECT_EQ(steps[i]->childrenNamed("LabelText")[0]->attribute("key"), g.steps[i].textKey);
    }
    EXPECT_EQ(steps[0]->childrenNamed("Rect")[0]->attribute("pntX"), "500");
}

TEST(DataGuide, RefusesStepsThatWouldPointAtNothing)
{
    const char* faults[] = {
        "guide 1 main layout=screen\n  step nosuchwidget key=g1\n",
        "guide 1 main layout=screen\n  step high key=nokey\n",
        "guide 1 main\n  step high key=g1\n",                         // no layout and no at=
        "guide 1 main layout=screen\n",                               // no step
        "guide 1 main layout=screen\n  step high key=g1\nguide 1 again layout=screen\n  step high key=g1\n",
        "step high key=g1\n",
        "guide 1 main layout=screen\n  step high key=g1 radius=0\n",
    };
    for (const char* text : faults)
        EXPECT_THROW(parseGuides(text), SourceError) << text;
}
