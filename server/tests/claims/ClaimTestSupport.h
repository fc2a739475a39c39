// The claim form against the real server in-process, on the contest clock the test moves. Codes
// are read back from the outbox file beside the test's database, as an operator's tools would.
#pragma once

#include "claims/CodeSender.h"
#include "contests/ContestTestSupport.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace server::test {

class ClaimTest : public ContestTest {
public:
    static Json::Value request(const char* type) {
        Json::Value r(Json::objectValue);
        r["system"] = 24;
        r["type"] = type;
        return r;
    }

    // A form every check accepts, with this code.
    static Json::Value form(const Json::Value& code) {
        Json::Value r = request("update");
        r["name"] = "张小明";
        r["sex"] = 1;
        r["birthday"] = 19880315;
        r["job"] = "教师";
        r["province"] = "浙江";
        r["city"] = "杭州";
        r["fulladdress"] = "西湖区文三路100号";
        r["qq"] = "987654321";
        r["authcode"] = code;
        return r;
    }

    Json::Value askCode(const ContestPlayer& p) { return p.game(request("authcode")); }

    std::string outboxPath() { return claims::OutboxSender::pathFor(config().smsOutbox, config().dbPath); }
    const ServerConfig& config() { return server->app().services().config; }

    std::vector<std::string> outboxLines() {
        std::ifstream in(outboxPath());
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    // The code of the player's latest outbox line, as a number; -1 when there is none.
    int lastCode(const ContestPlayer& p) {
        const std::string tel = p.record().userName;
        const std::string before = "验证码是";
        int code = -1;
        for (const auto& line : outboxLines()) {
            const auto at = line.find(before);
            if (line.find("\t" + tel + "\t") != std::string::npos && at != std::string::npos) {
                code = std::stoi(line.substr(at + before.size(), 4));
            }
        }
        return code;
    }

    // Asks for a code and reads it back.
    int freshCode(const ContestPlayer& p) {
        EXPECT_EQ(askCode(p)["response"].asInt(), 1);
        return lastCode(p);
    }
};

} // namespace server::test
