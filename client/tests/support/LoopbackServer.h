// A small server on 127.0.0.1 for the network tests. It reads one request per connection until the
// bytes form a complete JSON object (plain for the entry role, masked Base64 for the game role),
// asks the script what to do, and answers, closes or holds the connection.
#pragma once

#include <json/value.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test_support {

struct Reply {
    enum Kind { Answer, RawBytes, Close, Hold };
    Kind kind = Answer;
    Json::Value answer; // Answer: the JSON object to send back
    std::string bytes;  // RawBytes: sent as they are (the test builds the frame itself)
    std::string body;   // Answer with a non-empty body: this body instead of the JSON (media)

    static Reply json(const Json::Value& value) { return {Answer, value, {}, {}}; }
    static Reply raw(std::string bytes) { return {RawBytes, {}, std::move(bytes), {}}; }
    static Reply close() { return {Close, {}, {}, {}}; }
    static Reply hold() { return {Hold, {}, {}, {}}; }
};

class LoopbackServer {
public:
    using Script = std::function<Reply(const Json::Value& request)>;

    // gameRole: requests and answers carry the masked Base64 body.
    LoopbackServer(bool gameRole, Script script);
    ~LoopbackServer();

    unsigned short port() const { return m_port; }
    // Every request received so far, in order.
    std::vector<Json::Value> requests() const;
    std::vector<int> systems() const;

    // A port on which nothing listens.
    static unsigned short closedPort();
    // Builds the 4-byte length and the body.
    static std::string frame(const std::string& body);

private:
    void serve();
    void handle(int client);

    bool m_gameRole;
    Script m_script;
    int m_listener = -1;
    unsigned short m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    mutable std::mutex m_lock;
    std::vector<Json::Value> m_requests;
};

} // namespace test_support
