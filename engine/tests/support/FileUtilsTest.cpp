#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/CCArray.h"
#include "base/CCDictionary.h"
#include "base/CCString.h"
#include "support/CCFileUtils.h"

using namespace cocos2d;
namespace fs = std::filesystem;

namespace {

class FileUtilsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() / ("brindle-fu-" + std::to_string(::getpid()));
        fs::remove_all(m_root);
        for (const char* dir : {"a", "b", "b/sub"})
            fs::create_directories(m_root / dir);
        write("a/both.txt", "from a");
        write("b/both.txt", "from b");
        write("b/only-b.txt", "only b");
        write("b/sub/deep.txt", "deep");
        write("root.txt", "root");
        CCFileUtils::purgeFileUtils();
        CCFileUtils::sharedFileUtils()->setResourceRoot(m_root.string());
    }
    void TearDown() override
    {
        CCFileUtils::purgeFileUtils();
        fs::remove_all(m_root);
    }
    void write(const std::string& rel, const std::string& text)
    {
        std::ofstream(m_root / rel, std::ios::binary) << text;
    }
    std::string read(const char* name)
    {
        std::string s;
        CCFileUtils::sharedFileUtils()->readFile(name, s);
        return s;
    }
    fs::path m_root;
};

} // namespace

TEST_F(FileUtilsTest, SearchPathsAreTriedInOrderAndTheRootIsKept)
{
    CCFileUtils* fu = CCFileUtils::sharedFileUtils();
    const std::string root = m_root.string() + "/";
    struct Case {
        std::vector<std::string> paths;
        const char* file;
        const char* content;
    } cases[] = {
        {{"a", "b"}, "both.txt", "from a"},
        {{"b", "a"}, "both.txt", "from b"},
        {{"a", "b"}, "only-b.txt", "only b"},
        {{"a", "b"}, "root.txt", "root"},   // root appended at the end
        {{"a", "b"}, "sub/deep.txt", "deep"}, // folder part of the name is kept under each path
    };
    for (const Case& c : cases) {
        fu->setSearchPaths(c.paths);
        EXPECT_EQ(read(c.file), c.content) << c.file;
    }
    fu->setSearchPaths({"b", "a"});
    const std::vector<std::string> expected = {root + "b/", root + "a/", root};
    EXPECT_EQ(fu->getSearchPaths(), expected);
    fu->setResourceRoot(m_root.string());
    fu->addSearchPath("b");
    EXPECT_EQ(fu->getSearchPaths(), (std::vector<std::string>{root, root + "b/"}));
    EXPECT_EQ(read("both.txt"), "from b"); // root has no both.txt, so b answers
}

TEST_F(FileUtilsTest, FullPathResolutionAndMisses)
{
    CCFileUtils* fu = CCFileUtils::sharedFileUtils();
    fu->setSearchPaths({"a", "b"});
    EXPECT_EQ(fu->fullPathForFilename("only-b.txt"), m_root.string() + "/b/only-b.txt");
    EXPECT_EQ(fu->fullPathForFilename("/etc/hostname"), "/etc/hostname");
    EXPECT_EQ(fu->fullPathForFilename("missing.png"), "missing.png");
    EXPECT_TRUE(fu->isFileExist(fu->fullPathForFilename("both.txt")));
    EXPECT_FALSE(fu->isFileExist("missing.png"));
    unsigned long size = 99;
    EXPECT_EQ(fu->getFileData("missing.png", "rb", &size), nullptr);
    EXPECT_EQ(size, 0u);
    unsigned char* data = fu->getFileData("both.txt", "rb", &size);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), "from a");
    delete[] data;
    EXPECT_EQ(fu->fullPathFromRelativeFile("x.png", "/res/sheets/ui.plist"), "/res/sheets/x.png");
}

TEST_F(FileUtilsTest, WritablePathIsSettableAndCreated)
{
    CCFileUtils* fu = CCFileUtils::sharedFileUtils();
    fu->setWritablePath((m_root / "user").string());
    EXPECT_EQ(fu->getWritablePath(), (m_root / "user").string() + "/");
    EXPECT_TRUE(fs::is_directory(m_root / "user"));
}

TEST_F(FileUtilsTest, PlistBecomesDictionaryOfStrings)
{
    write("conf.plist", R"(<?xml version="1.0"?><plist version="1.0"><dict>
        <key>name</key><string>carrot</string>
        <key>count</key><integer>3</integer>
        <key>ratio</key><real>0.5</real>
        <key>on</key><true/>
        <key>list</key><array><string>x</string><dict><key>k</key><false/></dict></array>
        </dict></plist>)");
    CCDictionary* d = CCFileUtils::sharedFileUtils()->createCCDictionaryWithContentsOfFile("conf.plist");
    ASSERT_NE(d, nullptr);
    EXPECT_STREQ(static_cast<CCString*>(d->objectForKey("name"))->getCString(), "carrot");
    EXPECT_EQ(static_cast<CCString*>(d->objectForKey("count"))->intValue(), 3);
    EXPECT_FLOAT_EQ(static_cast<CCString*>(d->objectForKey("ratio"))->floatValue(), 0.5f);
    EXPECT_STREQ(static_cast<CCString*>(d->objectForKey("on"))->getCString(), "1");
    auto* list = dynamic_cast<CCArray*>(d->objectForKey("list"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2u);
    auto* inner = dynamic_cast<CCDictionary*>(list->objectAtIndex(1));
    ASSERT_NE(inner, nullptr);
    EXPECT_STREQ(static_cast<CCString*>(inner->objectForKey("k"))->getCString(), "0");
    EXPECT_EQ(CCFileUtils::sharedFileUtils()->createCCArrayWithContentsOfFile("conf.plist"), nullptr);
}
