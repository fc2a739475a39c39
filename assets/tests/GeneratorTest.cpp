// The generator as a whole: repeatable output and loud, clean failure.

#include "TestSupport.h"

#include "core/FileUtil.h"

#include <gtest/gtest.h>

#include <map>

namespace brindle::assets::testing {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> treeBytes(const fs::path& root)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files[e.path().lexically_relative(root).generic_string()] = readFile(e.path());
    return files;
}

TEST(Generator, TwoRunsGiveIdenticalBytes)
{
    TempDir temp("twice");
    const auto first = temp.path() / "first", second = temp.path() / "second";
    const auto a = runGenerator(BRINDLE_ASSETS_SOURCE_DIR, first);
    ASSERT_EQ(a.exitCode, 0) << a.output;
    const auto b = runGenerator(BRINDLE_ASSETS_SOURCE_DIR, second, "--threads 1");
    ASSERT_EQ(b.exitCode, 0) << b.output;
    const auto one = treeBytes(first), two = treeBytes(second);
    ASSERT_GT(one.size(), 100u);
    ASSERT_EQ(one.size(), two.size());
    for (const auto& [name, bytes] : one) {
        auto it = two.find(name);
        ASSERT_NE(it, two.end()) << name << " only in the first run";
        EXPECT_TRUE(it->second == bytes) << name << " differs between runs";
    }
}

// A copy of the picture descriptions with one broken line in a file of its own.
struct BrokenSource {
    TempDir temp { "broken" };
    fs::path source = temp.path() / "assets";
    fs::path out = temp.path() / "resources";

    explicit BrokenSource(const std::string& badLines)
    {
        fs::create_directories(source / "art");
        writeFileIfChanged(source / "art" / "zz_broken.pics",
            "# test pictures\ncommon_ok.png 40x40 - star\n" + badLines + "\n");
    }
};

TEST(Generator, MalformedDescriptionNamesFileAndLineAndLeavesNoTree)
{
    const struct {
        const char* line;
        const char* says;
    } cases[] = {
        { "bad.png 40x40 - nosuchpainter", "unknown painter 'nosuchpainter'" },
        { "bad.png 40by40 - star", "is not a size" },
        { "bad.png 40x40 NoSheet star", "unknown sheet 'NoSheet'" },
        { "bad.png 40x40 - star colour=#12", "is not a colour" },
        { "bad.png 40x40 - star sparkle=1", "unknown argument 'sparkle'" },
        { "bad.png 40x40 - star label=\"open", "unterminated quote" },
        { "common_ok.png 40x40 - star", "already described" },
        { "bad.gif 40x40 - star", "must end in .png" },
    };
    for (const auto& c : cases) {
        BrokenSource broken(c.line);
        const auto run = runGenerator(broken.source, broken.out, "--only pictures");
        EXPECT_NE(run.exitCode, 0) << c.line;
        EXPECT_NE(run.output.find("art/zz_broken.pics:3:"), std::string::npos) << c.line << " -> " << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.line << " -> " << run.output;
        EXPECT_FALSE(fs::exists(broken.out)) << c.line;
        EXPECT_FALSE(fs::exists(broken.out.string() + ".tmp")) << c.line;
    }
}

TEST(Generator, FailedRunKeepsThePreviousTree)
{
    BrokenSource broken("");
    ASSERT_EQ(runGenerator(broken.source, broken.out, "--only pictures").exitCode, 0);
    ASSERT_TRUE(fs::exists(broken.out / "images_1440X960" / "common_ok.png"));
    const auto before = treeBytes(broken.out);
    writeFileIfChanged(broken.source / "art" / "zz_broken.pics", "common_ok.png 40x40 - star colour=red\n");
    const auto run = runGenerator(broken.source, broken.out, "--only pictures");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("art/zz_broken.pics:1:"), std::string::npos) << run.output;
    EXPECT_EQ(treeBytes(broken.out), before);
}

} // namespace
} // namespace brindle::assets::testing
