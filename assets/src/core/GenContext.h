#pragma once
// What a generator step sees: where the descriptions are, and a write interface into the
// resource tree being built. Every written file is recorded for the asset index.
// Thread-safe: steps of the same order run in parallel.

#include <cairo.h>
#include <json/value.h>

#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <string_view>

namespace brindle::assets {

// The resource root's search-path folders, as the client sets them.
inline constexpr const char* kConfigDir = "config";
inline constexpr const char* kImagesDir = "images_1440X960";
inline constexpr const char* kFontsDir = "fonts";
inline constexpr const char* kSoundDir = "sound";
inline constexpr const char* kEffectDir = "sound/effect";
inline constexpr const char* kPlayEffectDir = "sound/effect/Play";

class GenContext {
public:
    GenContext(std::filesystem::path sourceDir, std::filesystem::path outDir);

    // The assets/ folder of the source tree.
    const std::filesystem::path& sourceDir() const { return m_sourceDir; }
    // Root of the tree being written (a temporary folder until the run succeeds).
    const std::filesystem::path& outDir() const { return m_outDir; }
    std::filesystem::path source(const std::string& relative) const { return m_sourceDir / relative; }
    std::filesystem::path out(const std::string& relative) const { return m_outDir / relative; }
    // Path relative to the source folder, as error messages show it ("art/pictures.txt").
    std::string shown(const std::filesystem::path& path) const;

    // Writes relative to the resource root ("images_1440X960/UI1.png"). Writing the same
    // path twice in one run is a generator fault and throws.
    void write(const std::string& relative, std::string_view bytes);
    void writePng(const std::string& relative, cairo_surface_t* surface);
    void writeJson(const std::string& relative, const Json::Value& value);

    // Entries for asset-index.json: section -> name -> facts (e.g. "frames" -> name -> sheet).
    void index(const std::string& section, const std::string& name, const Json::Value& facts);
    Json::Value indexSnapshot() const;
    std::set<std::string> writtenFiles() const;

private:
    std::filesystem::path m_sourceDir;
    std::filesystem::path m_outDir;
    mutable std::mutex m_mutex;
    std::set<std::string> m_written;
    Json::Value m_index;
};

} // namespace brindle::assets
