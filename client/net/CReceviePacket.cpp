#include "net/CReceviePacket.h"

#include "app/ClientLog.h"
#include "app/Platform.h"
#include "quiz/QuizData.h"
#include "wire/frame.h"

#include <cstdio>

std::string CReceviePacket::mediaFilePath(const std::string& folder, const std::string& mediaName) {
    if (folder.empty()) {
        return "";
    }
    std::string cleaned;
    cleaned.reserve(mediaName.size());
    for (char c : mediaName) {
        // Separators would climb out of the folder; a NUL byte would cut the name short.
        if (c != '/' && c != '\\' && c != '\0') {
            cleaned.push_back(c);
        }
    }
    std::string path = folder;
    if (path.back() != '/') {
        path.push_back('/');
    }
    return path + "tmp_" + cleaned;
}

void CReceviePacket::saveMedia(std::string_view body) {
    const std::string path = mediaFilePath(Platform::current().tempFolder(), m_mediaName);
    std::FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "wb+");
    if (file == nullptr) {
        ClientLog::write("media %s could not be saved (path \"%s\")", m_mediaName.c_str(), path.c_str());
        QuizData::instance().setString(m_mediaName, "");
        return;
    }
    const std::size_t written = body.empty() ? 0 : std::fwrite(body.data(), 1, body.size(), file);
    const bool closed = std::fclose(file) == 0;
    if (written != body.size() || !closed) {
        ClientLog::write("media %s was cut short while saving", m_mediaName.c_str());
    }
    QuizData::instance().setString(m_mediaName, path);
}

bool CReceviePacket::unpack(int requestType) {
    m_decodedText.clear();
    const std::string_view frame(m_data.data(), static_cast<std::size_t>(m_length));
    const auto announced = wire::readLength(frame);
    if (!announced || *announced != frame.size() - wire::kLengthPrefixSize) {
        ClientLog::write("answer frame of %zu bytes does not match its length prefix; dropped", frame.size());
        return false;
    }
    const std::string_view body = frame.substr(wire::kLengthPrefixSize);
    if (requestType == kMediaRequestType) {
        m_decodedText.assign(body);
        saveMedia(body);
        return true;
    }
    if (m_serverIndex != kGameServer) {
        m_decodedText.assign(body);
        return true;
    }
    wire::Decoded decoded = wire::decodeBody(body);
    if (!decoded.ok) {
        ClientLog::write("game answer refused: %s", decoded.error.c_str());
        return false;
    }
    if (!decoded.error.empty()) {
        ClientLog::write("game answer: %s", decoded.error.c_str());
    }
    m_decodedText = std::move(decoded.text);
    return true;
}
