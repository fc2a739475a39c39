// Reads bank files: one JSON object per line, blank lines and lines starting with "#" skipped.
// Every line is checked against the rules of its game type and play type; a file with any bad line
// yields its errors (each with file and line) so that nothing of it gets imported.
#pragma once

#include "quiz/BankEntry.h"

#include <string>
#include <string_view>
#include <vector>

namespace server::quiz {

struct BankFileResult {
    std::vector<BankEntry> entries;
    std::vector<BankError> errors;

    bool ok() const { return errors.empty(); }
};

class BankParser {
public:
    // fileName is only used in the reports.
    static BankFileResult parseText(std::string_view text, const std::string& fileName);
    static BankFileResult parseFile(const std::string& path);
};

} // namespace server::quiz
