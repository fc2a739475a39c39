// A request with the endpoint it goes to.
#pragma once

#include "net/CPacket.h"

class CSendPacket final : public CPacket {
public:
    // Game-server requests become the masked Base64 body with its 4-byte header; entry-server
    // requests stay the JSON text.
    void pack() override;

    unsigned short port() const { return m_port; }
    const std::string& host() const { return m_host; }
    void setEndpoint(const std::string& host, unsigned short port) {
        m_host = host;
        m_port = port;
    }

private:
    unsigned short m_port = 0;
    std::string m_host;
};
