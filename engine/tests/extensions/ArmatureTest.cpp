#include <cmath>
#include <cstdio>

#include "ExtTestSupport.h"
#include "extensions/armature/ArmatureDataReader.h"
#include "extensions/armature/CCArmature.h"
#include "extensions/armature/CCArmatureDataManager.h"
#include "extensions/armature/CCTweenFunction.h"
#include "nodes/CCScene.h"
#include "sprites/CCSprite.h"

using namespace cocos2d;
using namespace cocos2d::extension;
namespace et = engine::testing;

namespace {

class EventLog : public CCObject {
public:
    void onMovement(CCArmature*, MovementEventType type, const char* name)
    {
        static const char* names[] = {"START", "COMPLETE", "LOOP_COMPLETE"};
        events.push_back(std::string(names[type]) + " " + name);
    }
    void onFrame(CCBone*, const char* name, int, int) { frames.push_back(name); }
    std::vector<std::string> events, frames;
};

class ArmatureTest : public exttest::ExtensionTest {
protected:
    void SetUp() override
    {
        ExtensionTest::SetUp();
        // Without the samples their loading would only fill the log of the tests that need none.
        if (!brindle::samples::present())
            return;
        auto* manager = CCArmatureDataManager::sharedArmatureDataManager();
        for (const char* file : {"Blowfish/Blowfish.ExportJson", "HeroAnimation/HeroAnimation.ExportJson",
                                 "testEasing/testEasing.ExportJson"})
            manager->addArmatureFileInfo(exttest::samples(std::string("cocostudio-armature/") + file).c_str());
    }
    CCArmature* runArmature(const char* name)
    {
        CCScene* scene = CCScene::create();
        CCArmature* armature = CCArmature::create(name);
        if (!armature)
            return nullptr;
        scene->addChild(armature);
        et::runScene(scene);
        armature->getAnimation()->setMovementEventCallFunc(&events, movementEvent_selector(EventLog::onMovement));
        armature->getAnimation()->setFrameEventCallFunc(&events, frameEvent_selector(EventLog::onFrame));
        return armature;
    }
    EventLog events;
};

TEST_F(ArmatureTest, SampleFilesGiveTheirBonesAndMovements)
{
    SKIP_WITHOUT_SAMPLES();
    struct Expect {
        const char* name;
        std::size_t bones;
        std::vector<std::tuple<const char*, int, bool>> movements;
    };
    const std::vector<Expect> cases = {
        {"Blowfish", 1, {{"Action0", 46, true}}},
        {"HeroAnimation", 15, {{"loading", 23, true}, {"run", 12, true}, {"attack", 20, true}, {"smitten", 8, false}, {"death", 13, false}}},
        {"testEasing", 3, {{"Sine", 121, true}, {"Quad", 120, true}, {"Bounce", 120, true}}},
    };
    auto* manager = CCArmatureDataManager::sharedArmatureDataManager();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ArmatureData* armature = manager->getArmatureData(c.name);
        ASSERT_NE(armature, nullptr);
        EXPECT_EQ(armature->bones.size(), c.bones);
        const AnimationData* animation = manager->getAnimationData(c.name);
        ASSERT_NE(animation, nullptr);
        for (const auto& [movement, duration, loop] : c.movements) {
            const MovementData* m = animation->findMovement(movement);
            ASSERT_NE(m, nullptr) << movement;
            EXPECT_EQ(m->duration, duration);
            EXPECT_EQ(m->loop, loop);
        }
    }
    // The oldest layout counts key frames by durations: the tenth frame starts at 45.
    const MovementData* swim = manager->getAnimationData("Blowfish")->findMovement("Action0");
    ASSERT_EQ(swim->bones.size(), 1u);
    ASSERT_GE(swim->bones[0].frames.size(), 2u);
    EXPECT_EQ(swim->bones[0].frames[1].frameIndex, 5);
}

