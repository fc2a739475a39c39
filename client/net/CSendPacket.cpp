#include "net/CSendPacket.h"

#include "wire/frame.h"

void CSendPacket::pack() {
    if (m_serverIndex != kGameServer) {
        return;
    }
    replaceData(wire::encodeRequest(std::string_view(m_data.data(), static_cast<std::size_t>(m_length))));
}
