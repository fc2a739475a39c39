#include "extensions/support/ScissorStack.h"

#include <algorithm>
#include <vector>

#include "base/CCAffineTransform.h"
#include "nodes/CCNode.h"
#include "render/Renderer.h"

namespace cocos2d::extension {

namespace {
std::vector<CCRect>& stack()
{
    static std::vector<CCRect> rects;
    return rects;
}

CCRect intersect(const CCRect& a, const CCRect& b)
{
    float x0 = std::max(a.getMinX(), b.getMinX()), y0 = std::max(a.getMinY(), b.getMinY());
    float x1 = std::min(a.getMaxX(), b.getMaxX()), y1 = std::min(a.getMaxY(), b.getMaxY());
    return CCRect(x0, y0, std::max(0.f, x1 - x0), std::max(0.f, y1 - y0));
}
} // namespace

void ScissorStack::push(const CCRect& worldRect)
{
    Renderer* renderer = Renderer::current();
    renderer->flush();
    CCRect box = stack().empty() ? worldRect : intersect(stack().back(), worldRect);
    stack().push_back(box);
    renderer->enableScissor(box.origin.x, box.origin.y, box.size.width, box.size.height);
}

void ScissorStack::pop()
{
    Renderer* renderer = Renderer::current();
    renderer->flush();
    if (!stack().empty())
        stack().pop_back();
    if (stack().empty()) {
        renderer->disableScissor();
    } else {
        const CCRect& box = stack().back();
        renderer->enableScissor(box.origin.x, box.origin.y, box.size.width, box.size.height);
    }
}

int ScissorStack::depth() { return static_cast<int>(stack().size()); }

CCRect ScissorStack::worldRectOf(CCNode* node, const CCRect& localRect)
{
    return CCRectApplyAffineTransform(localRect, node->nodeToWorldTransform());
}

} // namespace cocos2d::extension
