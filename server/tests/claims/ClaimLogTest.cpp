// The claim form on the real binary: a code survives a restart, the operator reads the saved
// form with claim-details, and the log names the player and what happened, never what he typed
// nor the code.
#include "TempDir.h"
#include "TestDatabase.h"
#include "claims/ClaimTestSupport.h"
#include "integration/ChildServer.h"
#include "integration/TestClient.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace server::test {
namespace {

const std::string kUser = "13800000042";
const std::string kMac = "CLAIMDEVICE";
const std::string kDigest = "E10ADC3949BA59ABBE56E057F20F883E";

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

Json::Value login(int entryPort) {
    Json::Value r(Json::objectValue);
    r["system"] = 2;
    r["username"] = kUser;
    r["pwd"] = kDigest;
    r["mac"] = kMac;
    return TestClient::entry(entryPort, r);
}

Json::Value game(const ChildServer& server, const Json::Value& session, Json::Value request) {
    request["mac"] = kMac;
    request["sessionid"] = session["sessionid"];
    request["id"] = session["id"];
    return TestClient::game(server.gamePort(), request);
}

// Lines without their stamp, "PEER" for the client's address and "in T ms" for durations.
std::vector<std::string> plainLines(const std::string& log) {
    std::vector<std::string> lines;
    std::stringstream in(log);
    for (std::string line; std::getline(in, line);) {
        line = line.substr(std::min<std::size_t>(line.size(), 25));
        for (auto at = line.find("127.0.0.1:"); at != std::string::npos; at = line.find("127.0.0.1:", at)) {
            auto end = line.find_first_not_of("0123456789", at + 10);
            line.replace(at, (end == std::string::npos ? line.size() : end) - at, "PEER");
        }
        if (const auto took = line.rfind(" in "); took != std::string::npos && line.ends_with(" ms")) {
            line.replace(took, std::string::npos, " in T ms");
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(ClaimLog, PersonalDataStaysOutOfTheLogAndCodesSurviveARestart) {
    TempDir dir;
    const std::string db = databaseFor(dir, "claims.db");
    std::vector<std::string> args = {"--log-level",       "info",    "--bank",
                                     dir.file("no-bank"), "--clock", "2026-12-09 12:00:00"};
    if (onPostgres()) {
        args.insert(args.end(), {"--sms-outbox", dir.file("sms-outbox.txt")});
    }
    Json::Value session;
    {
        ChildServer first(db, args, dir.file("first.log"));
        ASSERT_GT(first.gamePort(), 0);
        Json::Value r(Json::objectValue);
        r["system"] = 1;
        r["username"] = kUser;
        r["pwd"] = kDigest;
        r["mac"] = kMac;
        ASSERT_EQ(TestClient::entry(first.entryPort(), r)["response"].asInt(), 1);
        session = login(first.entryPort());
        ASSERT_EQ(game(first, session, ClaimTest::request("authcode"))["response"].asInt(), 1);
    }
    const std::string outbox = readFile(dir.file("sms-outbox.txt"));
    const auto at = outbox.find("验证码是");
    ASSERT_NE(at, std::string::npos) << outbox;
    const std::string code = outbox.substr(at + std::string("验证码是").size(), 4);

    const Json::Value form = ClaimTest::form(std::stoi(code));
    {
        ChildServer second(db, args, dir.file("second.log"));
        ASSERT_GT(second.gamePort(), 0);
        session = login(second.entryPort());
        Json::Value wrong = form;
        wrong["authcode"] = (std::stoi(code) + 1) % 10000;
        EXPECT_EQ(game(second, session, wrong)["fail"].asInt(), 1);
        EXPECT_EQ(game(second, session, form)["binfo"].asInt(), 1) << "the code kept across the restart";
    }
    const std::string id = session["id"].asString().empty() ? std::to_string(session["id"].asInt())
                                                             : session["id"].asString();

    const std::string log = readFile(dir.file("first.log")) + readFile(dir.file("second.log"));
    for (const std::string& typed : {form["name"].asString(), form["job"].asString(), form["province"].asString(),
                                    form["city"].asString(), form["fulladdress"].asString(), form["qq"].asString(),
                                    std::string("19880315"), std::string("验证码")}) {
        EXPECT_EQ(log.find(typed), std::string::npos) << typed << " in\n" << log;
    }
    const auto lines = plainLines(log);
    for (const std::string& expected :
         {"game PEER type 24 (claim form) player " + id + R"( type="authcode" -> response 1 (code sent) in T ms)",
          "refused game PEER: claim form of player " + id + ": wrong code (try 1 of 5)",
          "game PEER type 24 (claim form) player " + id + R"( type="update" -> response 0 fail 1 (wrong code (try 1 of 5)) in T ms)",
          "game PEER type 24 (claim form) player " + id + R"( type="update" -> response 1 in T ms)"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected << "\nnot in\n" << log;
    }
    for (const auto& line : lines) {
        if (line.find(kUser) != std::string::npos) {
            EXPECT_TRUE(line.starts_with("entry PEER type ")) << "the number outside the entry log: " << line;
        }
    }

    std::FILE* pipe = ::popen((std::string(BRINDLE_SERVER_BINARY) + " claim-details " + id + " --db " + db).c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string printed;
    char buffer[512];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) {
        printed.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_NE(printed.find("\nname\t张小明\n"), std::string::npos) << printed;
    EXPECT_NE(printed.find("\ntel\t" + kUser + "\nsaved\t2026-12-09 12:"), std::string::npos) << printed;
}

} // namespace
} // namespace server::test
