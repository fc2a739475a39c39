#include "extensions/CCDrawNode.h"

#include <algorithm>
#include <cmath>

#include "render/Renderer.h"

namespace cocos2d {

namespace {
constexpr int kCircleSegments = 32;
constexpr float kPi = 3.14159265358979f;

ccColor4B toBytes(const ccColor4F& c)
{
    auto b = [](float v) { return static_cast<GLubyte>(std::clamp(v, 0.f, 1.f) * 255.f + 0.5f); };
    return ccColor4B{b(c.r), b(c.g), b(c.b), b(c.a)};
}
} // namespace

CCDrawNode* CCDrawNode::create()
{
    auto* node = new CCDrawNode();
    if (node->init()) {
        node->autorelease();
        return node;
    }
    delete node;
    return nullptr;
}

bool CCDrawNode::init() { return CCNode::init(); }

void CCDrawNode::triangle(const CCPoint& a, const CCPoint& b, const CCPoint& c, const ccColor4B& color)
{
    for (const CCPoint* p : {&a, &b, &c})
        m_vertices.push_back(ccV3F_C4B_T2F{ccVertex3F{p->x, p->y, 0}, color, ccTex2F{}});
}

void CCDrawNode::quad(const CCPoint& a, const CCPoint& b, const CCPoint& c, const CCPoint& d, const ccColor4B& color)
{
    triangle(a, b, c, color);
    triangle(a, c, d, color);
}

void CCDrawNode::drawDot(const CCPoint& pos, float radius, const ccColor4F& color)
{
    const ccColor4B c = toBytes(color);
    for (int i = 0; i < kCircleSegments; ++i) {
        float a0 = 2 * kPi * static_cast<float>(i) / kCircleSegments;
        float a1 = 2 * kPi * static_cast<float>(i + 1) / kCircleSegments;
        triangle(pos, pos + CCPoint(std::cos(a0), std::sin(a0)) * radius,
                 pos + CCPoint(std::cos(a1), std::sin(a1)) * radius, c);
    }
}

void CCDrawNode::drawSegment(const CCPoint& from, const CCPoint& to, float radius, const ccColor4F& color)
{
    CCPoint d = to - from;
    float length = std::hypot(d.x, d.y);
    if (length > 0) {
        CCPoint n(-d.y / length * radius, d.x / length * radius);
        quad(from + n, from - n, to - n, to + n, toBytes(color));
    }
    drawDot(from, radius, color);
    drawDot(to, radius, color);
}

void CCDrawNode::drawPolygon(CCPoint* verts, unsigned int count, const ccColor4F& fillColor, float borderWidth,
                             const ccColor4F& borderColor)
{
    if (!verts || count < 3)
        return;
    const ccColor4B fill = toBytes(fillColor);
    for (unsigned int i = 1; i + 1 < count; ++i)
        triangle(verts[0], verts[i], verts[i + 1], fill);
    if (borderWidth <= 0 || borderColor.a <= 0)
        return;
    const ccColor4B border = toBytes(borderColor);
    for (unsigned int i = 0; i < count; ++i) {
        const CCPoint& a = verts[i];
        const CCPoint& b = verts[(i + 1) % count];
        CCPoint d = b - a;
        float length = std::hypot(d.x, d.y);
        if (length <= 0)
            continue;
        CCPoint n(-d.y / length * borderWidth, d.x / length * borderWidth);
        quad(a + n, a - n, b - n, b + n, border);
    }
}

void CCDrawNode::draw()
{
    if (m_vertices.empty())
        return;
    std::vector<ccV3F_C4B_T2F> world = m_vertices;
    const Mat4& m = Renderer::current()->top();
    for (auto& v : world)
        m.transformPoint(v.vertices.x, v.vertices.y, v.vertices.z, v.vertices.x, v.vertices.y, v.vertices.z);
    Renderer::current()->drawTriangles(nullptr, m_blend, world.data(), world.size());
}

} // namespace cocos2d
