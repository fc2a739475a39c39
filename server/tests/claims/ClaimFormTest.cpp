// Saving the claim form: the code's rules, every field check, and what is stored.
#include "claims/ClaimDetailsReport.h"
#include "claims/ClaimStore.h"
#include "claims/ClaimTestSupport.h"

#include <cstdio>

namespace server::test {
namespace {

class ClaimFormTest : public ClaimTest {
public:
    std::optional<claims::ClaimDetails> stored(const ContestPlayer& p) {
        auto& services = server->app().services();
        return claims::ClaimStore(services.storage, services.players).details(p.id());
    }
    static int fail(const Json::Value& answer) { return answer["response"].asInt() == 1 ? 0 : answer["fail"].asInt(); }
};

int otherThan(int code) { return (code + 1) % 10000; }

TEST_F(ClaimFormTest, ARightCodeSavesTheFormOnceAndSetsBinfo) {
    auto p = account();
    EXPECT_EQ(fail(p.game(form(1234))), 1) << "no code asked for";
    const int code = freshCode(p);
    Json::Value user(Json::objectValue);
    user["system"] = 1;
    EXPECT_EQ(p.game(user)["binfo"].asInt(), 0);

    EXPECT_EQ(fail(p.game(form(otherThan(code)))), 1) << "wrong code";
    EXPECT_FALSE(stored(p));
    // The client sends "0123" as 123; a text of digits counts the same.
    auto right = form(std::to_string(code));
    const auto saved = p.game(right);
    EXPECT_EQ(saved["response"].asInt(), 1) << saved;
    EXPECT_EQ(saved["binfo"].asInt(), 1);
    EXPECT_EQ(p.game(user)["binfo"].asInt(), 1);
    EXPECT_EQ(fail(p.game(form(code))), 1) << "a code is used once";

    const auto d = stored(p);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->name, "张小明");
    EXPECT_EQ(d->sex, 1);
    EXPECT_EQ(d->birthday, 19880315);
    EXPECT_EQ(d->job, "教师");
    EXPECT_EQ(d->province, "浙江");
    EXPECT_EQ(d->city, "杭州");
    EXPECT_EQ(d->address, "西湖区文三路100号");
    EXPECT_EQ(d->qq, "987654321");
    EXPECT_EQ(d->tel, p.record().userName);

    // A later form replaces the first, texts kept exactly as typed.
    const int second = freshCode(p);
    auto hostile = form(second);
    hostile["name"] = "<b>O'Neil\"";
    hostile["job"] = "";
    hostile["fulladdress"] = "'); DROP TABLE claim_details; --";
    hostile["qq"] = Json::Int64(12345678901);
    hostile["sex"] = "0";
    ASSERT_EQ(p.game(hostile)["response"].asInt(), 1);
    const auto again = stored(p);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->name, "<b>O'Neil\"");
    EXPECT_EQ(again->job, "");
    EXPECT_EQ(again->address, "'); DROP TABLE claim_details; --");
    EXPECT_EQ(again->qq, "12345678901");
    EXPECT_EQ(again->sex, 0);
}

TEST_F(ClaimFormTest, CodesExpireAfterTenMinutes) {
    auto p = account();
    at(13, 0, 0);
    const int late = freshCode(p);
    at(13, 10, 1);
    EXPECT_EQ(fail(p.game(form(late))), 1) << "10:01 after the code";
    at(14, 0, 0);
    const int inTime = freshCode(p);
    at(14, 9, 59);
    EXPECT_EQ(fail(p.game(form(inTime))), 0) << "9:59 after the code";
}

TEST_F(ClaimFormTest, FiveWrongTriesVoidTheCodeAndANewCodeReplacesTheOld) {
    auto p = account();
    int code = freshCode(p);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(fail(p.game(form(otherThan(code)))), 1);
    }
    auto missing = form(0);
    missing.removeMember("authcode");
    EXPECT_EQ(fail(p.game(missing)), 1) << "no code at all is the fifth wrong try";
    EXPECT_EQ(fail(p.game(form(code))), 1) << "void after five wrong tries";

    // A new code has its own five tries; four wrong ones leave it good.
    code = freshCode(p);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(fail(p.game(form(otherThan(code)))), 1);
    }
    int newer = freshCode(p);
    while (newer == code) { // one in ten thousand
        newer = freshCode(p);
    }
    EXPECT_EQ(fail(p.game(form(code))), 1) << "replaced by the newer code";
    EXPECT_EQ(fail(p.game(form(newer))), 0);
}

