// What counts as right for each kind of screen.
#include "quiz/AnswerJudge.h"
#include "quiz/AnswerRewards.h"
#include "quiz/BankParser.h"

#include <gtest/gtest.h>

namespace server::quiz {
namespace {

BankEntry entry(const std::string& line)
{
    auto r = BankParser::parseText(line, "t.jsonl");
    EXPECT_TRUE(r.ok()) << (r.errors.empty() ? "" : r.errors[0].toString());
    return r.entries.empty() ? BankEntry{} : r.entries[0];
}

struct Case {
    const char* what;
    std::string line;
    std::string submitted;
    bool right;
};

const std::string kChoice =
    R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "首都？", "answer": ["上海", "北京", "广州"], "right": "北京"})";
const std::string kNumbers =
    R"({"qsid": 207001, "gametype": 2, "playtype": 7, "question": "几个？", "img": "a.png", "answer": ["2", "3", "1"], "right": "3"})";
const std::string kSudoku = R"({"qsid": 102001, "gametype": 1, "playtype": 2, "question": "一;一意三心二;四面八;五湖四海七上八下十全十美千山万水百花齐放", )"
                            R"("answer": ["心意方天地人和日月山水风云花草木石金火土上下大小"], "right": "心意方"})";
const std::string kEliminate =
    R"({"qsid": 114001, "gametype": 1, "playtype": 14, "question": "消", "answer": ["一马心"], "right": "101"})";
const std::string kSpot =
    R"({"qsid": 206001, "gametype": 2, "playtype": 6, "question": "a.png", "img": "b.png", "answer": [{"x1": 1, "x2": 9, "y1": 1, "y2": 9}], "right": "0"})";
const std::string kShell = R"({"qsid": 214001, "gametype": 2, "playtype": 14, "question": "q", "right": "right"})";
const std::string kHit = R"({"qsid": 103001, "gametype": 1, "playtype": 3, "question": "春眠", "answer": ["眠春夏"], "right": "春眠"})";
const std::string kYesNo = R"({"qsid": 101001, "gametype": 1, "playtype": 1, "question": "对吗？", "right": "错"})";
const std::string kPick = R"({"qsid": 209001, "gametype": 2, "playtype": 9, "question": "q", "answer": ["a.png", "b.png", "c.png", "d.png"], "right": "C"})";

TEST(AnswerJudge, JudgesEachScreenByWhatItSends)
{
    const std::vector<Case> cases = {
        {"an option's text", kChoice, "北京", true},
        {"another option", kChoice, "上海", false},
        {"the position of the right option", kChoice, "1", true},
        {"the position of a wrong option", kChoice, "0", false},
        {"a position past the options", kChoice, "7", false},
        {"digits that are options are texts, not positions", kNumbers, "2", false},
        {"the right digit option", kNumbers, "3", true},
        {"time out", kChoice, "-1", false},
        {"nothing", kChoice, "", false},
        {"the blanks in board order", kSudoku, "心意方", true},
        {"the blanks in another order", kSudoku, "意心方", false},
        {"the eliminate screen sends the mask", kEliminate, "101", true},
        {"the eliminate screen gave up", kEliminate, "-1", false},
        {"spot the difference finished", kSpot, "0", true},
        {"the shell game's carrot card", kShell, "right", true},
        {"the shell game's empty card", kShell, "0", false},
        {"every character caught", kHit, "春眠", true},
        {"yes or no label", kYesNo, "错", true},
        {"the other label", kYesNo, "对", false},
        {"a picture letter", kPick, "C", true},
        {"a picture letter, lower case", kPick, "c", false},
        {"no position guessing where options are pictures", kPick, "2", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnswerJudge::isRight(entry(c.line), c.submitted), c.right) << c.what;
}

TEST(AnswerJudge, TimeOutIsWrongEvenIfABankSaidOtherwise)
{
    auto e = entry(kChoice);
    e.right = "-1";
    EXPECT_FALSE(AnswerJudge::isRight(e, "-1"));
}

TEST(AnswerRewards, RightEarnsScoreAndPrizeWrongEarnsNothing)
{
    const auto prize = entry(R"({"qsid": 107001, "gametype": 1, "playtype": 7, "prizemoney": 5, "question": "q", "answer": ["甲", "乙"], "right": "甲"})");
    const auto right = AnswerRewards::forAnswer(prize, true, 0);
    EXPECT_EQ(right.totalScore(), AnswerRewards::kRightScore);
    EXPECT_EQ(right.totalMoney(), 5);
    const auto wrong = AnswerRewards::forAnswer(prize, false, 0);
    EXPECT_EQ(wrong.totalScore(), 0);
    EXPECT_EQ(wrong.totalMoney(), 0);
}

TEST(AnswerRewards, AGoldenEggPaysItsMultiple)
{
    const auto egg = entry(R"({"qsid": 115001, "gametype": 1, "playtype": 15, "multiple": 3, "prizemoney": 2, )"
                           R"("question": "q", "answer": ["甲", "乙"], "right": "甲"})");
    const auto r = AnswerRewards::forAnswer(egg, true, 0);
    EXPECT_EQ(r.addScore, 3 * AnswerRewards::kRightScore);
    EXPECT_EQ(r.addMoney, 6);
    EXPECT_EQ(AnswerRewards::forAnswer(egg, false, 0).totalScore(), 0);
}

TEST(AnswerRewards, AScratchCardPaysAtMostWhatItHolds)
{
    const auto card = entry(R"({"qsid": 213001, "gametype": 2, "playtype": 13, "question": "q", "img": "p.png", )"
                            R"("answer": ["甲", "乙"], "right": "甲", "awardtype": 2, "awardnum": 3})");
    const struct {
        int claimed;
        bool right;
        int paid;
        int money;
    } table[] = {{3, true, 3, 3}, {99, true, 3, 3}, {-5, true, 0, 0}, {0, true, 0, 0}, {3, false, 0, 0}};
    for (const auto& row : table) {
        const auto r = AnswerRewards::forAnswer(card, row.right, row.claimed);
        EXPECT_EQ(r.awardNum, row.paid) << row.claimed;
        EXPECT_EQ(r.totalMoney(), row.money) << row.claimed;
        EXPECT_EQ(r.addMoney, 0);
    }
}

} // namespace
} // namespace server::quiz
