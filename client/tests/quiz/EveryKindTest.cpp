// Every kind of question, played through the real screens against the real brindle-server: for
// each (game type, play type) pair two questions of the bank, one played to its right answer and
// one to a wrong one, with the server's verdict and the player's score checked after each.
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/PlayTestSupport.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "quiz/RenderSupport.h"
#include "quiz/ScreenPlayers.h"

#include "testing/EngineTesting.h"


#include <filesystem>
#include <map>
#include <sstream>

USING_NS_CC;
using namespace test_support;

namespace {

struct Pair {
    int gameType, playType;
};

// Every pair a question can have.
const Pair kPairs[] = {
    {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 6}, {1, 7}, {1, 8}, {1, 9}, {1, 10}, {1, 11}, {1, 13}, {1, 14}, {1, 15},
    {2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}, {2, 6}, {2, 7}, {2, 8}, {2, 9}, {2, 11}, {2, 12}, {2, 13}, {2, 14},
    {3, 1}, {3, 2}, {4, 1}, {4, 2}};

std::string pairName(const Pair& pair) {
    return "g" + std::to_string(pair.gameType) + "p" + std::to_string(pair.playType);
}

std::filesystem::path bankFolder() {
    return std::filesystem::path(ServerProcess::binary()).parent_path().parent_path() / "server-data/bank";
}

// qsid -> "right" of every question the server beside the tests loads.
const std::map<int, std::string>& bankRights() {
    static const std::map<int, std::string> rights = [] {
        std::map<int, std::string> found;
        std::error_code error;
        for (const auto& file : std::filesystem::directory_iterator(bankFolder(), error)) {
            for (const Json::Value& entry : jsonLines(file.path().string())) {
                found[entry["qsid"].asInt()] = entry["right"].asString();
            }
        }
        return found;
    }();
    return rights;
}

std::vector<int> qsidsOf(const Pair& pair) {
    std::vector<int> ids;
    const int kind = pair.gameType * 100 + pair.playType;
    for (const auto& [qsid, right] : bankRights()) {
        if (qsid / 1000 == kind) ids.push_back(qsid);
    }
    return ids;
}

class EveryKindTest : public PlayTest, public ::testing::WithParamInterface<Pair> {
protected:
    // Drawn for real where OpenGL runs, so the pictures of each kind can be looked at.
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        PlayTest::SetUp();
        // The game's own texts: the yes-or-no buttons send theirs.
        setGameTexts();
        if (!startServerAndLogIn()) GTEST_SKIP() << "brindle-server not usable: " << ServerProcess::binary();
        GameData::instance().sdkPlats.clear(); // no wall in the way
        m_host = enterPlay();
        ASSERT_TRUE(pumpUntilIdle());
    }

    // The verdict the server logged for the qsid: "success", "fail" or "" when none.
    std::string serverVerdict(int qsid) {
        std::istringstream lines(m_server->output());
        const std::string key = "qsid=" + std::to_string(qsid) + " ";
        std::string verdict;
        for (std::string line; std::getline(lines, line);) {
            if (line.find("(answer)") == std::string::npos || line.find(key) == std::string::npos) continue;
            for (const char* word : {"\"success\"", "\"fail\""}) {
                if (line.find(word) != std::string::npos) verdict = std::string(word).substr(1, std::strlen(word) - 2);
            }
        }
        return verdict;
    }

    CCNode* findOptionDialog() {
        CCNode* scene = SceneDirector::instance().currentScene();
        for (CCNode* parent : {static_cast<CCNode*>(m_host), scene}) {
            if (CCNode* dialog = parent ? parent->getChildByTag(CQuestionMission::kOptionDialogTag) : nullptr) return dialog;
        }
        return nullptr;
    }

    CPlayLayer* m_host = nullptr;
    cocos2d::GLRenderer* m_gl = nullptr;
};

TEST_P(EveryKindTest, OneRightAndOneWrongAnswerAreJudgedSo) {
    const Pair pair = GetParam();
    const ScreenPlayer* player = screenPlayer(pair.gameType, pair.playType);
    ASSERT_NE(player, nullptr) << "no test player for this kind";
    const std::vector<int> ids = qsidsOf(pair);
    ASSERT_GE(ids.size(), 2u) << "the bank needs two questions of this kind";
    // Answers go to the server, not to a contest.
    CQuestionMission::instance()->setContestOffer(nullptr);

    for (const bool win : {true, false}) {
        const int qsid = ids[win ? 0 : 1];
        SCOPED_TRACE("qsid " + std::to_string(qsid) + (win ? " played right" : " played wrong"));
        QuizData::instance().qsidQueue = {qsid};
        CQuestionMission::instance()->start();
        ASSERT_TRUE(pumpUntilIdle(20)); // the question, then its pictures or clip
        ASSERT_NE(QuizData::instance().current, nullptr);
        ASSERT_EQ(QuizData::instance().currentQsid, qsid);
        CQuestionLayer* screen = QuestionStage::instance().current();
        ASSERT_NE(screen, nullptr) << "no screen shows this kind";
        const int score = GameData::instance().user.score;

        PlayerTurn turn;
        turn.screen = screen;
        turn.right = bankRights().at(qsid);
        turn.win = win;
        turn.wait = [](float seconds) { engine::testing::stepSeconds(seconds); };
        const std::string shot = pairName(pair) + (win ? "_right" : "_wrong");
        shootScene(m_gl, shot + "_start");
        ASSERT_TRUE((*player)(turn));
        shootScene(m_gl, shot + "_played");
        ASSERT_TRUE(pumpUntilIdle(20));
        // Options with links offer the picked option's link before the verdict: the player declines.
        if (findOptionDialog()) {
            engine::testing::tap(340, 185);
            EXPECT_EQ(findOptionDialog(), nullptr) << "the link offer did not close";
        }

        EXPECT_EQ(CQuestionMission::instance()->lastSubmittedQsid(), qsid) << "the screen sent nothing";
        EXPECT_EQ(serverVerdict(qsid), win ? "success" : "fail");
        EXPECT_EQ(CQuestionMission::instance()->answerStatus(), win ? 0 : 1);
        if (win) {
            EXPECT_GT(GameData::instance().user.score, score);
        } else {
            EXPECT_EQ(GameData::instance().user.score, score);
        }
        closeVerdictBoxes(m_host);
    }
}

std::string testName(const ::testing::TestParamInfo<Pair>& info) { return pairName(info.param); }

INSTANTIATE_TEST_SUITE_P(Bank, EveryKindTest, ::testing::ValuesIn(kPairs), testName);

} // namespace
