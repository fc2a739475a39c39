#include "quiz/BankLoader.h"

#include "quiz/BankRules.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace server::quiz {

namespace fs = std::filesystem;

BankFileResult BankLoader::loadFile(const std::string& path, const std::string& mediaFolder)
{
    auto result = BankParser::parseFile(path);
    std::error_code error;
    if (!result.ok() || mediaFolder.empty() || !fs::is_directory(mediaFolder, error))
        return result;
    for (const auto& entry : result.entries)
        for (const auto& name : BankRules::mediaNames(entry))
            if (!fs::is_regular_file(fs::path(mediaFolder) / name, error))
                result.errors.push_back({entry.file, entry.line, "media file \"" + name + "\" does not exist"});
    if (!result.errors.empty())
        result.entries.clear();
    return result;
}

BankLoad BankLoader::loadFolder(const std::string& folder, const std::string& mediaFolder)
{
    BankLoad load;
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& item : fs::directory_iterator(folder, error))
        if (item.is_regular_file() && item.path().extension() == ".jsonl")
            files.push_back(item.path().string());
    if (error)
        load.errors.push_back({folder, 0, "bank folder cannot be read: " + error.message()});
    std::sort(files.begin(), files.end());
    std::set<int> taken;
    for (const auto& file : files) {
        auto result = loadFile(file, mediaFolder);
        for (const auto& entry : result.entries)
            if (taken.count(entry.qsid))
                result.errors.push_back({entry.file, entry.line,
                                         "qsid " + std::to_string(entry.qsid) + " is already used by another file"});
        if (!result.errors.empty()) {
            ++load.badFiles;
            load.errors.insert(load.errors.end(), result.errors.begin(), result.errors.end());
            continue;
        }
        ++load.goodFiles;
        for (auto& entry : result.entries) {
            taken.insert(entry.qsid);
            load.entries.push_back(std::move(entry));
        }
    }
    return load;
}

} // namespace server::quiz
