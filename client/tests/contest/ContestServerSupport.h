// The real brindle-server for the contest tests. Its contest clock is set to noon of a fixed day,
// so the challenge hours (08:00-23:30) hold whatever the time the tests run. The in-process
// client logs in as a registered player (guests may not play contests); other players are
// RemotePlayers on their own sockets.
#pragma once

#include "account/ServerProcess.h"
#include "contest/RemotePlayer.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace test_support {

class ContestServer {
public:
    // Starts the server in `folder` (stopping one started before; the database stays), its
    // contest clock at `clock` ("YYYY-MM-DD HH:MM:SS"); false when it is not built beside the tests.
    bool start(const std::string& folder, const std::string& clock = kNoon);
    static constexpr const char* kNoon = "2026-12-09 12:00:00";
    // Registers `mobile` (unless it was before) and logs the client in as it through the whole
    // login chain.
    bool logInClient(const std::string& mobile);
    bool addRemote(RemotePlayer& player, const std::string& mobile);
    ServerProcess& process() { return *m_process; }

    // The server's log lines of the requests player `id` made with this "system" (and "act").
    std::vector<std::string> requestsOf(int id, int system, int act = -1);

    // The client's stored money and score, asked of the server through the client's own request.
    static std::pair<int, int> clientMoneyAndScore();

    // Steps game time in `step` pieces, letting the answers arrive after each (the client's 1 s
    // heartbeats fetch the pushes), until `done` holds; false after `wallSeconds` of real time.
    static bool until(const std::function<bool()>& done, double wallSeconds = 10, float step = 0.25f);
    // Lets `seconds` pass in game time and in real time alike, for what the server times itself.
    static void live(double seconds);

private:
    std::unique_ptr<ServerProcess> m_process;
};

} // namespace test_support
