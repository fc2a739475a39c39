// The media the build made: every file a question names exists and is what its name says.
#include "quiz/BankLoader.h"
#include "quiz/BankRules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace server::quiz {
namespace {

namespace fs = std::filesystem;

const fs::path kMediaDir = fs::path(BRINDLE_SERVER_BINARY).parent_path().parent_path() / "server-data" / "media";

std::string head(const fs::path& path, std::size_t bytes)
{
    std::ifstream in(path, std::ios::binary);
    std::string out(bytes, '\0');
    in.read(out.data(), static_cast<std::streamsize>(bytes));
    out.resize(static_cast<std::size_t>(in.gcount()));
    return out;
}

TEST(MediaFiles, EveryNamedFileExistsInItsFormat)
{
    const auto load = BankLoader::loadFolder(std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/questions", "");
    int checked = 0;
    for (const auto& entry : load.entries)
        for (const auto& name : BankRules::mediaNames(entry)) {
            const auto path = kMediaDir / name;
            ASSERT_TRUE(fs::is_regular_file(path)) << path;
            const auto bytes = head(path, 12);
            const auto ext = path.extension().string();
            if (ext == ".png")
                EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << name;
            else if (ext == ".mp4")
                EXPECT_EQ(bytes.substr(4, 4), "ftyp") << name;
            else
                EXPECT_TRUE(bytes.substr(0, 3) == "ID3" || (static_cast<unsigned char>(bytes[0]) == 0xFF &&
                                                            (static_cast<unsigned char>(bytes[1]) & 0xE0) == 0xE0))
                    << name;
            EXPECT_GT(fs::file_size(path), 200u) << name;
            ++checked;
        }
    EXPECT_GT(checked, 100);
}

} // namespace
} // namespace server::quiz