TEST_F(ArmatureTest, ArmatureShowsItsSpritesFromTheSheet)
{
    SKIP_WITHOUT_SAMPLES();
    CCArmature* hero = runArmature("HeroAnimation");
    ASSERT_NE(hero, nullptr);
    int sprites = 0;
    for (CCBone* bone : hero->getBones())
        sprites += dynamic_cast<CCSprite*>(bone->getDisplayRenderNode()) != nullptr;
    EXPECT_GE(sprites, 10);
    EXPECT_EQ(CCArmature::create("NoSuchArmature"), nullptr);
    EXPECT_TRUE(logged({"NoSuchArmature"}));
}

TEST_F(ArmatureTest, NonLoopingMovementStartsOnceAndCompletesAtItsEnd)
{
    SKIP_WITHOUT_SAMPLES();
    CCArmature* hero = runArmature("HeroAnimation");
    ASSERT_NE(hero, nullptr);
    // "smitten": 8 frames at speed factor 0.4 = 20 engine frames.
    hero->getAnimation()->play("smitten");
    et::stepFrames(1);
    EXPECT_EQ(events.events, (std::vector<std::string>{"START smitten"}));
    et::stepFrames(18);
    EXPECT_EQ(events.events.size(), 1u);
    et::stepFrames(3);
    EXPECT_EQ(events.events, (std::vector<std::string>{"START smitten", "COMPLETE smitten"}));
    EXPECT_TRUE(hero->getAnimation()->isComplete());
    et::stepFrames(30);
    EXPECT_EQ(events.events.size(), 2u);
}

TEST_F(ArmatureTest, LoopingMovementReportsEveryLoop)
{
    SKIP_WITHOUT_SAMPLES();
    CCArmature* fish = runArmature("Blowfish");
    ASSERT_NE(fish, nullptr);
    fish->getAnimation()->playByIndex(0); // 46 frames, looping, speed factor 1
    et::stepFrames(1 + 46 * 3);
    EXPECT_EQ(events.events, (std::vector<std::string>{"START Action0", "LOOP_COMPLETE Action0", "LOOP_COMPLETE Action0",
                                                        "LOOP_COMPLETE Action0"}));
    // loop 0 overrides the file's loop flag.
    events.events.clear();
    fish->getAnimation()->playByIndex(0, -1, -1, 0);
    et::stepFrames(1 + 46 + 10);
    EXPECT_EQ(events.events, (std::vector<std::string>{"START Action0", "COMPLETE Action0"}));
}

TEST_F(ArmatureTest, BlendFramesDelayTheStartAndTweenDurationStretches)
{
    SKIP_WITHOUT_SAMPLES();
    CCArmature* fish = runArmature("Blowfish");
    ASSERT_NE(fish, nullptr);
    fish->getAnimation()->play("Action0", 10, 92, 0);
    et::stepFrames(9);
    EXPECT_TRUE(events.events.empty());
    et::stepFrames(2);
    EXPECT_EQ(events.events, (std::vector<std::string>{"START Action0"}));
    et::stepFrames(80);
    EXPECT_EQ(events.events.size(), 1u); // 92 frames now, not 46
    et::stepFrames(15);
    EXPECT_EQ(events.events.size(), 2u);
}

TEST_F(ArmatureTest, FrameEventsAndCallbacksThatPlayAgain)
{
    SKIP_WITHOUT_SAMPLES();
    CCArmature* hero = runArmature("HeroAnimation");
    ASSERT_NE(hero, nullptr);
    hero->getAnimation()->play("attack");
    et::stepFrames(60);
    EXPECT_NE(std::find(events.frames.begin(), events.frames.end(), "hit"), events.frames.end());
}

TEST_F(ArmatureTest, EasingCurvesByFileId)
{
    struct Case {
        int type;
        float t, expected;
    };
    const std::vector<Case> cases = {
        {Linear, 0.3f, 0.3f},
        {Sine_EaseIn, 0.5f, 1 - std::cos(3.14159265f / 4)},
        {Sine_EaseOut, 0.5f, std::sin(3.14159265f / 4)},
        {Quad_EaseIn, 0.5f, 0.25f},
        {Quad_EaseOut, 0.5f, 0.75f},
        {Cubic_EaseInOut, 0.25f, 0.0625f},
        {Expo_EaseOut, 1.f, 1.f},
        {Bounce_EaseOut, 1.f, 1.f},
        {Back_EaseIn, 0.f, 0.f},
        {Elastic_EaseOut, 0.f, 0.f},
        {12345, 0.4f, 0.4f}, // unknown ids stay linear
    };
    for (const auto& c : cases)
        EXPECT_NEAR(CCTweenFunction::tweenTo(c.t, c.type), c.expected, 1e-4) << c.type;
    EXPECT_LT(CCTweenFunction::tweenTo(0.2f, Back_EaseIn), 0.f); // overshoots below 0 on purpose
}

