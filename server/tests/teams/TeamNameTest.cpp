// The team name rule: weighted length, the characters allowed, and hostile texts.
#include "teams/TeamName.h"

#include <gtest/gtest.h>

using server::teams::TeamName;

TEST(TeamName, TakesEightLettersOrFiveIdeographsAndNoMore) {
    EXPECT_EQ(TeamName::problem("Abcdefg8"), "");
    EXPECT_EQ(TeamName::problem("一二三四五"), "");
    EXPECT_EQ(TeamName::problem("猛虎队7"), "");            // 9 + 1 + 1 - 1 = 10
    EXPECT_EQ(TeamName::problem("A"), "");
    EXPECT_NE(TeamName::problem("Abcdefgh9"), "");           // 9 + 9 - 1 = 17
    EXPECT_NE(TeamName::problem("一二三四五六"), "");        // 18 - 1 = 17
    EXPECT_EQ(TeamName::problem("一二三四AB"), "");          // 14 + 2 - 1 = 15, the limit
    EXPECT_NE(TeamName::problem("一二三四ABC"), "");         // 15 + 3 - 1 = 17
}

TEST(TeamName, RefusesMarkupSqlControlsBrokenUtf8AndOtherScripts) {
    for (const std::string& bad : {std::string(), std::string("a_b"), std::string("<b>x</b>"), std::string("a';--"),
                                  std::string("a b"), std::string("ab\x01"), std::string("ab\0c", 4),
                                  std::string("\xe4\xb8"), std::string("\xe4\x41\x41"), std::string("\xff\xfe"),
                                  std::string("caf\xc3\xa9"), std::string("\xf0\x9f\x98\x80"),
                                  std::string("\xe3\x81\x82"),   // a kana, outside the ideographs
                                  std::string("\xef\xbc\xa1")}) { // a full-width letter
        EXPECT_NE(TeamName::problem(bad), "") << "accepted a name of " << bad.size() << " bytes";
    }
}
