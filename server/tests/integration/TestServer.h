// brindle-server's library running in this process on free loopback ports, with its own
// temporary database and the cheap password cost.
#pragma once

#include "app/ServerApp.h"
#include "TempDir.h"

#include <json/value.h>

#include <functional>
#include <memory>
#include <thread>

namespace server::test {

class TestServer {
public:
    explicit TestServer(const std::function<void(ServerConfig&)>& adjust = {});
    ~TestServer();

    int entryPort() const { return m_app->entryPort(); }
    int gamePort() const { return m_app->gamePort(); }
    ServerApp& app() { return *m_app; }
    // Stops the server and closes its database, keeping the folder (another server may still
    // be using the database in it).
    void shutDown();
    bool running() const { return m_app != nullptr; }

    // Logs in as the guest of this device text; the answer (null when none came).
    Json::Value loginGuest(const std::string& mac);
    // A game request with the session members of a login answer added.
    Json::Value game(Json::Value request, const Json::Value& login, const std::string& mac);

private:
    TempDir m_dir;
    std::unique_ptr<ServerApp> m_app;
    std::thread m_thread;
};

} // namespace server::test
