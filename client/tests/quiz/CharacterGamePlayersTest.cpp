// The character games' test players against every question of their bank files: each line is
// played to exactly its "right", and once more to something the server judges wrong.
#include "quiz/QuizScreenSupport.h"
#include "quiz/ScreenPlayers.h"

#include "quiz/QuizData.h"

#include "testing/EngineTesting.h"

#include <json/value.h>

#include <fstream>

using namespace test_support;

namespace {

class CharacterGamePlayersTest : public QuizScreenTest {
protected:
    void SetUp() override {
        QuizScreenTest::SetUp();
        enterPlay();
    }
    void playEveryLine(const std::string& file) {
        const std::vector<Json::Value> lines = bankLines(file);
        ASSERT_GE(lines.size(), 5u) << file << ": the build copies the bank next to the binaries (target brindle_server_bank)";
        for (const Json::Value& line : lines) {
            for (bool win : {true, false}) {
                SCOPED_TRACE(line["qsid"].asString() + (win ? " win" : " lose"));
                std::vector<std::string> answers;
                for (const Json::Value& answer : line["answer"]) answers.push_back(answer.asString());
                QuestionRecord& record = setQuestion(line["gametype"].asInt(), line["playtype"].asInt(), answers);
                record.question = line["question"].asString();
                const std::string right = line["right"].asString();
                std::get<ChoiceQuestion>(record.details).right = right;
                m_submitted.clear();
                const ScreenPlayer* player = screenPlayer(record.gametype, record.playtype);
                ASSERT_NE(player, nullptr);
                PlayerTurn turn{draw(), right, win, [](float seconds) { engine::testing::stepSeconds(seconds); }};
                ASSERT_NE(turn.screen, nullptr);
                EXPECT_TRUE((*player)(turn));
                ASSERT_EQ(m_submitted.size(), 1u);
                if (win) {
                    EXPECT_EQ(m_submitted[0].answer, right);
                } else {
                    EXPECT_NE(m_submitted[0].answer, right);
                }
            }
        }
    }
};

TEST_F(CharacterGamePlayersTest, Sudoku) { playEveryLine("g1p02_sudoku.jsonl"); }
TEST_F(CharacterGamePlayersTest, HitText) { playEveryLine("g1p03_hit_text.jsonl"); }
TEST_F(CharacterGamePlayersTest, SortText) { playEveryLine("g1p06_sort_text.jsonl"); }
TEST_F(CharacterGamePlayersTest, Punctuation) { playEveryLine("g1p13_punctuation.jsonl"); }
TEST_F(CharacterGamePlayersTest, Eliminate) { playEveryLine("g1p14_eliminate.jsonl"); }

} // namespace
