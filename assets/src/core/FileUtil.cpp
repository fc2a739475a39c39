#include "core/FileUtil.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace brindle::assets {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

bool writeFileIfChanged(const std::filesystem::path& path, std::string_view bytes)
{
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && std::filesystem::file_size(path, ec) == bytes.size()) {
        if (readFile(path) == bytes)
            return false;
    }
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    return true;
}

} // namespace brindle::assets
