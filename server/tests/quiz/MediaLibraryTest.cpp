// The media command serves files of one folder and nothing else.
#include "TempDir.h"
#include "quiz/MediaLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace server::quiz {
namespace {

TEST(MediaLibrary, ServesAFileOfTheFolder)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "media");
    std::ofstream(dir.file("media/a.png"), std::ios::binary) << std::string("\x89PNG\0\1", 6);
    const MediaLibrary media(dir.file("media"));
    const auto r = media.read("a.png");
    ASSERT_TRUE(r.bytes);
    EXPECT_EQ(*r.bytes, std::string("\x89PNG\0\1", 6));
    EXPECT_FALSE(media.read("b.png").bytes);
}

TEST(MediaLibrary, RefusesEveryWayOut)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "media");
    std::filesystem::create_directory(dir.path() / "media" / "sub");
    std::ofstream(dir.file("secret.db")) << "secret";
    std::ofstream(dir.file("media/sub/x.png")) << "x";
    std::filesystem::create_symlink(dir.file("secret.db"), dir.file("media/link.png"));
    const MediaLibrary media(dir.file("media"));
    const std::vector<std::string> names = {"../secret.db", "..", ".", "", "/etc/passwd", "sub/x.png", "sub\\x.png", "..%2Fsecret.db", ".hidden",
          "link.png", std::string("a\0b.png", 7), std::string(200, 'a'), dir.file("secret.db")};
    for (const auto& name : names) {
        const auto r = media.read(name);
        EXPECT_FALSE(r.bytes) << name;
        EXPECT_FALSE(r.refusal.empty()) << name;
    }
}

} // namespace
} // namespace server::quiz
