// The result code of every parser for every kind of "response", and the preset -1 where a parser
// writes none.
#include "net/MsgResponse.h"
#include "net/JsonRead.h"
#include "support/TestSupport.h"

namespace {

using test_support::ClientTest;

class ParserCodesTest : public ClientTest {
protected:
    int codeFor(int type, const std::string& json) {
        Json::Value answer;
        EXPECT_TRUE(JsonRead::parse(json, answer)) << json;
        parsers::Parser parser = MsgResponse::parserFor(type);
        EXPECT_NE(parser, nullptr) << type;
        int code = -1;
        if (parser) parser(answer, &code);
        return code;
    }
};

struct CodeRow {
    std::vector<int> types;
    // codes for "response" 1, 0, 7 and "1" (a text)
    int one, zero, other, text;
};

TEST_F(ParserCodesTest, EveryParserMapsResponseToItsCode) {
    const int none = -1;
    const CodeRow rows[] = {
        // the common rule
        {{3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 23, 38, 42, 43, 49, 50, 51}, 0, 1, none, none},
        // 0 for 1, otherwise 1
        {{17, 28, 37, 44, 45, 19, 20, 22, 29, 39, 47, 56, 57}, 0, 1, 1, 1},
        {{18}, 0, 1, 1, 1},
        {{2}, 0, 0, 0, 0},
        {{30}, 0, 0, 0, 0},
        {{25, 27, 33, 35}, none, none, none, none},
        {{26}, none, 1, 1, 1},
        {{36}, 0, none, none, none},
        {{41, 52, 55}, 1, 0, 7, none},
        {{40}, 0, 4, 4, 4},
        {{48}, 0, 1, none, none},
        {{53}, 1, 0, 0, 0},
        {{54}, 1, none, none, none},
        {{24}, 0, 1, none, none},
        {{46}, 0, none, none, none},
        {{21}, 0, 0, 8, 8},
    };
    std::vector<bool> covered(MsgResponse::kParserCount, false);
    for (const CodeRow& row : rows) {
        for (int type : row.types) {
            covered[static_cast<std::size_t>(type)] = true;
            EXPECT_EQ(codeFor(type, R"({"response":1})"), row.one) << "type " << type << " response 1";
            EXPECT_EQ(codeFor(type, R"({"response":0})"), row.zero) << "type " << type << " response 0";
            EXPECT_EQ(codeFor(type, R"({"response":7})"), row.other) << "type " << type << " response 7";
            EXPECT_EQ(codeFor(type, R"({"response":"1"})"), row.text) << "type " << type << " response text";
        }
    }
    // Answers of the remaining types need more than "response"; they have tests of their own.
    for (int type : {0, 1, 4, 31, 32}) covered[static_cast<std::size_t>(type)] = true;
    covered[34] = MsgResponse::parserFor(34) == nullptr;
    for (int type = 0; type < MsgResponse::kParserCount; ++type) {
        EXPECT_TRUE(covered[static_cast<std::size_t>(type)]) << "type " << type << " is not covered";
    }
}

TEST_F(ParserCodesTest, CodesThatDependOnMoreMembers) {
    struct Case {
        int type;
        const char* json;
        int code;
    };
    const Case cases[] = {
        {0, R"({"response":1})", 0},
        {0, R"({"response":0,"update":1})", 1},
        {0, R"({"response":0,"update":0})", 2},
        {0, R"({"response":0})", 2},
        {0, R"({"response":3})", -1},
        {1, R"({"response":1,"ip":"127.0.0.1","port":8001,"id":5,"sessionid":"s"})", 0},
        {1, R"({"response":2,"ip":"127.0.0.1","port":8001,"id":5,"sessionid":"s"})", 0},
        {1, R"({"response":0,"fail":1})", 1},
        {1, R"({"response":0,"fail":2})", 2},
        {1, R"({"response":0,"fail":3})", 3},
        {1, R"({"response":0,"fail":9})", 4},
        {1, R"({"response":"x"})", 4},
        {4, R"({"response":1})", 0},
        {4, R"({"response":0,"fail":2})", 2},
        {4, R"({"response":0,"fail":5})", -1},
        {21, R"({"response":0,"fail":6})", 6},
        {40, R"({"response":2})", 2},
        {40, R"({"response":3})", 3},
        {40, R"({"response":5})", 1},
        {46, R"({"response":0,"fail":1})", 2},
        {46, R"({"response":0,"fail":3})", 3},
        {46, R"({"response":0,"fail":2})", -1},
        {48, R"({"response":2})", 2},
        {53, R"({"response":1,"act":1,"enablecount":3,"isking":1})", 2},
        {54, R"({"response":0,"act":4})", 2},
        {54, R"({"response":0,"act":5})", 3},
        {54, R"({"response":0,"act":6})", 4},
        {54, R"({"response":0,"act":7})", -1},
        {31, R"({"gametype":1,"playtype":1})", 0},
        {31, R"({"gametype":5,"playtype":1})", 1},
        {31, R"({})", 1},
        {32, R"({"response":"success"})", 0},
        {32, R"({"response":"fail"})", 1},
        {32, R"({"response":"nostart"})", 2},
        {32, R"({"response":"other"})", 3},
        {32, R"({"response":1})", 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(codeFor(c.type, c.json), c.code) << "type " << c.type << " " << c.json;
    }
}

} // namespace
