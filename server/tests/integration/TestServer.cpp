#include "integration/TestServer.h"

#include "TestDatabase.h"
#include "integration/TestClient.h"

#include <cstdlib>

namespace server::test {

TestServer::TestServer(const std::function<void(ServerConfig&)>& adjust) {
    ServerConfig config;
    config.entryPort = 0;
    config.gamePort = 0;
    config.dbPath = databaseFor(m_dir, "server.db");
    if (onPostgres()) {
        config.smsOutbox = m_dir.file("sms-outbox.txt"); // the file's place when the database is one
    }
    config.dataDir = BRINDLE_SERVER_DATA_SOURCE;
    config.bankDir = m_dir.file("no-bank");
    config.mediaDir = m_dir.file("no-media");
    config.passwordCost = PasswordCost::Minimum;
    // The whole suite once more with the sessions, pushes and contests a cluster shares.
    config.sharedLiveState = std::getenv("BRINDLE_TEST_SHARED_STATE") != nullptr;
    if (adjust) {
        adjust(config);
    }
    m_app = std::make_unique<ServerApp>(config);
    m_app->start();
    m_thread = std::thread([this] { m_app->run(); });
}

TestServer::~TestServer() { shutDown(); }

void TestServer::shutDown() {
    if (m_app) {
        m_app->stop();
        m_thread.join();
        m_app.reset();
    }
}

Json::Value TestServer::loginGuest(const std::string& mac) {
    Json::Value request(Json::objectValue);
    request["system"] = 2;
    request["mac"] = mac;
    request["deviceid"] = 3;
    request["platid"] = 0;
    request["flag"] = 0;
    request["username"] = "";
    request["pwd"] = "";
    return TestClient::entry(entryPort(), request);
}

Json::Value TestServer::game(Json::Value request, const Json::Value& login, const std::string& mac) {
    request["mac"] = mac;
    request["sessionid"] = login["sessionid"];
    request["id"] = login["id"];
    return TestClient::game(gamePort(), request);
}

} // namespace server::test
