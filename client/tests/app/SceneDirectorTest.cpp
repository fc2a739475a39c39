#include "app/SceneDirector.h"
#include "support/TestSupport.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using test_support::ClientTest;

namespace {

class SceneDirectorTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        for (int id = 0; id <= 29; ++id) {
            if (id == 9 || id == 19 || id == 20 || id == 26 || id == 27) continue;
            SceneDirector::instance().registerScene(id, [] { return CCScene::create(); });
        }
    }
    SceneDirector& director() { return SceneDirector::instance(); }
    // Switches through the ids in order and returns the previous id after the last one.
    int previousAfter(std::initializer_list<int> ids) {
        for (int id : ids) {
            EXPECT_TRUE(director().switchTo(id)) << id;
            engine::testing::stepFrames(1);
        }
        return director().previousSceneId();
    }
};

TEST_F(SceneDirectorTest, PreviousSceneRules) {
    struct Case {
        const char* name;
        std::initializer_list<int> ids;
        int previous;
    };
    const Case cases[] = {
        {"play always records", {2, 5, 3}, 5},
        {"contest play always records", {2, 23, 22}, 23},
        {"store from the main menu", {5, 2, 6}, 2},
        {"store from play", {2, 3, 6}, 3},
        {"store from the account book", {2, 10, 6}, 10},
        {"store from the merchant page", {2, 11, 6}, 11},
        {"store from sign-in keeps the old value", {4, 3, 5, 6}, 4},
        {"contest rank twice keeps the first", {21, 24, 24}, 21},
        {"other scenes change nothing", {2, 3, 12, 13, 14}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine::testing::resetEngine();
        director().reset();
        EXPECT_EQ(previousAfter(c.ids), c.previous);
    }
}

TEST_F(SceneDirectorTest, PlayFromTheTeamScreenRemembersIt) {
    director().registerTeamInfo([](const TeamInfo&, int) { return CCScene::create(); });
    director().showMain();
    TeamInfo team;
    team.teamId = 4;
    director().showTeamInfo(team, 2);
    EXPECT_EQ(director().currentSceneId(), 26);
    EXPECT_EQ(director().previousSceneId(), -1) << "the team screen leaves the previous id alone";
    director().showPlay();
    EXPECT_EQ(director().previousSceneId(), 26);
    director().showTeamInfo(team, 2);
    director().showContestPlay();
    EXPECT_EQ(director().previousSceneId(), 26);
}

TEST_F(SceneDirectorTest, FirstSceneRunsDirectlyAndLaterOnesFade) {
    CCDirector* engine = CCDirector::sharedDirector();
    director().showLogo();
    EXPECT_EQ(director().currentSceneId(), 0);
    CCScene* logo = director().currentScene();
    engine::testing::stepFrames(1);
    EXPECT_EQ(engine->getRunningScene(), logo);
    director().showLoading();
    EXPECT_NE(dynamic_cast<CCTransitionFade*>(engine->getNextScene()), nullptr);
    director().showLogo();
    EXPECT_NE(dynamic_cast<CCTransitionFade*>(engine->getNextScene()), nullptr) << "the same id again fades";
    EXPECT_TRUE(logged("scene 0"));
}

TEST_F(SceneDirectorTest, UnavailableScenesStayPut) {
    director().showMain();
    SceneDirector::instance().registerScene(7, nullptr);
    director().registerTeamInfo(nullptr);
    director().registerStoreInfo(nullptr);
    for (int id : {7, 19, 20, 27, 30, -1}) {
        EXPECT_FALSE(director().switchTo(id)) << id;
    }
    director().showTeamInfo(TeamInfo{}, 1);
    director().showStoreInfo(GoodsInfo{}, 0, 0);
    EXPECT_EQ(director().currentSceneId(), 2);
    EXPECT_TRUE(logged("not available"));
}

TEST_F(SceneDirectorTest, StoreInfoIsLaidOverTheRunningScene) {
    director().showStore();
    engine::testing::stepFrames(1);
    CCScene* store = director().currentScene();
    const int previous = director().previousSceneId();
    GoodsInfo seen;
    director().registerStoreInfo([&](const GoodsInfo& goods, int, int) {
        seen = goods;
        return CCLayer::create();
    });
    GoodsInfo goods;
    goods.goodsId = 42;
    director().showStoreInfo(goods, 1, 0);
    EXPECT_EQ(director().currentSceneId(), 9);
    EXPECT_EQ(director().currentScene(), store);
    EXPECT_EQ(director().previousSceneId(), previous);
    EXPECT_EQ(seen.goodsId, 42);
    auto* shade = dynamic_cast<CCLayerColor*>(store->getChildByTag(102));
    ASSERT_NE(shade, nullptr);
    EXPECT_EQ(shade->getOpacity(), 255);
    EXPECT_NE(store->getChildByTag(101), nullptr);
    engine::testing::stepFrames(1);
    EXPECT_EQ(CCDirector::sharedDirector()->getRunningScene(), store);
    director().showMain();
    EXPECT_EQ(director().currentSceneId(), 2);
}

} // namespace
