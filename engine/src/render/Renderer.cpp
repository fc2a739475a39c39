#include "render/Renderer.h"

namespace cocos2d {

namespace {
NullRenderer& builtInNull()
{
    static NullRenderer instance;
    return instance;
}
Renderer* g_current = nullptr;
} // namespace

Renderer* Renderer::current()
{
    return g_current ? g_current : &builtInNull();
}

void Renderer::setCurrent(Renderer* renderer)
{
    g_current = renderer;
}

void Renderer::pushMatrix(const Mat4& localToParent)
{
    m_stack.push_back(m_stack.back() * localToParent);
}

void Renderer::popMatrix()
{
    // The bottom entry is the identity the frame starts from; an unbalanced pop must not remove it.
    if (m_stack.size() > 1)
        m_stack.pop_back();
}

void Renderer::resetMatrixStack()
{
    m_stack.assign(1, Mat4::identity());
}

void NullRenderer::beginFrame(const Mat4&, int, int, ccColor4F)
{
    m_current = RenderStats{};
    m_pending = false;
    resetMatrixStack();
}

void NullRenderer::endFrame()
{
    flush();
    m_last = m_current;
    m_current = RenderStats{};
}

void NullRenderer::drawQuads(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F_Quad*, std::size_t count)
{
    if (count == 0)
        return;
    // Same merging rule as the GL back end, so draw-call counts agree in logic tests.
    if (!m_pending || texture != m_lastTexture || !(blend == m_lastBlend)) {
        flush();
        m_pending = true;
        m_lastTexture = texture;
        m_lastBlend = blend;
        ++m_current.drawCalls;
    }
    m_current.quads += static_cast<int>(count);
}

void NullRenderer::drawTriangles(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F*, std::size_t count)
{
    if (count < 3)
        return;
    if (!m_pending || texture != m_lastTexture || !(blend == m_lastBlend)) {
        flush();
        m_pending = true;
        m_lastTexture = texture;
        m_lastBlend = blend;
        ++m_current.drawCalls;
    }
    m_current.triangles += static_cast<int>(count / 3);
}

void NullRenderer::flush()
{
    m_pending = false;
}

void NullRenderer::enableScissor(float, float, float, float)
{
    flush();
    m_scissor = true;
}

void NullRenderer::disableScissor()
{
    flush();
    m_scissor = false;
}

} // namespace cocos2d
