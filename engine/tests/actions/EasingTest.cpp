#include <cmath>
#include <functional>

#include "base/CoreTestSupport.h"

USING_NS_CC;

namespace {

// Remembers the eased time the wrapper hands to it.
class Probe : public CCActionInterval {
public:
    static Probe* create()
    {
        auto* p = new Probe();
        p->initWithDuration(1);
        p->autorelease();
        return p;
    }
    void update(float t) override { last = t; }
    float last = -100;
};

struct Curve {
    const char* name;
    std::function<CCActionInterval*(CCActionInterval*)> make;
    std::vector<std::pair<float, float>> points; // t, f(t)
};

// Reference values worked out by hand from the published curves.
const std::vector<Curve>& curves()
{
    static const std::vector<Curve> all = {
        {"EaseIn 2", [](CCActionInterval* a) { return CCEaseIn::create(a, 2); }, {{0, 0}, {0.5f, 0.25f}, {1, 1}}},
        {"EaseOut 2", [](CCActionInterval* a) { return CCEaseOut::create(a, 2); }, {{0.25f, 0.5f}, {1, 1}}},
        {"EaseInOut 2", [](CCActionInterval* a) { return CCEaseInOut::create(a, 2); },
         {{0.25f, 0.125f}, {0.5f, 0.5f}, {0.75f, 0.875f}, {1, 1}}},
        {"ExponentialIn", [](CCActionInterval* a) { return CCEaseExponentialIn::create(a); },
         {{0, 0}, {0.5f, 0.03125f - 0.001f}, {1, 0.999f}}},
        {"ExponentialOut", [](CCActionInterval* a) { return CCEaseExponentialOut::create(a); },
         {{0, 0}, {0.5f, 0.96875f}, {1, 1}}},
        {"ExponentialInOut", [](CCActionInterval* a) { return CCEaseExponentialInOut::create(a); },
         {{0.25f, 0.015625f}, {0.75f, 0.984375f}}},
        {"SineIn", [](CCActionInterval* a) { return CCEaseSineIn::create(a); }, {{0, 0}, {0.5f, 0.2928932f}, {1, 1}}},
        {"SineOut", [](CCActionInterval* a) { return CCEaseSineOut::create(a); }, {{0.5f, 0.7071068f}, {1, 1}}},
        {"SineInOut", [](CCActionInterval* a) { return CCEaseSineInOut::create(a); },
         {{0.25f, 0.1464466f}, {0.5f, 0.5f}, {1, 1}}},
        {"ElasticIn", [](CCActionInterval* a) { return CCEaseElasticIn::create(a); },
         {{0, 0}, {0.5f, -0.015625f}, {1, 1}}},
        {"ElasticOut", [](CCActionInterval* a) { return CCEaseElasticOut::create(a); },
         {{0, 0}, {0.5f, 1.015625f}, {1, 1}}},
        {"ElasticInOut", [](CCActionInterval* a) { return CCEaseElasticInOut::create(a); },
         {{0, 0}, {0.25f, -0.0078125f}, {0.75f, 1.0078125f}, {1, 1}}},
        {"BounceOut", [](CCActionInterval* a) { return CCEaseBounceOut::create(a); },
         {{0, 0}, {0.2f, 0.3025f}, {0.5f, 0.765625f}, {0.8f, 0.94f}, {0.95f, 0.9845313f}, {1, 1}}},
        {"BounceIn", [](CCActionInterval* a) { return CCEaseBounceIn::create(a); },
         {{0, 0}, {0.5f, 0.234375f}, {1, 1}}},
        {"BounceInOut", [](CCActionInterval* a) { return CCEaseBounceInOut::create(a); },
         {{0.25f, 0.1171875f}, {0.75f, 0.8828125f}, {1, 1}}},
        {"BackIn", [](CCActionInterval* a) { return CCEaseBackIn::create(a); },
         {{0, 0}, {0.5f, -0.0876975f}, {1, 1}}},
        {"BackOut", [](CCActionInterval* a) { return CCEaseBackOut::create(a); },
         {{0, 0}, {0.5f, 1.0876975f}, {1, 1}}},
        {"BackInOut", [](CCActionInterval* a) { return CCEaseBackInOut::create(a); },
         {{0, 0}, {0.25f, -0.0996818f}, {0.75f, 1.0996818f}, {1, 1}}},
    };
    return all;
}

TEST(Easing, EveryCurveAtSeveralPoints)
{
    for (const Curve& curve : curves()) {
        Probe* probe = Probe::create();
        CCActionInterval* ease = curve.make(probe);
        ASSERT_NE(ease, nullptr) << curve.name;
        EXPECT_FLOAT_EQ(ease->getDuration(), 1) << curve.name;
        for (const auto& [t, expected] : curve.points) {
            ease->update(t);
            EXPECT_NEAR(probe->last, expected, 2e-5) << curve.name << " at " << t;
        }
    }
    CCPoolManager::sharedPoolManager()->pop();
}

TEST(Easing, BounceOutMovesANodeInsideASequence)
{
    engine::testing::resetEngine();
    CCScene* scene = CCScene::create();
    engine::testing::runScene(scene);
    CCNode* n = CCNode::create();
    scene->addChild(n);
    n->runAction(CCEaseBounceOut::create(CCMoveBy::create(1, ccp(0, -520))));
    engine::testing::stepFrames(1, 0.125f);
    engine::testing::stepFrames(4, 0.125f);
    EXPECT_NEAR(n->getPositionY(), -520 * 0.765625f, 1e-2);
    engine::testing::stepFrames(4, 0.125f);
    EXPECT_NEAR(n->getPositionY(), -520, 1e-3);
    engine::testing::resetEngine();
}

TEST(Easing, ReversesSwapInAndOut)
{
    Probe* probe = Probe::create();
    CCActionInterval* reversed = CCEaseExponentialIn::create(CCDelayTime::create(1))->reverse();
    EXPECT_NE(dynamic_cast<CCEaseExponentialOut*>(reversed), nullptr);
    EXPECT_NE(dynamic_cast<CCEaseBounceIn*>(CCEaseBounceOut::create(CCDelayTime::create(1))->reverse()), nullptr);
    EXPECT_NE(dynamic_cast<CCEaseSineOut*>(CCEaseSineIn::create(CCDelayTime::create(1))->reverse()), nullptr);
    (void)probe;
    CCPoolManager::sharedPoolManager()->pop();
}

} // namespace
