// Primitives kept until clear() (cocos2d-x 2.2): discs, capsules and convex polygons with a border.
// Colours are ccColor4F, expected premultiplied; blend (ONE, ONE_MINUS_SRC_ALPHA).
#pragma once

#include <vector>

#include "nodes/CCNode.h"

namespace cocos2d {

class CCDrawNode : public CCNode {
public:
    static CCDrawNode* create();
    bool init() override;

    void drawDot(const CCPoint& pos, float radius, const ccColor4F& color);
    void drawSegment(const CCPoint& from, const CCPoint& to, float radius, const ccColor4F& color);
    // Filled as a fan from the first point (convex only); a border of 2 x borderWidth on the edges.
    void drawPolygon(CCPoint* verts, unsigned int count, const ccColor4F& fillColor, float borderWidth,
                     const ccColor4F& borderColor);
    void clear() { m_vertices.clear(); }
    ccBlendFunc getBlendFunc() const { return m_blend; }
    void setBlendFunc(const ccBlendFunc& blend) { m_blend = blend; }
    // Triangles in node space (tests).
    const std::vector<ccV3F_C4B_T2F>& vertices() const { return m_vertices; }

    void draw() override;

private:
    void triangle(const CCPoint& a, const CCPoint& b, const CCPoint& c, const ccColor4B& color);
    void quad(const CCPoint& a, const CCPoint& b, const CCPoint& c, const CCPoint& d, const ccColor4B& color);

    std::vector<ccV3F_C4B_T2F> m_vertices;
    ccBlendFunc m_blend{kGL_ONE, kGL_ONE_MINUS_SRC_ALPHA};
};

} // namespace cocos2d