TEST_F(ClaimFormTest, EveryFieldIsCheckedBeforeTheCode) {
    auto p = account();
    const int code = freshCode(p);
    const std::string tooLong19 = "abcdefghijklmnopqrs";
    const struct {
        const char* member;
        Json::Value value;
    } bad[] = {
        {"name", ""}, {"name", tooLong19}, {"name", "张小明张小明张"}, {"name", "张 三"}, {"name", "张\xE3\x80\x80三"},
        {"name", "12345"}, {"name", 12345}, {"name", Json::Value()},
        {"sex", 2}, {"sex", -1}, {"sex", 0.5}, {"sex", "x"}, {"sex", true}, {"sex", Json::Value()},
        {"birthday", 18991231}, {"birthday", 20261210}, {"birthday", 20230229}, {"birthday", 19901301},
        {"birthday", 19900100}, {"birthday", "1990-01-01"}, {"birthday", 1990010}, {"birthday", Json::Value()},
        {"job", std::string(31, 'j')}, {"job", 5},
        {"province", ""}, {"province", std::string(31, 'p')}, {"province", Json::Value()},
        {"city", ""}, {"city", std::string(31, 'c')}, {"city", Json::Value(Json::arrayValue)},
        {"fulladdress", ""}, {"fulladdress", std::string(151, 'a')}, {"fulladdress", "1234567"},
        {"qq", "1234"}, {"qq", "123456789012"}, {"qq", "12a456"}, {"qq", 1234.5}, {"qq", -123456}, {"qq", Json::Value()},
        // Control characters and broken UTF-8 anywhere.
        {"name", "a\tb"}, {"job", "x\x7f"}, {"city", "杭\n州"}, {"fulladdress", "路\xff\xfe号"},
        {"province", "\xE6\xB5"}, {"fulladdress", "\xC0\xAF路"}, {"job", "\xED\xA0\x80"},
    };
    for (const auto& c : bad) {
        auto r = form(code);
        if (c.value.isNull()) {
            r.removeMember(c.member);
        } else {
            r[c.member] = c.value;
        }
        EXPECT_EQ(fail(p.game(r)), 2) << c.member << " = " << c.value;
    }
    EXPECT_FALSE(stored(p));
    // None of them cost a try of the code; the limits themselves pass.
    auto edge = form(code);
    edge["name"] = "张小明张小明"; // 18 bytes
    edge["birthday"] = "20261209";
    edge["job"] = std::string(30, 'j');
    edge["province"] = std::string(30, 'p');
    edge["fulladdress"] = std::string(147, '1') + "号";
    edge["qq"] = "12345";
    EXPECT_EQ(fail(p.game(edge)), 0);
    auto noJob = form(freshCode(p));
    noJob.removeMember("job");
    EXPECT_EQ(fail(p.game(noJob)), 0) << "the job may be left out";
    EXPECT_EQ(stored(p)->job, "");
}

TEST_F(ClaimFormTest, TheOperatorReadsTheSavedDetails) {
    auto p = account();
    at(15, 4, 5);
    ASSERT_EQ(fail(p.game(form(freshCode(p)))), 0);
    const std::string db = server->app().services().config.dbPath;

    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    const int found = claims::printClaimDetails(db, p.id(), out);
    const int none = claims::printClaimDetails(db, p.id() + 100, out);
    std::fclose(out);
    const std::string printed(text, size);
    std::free(text);

    EXPECT_EQ(found, 0);
    EXPECT_EQ(none, 1);
    EXPECT_EQ(printed, "player\t" + p.idText() + "\nname\t张小明\nsex\t1\nbirthday\t1988-03-15\njob\t教师\n"
                       "province\t浙江\ncity\t杭州\naddress\t西湖区文三路100号\nqq\t987654321\ntel\t" +
                           p.record().userName + "\nsaved\t2026-12-09 15:04:05\nplayer " +
                           std::to_string(p.id() + 100) + " has no claim details saved\n");
}

} // namespace
} // namespace server::test
