// The sheets, armatures, bitmap font and particle through the engine's loaders.
#include "EngineAssetTest.h"

#include <json/reader.h>

#include <fstream>
#include <set>
#include <sstream>

#include "extensions/CCParticleSystemQuad.h"
#include "extensions/armature/CCArmature.h"
#include "extensions/armature/CCArmatureAnimation.h"
#include "extensions/armature/CCArmatureDataManager.h"
#include "labels/CCLabelBMFont.h"
#include "nodes/CCScene.h"
#include "sprites/CCSprite.h"
#include "sprites/CCSpriteFrameCache.h"
#include "support/ccUTF8.h"
#include "testing/EngineTesting.h"

using namespace cocos2d;
using namespace cocos2d::extension;

namespace brindle::assets::enginetest {
namespace {

using ArtEngineTest = EngineAssetTest;

TEST_F(ArtEngineTest, EverySheetFrameMakesASpriteOfItsSize)
{
    const Json::Value& sheets = manifest()["sheets"];
    ASSERT_FALSE(sheets.empty());
    for (const std::string& sheet : sheets.getMemberNames()) {
        SCOPED_TRACE(sheet);
        const std::vector<SheetFrame> frames = sheetFrames(imagesDir() / sheet);
        ASSERT_FALSE(frames.empty());
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(sheet.c_str());
        for (const SheetFrame& frame : frames) {
            CCSprite* sprite = CCSprite::createWithSpriteFrameName(frame.name.c_str());
            ASSERT_NE(sprite, nullptr) << frame.name;
            EXPECT_FLOAT_EQ(sprite->getContentSize().width, frame.width) << frame.name;
            EXPECT_FLOAT_EQ(sprite->getContentSize().height, frame.height) << frame.name;
        }
        for (const std::string& line : takeLog())
            ADD_FAILURE() << line;
    }
}

// Counts the movement events of one armature in order.
class EventLog : public CCObject {
public:
    void onMovement(CCArmature*, MovementEventType type, const char*) { events.push_back(type); }
    std::vector<MovementEventType> events;
};

TEST_F(ArtEngineTest, ArmaturesPlayEveryMovementToItsEvents)
{
    const Json::Value& armatures = manifest()["armatures"];
    ASSERT_FALSE(armatures.empty());
    for (const std::string& name : armatures.getMemberNames()) {
        SCOPED_TRACE(name);
        const Json::Value& entry = armatures[name];
        CCArmatureDataManager::sharedArmatureDataManager()->addArmatureFileInfo(entry["file"].asCString());
        for (const Json::Value& pair : entry["sheets"])
            CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(pair[1].asCString());
        const AnimationData* data =
            CCArmatureDataManager::sharedArmatureDataManager()->getAnimationData(entry["armature"].asString());
        ASSERT_NE(data, nullptr);
        for (const Json::Value& wanted : entry["movements"]) {
            const int index = wanted["index"].asInt();
            SCOPED_TRACE(index);
            ASSERT_LT(index, static_cast<int>(data->movements.size()));
            const MovementData& movement = data->movements[static_cast<std::size_t>(index)];
            // Without "loops" the screen copes either way (it switches on its own timer).
            if (wanted.isMember("loops")) {
                EXPECT_EQ(movement.loop, wanted["loops"].asBool());
            }

            engine::testing::resetEngine();
            CCScene* scene = CCScene::create();
            CCArmature* armature = CCArmature::create(entry["armature"].asCString());
            ASSERT_NE(armature, nullptr);
            scene->addChild(armature);
            EventLog events;
            armature->getAnimation()->setMovementEventCallFunc(&events, movementEvent_selector(EventLog::onMovement));
            armature->getAnimation()->playByIndex(index, -1, -1, -1, 10000);
            engine::testing::runScene(scene);
            // The blend in, the movement and a little slack, at the movement's own speed.
            const float speed = movement.scale > 0 ? movement.scale : 1.0f;
            const int bound = static_cast<int>((movement.durationTo + movement.duration) / speed) + 10;
            const MovementEventType last = movement.loop ? LOOP_COMPLETE : COMPLETE;
            if (movement.durationTo >= 2) {
                // Half way through the blend in something must already show (the logo once stayed black).
                engine::testing::stepFrames(static_cast<int>(movement.durationTo / speed / 2));
                int shown = 0;
                CCObject* child = nullptr;
                CCARRAY_FOREACH(armature->getChildren(), child)
                {
                    auto* sprite = dynamic_cast<CCSprite*>(child);
                    if (sprite && sprite->isVisible() && sprite->getDisplayedOpacity() > 0 && sprite->getScaleX() > 0)
                        ++shown;
                }
                EXPECT_GT(shown, 0) << "nothing visible half way through the blend in";
            }
            for (int frame = 0; frame < bound && events.events.size() < 2; ++frame)
                engine::testing::stepFrames(1);
            armature->getAnimation()->setMovementEventCallFunc(nullptr, nullptr);
            ASSERT_GE(events.events.size(), 2u) << "within " << bound << " frames";
            EXPECT_EQ(events.events[0], START);
            EXPECT_EQ(events.events[1], last);
        }
        for (const std::string& line : takeLog())
            ADD_FAILURE() << line;
    }
}

std::set<unsigned> configCharacters()
{
    Json::Value table;
    std::ifstream in(resourcesDir() / "config" / "config.conf");
    Json::CharReaderBuilder builder;
    std::string errors;
    EXPECT_TRUE(Json::parseFromStream(builder, in, &table, &errors)) << errors;
    std::set<unsigned> characters;
    for (const std::string& key : table.getMemberNames())
        for (const std::string& language : table[key].getMemberNames())
            for (unsigned c : cc_utf8_to_codepoints(table[key][language].asString()))
                if (c >= 0x20)
                    characters.insert(c);
    return characters;
}

TEST_F(ArtEngineTest, EveryTableCharacterIsInTheChineseFont)
{
    const std::set<unsigned> characters = configCharacters();
    ASSERT_GT(characters.size(), 500u);
    // One label per hundred characters keeps a missing glyph easy to place.
    std::vector<unsigned> chunk;
    auto flush = [&] {
        const std::string text = cc_codepoints_to_utf8(chunk);
        CCLabelBMFont* label = CCLabelBMFont::create(text.c_str(), "Chinese.fnt");
        ASSERT_NE(label, nullptr);
        EXPECT_GT(label->getContentSize().width, 0);
        for (const std::string& line : takeLog())
            ADD_FAILURE() << line;
        chunk.clear();
    };
    for (unsigned c : characters) {
        chunk.push_back(c);
        if (chunk.size() == 100)
            flush();
    }
    if (!chunk.empty())
        flush();
}

TEST_F(ArtEngineTest, ExplosionParticleLoads)
{
    CCParticleSystemQuad* particle = CCParticleSystemQuad::create("dabaozha.plist");
    ASSERT_NE(particle, nullptr);
    EXPECT_GT(particle->getTotalParticles(), 0u);
    for (const std::string& line : takeLog())
        ADD_FAILURE() << line;
}

} // namespace
} // namespace brindle::assets::enginetest
