// Bad bank lines are found, reported with their line, and keep their whole file out.
#include "quiz/BankParser.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

namespace server::quiz {
namespace {

const std::string kGoodChoice =
    R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "中国的首都是哪座城市？", )"
    R"("answer": ["北京", "上海"], "right": "北京"})";

bool mentions(const BankFileResult& r, const std::string& words)
{
    for (const auto& e : r.errors)
        if (e.message.find(words) != std::string::npos)
            return true;
    return false;
}

TEST(BankRules, AGoodLineLoadsWithItsPlace)
{
    const auto r = BankParser::parseText("# a comment\n\n" + kGoodChoice + "\n", "t.jsonl");
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.entries.size(), 1u);
    EXPECT_EQ(r.entries[0].qsid, 107001);
    EXPECT_EQ(r.entries[0].right, "北京");
    EXPECT_EQ(r.entries[0].line, 3);
}

TEST(BankRules, ABadLineIsReportedWithItsLineAndNothingOfTheFileLoads)
{
    const std::string bad = R"({"qsid": 107002, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "丙"})";
    const auto r = BankParser::parseText(kGoodChoice + "\n# note\n" + bad + "\n", "geo.jsonl");
    EXPECT_TRUE(r.entries.empty());
    ASSERT_EQ(r.errors.size(), 1u);
    EXPECT_EQ(r.errors[0].line, 3);
    EXPECT_EQ(r.errors[0].toString().rfind("geo.jsonl:3: ", 0), 0u) << r.errors[0].toString();
}

struct BadLine {
    const char* line;
    const char* complaint;
};

