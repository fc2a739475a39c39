#pragma once
// Shared by the art-side tests: the generated tree, running the generator, temp folders.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace brindle::assets::testing {

// build/resources, made by the `resources` target before the tests run.
inline std::filesystem::path generatedTree()
{
    if (const char* env = std::getenv("BRINDLE_RESOURCES_DIR"))
        return env;
    return std::filesystem::path(BRINDLE_ASSET_GEN).parent_path().parent_path() / "resources";
}

// assets/manifest.json: the names the game code fixes, which the generated tree must hold.
inline std::filesystem::path manifestFile()
{
    return std::filesystem::path(BRINDLE_ASSETS_SOURCE_DIR) / "manifest.json";
}

// A fresh empty folder under the system temp folder, removed by the destructor.
class TempDir {
public:
    explicit TempDir(const std::string& tag)
    {
        m_path = std::filesystem::temp_directory_path()
            / ("brindle-assets-" + tag + "-" + std::to_string(getpid()) + "-" + std::to_string(s_counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    static inline int s_counter = 0;
    std::filesystem::path m_path;
};

struct RunResult {
    int exitCode = -1;
    std::string output; // stdout and stderr
};

RunResult runGenerator(const std::filesystem::path& source, const std::filesystem::path& out, const std::string& extra = "");

} // namespace brindle::assets::testing
