// Claim codes: what reaches the outbox or the gateway, the daily allowance, and racing asks.
#include "app/CommandLine.h"
#include "claims/ClaimRules.h"
#include "claims/ClaimTestSupport.h"
#include "TempDir.h"

#include <sys/stat.h>

#include <atomic>
#include <regex>
#include <thread>

namespace server::test {
namespace {

using claims::CommandSender;

TEST_F(ClaimTest, TheOutboxGetsOneLineOfTimeTelAndMessage) {
    auto a = account();
    auto b = account();
    at(12, 34, 56);
    ASSERT_EQ(askCode(a), [] {
        Json::Value sent(Json::objectValue);
        sent["response"] = 1;
        sent["system"] = 24;
        return sent;
    }());
    at(12, 35, 0);
    askCode(b);

    const auto lines = outboxLines();
    ASSERT_EQ(lines.size(), 2u);
    const std::regex shape("2026-12-09 12:34:56\t" + a.record().userName +
                           "\t【Brindle】您的验证码是[0-9]{4}，10分钟内有效。");
    EXPECT_TRUE(std::regex_match(lines[0], shape)) << lines[0];
    EXPECT_EQ(lines[1].substr(0, 32), "2026-12-09 12:35:00\t" + b.record().userName + "\t") << lines[1];
    struct stat info {};
    ASSERT_EQ(::stat(outboxPath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "other users must not read the numbers";
    // Small codes keep their leading zeros in the message.
    EXPECT_EQ(claims::codeMessage(7), "【Brindle】您的验证码是0007，10分钟内有效。");
    EXPECT_EQ(claims::OutboxSender::line(0, "13900001000", "m").substr(19), "\t13900001000\tm\n");
}

TEST_F(ClaimTest, TenCodesADayThenTheNextDay) {
    auto p = account();
    for (int i = 0; i < claims::kCodesPerDay; ++i) {
        at(9, i);
        ASSERT_EQ(askCode(p)["response"].asInt(), 1) << "code " << i + 1;
    }
    at(9, 10);
    const auto eleventh = askCode(p);
    EXPECT_EQ(eleventh["response"].asInt(), 0);
    EXPECT_EQ(eleventh["fail"].asInt(), 1);
    EXPECT_FALSE(eleventh["tip"].asString().empty());
    EXPECT_EQ(outboxLines().size(), 10u) << "a refused ask sends nothing";
    // The last code sent still counts after a refused ask.
    EXPECT_EQ(p.game(form(lastCode(p)))["response"].asInt(), 1);
    at(23, 59, 59);
    EXPECT_EQ(askCode(p)["fail"].asInt(), 1) << "the whole local day";

    at(0, 0, 1, 1);
    EXPECT_EQ(askCode(p)["response"].asInt(), 1) << "a new day, new codes";
    // Another player's allowance is his own.
    auto q = account();
    EXPECT_EQ(askCode(q)["response"].asInt(), 1);
}

TEST_F(ClaimTest, RacingAsksNeverGetAnEleventhCode) {
    auto p = account();
    std::atomic<int> sent{0};
    std::atomic<int> refused{0};
    std::vector<std::thread> askers;
    for (int i = 0; i < 16; ++i) {
        askers.emplace_back([&] {
            const auto answer = askCode(p);
            (answer["response"].asInt() == 1 ? sent : refused)++;
        });
    }
    for (auto& t : askers) {
        t.join();
    }
    EXPECT_EQ(sent.load(), claims::kCodesPerDay);
    EXPECT_EQ(refused.load(), 16 - claims::kCodesPerDay);
    EXPECT_EQ(outboxLines().size(), static_cast<std::size_t>(claims::kCodesPerDay));
    for (const auto& line : outboxLines()) {
        EXPECT_NE(line.find("，10分钟内有效。"), std::string::npos) << "lines must not mix: " << line;
    }
}

TEST_F(ClaimTest, GuestsGetNoCodeAndNoForm) {
    auto g = guest("GUESTDEVICE1");
    const auto code = askCode(g);
    EXPECT_EQ(code["response"].asInt(), 0);
    EXPECT_EQ(code["fail"].asInt(), 2);
    const auto save = g.game(form(1234));
    EXPECT_EQ(save["response"].asInt(), 0);
    EXPECT_EQ(save["fail"].asInt(), 3);
    EXPECT_TRUE(outboxLines().empty());
    auto unknown = request("upload");
    EXPECT_EQ(g.game(unknown)["fail"].asInt(), 9);
}

TEST_F(ClaimTest, TheGatewayCommandGetsTelAndMessageAsItsLastArguments) {
    TempDir dir;
    const std::string script = dir.file("gateway.sh");
    const std::string got = dir.file("arguments.txt");
    {
        std::ofstream out(script);
        out << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << got << "'\necho noise\nexit 3\n";
    }
    ::chmod(script.c_str(), 0700);
    server.reset();
    server = std::make_unique<TestServer>([this, &script](ServerConfig& c) {
        c.contestSweeper = false;
        c.contestClock = [this] { return std::chrono::system_clock::time_point(std::chrono::milliseconds(now.load())); };
        c.smsCommand = "  " + script + "  --from  Brindle";
    });
    auto p = account();
    EXPECT_EQ(askCode(p)["response"].asInt(), 1) << "the code is stored even when the gateway fails";
    const std::string tel = p.record().userName;
    server.reset(); // waits for the gateway
    std::ifstream in(got);
    std::vector<std::string> args;
    for (std::string line; std::getline(in, line);) {
        args.push_back(line);
    }
    ASSERT_EQ(args.size(), 4u);
    EXPECT_EQ(args[0], "--from");
    EXPECT_EQ(args[1], "Brindle");
    EXPECT_EQ(args[2], tel);
    EXPECT_TRUE(std::regex_match(args[3], std::regex("【Brindle】您的验证码是[0-9]{4}，10分钟内有效。"))) << args[3];
}

TEST(ClaimGateway, FailuresAreReportedWithoutTheArguments) {
    const auto exited = CommandSender::run({"/bin/sh", "-c", "exit 3", "13900001000", "secret 4321"},
                                           std::chrono::seconds(10));
    EXPECT_FALSE(exited.ok);
    EXPECT_EQ(exited.why, "/bin/sh exited with status 3");
    const auto missing = CommandSender::run({"/no/such/gateway", "13900001000", "m"}, std::chrono::seconds(10));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.why.find("13900001000"), std::string::npos) << missing.why;
    // A gateway that hangs is killed at its limit, with whatever it started.
    const auto start = std::chrono::steady_clock::now();
    const auto hung = CommandSender::run({"/bin/sh", "-c", "sleep 30; sleep 30"}, std::chrono::milliseconds(0));
    EXPECT_FALSE(hung.ok);
    EXPECT_NE(hung.why.find("killed"), std::string::npos) << hung.why;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_TRUE(CommandSender::run({"true"}, std::chrono::seconds(10)).ok) << "found on the PATH";
    EXPECT_EQ(CommandSender::words(" a  b c "), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(ClaimCommandLine, GatewayFlagAndOperatorCommand) {
    const auto gateway = CommandLine::parse({"--sms-command", "/opt/sms/send --account b"}, "/x/bin");
    ASSERT_EQ(gateway.action, CommandLine::Action::Serve) << gateway.error;
    EXPECT_EQ(gateway.config.smsCommand, "/opt/sms/send --account b");
    EXPECT_EQ(CommandLine::parse({"--sms-command", "  "}, "/x/bin").action, CommandLine::Action::Error);
    EXPECT_EQ(CommandLine::parse({"--sms-command"}, "/x/bin").action, CommandLine::Action::Error);

    const auto details = CommandLine::parse({"claim-details", "10001", "--db", "f.db"}, "/x/bin");
    ASSERT_EQ(details.action, CommandLine::Action::ClaimDetails) << details.error;
    EXPECT_EQ(details.claimPlayerId, 10001);
    EXPECT_EQ(details.config.dbPath, "f.db");
    for (const char* bad : {"0", "-3", "12x", "99999999999"}) {
        EXPECT_EQ(CommandLine::parse({"claim-details", bad}, "/x/bin").action, CommandLine::Action::Error) << bad;
    }
    EXPECT_EQ(CommandLine::parse({"claim-details"}, "/x/bin").action, CommandLine::Action::Error);
}

} // namespace
} // namespace server::test
