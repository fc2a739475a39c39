#include "app/LocalText.h"

#include <gtest/gtest.h>

namespace {

class LocalTextTest : public ::testing::Test {
protected:
    void TearDown() override { LocalText::instance().setContent(""); }
};

TEST_F(LocalTextTest, LooksUpByKeyAndLanguage) {
    LocalText& text = LocalText::instance();
    text.setContent(R"({
        // comments are allowed in the dictionary
        "sure": {"chinese": "确定", "english": "OK"},
        "onlyChinese": {"chinese": "只有"},
        "key": {"chinese": "k", "english": "k"},
        "KEY": {"chinese": "K", "english": "K"},
        "notAnEntry": "plain",
        "numbers": {"chinese": 5, "english": true}
    })");
    struct Case {
        const char* key;
        bool english;
        const char* expected;
    };
    const Case cases[] = {
        {"sure", false, "确定"},  {"sure", true, "OK"},      {"onlyChinese", false, "只有"},
        {"onlyChinese", true, ""}, {"key", false, ""},       {"KEY", true, ""},
        {"missing", false, ""},    {"notAnEntry", false, ""}, {"numbers", false, ""},
        {"numbers", true, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text.text(c.key, c.english), c.expected) << c.key << (c.english ? " (english)" : "");
    }
}

TEST_F(LocalTextTest, EveryLookupIsEmptyForAMissingOrBrokenFile) {
    LocalText& text = LocalText::instance();
    for (const char* content : {"", "{\"sure\": {\"chinese\": \"x\"", "[1, 2]", "not json"}) {
        text.setContent(content);
        EXPECT_EQ(text.text("sure"), "") << content;
    }
}

} // namespace
