#include "quiz/MediaLibrary.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace server::quiz {

namespace fs = std::filesystem;

MediaLibrary::MediaLibrary(std::string folder) : m_folder(std::move(folder)) {}

bool MediaLibrary::isSafeName(std::string_view name)
{
    if (name.empty() || name.size() > 128 || name.front() == '.' || name.find("..") != std::string_view::npos)
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
               c == '-' || c == '.';
    });
}

MediaLibrary::Result MediaLibrary::read(std::string_view name) const
{
    if (!isSafeName(name))
        return {std::nullopt, "media name refused: \"" + std::string(name.substr(0, 80)) + "\""};
    std::error_code error;
    const auto folder = fs::weakly_canonical(m_folder, error);
    const auto path = fs::weakly_canonical(fs::path(m_folder) / std::string(name), error);
    // A name that passed the check cannot climb out, but a symbolic link inside the folder could.
    if (error || path.parent_path() != folder)
        return {std::nullopt, "media outside the folder refused: \"" + std::string(name) + "\""};
    if (!fs::is_regular_file(path, error))
        return {std::nullopt, "no such media file: \"" + std::string(name) + "\""};
    const auto size = fs::file_size(path, error);
    if (error || size > kMaxFileBytes)
        return {std::nullopt, "media file too large or unreadable: \"" + std::string(name) + "\""};
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in && !in.eof())
        return {std::nullopt, "media file unreadable: \"" + std::string(name) + "\""};
    return {bytes.str(), {}};
}

} // namespace server::quiz
