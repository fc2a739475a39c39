// The one seam between the node tree and the graphics back end.
//
// Nodes compute their world vertices on the CPU (using top() during draw()) and hand finished quads or
// triangles to the current renderer. The GL back end merges consecutive calls with the same texture and
// blend mode into one draw call; any state change (scissor, stencil, render target) flushes first.
// The null back end only counts, so logic tests run without a window.
#pragma once

#include <cstddef>
#include <vector>

#include "base/ccTypes.h"
#include "render/Mat4.h"

namespace cocos2d {

class CCTexture2D;

struct RenderStats {
    int drawCalls = 0;
    int quads = 0;
    int triangles = 0;
};

class Renderer {
public:
    virtual ~Renderer() = default;

    // The renderer nodes draw into. Never null: a NullRenderer stands in until a GL one is installed.
    static Renderer* current();
    static void setCurrent(Renderer* renderer); // null restores the built-in NullRenderer

    // Model-view stack. visit() pushes (top() * nodeToParent); draw() reads top() as node-to-world.
    void pushMatrix(const Mat4& localToParent);
    void popMatrix();
    const Mat4& top() const { return m_stack.back(); }
    void resetMatrixStack();

    // A frame: clear to colour, set projection (design points to clip space) and viewport in pixels.
    virtual void beginFrame(const Mat4& projection, int viewportWidth, int viewportHeight, ccColor4F clear) = 0;
    virtual void endFrame() = 0; // flushes; stats of this frame become lastFrameStats()

    virtual void drawQuads(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F_Quad* quads,
                           std::size_t count) = 0;
    // Triangle list; texture may be null for untextured geometry.
    virtual void drawTriangles(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F* vertices,
                               std::size_t count) = 0;
    virtual void flush() = 0;

    // Scissor box in design points (origin bottom left). Nested use: callers restore what they found.
    virtual void enableScissor(float x, float y, float width, float height) = 0;
    virtual void disableScissor() = 0;
    virtual bool scissorEnabled() const = 0;

    // Stencil for clipping nodes: draw the stencil with writeStencil, the content with useStencil.
    virtual void beginStencilWrite(int layer, float alphaThreshold) = 0;
    virtual void beginStencilTest(int layer, bool inverted) = 0;
    virtual void endStencil(int layer) = 0;

    const RenderStats& lastFrameStats() const { return m_last; }
    const RenderStats& frameStats() const { return m_current; }
    int drawCallsLastFrame() const { return m_last.drawCalls; }

protected:
    Renderer() { resetMatrixStack(); }
    RenderStats m_current;
    RenderStats m_last;

private:
    std::vector<Mat4> m_stack;
};

// Counts what would be drawn; used when no GL context exists.
class NullRenderer : public Renderer {
public:
    void beginFrame(const Mat4& projection, int viewportWidth, int viewportHeight, ccColor4F clear) override;
    void endFrame() override;
    void drawQuads(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F_Quad* quads,
                   std::size_t count) override;
    void drawTriangles(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F* vertices,
                       std::size_t count) override;
    void flush() override;
    void enableScissor(float x, float y, float width, float height) override;
    void disableScissor() override;
    bool scissorEnabled() const override { return m_scissor; }
    void beginStencilWrite(int, float) override {}
    void beginStencilTest(int, bool) override {}
    void endStencil(int) override {}

private:
    bool m_scissor = false;
    CCTexture2D* m_lastTexture = nullptr;
    ccBlendFunc m_lastBlend;
    bool m_pending = false;
};

} // namespace cocos2d
