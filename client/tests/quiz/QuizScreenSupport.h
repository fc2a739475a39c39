// Question screens on a real play scene: the game's generated pictures, sheets and texts, the
// current question set by hand, and the answers the screens hand to the mission.
#pragma once

#include "quiz/QuestionRecord.h"
#include "support/TestSupport.h"

#include <json/value.h>

#include <string>
#include <vector>

class CPlayLayer;
class CQuestionLayer;

namespace test_support {

struct Submitted {
    std::string answer;
    int optionIndex = -1;
};

// A generated media file of the build's copy of the server data (build/server-data/media).
std::string bankMedia(const std::string& name);
// The question lines of one file of the build's copy of the bank ("g2p06_spot_difference.jsonl").
std::vector<Json::Value> bankLines(const std::string& file);
// The JSON object lines of a bank file anywhere, comment and blank lines skipped.
std::vector<Json::Value> jsonLines(const std::string& path);

// The player leaves the verdict: the answer box, or the plain box the mission shows for a verdict
// it does not know, goes from the host. How many there were.
int closeVerdictBoxes(cocos2d::CCNode* host);

// The sheets the loading screen puts in the frame cache before any play (the search paths set).
void loadSheets();

class QuizScreenTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The play scene on stage as the stage's host, with nothing else over it.
    CPlayLayer* enterPlay();
    // A question of the pair, made current; answers as given.
    QuestionRecord& setQuestion(int gameType, int playType, std::vector<std::string> answers, int seltype = 0);
    // The stage draws the current question's screen on the host.
    CQuestionLayer* draw();
    // The play scene's tick is scheduled.
    bool clockRunning() const;
    // Every answer the screens submitted so far (the mission hands them to the contest hook first,
    // which takes them here so nothing goes out).
    const std::vector<Submitted>& submitted() const { return m_submitted; }
    // The path of a real generated picture (for the media map).
    static std::string resourcePicture(const std::string& name);
    // Stores the file under the media name, as a finished download would.
    static void downloaded(const std::string& mediaName, const std::string& path);

    CPlayLayer* m_host = nullptr;
    std::vector<Submitted> m_submitted;
};

} // namespace test_support
