// The other side of a contest: a registered player that talks to the real brindle-server with
// plain requests over its own loopback sockets, as a second computer would. Its heartbeats keep
// the pushes they fetch in an inbox; nothing runs on its behalf between the test's calls.
#pragma once

#include <json/value.h>

#include <deque>
#include <string>

namespace test_support {

class RemotePlayer {
public:
    // Registers `mobile` at the entry server and logs in as it. False when either is refused.
    bool signUp(unsigned short entryPort, unsigned short gamePort, const std::string& mobile);
    // A registration alone, as the registration screen sends it (the in-process client logs in itself).
    static bool registerAccount(unsigned short entryPort, const std::string& mobile);
    static const std::string& password() { static const std::string typed = "123456"; return typed; }

    int id() const { return m_login["id"].asInt(); }
    std::string idText() const { return std::to_string(id()); }

    // A game request with the session members added; null when no answer came.
    Json::Value game(Json::Value request) const;
    // One heartbeat: a push it carries goes to the inbox. Returns the answer.
    Json::Value beat();
    // Heartbeats until one carries nothing.
    void drain();
    // The first push in the inbox with this "system" (and "act" unless -1), removed; null if none.
    Json::Value take(int system, int act = -1);
    // Heartbeats (every 50 ms of wall time) until such a push is in the inbox, then takes it.
    Json::Value awaitPush(int system, int act = -1, double seconds = 10);

    Json::Value presence(int act, int matchType) const;
    // 28: "act" 0 asks, 1 accepts and 2 refuses the challenge of `challenger` (an id as text).
    Json::Value pair(int act, int matchType, const std::string& challenger = "") const;
    Json::Value answer(int qsid, const std::string& text) const;
    // The stored record (game command 1): "score", "money", "weekscore", ...
    Json::Value record() const { return game(object(1)); }

    std::deque<Json::Value> inbox;

    static Json::Value object(int system);
    // One request and its length-prefixed answer; the body as it came, empty when none.
    static std::string exchange(unsigned short port, const std::string& bytes);

private:
    unsigned short m_gamePort = 0;
    std::string m_mac;
    Json::Value m_login;
};

// The bank of the server beside the tests: the right option of a question, and one that is not.
std::string bankRight(int qsid);
std::string bankWrong(int qsid, const Json::Value& options);

} // namespace test_support
