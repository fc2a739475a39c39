// One question of the bank as read from its file: the members the client receives, plus the key
// the server judges with and where the entry came from (for error reports).
#pragma once

#include <json/value.h>

#include <string>

namespace server::quiz {

struct BankEntry {
    int qsid = 0;
    int gameType = 0;
    int playType = 0;
    std::string right; // never leaves the server unless the screen needs it (see QuestionView)
    Json::Value body;  // the whole bank line, "qsid" and "right" included
    std::string file;
    int line = 0;
};

struct BankError {
    std::string file;
    int line = 0; // 0: about the file as a whole
    std::string message;

    std::string toString() const;
};

} // namespace server::quiz
