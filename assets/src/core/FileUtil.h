#pragma once
// Small file helpers shared by every generator step.

#include <filesystem>
#include <string>
#include <string_view>

namespace brindle::assets {

// Whole file as bytes; throws std::runtime_error naming the path when it cannot be read.
std::string readFile(const std::filesystem::path& path);

// Writes the bytes unless the file already holds exactly them (keeps its time stamp, so
// anything depending on it is not rebuilt). Creates missing folders. Returns true if written.
bool writeFileIfChanged(const std::filesystem::path& path, std::string_view bytes);

} // namespace brindle::assets
