#include "extensions/gui/UILayout.h"

#include <algorithm>
#include <cmath>

#include "WidgetPicture.h"
#include "extensions/support/ScissorStack.h"
#include "render/Renderer.h"

namespace cocos2d::extension {

UILayout::UILayout() : m_background(std::make_unique<WidgetPicture>()) {}
UILayout::~UILayout() = default;

UILayout* UILayout::create()
{
    auto* layout = new UILayout();
    if (layout->init()) {
        layout->autorelease();
        return layout;
    }
    delete layout;
    return nullptr;
}

bool UILayout::init()
{
    if (!UIWidget::init())
        return false;
    m_ignoreSize = false;
    return true;
}

void UILayout::setBackGroundImage(const char* fileName, TextureResType texType)
{
    m_background->load(this, fileName, texType);
    onSizeChanged();
}

void UILayout::setBackGroundImageScale9Enabled(bool enabled)
{
    m_background->setScale9(this, enabled);
    onSizeChanged();
}

void UILayout::setBackGroundImageCapInsets(const CCRect& capInsets) { m_background->setCapInsets(capInsets); }
void UILayout::removeBackGroundImage() { m_background->load(this, "", UI_TEX_TYPE_LOCAL); }

void UILayout::setBackGroundColor(const ccColor3B& startColor, const ccColor3B& endColor)
{
    m_startColor = startColor;
    m_endColor = endColor;
}

void UILayout::onSizeChanged()
{
    // The background picture is centred; a nine-slice one fills the panel.
    m_background->fit(CCPoint(m_size.width / 2, m_size.height / 2), CCPoint(0.5f, 0.5f), m_size,
                      m_background->isScale9());
    UIWidget::onSizeChanged();
    doLayout();
}

void UILayout::setLayoutType(LayoutType type)
{
    m_layoutType = type;
    doLayout();
}

void UILayout::doLayout()
{
    if (m_layoutType != LAYOUT_LINEAR_VERTICAL && m_layoutType != LAYOUT_LINEAR_HORIZONTAL)
        return;
    CCArray* children = getChildren();
    if (!children)
        return;
    float cursor = m_layoutType == LAYOUT_LINEAR_VERTICAL ? m_size.height : 0;
    for (unsigned int i = 0; i < children->count(); ++i) {
        auto* child = dynamic_cast<UIWidget*>(children->objectAtIndex(i));
        if (!child)
            continue;
        const UILinearLayoutParameter& p = child->getLayoutParameter();
        const CCSize size = child->getSize();
        const CCPoint ap = child->getAnchorPoint();
        float x = 0, y = 0;
        if (m_layoutType == LAYOUT_LINEAR_VERTICAL) {
            y = cursor - p.margin.top - size.height * (1 - ap.y);
            x = size.width * ap.x + p.margin.left;
            if (p.gravity == LINEAR_GRAVITY_RIGHT)
                x = m_size.width - size.width * (1 - ap.x) - p.margin.right;
            else if (p.gravity == LINEAR_GRAVITY_CENTER_HORIZONTAL)
                x = m_size.width / 2 - size.width * (0.5f - ap.x);
            cursor = y - size.height * ap.y - p.margin.bottom;
        } else {
            x = cursor + p.margin.left + size.width * ap.x;
            y = m_size.height - size.height * (1 - ap.y) - p.margin.top;
            if (p.gravity == LINEAR_GRAVITY_BOTTOM)
                y = size.height * ap.y + p.margin.bottom;
            else if (p.gravity == LINEAR_GRAVITY_CENTER_VERTICAL)
                y = m_size.height / 2 - size.height * (0.5f - ap.y);
            cursor = x + size.width * (1 - ap.x) + p.margin.right;
        }
        child->setPosition(CCPoint(x, y));
    }
}

void UILayout::visit()
{
    if (!m_enabled || !m_visible)
        return;
    if (!m_clipping) {
        UIWidget::visit();
        return;
    }
    ScissorStack::push(ScissorStack::worldRectOf(this, CCRect(0, 0, m_size.width, m_size.height)));
    UIWidget::visit();
    ScissorStack::pop();
}

void UILayout::buildBackground(std::vector<ccV3F_C4B_T2F>& out) const
{
    out.clear();
    if (m_colorType == LAYOUT_COLOR_NONE || m_size.width <= 0 || m_size.height <= 0)
        return;
    const GLubyte alpha = static_cast<GLubyte>(m_colorOpacity * m_rgba.displayedOpacity / 255);
    auto make = [&](const ccColor3B& c) { return ccColor4B{c.r, c.g, c.b, alpha}; };
    ccColor4B tl, tr, bl, br;
    if (m_colorType == LAYOUT_COLOR_SOLID) {
        tl = tr = bl = br = make(m_color);
    } else {
        // Start colour where the vector comes from, end colour where it points.
        float length = std::hypot(m_gradientVector.x, m_gradientVector.y);
        CCPoint v = length > 0 ? CCPoint(m_gradientVector.x / length, m_gradientVector.y / length) : CCPoint(0, -1);
        auto at = [&](float cx, float cy) {
            float t = std::clamp(((cx * v.x + cy * v.y) / std::sqrt(2.f) + 1) / 2, 0.f, 1.f);
            auto mix = [t](GLubyte a, GLubyte b) { return static_cast<GLubyte>(a + (b - a) * t); };
            return ccColor4B{mix(m_startColor.r, m_endColor.r), mix(m_startColor.g, m_endColor.g),
                             mix(m_startColor.b, m_endColor.b), alpha};
        };
        tl = at(-1, 1);
        tr = at(1, 1);
        bl = at(-1, -1);
        br = at(1, -1);
    }
    auto vertex = [](float x, float y, ccColor4B c) { return ccV3F_C4B_T2F{ccVertex3F{x, y, 0}, c, ccTex2F{}}; };
    const float w = m_size.width, h = m_size.height;
    out = {vertex(0, 0, bl), vertex(w, 0, br), vertex(0, h, tl), vertex(w, 0, br), vertex(w, h, tr), vertex(0, h, tl)};
}

void UILayout::draw()
{
    std::vector<ccV3F_C4B_T2F> vertices;
    buildBackground(vertices);
    if (vertices.empty())
        return;
    Renderer* renderer = Renderer::current();
    const Mat4& world = renderer->top();
    for (auto& v : vertices)
        world.transformPoint(v.vertices.x, v.vertices.y, v.vertices.z, v.vertices.x, v.vertices.y, v.vertices.z);
    renderer->drawTriangles(nullptr, ccBlendFunc{kGL_SRC_ALPHA, kGL_ONE_MINUS_SRC_ALPHA}, vertices.data(),
                            vertices.size());
}

} // namespace cocos2d::extension
