#include "core/Description.h"
#include "core/SourceError.h"

#include <gtest/gtest.h>

namespace brindle::assets {
namespace {

TEST(Description, SplitsWordsArgumentsQuotesAndComments)
{
    const auto lines = Description::parse(
        "# heading\n\n\"Newbie guide_tuzi.png\" 300x360 Expand1 rabbit pose=wave label=\"a b\" # note\n"
        "  melody e5:1 | g5:2\n",
        "art/x.pics");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].line, 3);
    EXPECT_EQ(lines[0].words, (std::vector<std::string> { "Newbie guide_tuzi.png", "300x360", "Expand1", "rabbit" }));
    EXPECT_EQ(lines[0].text("pose", ""), "wave");
    EXPECT_EQ(lines[0].text("label", ""), "a b");
    EXPECT_EQ(lines[1].indent, 2);
    EXPECT_EQ(lines[1].words.size(), 4u); // "|" is a word; the score reader skips it
    int w = 0, h = 0;
    lines[0].size(1, w, h);
    EXPECT_EQ(w, 300);
    EXPECT_EQ(h, 360);
}

TEST(Description, RejectsMalformedValuesWithFileAndLine)
{
    const struct {
        const char* text;
        std::function<void(const DescriptionLine&)> use;
        const char* says;
    } cases[] = {
        { "a.png 0x10", [](const DescriptionLine& l) { int w, h; l.size(1, w, h); }, "is not a size" },
        { "a.png 10x", [](const DescriptionLine& l) { int w, h; l.size(1, w, h); }, "is not a size" },
        { "a.png 99999x10", [](const DescriptionLine& l) { int w, h; l.size(1, w, h); }, "is not a size" },
        { "a.png n=abc", [](const DescriptionLine& l) { l.number("n", 0); }, "is not a number" },
        { "a.png n=1.5", [](const DescriptionLine& l) { l.integer("n", 0); }, "whole number" },
        { "a.png c=#12345g", [](const DescriptionLine& l) { double c[4]; l.colour("c", "#000000", c); }, "is not a colour" },
        { "a.png x=1", [](const DescriptionLine& l) { l.allowOnly({ "y" }); }, "unknown argument 'x'" },
        { "a.png", [](const DescriptionLine& l) { l.word(3, "painter"); }, "missing painter" },
    };
    for (const auto& c : cases) {
        const auto lines = Description::parse(std::string("\n") + c.text, "art/t.pics");
        ASSERT_EQ(lines.size(), 1u) << c.text;
        try {
            c.use(lines[0]);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const SourceError& e) {
            EXPECT_EQ(e.file(), "art/t.pics");
            EXPECT_EQ(e.line(), 2);
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(Description::parse("a.png label=\"open", "f"), SourceError);
    EXPECT_THROW(Description::parse("a.png k=1 k=2", "f"), SourceError);
}

} // namespace
} // namespace brindle::assets
