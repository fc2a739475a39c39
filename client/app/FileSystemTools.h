// Folder helpers for the temporary media folder.
#pragma once

#include <string>

class FileSystemTools {
public:
    // 1 when the path exists or every folder along it could be made; 0 for an empty path or when a
    // folder cannot be made.
    static int makeDirectories(const std::string& path);

    // Removes every file and every emptied sub-folder; entries that are neither (devices, sockets,
    // pipes) are logged and left. Symbolic links are removed, never followed. The first failed
    // removal ends the clean-up. False when it ended early.
    static bool clearFolder(const std::string& folder);
};
