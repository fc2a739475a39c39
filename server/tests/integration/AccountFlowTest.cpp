// Registration and login against the real server over loopback sockets.
#include "integration/TestClient.h"
#include "integration/TestServer.h"

#include <gtest/gtest.h>

namespace server::test {
namespace {

const std::string kDigest = "E10ADC3949BA59ABBE56E057F20F883E"; // MD5 of "123456"
const std::string kOtherDigest = "25F9E794323B453885F5181F1B624D0B";

Json::Value registration(const std::string& user, const std::string& digest, int referrer = 0) {
    Json::Value r(Json::objectValue);
    r["system"] = 1;
    r["username"] = user;
    r["pwd"] = digest;
    r["mac"] = "0A1B2C3D4E5F";
    r["deviceid"] = 3;
    r["platid"] = 0;
    if (referrer != 0) {
        r["tuijianid"] = referrer;
        r["tuijian"] = 1;
    }
    return r;
}

Json::Value login(const std::string& user, const std::string& digest) {
    Json::Value r(Json::objectValue);
    r["system"] = 2;
    r["mac"] = "0A1B2C3D4E5F";
    r["deviceid"] = 3;
    r["platid"] = 0;
    r["flag"] = 0;
    r["username"] = user;
    r["pwd"] = digest;
    return r;
}

TEST(AccountFlow, GuestGetsOneRecordPerDeviceAndAFreshSessionEachLogin) {
    TestServer server;
    const Json::Value first = server.loginGuest("AABBCCDDEEFF");
    ASSERT_EQ(first["response"].asInt(), 1) << first;
    EXPECT_EQ(first["ip"].asString(), "127.0.0.1");
    EXPECT_EQ(first["port"].asInt(), server.gamePort());
    EXPECT_EQ(first["sessionid"].asString().size(), 32u);
    const Json::Value again = server.loginGuest("AABBCCDDEEFF");
    EXPECT_EQ(again["id"], first["id"]);
    EXPECT_NE(again["sessionid"], first["sessionid"]);
    const Json::Value other = server.loginGuest("112233445566");
    EXPECT_NE(other["id"], first["id"]);

    // The older session of the same player is gone; the new one works.
    Json::Value info(Json::objectValue);
    info["system"] = 1;
    EXPECT_EQ(server.game(info, first, "AABBCCDDEEFF")["response"].asInt(), 2);
    const Json::Value user = server.game(info, again, "AABBCCDDEEFF");
    EXPECT_EQ(user["response"].asInt(), 1) << user;
    EXPECT_EQ(user["uuid"], again["id"]);

    Json::Value noDevice = login("", "");
    noDevice["mac"] = "";
    const Json::Value refused = TestClient::entry(server.entryPort(), noDevice);
    EXPECT_EQ(refused["response"].asInt(), 0);
    EXPECT_FALSE(refused["tip"].asString().empty());
}

TEST(AccountFlow, RegistrationAndLoginOutcomes) {
    TestServer server;
    const int port = server.entryPort();
    ASSERT_EQ(TestClient::entry(port, registration("13800138000", kDigest))["response"].asInt(), 1);
    const Json::Value referred = TestClient::entry(port, registration("13900139000", kDigest));
    ASSERT_EQ(referred["response"].asInt(), 1);
    const int firstId = TestClient::entry(port, login("13800138000", kDigest))["id"].asInt();
    ASSERT_GT(firstId, 0);

    struct Case {
        const char* what;
        Json::Value request;
        int response;
        int fail;
    };
    const Case cases[] = {
        {"duplicate registration", registration("13800138000", kOtherDigest), 0, 1},
        {"user name too short", registration("1380013800", kDigest), 0, 2},
        {"user name not starting with 1", registration("23800138000", kDigest), 0, 2},
        {"quotes and SQL in the user name", registration("1' OR '1'='1", kDigest), 0, 2},
        {"password that is no digest", registration("13700137000", "123456"), 0, 2},
        {"unknown referrer", registration("13600136000", kDigest, 999999), 0, 3},
        {"referrer box without digits", registration("13600136001", kDigest, -5), 0, 3},
        {"known referrer", registration("13500135000", kDigest, firstId), 1, 0},
        {"login", login("13800138000", kDigest), 1, 0},
        {"login with a lower-case digest", login("13800138000", "e10adc3949ba59abbe56e057f20f883e"), 1, 0},
        {"wrong password", login("13800138000", kOtherDigest), 0, 3},
        {"empty password", login("13800138000", ""), 0, 3},
        {"unknown user", login("13000000000", kDigest), 0, 2},
        {"malformed user name", login("138001380001", kDigest), 0, 1},
        {"SQL in the login name", login("1\"; DROP TABLE players; --", kDigest), 0, 1},
    };
    for (const auto& c : cases) {
        const Json::Value answer = TestClient::entry(port, c.request);
        EXPECT_EQ(answer["response"].asInt(), c.response) << c.what << ": " << answer;
        if (c.response == 0) {
            EXPECT_EQ(answer["fail"].asInt(), c.fail) << c.what << ": " << answer;
        }
    }
    // The duplicate did not change the first account's password.
    EXPECT_EQ(TestClient::entry(port, login("13800138000", kDigest))["response"].asInt(), 1);
    EXPECT_EQ(server.app().services().players.count(), 3);
    auto referredRecord = server.app().services().players.findByUserName("13500135000");
    ASSERT_TRUE(referredRecord);
    EXPECT_EQ(referredRecord->referrerId, firstId);
    // What is stored is a slow hash, not the digest the client sent.
    EXPECT_EQ(referredRecord->passwordHash.rfind("$argon2", 0), 0u);
    EXPECT_EQ(referredRecord->passwordHash.find(kDigest), std::string::npos);
}

TEST(AccountFlow, RepeatedWrongPasswordsLockTheAccountForAWhile) {
    TestServer server;
    const int port = server.entryPort();
    ASSERT_EQ(TestClient::entry(port, registration("13800138000", kDigest))["response"].asInt(), 1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(TestClient::entry(port, login("13800138000", kOtherDigest))["fail"].asInt(), 3);
    }
    const Json::Value locked = TestClient::entry(port, login("13800138000", kDigest));
    EXPECT_EQ(locked["response"].asInt(), 0);
    EXPECT_EQ(locked["fail"].asInt(), 3);
    EXPECT_FALSE(locked["tip"].asString().empty());
}

TEST(AccountFlow, ProfileAndPasswordChanges) {
    TestServer server;
    const int port = server.entryPort();
    ASSERT_EQ(TestClient::entry(port, registration("13800138000", kDigest))["response"].asInt(), 1);
    const Json::Value session = TestClient::entry(port, login("13800138000", kDigest));
    const std::string mac = "0A1B2C3D4E5F";

    Json::Value change(Json::objectValue);
    change["system"] = 1;
    change["act"] = "change";
    change["nickname"] = "小兔子";
    change["email"] = "rabbit@example.com";
    change["tel"] = "13800138000";
    change["home"] = "";
    change["birthday"] = 0;
    change["sex"] = 1;
    const Json::Value changed = server.game(change, session, mac);
    EXPECT_EQ(changed["response"].asInt(), 1) << changed;
    EXPECT_EQ(changed["nickname"].asString(), "小兔子");
    EXPECT_EQ(changed["sex"].asInt(), 1);

    change["nickname"] = "has space";
    EXPECT_EQ(server.game(change, session, mac)["response"].asInt(), 0);
    change["nickname"] = "ok";
    change["email"] = "not an address";
    EXPECT_EQ(server.game(change, session, mac)["response"].asInt(), 0);

    Json::Value password(Json::objectValue);
    password["system"] = 1;
    password["act"] = "changepwd";
    password["oldpwd"] = kOtherDigest;
    password["newpwd"] = kOtherDigest;
    EXPECT_EQ(server.game(password, session, mac)["response"].asInt(), 0) << "wrong old password";
    password["oldpwd"] = kDigest;
    EXPECT_EQ(server.game(password, session, mac)["response"].asInt(), 1);
    EXPECT_EQ(TestClient::entry(port, login("13800138000", kDigest))["fail"].asInt(), 3);
    EXPECT_EQ(TestClient::entry(port, login("13800138000", kOtherDigest))["response"].asInt(), 1);

    // A guest has no password to change.
    const Json::Value guest = server.loginGuest("FFEEDDCCBBAA");
    EXPECT_EQ(server.game(password, guest, "FFEEDDCCBBAA")["response"].asInt(), 0);
}

TEST(AccountFlow, VersionCheckAsksOlderClientsToUpdate) {
    TestServer server([](ServerConfig& c) {
        c.minVersion = "2.2.0";
        c.currentVersion = "2.2.2";
        c.updateUrl = "http://127.0.0.1/download";
    });
    struct Case {
        const char* version;
        int response;
        int update;
    };
    const Case cases[] = {{"2.2.2", 1, 0}, {"2.3", 1, 0}, {"2.2.1", 0, 0}, {"2.1.9", 0, 1}, {"", 0, 1}};
    for (const auto& c : cases) {
        Json::Value request(Json::objectValue);
        request["system"] = 0;
        request["deviceid"] = 3;
        request["platid"] = 0;
        request["version"] = c.version;
        const Json::Value answer = TestClient::entry(server.entryPort(), request);
        EXPECT_EQ(answer["response"].asInt(), c.response) << c.version;
        if (c.response == 0) {
            EXPECT_EQ(answer["update"].asInt(), c.update) << c.version;
            EXPECT_EQ(answer["upurl"].asString(), "http://127.0.0.1/download");
            EXPECT_FALSE(answer["updateinfo"].asString().empty());
        }
    }
}

} // namespace
} // namespace server::test
