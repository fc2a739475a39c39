// The exam and its ranking against the real brindle-server: sat from the exam hall through the
// face-off, its ten questions played on the play scene, its result, the refusal of a second
// sitting, and the ranking that lists the player after another who did better.
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "contest/CHD_ExamLayer.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/CHD_RankOfHDLayer.h"
#include "contest/ContestPlaySupport.h"
#include "net/GameData.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"

#include "cocos-ext.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class ExamServerTest : public ContestPlayServerTest {
protected:
    template <typename T> static T* onStage() {
        CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
        if (scene == nullptr || scene->getChildrenCount() == 0) return nullptr;
        return dynamic_cast<T*>(static_cast<CCObject*>(scene->getChildren()->objectAtIndex(0)));
    }
    static void tapWidget(UIWidget* w) {
        ASSERT_NE(w, nullptr);
        const CCSize size = w->getContentSize();
        const CCPoint at = w->convertToWorldSpace(ccp(size.width / 2, size.height / 2));
        engine::testing::tap(at.x, at.y);
    }
    static CMyMessageBox* anyBox(CCNode* node) {
        if (node == nullptr) return nullptr;
        if (auto* box = dynamic_cast<CMyMessageBox*>(node)) return box;
        CCArray* children = node->getChildren();
        for (unsigned i = 0; children && i < children->count(); ++i) {
            if (CMyMessageBox* box = anyBox(static_cast<CCNode*>(children->objectAtIndex(i)))) return box;
        }
        return nullptr;
    }
    // The other player sits the day's exam over his own socket, every answer right.
    // The day's exam as the schedule names it.
    int examId() const {
        const Json::Value schedule = m_remote.game(RemotePlayer::object(26));
        for (const Json::Value& entry : schedule["matchact"]) {
            if (entry["matchtype"].asInt() == 4) return entry["matchid"].asInt();
        }
        return 0;
    }
    void remoteSitsExam() {
        const int exam = examId();
        ASSERT_NE(exam, 0) << "the schedule lists the day's exam";
        Json::Value list = RemotePlayer::object(48);
        list["matchtype"] = 4;
        list["matchid"] = exam;
        list["date"] = 0;
        const Json::Value ids = m_remote.game(list)["idlist"];
        ASSERT_EQ(ids.size(), 10u);
        for (const Json::Value& id : ids) {
            Json::Value fetch = RemotePlayer::object(46);
            fetch["qsid"] = id.asInt();
            fetch["date"] = 0;
            fetch["matchtype"] = 4;
            fetch["matchid"] = exam;
            ASSERT_EQ(m_remote.game(fetch)["qsid"].asInt(), id.asInt());
            Json::Value answer = RemotePlayer::object(47);
            answer["qsid"] = id.asInt();
            answer["questid"] = 0;
            answer["answer"] = bankRight(id.asInt());
            answer["date"] = 0;
            answer["awardnum"] = 0;
            answer["matchtype"] = 4;
            answer["matchid"] = exam;
            ASSERT_EQ(m_remote.game(answer)["response"].asString(), "success") << id.asInt();
        }
    }
};

bool examQuestionShown(int notQsid) {
    return SceneDirector::instance().currentSceneId() == 22 && QuestionStage::instance().current() != nullptr &&
           QuizData::instance().questionQueue.empty() && QuizData::instance().currentQsid != notQsid &&
           !QuestionStage::instance().current()->isAnswered();
}

