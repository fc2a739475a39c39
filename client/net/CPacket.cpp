#include "net/CPacket.h"

#include <cstring>

void CPacket::setData(const char* bytes, int length, int requestType) {
    if (length < 0 || (bytes == nullptr && length > 0)) {
        length = 0;
    }
    m_data.assign(static_cast<std::size_t>(length) + 1, '\0');
    if (length > 0) {
        std::memcpy(m_data.data(), bytes, static_cast<std::size_t>(length));
    }
    m_length = length;
    m_requestType = requestType;
}

void CPacket::replaceData(std::string bytes) {
    m_data.assign(bytes.size() + 1, '\0');
    std::memcpy(m_data.data(), bytes.data(), bytes.size());
    m_length = static_cast<int>(bytes.size());
}

void CPacket::copyRoutingFrom(const CPacket& other) {
    m_serverIndex = other.m_serverIndex;
    m_requestType = other.m_requestType;
    m_target = other.m_target;
    m_onResponse = other.m_onResponse;
    m_onStatus = other.m_onStatus;
    m_busy = other.m_busy;
    m_mediaName = other.m_mediaName;
}
