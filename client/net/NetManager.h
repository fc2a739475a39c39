// The one way to the servers. Requests queue up and are exchanged one at a time by the worker
// thread; answers come back on the main thread once per frame through poll(), are parsed, and reach
// the handlers of their target. Also keeps the session alive with a heartbeat and shows the busy
// overlay while flagged requests are pending.
//
// A pending request retains its target. When the answer arrives and nothing but our pending
// requests still holds a target node (the screen was left meanwhile), its handlers are not called.
#pragma once

#include "net/CReceivedThread.h"
#include "net/NetTypes.h"
#include "net/PacketQueues.h"
#include "net/ResponseRecords.h"

#include <json/value.h>

#include <map>
#include <memory>
#include <string>

class NetManager {
public:
    static NetManager& instance();

    // The raw send: entry-server requests (their body is the JSON text) and the path of sendJson.
    void send(int serverIndex, int requestType, const char* body, int length, cocos2d::CCObject* target,
              SEL_NetHandler onResponse, SEL_NetHandler onStatus, Busy busy, Dim dim,
              const std::string& mediaName = "");
    // Game-server requests: adds "mac", "sessionid" and "id"; dropped until a session exists.
    void sendJson(int serverIndex, int requestType, Json::Value value, cocos2d::CCObject* target,
                  SEL_NetHandler onResponse, SEL_NetHandler onStatus, Busy busy, Dim dim);
    // Only goes out once a session id exists.
    void sendHeartbeat(bool busy);

    // The main-thread pump, once per frame.
    void poll();
    // Makes poll the director's per-frame hook.
    static void installFrameHook();

    void setEntryEndpoint(const std::string& host, unsigned short port) { m_entry = {host, port}; }
    const ServerEndpoint& entryEndpoint() const { return m_entry; }
    void setGameEndpoint(const std::string& host, unsigned short port) { m_game = {host, port}; }
    const ServerEndpoint& gameEndpoint() const { return m_game; }
    // Values not above 0 are stored as 0 (a heartbeat on every pass).
    void setHeartbeatInterval(float seconds) { m_heartbeatInterval = seconds > 0 ? seconds : 0; }
    float heartbeatInterval() const { return m_heartbeatInterval; }

    int busyCount() const { return m_busyCount; }
    // Requests not yet handled by poll (queued, under way, or answered).
    int outstanding() const { return m_queues.outstanding(); }
    // Answers handed back by the worker and not yet taken by poll.
    int answersWaiting() const { return m_queues.answersWaiting(); }
    // Back to the start state: no busy count, counter 0, interval 20 (tests; the worker keeps running).
    void resetForTesting();

private:
    NetManager();
    void handleAnswer(std::unique_ptr<CReceviePacket> packet);
    void releaseTarget(cocos2d::CCObject* target);
    bool targetIsGone(cocos2d::CCObject* target) const;

    PacketQueues m_queues;
    std::unique_ptr<CReceivedThread> m_worker;
    ServerEndpoint m_entry{"127.0.0.1", 8000};
    ServerEndpoint m_game;
    int m_busyCount = 0;
    int m_heartbeatCounter = 0;
    float m_heartbeatInterval = 20.0f;
    // How many pending packets retain each target.
    std::map<cocos2d::CCObject*, int> m_pendingTargets;
};
