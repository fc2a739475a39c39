// The question media folder as the media command sees it: a flat folder of files asked for by
// name. Anything that could reach outside it is refused before the file system is touched.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace server::quiz {

class MediaLibrary {
public:
    explicit MediaLibrary(std::string folder);

    struct Result {
        std::optional<std::string> bytes;
        std::string refusal; // why not, for the log, when bytes is empty
    };
    Result read(std::string_view name) const;

    // A plain file name: letters, digits, "_", "-" and ".", no leading dot, no "..", no separators.
    static bool isSafeName(std::string_view name);

    static constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

private:
    std::string m_folder;
};

} // namespace server::quiz
