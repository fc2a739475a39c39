#include <cmath>

#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;

namespace {

class Transforms : public EngineTest {};

struct NodeSetup {
    CCPoint position;
    CCPoint anchor;
    CCSize size;
    float scaleX, scaleY;
    float rotation;
    bool ignoreAnchor;
};

CCNode* make(const NodeSetup& s)
{
    CCNode* n = CCNode::create();
    n->setContentSize(s.size);
    n->setAnchorPoint(s.anchor);
    n->setPosition(s.position);
    n->setScaleX(s.scaleX);
    n->setScaleY(s.scaleY);
    n->setRotation(s.rotation);
    n->ignoreAnchorPointForPosition(s.ignoreAnchor);
    return n;
}

TEST_F(Transforms, LocalPointsLandWhereTheFormulaPutsThem)
{
    struct Case {
        NodeSetup node;
        CCPoint local;
        CCPoint world;
    };
    const Case cases[] = {
        // anchor at the position
        {{{100, 100}, {0.5f, 0.5f}, {40, 20}, 1, 1, 0, false}, {20, 10}, {100, 100}},
        {{{100, 100}, {0.5f, 0.5f}, {40, 20}, 1, 1, 0, false}, {0, 0}, {80, 90}},
        // scale pivots on the anchor
        {{{100, 100}, {0.5f, 0.5f}, {40, 20}, 2, 3, 0, false}, {0, 0}, {60, 70}},
        // rotation is clockwise: local +x points down the screen after 90 degrees
        {{{0, 0}, {0, 0}, {10, 10}, 1, 1, 90, false}, {10, 0}, {0, -10}},
        {{{50, 50}, {0.5f, 0.5f}, {20, 20}, 1, 1, 90, false}, {20, 10}, {50, 40}},
        // ignoring the anchor puts the bottom-left corner at the position
        {{{100, 100}, {0.5f, 0.5f}, {40, 20}, 1, 1, 0, true}, {0, 0}, {100, 100}},
        {{{100, 100}, {0.5f, 0.5f}, {40, 20}, 2, 2, 0, true}, {0, 0}, {80, 90}},
    };
    for (const Case& c : cases) {
        CCNode* n = make(c.node);
        CCPoint w = n->convertToWorldSpace(c.local);
        EXPECT_NEAR(w.x, c.world.x, 1e-3) << c.local.x << "," << c.local.y;
        EXPECT_NEAR(w.y, c.world.y, 1e-3) << c.local.x << "," << c.local.y;
        CCPoint back = n->convertToNodeSpace(c.world);
        EXPECT_NEAR(back.x, c.local.x, 1e-3);
        EXPECT_NEAR(back.y, c.local.y, 1e-3);
    }
}

TEST_F(Transforms, ConversionsComposeThroughAncestors)
{
    CCNode* parent = make({{200, 100}, {0, 0}, {100, 100}, 2, 2, 90, false});
    CCNode* child = make({{10, 0}, {0.5f, 0.5f}, {10, 10}, 1, 1, 0, false});
    parent->addChild(child);
    // child anchor (its (5,5)) sits at parent (10,0) -> world: scale 2, rotate 90 cw -> (0,-20) + (200,100)
    CCPoint w = child->convertToWorldSpaceAR(CCPointZero);
    EXPECT_NEAR(w.x, 200, 1e-3);
    EXPECT_NEAR(w.y, 80, 1e-3);
    CCPoint ar = child->convertToNodeSpaceAR(ccp(200, 80));
    EXPECT_NEAR(ar.x, 0, 1e-3);
    EXPECT_NEAR(ar.y, 0, 1e-3);
    CCPoint local = child->convertToNodeSpace(ccp(200, 80));
    EXPECT_NEAR(local.x, 5, 1e-3);
    EXPECT_NEAR(local.y, 5, 1e-3);
}

TEST_F(Transforms, TouchConversionUsesTheGlLocation)
{
    CCNode* n = make({{100, 100}, {0, 0}, {50, 50}, 1, 1, 0, false});
    auto* touch = new CCTouch();
    // view space is y down: (130, 640 - 120) is GL (130, 120)
    touch->setTouchInfo(0, 130, 520);
    CCPoint p = n->convertTouchToNodeSpace(touch);
    EXPECT_NEAR(p.x, 30, 1e-3);
    EXPECT_NEAR(p.y, 20, 1e-3);
    touch->release();
}

TEST_F(Transforms, BoundingBoxIsAxisAlignedInParentSpace)
{
    struct Case {
        NodeSetup node;
        CCRect box;
    };
    const Case cases[] = {
        {{{100, 50}, {0.5f, 0.5f}, {40, 20}, 1, 1, 0, false}, {80, 40, 40, 20}},
        {{{100, 50}, {0.5f, 0.5f}, {40, 20}, 0.5f, 2, 0, false}, {90, 30, 20, 40}},
        {{{100, 50}, {0.5f, 0.5f}, {40, 20}, 1, 1, 90, false}, {90, 30, 20, 40}},
        {{{0, 0}, {0, 0}, {10, 10}, 1, 1, 45, false}, {0, -7.0710678f, 14.142136f, 14.142136f}},
        {{{100, 50}, {0.5f, 0.5f}, {40, 20}, 1, 1, 0, true}, {100, 50, 40, 20}},
    };
    for (const Case& c : cases) {
        CCRect box = make(c.node)->boundingBox();
        EXPECT_NEAR(box.origin.x, c.box.origin.x, 1e-3);
        EXPECT_NEAR(box.origin.y, c.box.origin.y, 1e-3);
        EXPECT_NEAR(box.size.width, c.box.size.width, 1e-3);
        EXPECT_NEAR(box.size.height, c.box.size.height, 1e-3);
    }
}

TEST_F(Transforms, SkewShearsAlongTheOtherAxis)
{
    CCNode* n = CCNode::create();
    n->setContentSize(CCSizeMake(10, 10));
    n->setSkewX(45);
    CCPoint top = n->convertToWorldSpace(ccp(0, 10));
    EXPECT_NEAR(top.x, 10, 1e-3); // x + tan(45) * y
    EXPECT_NEAR(top.y, 10, 1e-3);
    n->setSkewX(0);
    n->setSkewY(45);
    CCPoint right = n->convertToWorldSpace(ccp(10, 0));
    EXPECT_NEAR(right.y, 10, 1e-3);
}

TEST_F(Transforms, LayersAndScenesFillTheWindowAndIgnoreTheirAnchor)
{
    for (CCNode* n : {static_cast<CCNode*>(CCScene::create()), static_cast<CCNode*>(CCLayer::create()),
                      static_cast<CCNode*>(CCLayerColor::create())}) {
        EXPECT_TRUE(n->isIgnoreAnchorPointForPosition());
        EXPECT_TRUE(n->getAnchorPoint().equals(ccp(0.5f, 0.5f)));
        EXPECT_TRUE(n->getContentSize().equals(CCSizeMake(960, 640)));
        EXPECT_EQ(n->getTag(), kCCNodeTagInvalid);
    }
    CCNode* plain = CCNode::create();
    EXPECT_FALSE(plain->isIgnoreAnchorPointForPosition());
    EXPECT_TRUE(plain->getAnchorPoint().equals(CCPointZero));
}

TEST_F(Transforms, VisitPushesTheNodeToWorldMatrix)
{
    struct Probe : CCNode {
        CCPoint seen;
        void draw() override
        {
            float x, y, z;
            Renderer::current()->top().transformPoint(0, 0, 0, x, y, z);
            seen = ccp(x, y);
        }
    };
    CCNode* parent = make({{100, 100}, {0, 0}, {0, 0}, 2, 2, 0, false});
    auto* probe = new Probe();
    probe->autorelease();
    probe->setPosition(ccp(10, 5));
    parent->addChild(probe);
    Renderer::current()->resetMatrixStack();
    parent->visit();
    EXPECT_NEAR(probe->seen.x, 120, 1e-3);
    EXPECT_NEAR(probe->seen.y, 110, 1e-3);
}

} // namespace
