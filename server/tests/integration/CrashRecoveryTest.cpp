// The real brindle-server binary killed with SIGKILL while it writes: the database it leaves is
// intact and holds every registration the server had acknowledged.
#include "TempDir.h"
#include "TestDatabase.h"
#include "integration/ChildServer.h"
#include "integration/TestClient.h"
#include "storage/PlayerStore.h"
#include "storage/Storage.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace server::test {
namespace {

using namespace std::chrono_literals;

Json::Value registration(const std::string& user) {
    Json::Value r(Json::objectValue);
    r["system"] = 1;
    r["username"] = user;
    r["pwd"] = "E10ADC3949BA59ABBE56E057F20F883E";
    r["mac"] = "0A1B2C3D4E5F";
    return r;
}

TEST(CrashRecovery, KilledDuringWritesKeepsEveryAcknowledgedRegistration) {
    TempDir dir;
    const std::string db = databaseFor(dir, "crash.db");
    std::vector<std::string> acknowledged;
    {
        ChildServer child(db);
        ASSERT_GT(child.entryPort(), 0) << "the server did not start";
        std::mutex mutex;
        std::atomic<bool> stop{false};
        std::vector<std::thread> writers;
        for (int w = 0; w < 3; ++w) {
            writers.emplace_back([&, w] {
                for (int i = 0; !stop; ++i) {
                    char name[16];
                    std::snprintf(name, sizeof name, "13%d%08d", w, i);
                    const Json::Value answer = TestClient::entry(child.entryPort(), registration(name));
                    if (answer["response"].asInt() == 1) {
                        std::lock_guard lock(mutex);
                        acknowledged.emplace_back(name);
                    } else if (answer.isNull()) {
                        return; // the server is gone
                    }
                }
            });
        }
        // Kill once a fair number of writes went through, while the writers keep going.
        for (int i = 0; i < 500; ++i) {
            {
                std::lock_guard lock(mutex);
                if (acknowledged.size() >= 150) {
                    break;
                }
            }
            std::this_thread::sleep_for(10ms);
        }
        child.kill(SIGKILL);
        stop = true;
        for (auto& writer : writers) {
            writer.join();
        }
    }
    ASSERT_GE(acknowledged.size(), 20u);
    {
        Storage storage(db);
        EXPECT_EQ(storage.integrityCheck(), "ok");
        PlayerStore players(storage);
        for (const auto& name : acknowledged) {
            EXPECT_TRUE(players.findByUserName(name)) << name << " was acknowledged but is lost";
        }
    }
    // The restarted server runs on the same file and knows the accounts.
    ChildServer again(db);
    ASSERT_GT(again.entryPort(), 0);
    Json::Value login(Json::objectValue);
    login["system"] = 2;
    login["mac"] = "0A1B2C3D4E5F";
    login["username"] = acknowledged.back();
    login["pwd"] = "E10ADC3949BA59ABBE56E057F20F883E";
    EXPECT_EQ(TestClient::entry(again.entryPort(), login)["response"].asInt(), 1);
}

} // namespace
} // namespace server::test
