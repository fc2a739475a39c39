#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/CCFileUtils.h"
#include "support/CCUserDefault.h"

using namespace cocos2d;
namespace fs = std::filesystem;

namespace {
class UserDefaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("brindle-ud-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        CCFileUtils::sharedFileUtils()->setWritablePath(m_dir.string());
        CCUserDefault::purgeSharedUserDefault();
    }
    void TearDown() override
    {
        CCUserDefault::purgeSharedUserDefault();
        fs::remove_all(m_dir);
    }
    std::string fileText()
    {
        std::ifstream in(m_dir / "UserDefault.xml");
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    fs::path m_dir;
};
} // namespace

TEST_F(UserDefaultTest, MissingKeysGiveTheDefaults)
{
    CCUserDefault* ud = CCUserDefault::sharedUserDefault();
    EXPECT_FALSE(ud->getBoolForKey("nope"));
    EXPECT_TRUE(ud->getBoolForKey("nope", true));
    EXPECT_EQ(ud->getIntegerForKey("nope"), 0);
    EXPECT_EQ(ud->getIntegerForKey("nope", 7), 7);
    EXPECT_FLOAT_EQ(ud->getFloatForKey("nope", 1.5f), 1.5f);
    EXPECT_DOUBLE_EQ(ud->getDoubleForKey("nope", 2.25), 2.25);
    EXPECT_EQ(ud->getStringForKey("nope"), "");
    EXPECT_EQ(ud->getStringForKey("nope", "dflt"), "dflt");
    EXPECT_TRUE(CCUserDefault::isXMLFileExist());
    EXPECT_NE(fileText().find("userDefaultRoot"), std::string::npos);
}

TEST_F(UserDefaultTest, ValuesRoundTripThroughTheFile)
{
    CCUserDefault* ud = CCUserDefault::sharedUserDefault();
    ud->setBoolForKey("music", true);
    ud->setBoolForKey("effects", false);
    ud->setIntegerForKey("level", -42);
    ud->setFloatForKey("volume", 0.75f);
    ud->setDoubleForKey("ratio", 3.125);
    ud->setStringForKey("name", "小兔 & <carrot>");
    ud->setStringForKey("empty", "");
    ud->flush();
    // A fresh instance reads only what is in the file.
    CCUserDefault::purgeSharedUserDefault();
    ud = CCUserDefault::sharedUserDefault();
    EXPECT_TRUE(ud->getBoolForKey("music", false));
    EXPECT_FALSE(ud->getBoolForKey("effects", true));
    EXPECT_EQ(ud->getIntegerForKey("level"), -42);
    EXPECT_FLOAT_EQ(ud->getFloatForKey("volume"), 0.75f);
    EXPECT_DOUBLE_EQ(ud->getDoubleForKey("ratio"), 3.125);
    EXPECT_EQ(ud->getStringForKey("name"), "小兔 & <carrot>");
    EXPECT_EQ(ud->getStringForKey("empty", "dflt"), "dflt"); // stored empty reads as the default
    const std::string text = fileText();
    EXPECT_NE(text.find("<volume>0.750000</volume>"), std::string::npos) << text;
    EXPECT_NE(text.find("<music>true</music>"), std::string::npos);
    ud->setIntegerForKey("level", 5); // overwrite, not append
    EXPECT_EQ(ud->getIntegerForKey("level"), 5);
    EXPECT_EQ(fileText().find("-42"), std::string::npos);
}

TEST_F(UserDefaultTest, BadKeysAndACorruptFileDoNotLoseTheProgram)
{
    CCUserDefault* ud = CCUserDefault::sharedUserDefault();
    ud->setIntegerForKey("1bad key", 3); // not an XML name: refused
    EXPECT_EQ(ud->getIntegerForKey("1bad key", 9), 9);
    ud->setIntegerForKey("good", 1);
    { std::ofstream(m_dir / "UserDefault.xml") << "<userDefaultRoot><good>1</go"; }
    EXPECT_EQ(ud->getIntegerForKey("good", 4), 4);
    ud->setIntegerForKey("after", 2);
    EXPECT_EQ(ud->getIntegerForKey("after"), 2);
    EXPECT_TRUE(fs::exists(m_dir / "UserDefault.xml.bad"));
}

TEST_F(UserDefaultTest, TheFileIsTheOwnersAloneAndReplacedWhole)
{
    auto mode = [&] { return fs::status(m_dir / "UserDefault.xml").permissions() & fs::perms::all; };
    const fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    CCUserDefault* ud = CCUserDefault::sharedUserDefault();
    EXPECT_EQ(mode(), ownerOnly); // created private
    ud->setStringForKey("pwd", "secret");
    EXPECT_EQ(mode(), ownerOnly);
    EXPECT_FALSE(fs::exists(m_dir / "UserDefault.xml.new"));

    // A file left readable by an older build is made private on the next start, values kept.
    CCUserDefault::purgeSharedUserDefault();
    fs::permissions(m_dir / "UserDefault.xml", ownerOnly | fs::perms::group_read | fs::perms::others_read);
    ud = CCUserDefault::sharedUserDefault();
    EXPECT_EQ(mode(), ownerOnly);
    EXPECT_EQ(ud->getStringForKey("pwd"), "secret");
}
