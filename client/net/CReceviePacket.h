// An answer: the bytes as they arrived (4-byte length prefix, then the body) and, after unpack, the
// decoded text handed to the parsers.
#pragma once

#include "net/CPacket.h"

class CReceviePacket final : public CPacket {
public:
    // Fills decodedText. Media answers (type 34) are saved as a file in the temporary folder instead.
    // False, with a log line, for a frame that cannot be decoded; nothing outside the received bytes
    // is ever read.
    virtual bool unpack(int requestType);

    const std::string& decodedText() const { return m_decodedText; }

    // Where a media answer is saved: the temporary folder, "tmp_" and the server's name with every
    // path separator removed. "" when there is no temporary folder.
    static std::string mediaFilePath(const std::string& folder, const std::string& mediaName);

private:
    void saveMedia(std::string_view body);

    std::string m_decodedText;
};