TEST_F(ExamServerTest, TheExamFromTheHallToItsResultThenNoSecondSittingAndTheRanking) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    ASSERT_NO_FATAL_FAILURE(remoteSitsExam());
    const auto [moneyBefore, scoreBefore] = storedMoneyAndScore();
    (void)scoreBefore;

    SceneDirector::instance().switchTo(29);
    engine::testing::stepSeconds(0.3f);
    auto* hall = onStage<CHD_ExamLayer>();
    ASSERT_NE(hall, nullptr);
    tapWidget(hall->widget("Button_weekexam"));
    ASSERT_TRUE(until([] { return examQuestionShown(-1); })) << "the face-off leads into the exam";
    EXPECT_EQ(served(48).size(), 1u);
    // The switch from the hall fades; the player answers once the play scene stands.
    engine::testing::stepSeconds(0.5f);

    int rights = 0;
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        const int qsid = QuizData::instance().currentQsid;
        const bool right = k % 3 != 2;
        rights += right ? 1 : 0;
        ASSERT_NO_FATAL_FAILURE(clientAnswers(right));
        if (k < 9) {
            ASSERT_TRUE(until([qsid] { return examQuestionShown(qsid); })) << "the next question comes";
        }
    }
    CHD_PlayLayer* play = contestLayer();
    ASSERT_NE(play, nullptr);
    ASSERT_TRUE(until([play] { return play->resultDialog() != nullptr; }));
    EXPECT_EQ(served(46).size(), 10u);
    EXPECT_EQ(served(47).size(), 10u);
    CHD_ResultLayer* dialog = play->resultDialog();
    EXPECT_EQ(dialog->mode(), 4);
    EXPECT_EQ(dialog->own().right, rights);
    EXPECT_EQ(dialog->own().wrong, 10 - rights);
    EXPECT_EQ(dialog->own().rewardAmount, 2 * rights);
    EXPECT_EQ(storedMoneyAndScore().first, moneyBefore + 2 * rights) << "paid once, as shown";
    dialog->pressSure();
    engine::testing::stepSeconds(0.3f);
    ASSERT_EQ(SceneDirector::instance().currentSceneId(), 29);

    // Sat already: the server's words, and the hall stays.
    hall = onStage<CHD_ExamLayer>();
    ASSERT_NE(hall, nullptr);
    tapWidget(hall->widget("Button_monthexam"));
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
    CMyMessageBox* refusal = anyBox(hall);
    ASSERT_NE(refusal, nullptr);
    EXPECT_FALSE(refusal->messageText().empty());
    engine::testing::stepSeconds(4.5f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 29);
    refusal->removeFromParent();

    // The ranking: the other player's ten right first, then this player with his time.
    tapWidget(hall->widget("Button_rank"));
    engine::testing::stepSeconds(0.3f);
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
    auto* rank = onStage<CHD_RankOfHDLayer>();
    ASSERT_NE(rank, nullptr);
    ASSERT_EQ(rank->rows().size(), 2u);
    EXPECT_EQ(rank->rows()[0][2], "10/10");
    EXPECT_EQ(rank->rows()[1][0], "2");
    EXPECT_EQ(rank->rows()[1][2], std::to_string(rights) + "/10");
    EXPECT_NE(rank->rows()[1][3].find("秒"), std::string::npos);
    const std::string own = rank->ownLine()->getString();
    EXPECT_EQ(own.rfind("我的名次：第2名", 0), 0u) << own;
    ASSERT_NE(rank->backButton(), nullptr);
    tapNode(rank->backButton());
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 29);
}

TEST_F(ExamServerTest, RankingsBeforeAnyContestAreEmptyAndSayUnranked) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    struct Case {
        int hall;
        const char* own;
    };
    for (const Case& c : {Case{23, "HDNotRanked"}, Case{28, "HDNotRanked"}, Case{25, "HDTeamNotRanked"}}) {
        SCOPED_TRACE(c.hall);
        SceneDirector::instance().registerScene(c.hall, [] { return CCScene::create(); });
        SceneDirector::instance().switchTo(c.hall);
        engine::testing::stepSeconds(0.3f);
        SceneDirector::instance().switchTo(24);
        engine::testing::stepSeconds(0.3f);
        ASSERT_TRUE(pumpUntilIdle());
        engine::testing::stepFrames(2);
        auto* rank = onStage<CHD_RankOfHDLayer>();
        ASSERT_NE(rank, nullptr);
        EXPECT_TRUE(rank->rows().empty());
        EXPECT_EQ(rank->ownLine()->getString(), LocalText::instance().text(c.own));
    }
    EXPECT_EQ(served(33).size(), 2u);
    EXPECT_EQ(served(40, 1).size(), 1u);
}

} // namespace
