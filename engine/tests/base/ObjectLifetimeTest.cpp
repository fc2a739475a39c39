#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;

namespace {

// Counts destructions so tests can see exactly when the last reference goes.
class Probe : public CCObject {
public:
    explicit Probe(int* destroyed) : m_destroyed(destroyed) {}
    ~Probe() override { ++*m_destroyed; }

private:
    int* m_destroyed;
};

class ObjectLifetime : public EngineTest {};

TEST_F(ObjectLifetime, AutoreleasedObjectLivesUntilTheEndOfTheFrame)
{
    CCDirector* director = CCDirector::sharedDirector();
    director->runWithScene(CCScene::create());
    int destroyed = 0;
    auto* probe = new Probe(&destroyed);
    probe->autorelease();
    EXPECT_EQ(probe->retainCount(), 1u);
    EXPECT_EQ(destroyed, 0);
    director->stepFrame();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ObjectLifetime, RetainedAutoreleasedObjectSurvivesTheDrain)
{
    int destroyed = 0;
    auto* probe = new Probe(&destroyed);
    probe->autorelease();
    probe->retain();
    CCPoolManager::sharedPoolManager()->pop();
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(probe->retainCount(), 1u);
    probe->release();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ObjectLifetime, AutoreleaseTwiceReleasesTwice)
{
    int destroyed = 0;
    auto* probe = new Probe(&destroyed);
    probe->retain(); // count 2
    probe->autorelease();
    probe->autorelease();
    EXPECT_EQ(CCPoolManager::sharedPoolManager()->pendingCount(), 2u);
    CCPoolManager::sharedPoolManager()->pop();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ObjectLifetime, ObjectsAutoreleasedDuringTheDrainWaitForTheNextOne)
{
    // A destructor that autoreleases another object (as a node releasing its children may).
    struct Chained : CCObject {
        explicit Chained(CCObject* next) : m_next(next) {}
        ~Chained() override { m_next->autorelease(); }
        CCObject* m_next;
    };
    int destroyed = 0;
    auto* last = new Probe(&destroyed);
    (new Chained(last))->autorelease();
    CCPoolManager::sharedPoolManager()->pop();
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(CCPoolManager::sharedPoolManager()->pendingCount(), 1u);
    CCPoolManager::sharedPoolManager()->pop();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ObjectLifetime, ArrayRetainsAndReleasesItsObjects)
{
    int destroyed = 0;
    auto* probe = new Probe(&destroyed);
    auto* array = new CCArray();
    array->addObject(probe);
    array->addObject(probe);
    EXPECT_EQ(probe->retainCount(), 3u);
    array->removeObject(probe); // first occurrence only
    EXPECT_EQ(array->count(), 1u);
    EXPECT_EQ(probe->retainCount(), 2u);
    probe->release();
    EXPECT_EQ(destroyed, 0);
    array->release();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ObjectLifetime, DictionaryReplacingAKeyReleasesTheOldValue)
{
    int destroyed = 0;
    auto* first = new Probe(&destroyed);
    auto* second = new Probe(&destroyed);
    auto* dict = new CCDictionary();
    dict->setObject(first, "key");
    first->release();
    EXPECT_EQ(destroyed, 0);
    dict->setObject(second, "key");
    second->release();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(dict->objectForKey("key"), second);
    EXPECT_EQ(dict->count(), 1u);
    dict->removeObjectForKey("key");
    EXPECT_EQ(destroyed, 2);
    dict->release();
}

TEST_F(ObjectLifetime, DictionaryRefusesMixedKeyKinds)
{
    CCDictionary* dict = CCDictionary::create();
    dict->setObject(CCString::create("a"), "name");
    dict->setObject(CCString::create("b"), static_cast<intptr_t>(7));
    EXPECT_EQ(dict->count(), 1u);
    EXPECT_EQ(dict->objectForKey(static_cast<intptr_t>(7)), nullptr);
    EXPECT_STREQ(dict->valueForKey("missing")->getCString(), "");
    EXPECT_STREQ(dict->valueForKey("name")->getCString(), "a");
}

TEST_F(ObjectLifetime, DictionaryIteratesInInsertionOrder)
{
    CCDictionary* dict = CCDictionary::create();
    for (const char* key : {"zeta", "alpha", "mid"})
        dict->setObject(CCString::create(key), key);
    std::vector<std::string> keys;
    CCDictElement* element = nullptr;
    CCDICT_FOREACH(dict, element)
    {
        keys.push_back(element->getStrKey());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"zeta", "alpha", "mid"}));
}

TEST_F(ObjectLifetime, ArrayOutOfRangeGivesNullNotACrash)
{
    CCArray* array = CCArray::create(CCString::create("a"), CCString::create("b"), nullptr);
    EXPECT_EQ(array->count(), 2u);
    EXPECT_EQ(array->objectAtIndex(5), nullptr);
    array->removeObjectAtIndex(9);
    EXPECT_EQ(array->count(), 2u);
    EXPECT_EQ(array->indexOfObject(nullptr), CC_INVALID_INDEX);
}

} // namespace
