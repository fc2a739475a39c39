#include "quiz/BankParser.h"

#include "quiz/BankRules.h"

#include <json/reader.h>

#include <fstream>
#include <memory>
#include <set>
#include <sstream>

namespace server::quiz {

std::string BankError::toString() const
{
    if (line > 0)
        return file + ":" + std::to_string(line) + ": " + message;
    return file + ": " + message;
}

namespace {

// Strict: a typo such as a doubled key or a trailing comma must not slip into the bank.
std::unique_ptr<Json::CharReader> strictReader()
{
    Json::CharReaderBuilder builder;
    Json::CharReaderBuilder::strictMode(&builder.settings_);
    builder["rejectDupKeys"] = true;
    return std::unique_ptr<Json::CharReader>(builder.newCharReader());
}

bool skippable(std::string_view line)
{
    const auto first = line.find_first_not_of(" \t\r");
    return first == std::string_view::npos || line[first] == '#';
}

} // namespace

BankFileResult BankParser::parseText(std::string_view text, const std::string& fileName)
{
    BankFileResult result;
    const auto reader = strictReader();
    std::set<int> seen;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const auto line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (skippable(line)) {
            if (end == text.size())
                break;
            continue;
        }
        auto fail = [&](const std::string& message) {
            result.errors.push_back({fileName, lineNumber, message});
        };
        Json::Value value;
        std::string parseError;
        if (!reader->parse(line.data(), line.data() + line.size(), &value, &parseError)) {
            fail("not a JSON object: " + parseError.substr(0, parseError.find('\n')));
            continue;
        }
        auto entry = BankRules::check(value);
        if (!entry.problems.empty()) {
            for (const auto& problem : entry.problems)
                fail(problem);
            continue;
        }
        if (!seen.insert(entry.entry.qsid).second) {
            fail("qsid " + std::to_string(entry.entry.qsid) + " appears twice in this file");
            continue;
        }
        entry.entry.file = fileName;
        entry.entry.line = lineNumber;
        result.entries.push_back(std::move(entry.entry));
        if (end == text.size())
            break;
    }
    if (result.entries.empty() && result.errors.empty())
        result.errors.push_back({fileName, 0, "holds no questions"});
    if (!result.errors.empty())
        result.entries.clear();
    return result;
}

BankFileResult BankParser::parseFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        BankFileResult result;
        result.errors.push_back({path, 0, "cannot be read"});
        return result;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseText(text.str(), path);
}

} // namespace server::quiz
