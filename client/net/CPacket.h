// A request on its way to the worker, or an answer on its way back. Owned by exactly one party at a
// time: the sender, the request queue, the worker, the answer queue, then poll, which deletes it.
#pragma once

#include "net/NetTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class CPacket {
public:
    CPacket() = default;
    CPacket(const CPacket&) = delete;
    CPacket& operator=(const CPacket&) = delete;

    virtual void pack() {}

    // Replaces data by a copy of the bytes; the buffer keeps one zero byte past length.
    void setData(const char* bytes, int length, int requestType);

    int serverIndex() const { return m_serverIndex; }
    void setServerIndex(int index) { m_serverIndex = index; }
    int requestType() const { return m_requestType; }
    void setRequestType(int type) { m_requestType = type; }
    int status() const { return m_status; }
    void setStatus(int status) { m_status = status; }
    const char* data() const { return m_data.data(); }
    int length() const { return m_length; }
    cocos2d::CCObject* target() const { return m_target; }
    // The packet does not retain: NetManager retains the target for as long as a packet names it.
    void setTarget(cocos2d::CCObject* target) { m_target = target; }
    SEL_NetHandler onResponse() const { return m_onResponse; }
    void setOnResponse(SEL_NetHandler handler) { m_onResponse = handler; }
    SEL_NetHandler onStatus() const { return m_onStatus; }
    void setOnStatus(SEL_NetHandler handler) { m_onStatus = handler; }
    bool busy() const { return m_busy; }
    void setBusy(bool busy) { m_busy = busy; }
    const std::string& mediaName() const { return m_mediaName; }
    void setMediaName(const std::string& name) { m_mediaName = name; }

    // Copies everything but the data and status (request to answer).
    void copyRoutingFrom(const CPacket& other);

protected:
    // Takes the bytes as they stand (length = bytes.size()).
    void replaceData(std::string bytes);

    int m_serverIndex = 0;
    int m_requestType = -1;
    int m_status = kStatusNotSet;
    std::vector<char> m_data = std::vector<char>(1, '\0');
    int m_length = 0;
    cocos2d::CCObject* m_target = nullptr;
    SEL_NetHandler m_onResponse = nullptr;
    SEL_NetHandler m_onStatus = nullptr;
    bool m_busy = false;
    std::string m_mediaName;
};
