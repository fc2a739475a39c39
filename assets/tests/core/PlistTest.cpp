#include "core/Plist.h"

#include <gtest/gtest.h>

namespace brindle::assets {
namespace {

TEST(Plist, WritesSortedKeysAndReadsThemBack)
{
    Plist::Dict frame;
    frame["rotated"] = true;
    frame["frame"] = std::string("{{2,2},{10,20}}");
    Plist::Dict root;
    root["zeta"] = 3;
    root["alpha"] = Plist(Plist::Array { Plist(1.5), Plist("a<b&c") });
    root["frames"] = Plist(Plist::Dict { { "x.png", Plist(frame) } });
    const std::string xml = Plist(root).toXml();
    EXPECT_LT(xml.find("<key>alpha</key>"), xml.find("<key>zeta</key>"));
    EXPECT_NE(xml.find("a&lt;b&amp;c"), std::string::npos);

    const Plist back = Plist::parse(xml);
    ASSERT_NE(back.find("zeta"), nullptr);
    EXPECT_EQ(back.find("zeta")->number(), 3);
    const Plist* f = back.find("frames")->find("x.png");
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->find("rotated")->flag());
    EXPECT_EQ(f->find("frame")->string(), "{{2,2},{10,20}}");
    EXPECT_EQ(Plist(root).toXml(), back.toXml());
}

TEST(Plist, RejectsBrokenDocuments)
{
    for (const char* text : { "", "<plist><dict><key>a</key>", "<plist><dict><string>x</string></dict></plist>",
             "<plist><dict><key>a</key><wat/></dict></plist>" })
        EXPECT_THROW(Plist::parse(text), std::runtime_error) << text;
}

} // namespace
} // namespace brindle::assets
