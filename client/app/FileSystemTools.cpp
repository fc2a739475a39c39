#include "app/FileSystemTools.h"

#include "app/ClientLog.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

int FileSystemTools::makeDirectories(const std::string& path) {
    if (path.empty()) {
        return 0;
    }
    std::error_code error;
    if (fs::is_directory(path, error)) {
        return 1;
    }
    fs::create_directories(path, error);
    if (!fs::is_directory(path, error)) {
        ClientLog::write("folder %s could not be made", path.c_str());
        return 0;
    }
    return 1;
}

namespace {

bool clearEntries(const fs::path& folder) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        ClientLog::write("folder %s cannot be listed: %s", folder.c_str(), error.message().c_str());
        return false;
    }
    for (const fs::directory_entry& entry : it) {
        const fs::file_status status = entry.symlink_status(error);
        if (fs::is_symlink(status) || fs::is_regular_file(status)) {
            if (!fs::remove(entry.path(), error)) {
                ClientLog::write("%s could not be removed", entry.path().c_str());
                return false;
            }
        } else if (fs::is_directory(status)) {
            if (!clearEntries(entry.path()) || !fs::remove(entry.path(), error)) {
                ClientLog::write("%s could not be removed", entry.path().c_str());
                return false;
            }
        } else {
            ClientLog::write("This is system file, can't delete!\n");
        }
    }
    return true;
}

} // namespace

bool FileSystemTools::clearFolder(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    return clearEntries(folder);
}
