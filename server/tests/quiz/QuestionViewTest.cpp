// What the client gets of a question: never the key, except where the screen plays with it.
#include "quiz/BankLoader.h"
#include "quiz/QuestionView.h"

#include <gtest/gtest.h>

namespace server::quiz {
namespace {

TEST(QuestionView, NoBundledQuestionHandsOutItsKeyUnlessTheScreenNeedsIt)
{
    const auto load = BankLoader::loadFolder(std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/questions", "");
    ASSERT_FALSE(load.entries.empty());
    int withKey = 0;
    for (const auto& e : load.entries) {
        const auto view = QuestionView::forClient(e);
        EXPECT_FALSE(view.isMember("qsid"));
        EXPECT_FALSE(view.isMember("explain")) << e.qsid;
        EXPECT_FALSE(view.isMember("ad")) << e.qsid; // the ad belongs to the verdict
        EXPECT_EQ(view["questid"].asInt(), e.qsid);
        EXPECT_EQ(view["gametype"].asInt(), e.gameType);
        EXPECT_TRUE(view["answer"].isArray());
        if (e.gameType == 1 && e.playType == 14) {
            EXPECT_EQ(view["right"].asString(), e.right);
            ++withKey;
        } else {
            EXPECT_FALSE(view.isMember("right")) << "question " << e.qsid << " leaks its answer";
        }
    }
    EXPECT_GE(withKey, 5);
}

} // namespace
} // namespace server::quiz
