#include "extensions/CCMotionStreak.h"

#include <cmath>

#include "base/CCConsole.h"
#include "render/Renderer.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"

namespace cocos2d {

CCMotionStreak* CCMotionStreak::create(float fade, float minSeg, float stroke, const ccColor3B& color, const char* path)
{
    CCTexture2D* texture = path ? CCTextureCache::sharedTextureCache()->addImage(path) : nullptr;
    if (!texture) {
        CCLog("CCMotionStreak: cannot load \"%s\"", path ? path : "(null)");
        return nullptr;
    }
    return create(fade, minSeg, stroke, color, texture);
}

CCMotionStreak* CCMotionStreak::create(float fade, float minSeg, float stroke, const ccColor3B& color, CCTexture2D* texture)
{
    auto* streak = new CCMotionStreak();
    if (streak->initWithFade(fade, minSeg, stroke, color, texture)) {
        streak->autorelease();
        return streak;
    }
    delete streak;
    return nullptr;
}

CCMotionStreak::~CCMotionStreak() { CC_SAFE_RELEASE(m_texture); }

bool CCMotionStreak::initWithFade(float fade, float minSeg, float stroke, const ccColor3B& color, CCTexture2D* texture)
{
    if (!CCNodeRGBA::init() || fade <= 0)
        return false;
    ignoreAnchorPointForPosition(true);
    m_minSeg = minSeg == -1.0f ? stroke / 5.0f : minSeg;
    m_minSeg *= m_minSeg; // compared with squared distances
    m_stroke = stroke;
    m_fadeDelta = 1.0f / fade;
    m_maxPoints = static_cast<std::size_t>(fade * 60.0f) + 2;
    CC_SAFE_RETAIN(texture);
    m_texture = texture;
    setColor(color);
    return true;
}

void CCMotionStreak::setPosition(const CCPoint& position)
{
    m_startingPositionInitialized = true;
    m_head = position;
}

void CCMotionStreak::tintWithColor(ccColor3B colors)
{
    setColor(colors);
    for (auto& p : m_points)
        p.color = colors;
}

void CCMotionStreak::reset() { m_points.clear(); }

void CCMotionStreak::onEnter()
{
    CCNodeRGBA::onEnter();
    scheduleUpdate();
}

void CCMotionStreak::onExit()
{
    unscheduleUpdate();
    CCNodeRGBA::onExit();
}

void CCMotionStreak::update(float dt)
{
    if (!m_startingPositionInitialized)
        return;
    const float fade = dt * m_fadeDelta;
    std::vector<Point> kept;
    kept.reserve(m_points.size() + 1);
    for (auto& p : m_points) {
        p.strength -= fade;
        if (p.strength > 0)
            kept.push_back(p);
    }
    m_points.swap(kept);

    bool append = m_points.empty();
    if (!append) {
        const CCPoint d = m_head - m_points.back().position;
        append = d.x * d.x + d.y * d.y >= m_minSeg;
        if (append && m_points.size() > 1) {
            const CCPoint e = m_head - m_points[m_points.size() - 2].position;
            append = e.x * e.x + e.y * e.y >= m_minSeg * 2;
        }
    }
    if (append) {
        if (m_points.size() >= m_maxPoints)
            m_points.erase(m_points.begin());
        m_points.push_back(Point{m_head, 1.0f, getColor()});
    }
}

void CCMotionStreak::draw()
{
    if (m_points.size() < 2)
        return;
    std::vector<ccV3F_C4B_T2F> strip;
    const std::size_t n = m_points.size();
    const float half = m_stroke / 2;
    auto edge = [&](std::size_t i, float side) {
        // Perpendicular to the path at point i.
        CCPoint a = m_points[i > 0 ? i - 1 : i].position, b = m_points[i + 1 < n ? i + 1 : i].position;
        CCPoint d = b - a;
        float length = std::hypot(d.x, d.y);
        CCPoint normal = length > 0 ? CCPoint(-d.y / length, d.x / length) : CCPoint(0, 1);
        const Point& p = m_points[i];
        GLubyte alpha = static_cast<GLubyte>(std::fmax(0.f, std::fmin(1.f, p.strength)) * 255.f * getDisplayedOpacity() / 255.f);
        return ccV3F_C4B_T2F{ccVertex3F{p.position.x + normal.x * half * side, p.position.y + normal.y * half * side, 0},
                             ccColor4B{p.color.r, p.color.g, p.color.b, alpha},
                             ccTex2F{side > 0 ? 0.f : 1.f, static_cast<float>(i) / static_cast<float>(n - 1)}};
    };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        ccV3F_C4B_T2F a = edge(i, 1), b = edge(i, -1), c = edge(i + 1, 1), d = edge(i + 1, -1);
        strip.insert(strip.end(), {a, b, c, b, d, c});
    }
    const Mat4& m = Renderer::current()->top();
    for (auto& v : strip)
        m.transformPoint(v.vertices.x, v.vertices.y, v.vertices.z, v.vertices.x, v.vertices.y, v.vertices.z);
    Renderer::current()->drawTriangles(m_texture, ccBlendFunc{kGL_SRC_ALPHA, kGL_ONE_MINUS_SRC_ALPHA}, strip.data(),
                                       strip.size());
}

} // namespace cocos2d