// Names the cases after their complaint in test listings.
void PrintTo(const BadLine& b, std::ostream* os)
{
    for (const char* c = b.complaint; *c; ++c)
        *os << (std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_');
}

class BankRulesBadLines : public testing::TestWithParam<BadLine> {};

TEST_P(BankRulesBadLines, AreRefusedWithAReason)
{
    const auto r = BankParser::parseText(GetParam().line, "t.jsonl");
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.entries.empty());
    EXPECT_TRUE(mentions(r, GetParam().complaint)) << (r.errors.empty() ? "no error" : r.errors[0].message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BankRulesBadLines,
    testing::Values(
        BadLine{"not json", "not a JSON object"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲",})", "not a JSON object"},
        BadLine{R"({"qsid": 107001, "qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲"})", "not a JSON object"},
        BadLine{R"({"qsid": "107001", "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲"], "right": "甲"})", "\"qsid\" must be an integer"},
        BadLine{R"({"qsid": 105001, "gametype": 1, "playtype": 5, "question": "问", "right": "甲"})", "no screen shows"},
        BadLine{R"({"qsid": 208001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲"})", "qsid 208001 must be"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲", "img": "a.png"})", "member \"img\""},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "甲"], "right": "甲"})", "two answers are the same"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "-1"})", "cannot be \"-1\""},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "caf\u00e9", "answer": ["甲", "乙"], "right": "甲"})", "cannot split"},
        BadLine{R"({"qsid": 101001, "gametype": 1, "playtype": 1, "question": "对吗", "right": "是"})", "对 or 错"},
        BadLine{R"({"qsid": 102001, "gametype": 1, "playtype": 2, "question": ";;", "answer": ["一二三四五六七八九十一二三四五六七八九十一二三四"], "right": "一二"})", "32 characters"},
        BadLine{R"({"qsid": 103001, "gametype": 1, "playtype": 3, "question": "春眠", "answer": ["春夏"], "right": "春眠"})", "every character of the question"},
        BadLine{R"({"qsid": 106001, "gametype": 1, "playtype": 6, "question": "学无止境", "answer": ["x"], "right": "学无境止"})", "the question text"},
        BadLine{R"({"qsid": 103001, "gametype": 1, "playtype": 3, "question": "一二三四五六七八九十一二三", "answer": ["一二三四五六七八九十一二三"], "right": "一二三四五六七八九十一二三"})", "12 targets"},
        BadLine{R"({"qsid": 103001, "gametype": 1, "playtype": 3, "question": "春眠", "answer": ["春眠一二三四五六七八九十一二三四五六七八九"], "right": "春眠"})", "at most 20 falling"},
        BadLine{R"({"qsid": 106001, "gametype": 1, "playtype": 6, "question": "一二三四五六七八九十一二三", "answer": ["x"], "right": "一二三四五六七八九十一二三"})", "3 to 12 characters"},
        BadLine{R"({"qsid": 113001, "gametype": 1, "playtype": 13, "question": "好;", "answer": ["，"], "right": "好。"})", "not offered"},
        BadLine{R"({"qsid": 114001, "gametype": 1, "playtype": 14, "question": "消", "answer": ["一二三"], "right": "111"})", "remove some characters"},
        BadLine{R"({"qsid": 115001, "gametype": 1, "playtype": 15, "question": "问", "answer": ["甲", "乙"], "right": "甲"})", "\"multiple\""},
        BadLine{R"({"qsid": 201001, "gametype": 2, "playtype": 1, "question": "AABCDEFGH", "img": "p.png", "answer": ["x"], "right": "AABCDEFGH"})", "9 different"},
        BadLine{R"({"qsid": 202001, "gametype": 2, "playtype": 2, "question": "q", "img": "p.png", "answer": ["A","B","C","D","E","F","G","H","I","J","K","L","M","N","O","P"], "right": "ABCDEFGHI"})", "pieces 0, 1, 2, 4"},
        BadLine{R"({"qsid": 204001, "gametype": 2, "playtype": 4, "question": "q", "img": "../p.png", "answer": ["苹果"], "answerlength": 2, "right": "苹果"})", "must name a .png"},
        BadLine{R"({"qsid": 204001, "gametype": 2, "playtype": 4, "question": "q", "img": "p.png", "answer": ["苹果天地人和日月山水风云花草木石金火土上下大小中春"], "answerlength": 2, "right": "苹梨"})", "cannot be spelt"},
        BadLine{R"({"qsid": 205001, "gametype": 2, "playtype": 5, "question": "a.png", "img": "b.png", "answer": ["FF0000", "GG0000"], "right": "FF0000"})", "six hexadecimal"},
        BadLine{R"({"qsid": 206001, "gametype": 2, "playtype": 6, "question": "a.png", "img": "b.png", "answer": [{"x1": 50, "x2": 10, "y1": 0, "y2": 5}], "right": "0"})", "x1 < x2"},
        BadLine{R"({"qsid": 208001, "gametype": 2, "playtype": 8, "question": "q", "answer": ["a.png", "b.png"], "right": "C"})", "letters AB"},
        BadLine{R"({"qsid": 213001, "gametype": 2, "playtype": 13, "question": "q", "img": "p.png", "answer": ["甲", "乙"], "right": "甲", "awardtype": 3, "awardnum": 5})", "awardtype"},
        BadLine{R"({"qsid": 214001, "gametype": 2, "playtype": 14, "question": "q", "right": "0"})", "\"right\", which the screen sends"},
        BadLine{R"({"qsid": 301001, "gametype": 3, "playtype": 1, "question": "q", "music": "a.mp4", "answer": ["甲", "乙"], "right": "甲"})", "must name a .mp3"},
        BadLine{R"({"qsid": 402001, "gametype": 4, "playtype": 2, "question": "q", "video": "a.mp4", "answer": ["甲"], "answerlength": 1, "right": "甲"})", "24 characters"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲", "jump": [{"url": "http://x", "name": "n"}, {"url": "", "name": ""}]})", "https://"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲", "jump": [{"url": "https://x", "name": "n"}, {"url": "", "name": ""}]})", "every option a link"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙", "丙", "丁", "戊"], "right": "戊"})", "never shows"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙", "丙", "丁", "戊", "己"], "right": "甲"})", "2 to 5 answers"},
        BadLine{R"({"qsid": 115001, "gametype": 1, "playtype": 15, "multiple": 2, "question": "问", "answer": ["甲", "乙", "丙", "丁", "戊"], "right": "甲"})", "2 to 4 answers"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲", "ad": {"icon": "a.png", "name": "n", "info": "i", "url": "https://x"}})", "\"ad\" must be"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲", "ad": {"icon": "a.mp3", "name": "n", "info": "i", "url": "https://x", "apkname": "a.b"}})", "ad icon must name a .png"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲", "ad": {"icon": "a.png", "name": "n", "info": "i", "url": "http://x", "apkname": "a.b"}})", "ad address"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲", "ad": {"icon": "a.png", "name": "", "info": "i", "url": "https://x", "apkname": "a.b"}})", "non-empty text"},
        BadLine{R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲", "ad": {"icon": "a.png", "name": "n", "info": "i", "url": "https://x", "apkname": "A B"}})", "apkname"}));

TEST(BankRules, AQsidTwiceInOneFileIsRefused)
{
    const auto r = BankParser::parseText(kGoodChoice + "\n" + kGoodChoice + "\n", "t.jsonl");
    EXPECT_TRUE(mentions(r, "appears twice"));
    EXPECT_EQ(r.errors.at(0).line, 2);
}

TEST(BankRules, AFileWithoutQuestionsIsRefused)
{
    EXPECT_TRUE(mentions(BankParser::parseText("# only a comment\n", "t.jsonl"), "holds no questions"));
    EXPECT_TRUE(mentions(BankParser::parseFile("/nonexistent/bank.jsonl"), "cannot be read"));
}

} // namespace
} // namespace server::quiz
