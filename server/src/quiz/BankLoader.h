// Bank files as the server takes them in: parsed, checked line by line, and checked against the
// media folder (a question whose picture or clip does not exist is as broken as a malformed one).
// A file with any error is taken whole or not at all.
#pragma once

#include "quiz/BankParser.h"

#include <string>
#include <vector>

namespace server::quiz {

struct BankLoad {
    std::vector<BankEntry> entries; // from the good files only
    std::vector<BankError> errors;
    int goodFiles = 0;
    int badFiles = 0;
};

class BankLoader {
public:
    // mediaFolder empty or missing: media references are only checked for their form.
    static BankFileResult loadFile(const std::string& path, const std::string& mediaFolder);

    // Every "*.jsonl" of the folder in name order. A qsid that an earlier file already holds
    // makes the later file bad.
    static BankLoad loadFolder(const std::string& folder, const std::string& mediaFolder);
};

} // namespace server::quiz
