#include <vector>

#include "base/CoreTestSupport.h"

USING_NS_CC;
using coretest::EngineTest;

namespace {

class Colors : public EngineTest {};

TEST_F(Colors, CascadeIsOffByDefault)
{
    CCLayerRGBA* parent = CCLayerRGBA::create();
    CCNodeRGBA* child = CCNodeRGBA::create();
    parent->addChild(child);
    parent->setOpacity(100);
    parent->setColor(ccc3(10, 20, 30));
    EXPECT_EQ(child->getDisplayedOpacity(), 255);
    EXPECT_TRUE(ccc3BEqual(child->getDisplayedColor(), ccWHITE));
    EXPECT_FALSE(child->isCascadeOpacityEnabled());
    EXPECT_FALSE(parent->isCascadeColorEnabled());
}

TEST_F(Colors, CascadingMultipliesIntoTheDisplayedValues)
{
    CCNodeRGBA* parent = CCNodeRGBA::create();
    CCNodeRGBA* child = CCNodeRGBA::create();
    CCNodeRGBA* grandchild = CCNodeRGBA::create();
    parent->addChild(child);
    child->addChild(grandchild);
    for (CCNodeRGBA* n : {parent, child, grandchild}) {
        n->setCascadeOpacityEnabled(true);
        n->setCascadeColorEnabled(true);
    }
    child->setOpacity(128);
    parent->setOpacity(102); // 40 %
    EXPECT_EQ(parent->getDisplayedOpacity(), 102);
    EXPECT_EQ(child->getDisplayedOpacity(), 51); // 128 * 102 / 255, truncated
    EXPECT_EQ(grandchild->getDisplayedOpacity(), 51);
    EXPECT_EQ(child->getOpacity(), 128);
    parent->setColor(ccc3(255, 0, 128));
    EXPECT_EQ(grandchild->getDisplayedColor().r, 255);
    EXPECT_EQ(grandchild->getDisplayedColor().g, 0);
    EXPECT_EQ(grandchild->getDisplayedColor().b, 128);
}

// Captures the quads of one frame.
class QuadRecorder : public NullRenderer {
public:
    void drawQuads(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F_Quad* quads,
                   std::size_t count) override
    {
        NullRenderer::drawQuads(texture, blend, quads, count);
        for (std::size_t i = 0; i < count; ++i)
            m_quads.push_back(quads[i]);
        m_textures.push_back(texture);
        m_blends.push_back(blend);
    }
    std::vector<ccV3F_C4B_T2F_Quad> m_quads;
    std::vector<CCTexture2D*> m_textures;
    std::vector<ccBlendFunc> m_blends;
};

TEST_F(Colors, LayerColorDrawsOneUntexturedQuadInWorldCoordinates)
{
    QuadRecorder recorder;
    Renderer::setCurrent(&recorder);
    CCScene* scene = CCScene::create();
    CCLayerColor* layer = CCLayerColor::create(ccc4(200, 100, 50, 128), 100, 40);
    layer->setPosition(ccp(10, 20));
    scene->addChild(layer);
    engine::testing::runScene(scene);
    ASSERT_EQ(recorder.m_quads.size(), 1u);
    const ccV3F_C4B_T2F_Quad& q = recorder.m_quads[0];
    EXPECT_EQ(recorder.m_textures[0], nullptr);
    EXPECT_EQ(recorder.m_blends[0].src, kGL_SRC_ALPHA);
    EXPECT_FLOAT_EQ(q.bl.vertices.x, 10);
    EXPECT_FLOAT_EQ(q.bl.vertices.y, 20);
    EXPECT_FLOAT_EQ(q.tr.vertices.x, 110);
    EXPECT_FLOAT_EQ(q.tr.vertices.y, 60);
    EXPECT_EQ(q.tl.colors.r, 200);
    EXPECT_EQ(q.br.colors.a, 128);
    EXPECT_EQ(recorder.lastFrameStats().drawCalls, 1);

    recorder.m_quads.clear();
    layer->setOpacity(0);
    engine::testing::stepFrames(1);
    EXPECT_TRUE(recorder.m_quads.empty());
    Renderer::setCurrent(nullptr);
}

} // namespace