TEST_F(ArmatureTest, BrokenArmatureFilesAreRefusedWithALogLine)
{
    struct Bad {
        const char* text;
        bool ok;
        const char* piece;
    };
    const std::vector<Bad> cases = {
        {"{", false, "not valid JSON"},
        {R"({"armature_data":[]})", false, "armature_data"},
        {R"({"armature_data":"x"})", false, "armature_data"},
        {R"({"armature_data":[{"name":"a","bone_data":[{"name":"b","x":"far","display_data":7}]}]})", true, "bone_data[0].x"},
        {R"({"armature_data":[{"name":"a","bone_data":[]}],"animation_data":[{"name":"a","mov_data":[{"name":"m","dr":-5,
            "mov_bone_data":[{"name":"b","frame_data":[{"fi":"one"},3]}]}]}]})", true, "frame_data[0].fi"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        log.clear();
        ArmatureFileData data;
        EXPECT_EQ(ArmatureDataReader::readText(c.text, "broken.ExportJson", data), c.ok);
        EXPECT_TRUE(logged({"broken.ExportJson", c.piece}));
    }
}

} // namespace

namespace {

TEST_F(ArmatureTest, AnArmatureShowingItselfStopsNesting)
{
    const char* text = R"({"armature_data":[{"name":"loop","version":1.1,"bone_data":[
        {"name":"b","parent":"c","display_data":[{"displayType":1,"name":"loop"}]},
        {"name":"c","parent":"b","display_data":[]}]}],
        "animation_data":[{"name":"loop","mov_data":[{"name":"m","dr":10,"mov_bone_data":[]}]}],
        "config_file_path":[]})";
    std::string path = "/tmp/brindle-loop-armature.ExportJson";
    {
        std::FILE* f = std::fopen(path.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs(text, f);
        std::fclose(f);
    }
    CCArmatureDataManager::sharedArmatureDataManager()->addArmatureFileInfo(path.c_str());
    CCArmature* armature = CCArmature::create("loop");
    ASSERT_NE(armature, nullptr);
    EXPECT_EQ(armature->getBones().size(), 2u); // the parent cycle is broken, not followed
    EXPECT_TRUE(logged({"nested too deep"}));
    std::remove(path.c_str());
}

} // namespace

namespace {

TEST_F(ArmatureTest, KeyFramesTweenWithTheirEasing)
{
    SKIP_WITHOUT_SAMPLES();
    CCArmature* easing = runArmature("testEasing");
    ASSERT_NE(easing, nullptr);
    // "Quad": x from -200 to 200 over 60 key frames, at speed factor 0.5 (120 engine frames).
    easing->getAnimation()->play("Quad");
    et::stepFrames(1 + 60); // START, then 30 movement frames: half-way to the second key
    struct Expect {
        const char* bone;
        float x, y;
    };
    for (const Expect& e : {Expect{"EasingIn", -100, 80}, Expect{"EasingOut", 100, 0}, Expect{"EasingInOut", 0, -80}}) {
        CCBone* bone = easing->getBone(e.bone);
        ASSERT_NE(bone, nullptr);
        CCNode* display = bone->getDisplayRenderNode();
        ASSERT_NE(display, nullptr) << e.bone;
        EXPECT_NEAR(display->getPositionX(), e.x, 0.01f) << e.bone;
        EXPECT_NEAR(display->getPositionY(), e.y, 0.01f) << e.bone;
    }
    // Half a loop later the bones are back at the other key.
    et::stepFrames(60);
    EXPECT_NEAR(easing->getBone("EasingIn")->getDisplayRenderNode()->getPositionX(), 200, 0.01f);
}

} // namespace
