#include "extensions/control/CCScale9Sprite.h"

#include <algorithm>

#include "base/CCConsole.h"
#include "render/Renderer.h"
#include "sprites/CCSpriteFrame.h"
#include "sprites/CCSpriteFrameCache.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"

namespace cocos2d::extension {

namespace {
template <typename Init>
CCScale9Sprite* make(Init init)
{
    auto* sprite = new CCScale9Sprite();
    if (init(sprite)) {
        sprite->autorelease();
        return sprite;
    }
    delete sprite;
    return nullptr;
}

CCSpriteFrame* frameFromFile(const char* file, CCRect rect)
{
    CCTexture2D* texture = file ? CCTextureCache::sharedTextureCache()->addImage(file) : nullptr;
    if (!texture) {
        CCLog("CCScale9Sprite: cannot load \"%s\"", file ? file : "(null)");
        return nullptr;
    }
    if (rect.size.width <= 0 || rect.size.height <= 0)
        rect = CCRect(0, 0, texture->getContentSize().width, texture->getContentSize().height);
    return CCSpriteFrame::createWithTexture(texture, rect);
}
} // namespace

CCScale9Sprite::CCScale9Sprite() = default;
CCScale9Sprite::~CCScale9Sprite() { CC_SAFE_RELEASE(m_frame); }

CCScale9Sprite* CCScale9Sprite::create()
{
    return make([](CCScale9Sprite* s) { return s->init(); });
}
CCScale9Sprite* CCScale9Sprite::create(const char* file)
{
    return make([&](CCScale9Sprite* s) { return s->initWithFile(file, CCRect(), CCRect()); });
}
CCScale9Sprite* CCScale9Sprite::create(const char* file, CCRect rect)
{
    return make([&](CCScale9Sprite* s) { return s->initWithFile(file, rect, CCRect()); });
}
CCScale9Sprite* CCScale9Sprite::create(const char* file, CCRect rect, CCRect capInsets)
{
    return make([&](CCScale9Sprite* s) { return s->initWithFile(file, rect, capInsets); });
}
CCScale9Sprite* CCScale9Sprite::create(CCRect capInsets, const char* file)
{
    return make([&](CCScale9Sprite* s) { return s->initWithFile(file, CCRect(), capInsets); });
}
CCScale9Sprite* CCScale9Sprite::createWithSpriteFrame(CCSpriteFrame* frame)
{
    return make([&](CCScale9Sprite* s) { return s->initWithSpriteFrame(frame, CCRect()); });
}
CCScale9Sprite* CCScale9Sprite::createWithSpriteFrame(CCSpriteFrame* frame, CCRect capInsets)
{
    return make([&](CCScale9Sprite* s) { return s->initWithSpriteFrame(frame, capInsets); });
}
CCScale9Sprite* CCScale9Sprite::createWithSpriteFrameName(const char* name)
{
    return createWithSpriteFrameName(name, CCRect());
}
CCScale9Sprite* CCScale9Sprite::createWithSpriteFrameName(const char* name, CCRect capInsets)
{
    CCSpriteFrame* frame = name ? CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(name) : nullptr;
    if (!frame) {
        CCLog("CCScale9Sprite: no sprite frame \"%s\"", name ? name : "(null)");
        return nullptr;
    }
    return createWithSpriteFrame(frame, capInsets);
}

bool CCScale9Sprite::init()
{
    if (!CCNodeRGBA::init())
        return false;
    setAnchorPoint(CCPoint(0.5f, 0.5f));
    return true;
}

bool CCScale9Sprite::initWithFile(const char* file, CCRect rect, CCRect capInsets)
{
    CCSpriteFrame* frame = frameFromFile(file, rect);
    return frame && initWithSpriteFrame(frame, capInsets);
}

bool CCScale9Sprite::initWithSpriteFrame(CCSpriteFrame* frame, CCRect capInsets)
{
    if (!frame || !init())
        return false;
    m_capInsets = capInsets;
    setSpriteFrame(frame);
    setContentSize(m_originalSize);
    return true;
}

void CCScale9Sprite::setSpriteFrame(CCSpriteFrame* frame)
{
    if (!frame)
        return;
    CC_SAFE_RETAIN(frame);
    CC_SAFE_RELEASE(m_frame);
    m_frame = frame;
    m_originalSize = frame->getRect().size;
}

CCTexture2D* CCScale9Sprite::getTexture() const { return m_frame ? m_frame->getTexture() : nullptr; }

void CCScale9Sprite::setContentSize(const CCSize& size)
{
    CCNodeRGBA::setContentSize(size);
    m_preferredSize = size;
}

void CCScale9Sprite::setPreferredSize(CCSize size) { setContentSize(size); }
void CCScale9Sprite::setCapInsets(CCRect capInsets) { m_capInsets = capInsets; }

namespace {
struct Insets {
    float left, top, right, bottom;
};
Insets resolveInsets(const CCRect& caps, const CCSize& source)
{
    CCRect c = caps;
    if (c.size.width == 0 && c.size.height == 0 && c.origin.x == 0 && c.origin.y == 0)
        c = CCRect(source.width / 3, source.height / 3, source.width / 3, source.height / 3);
    return Insets{c.origin.x, c.origin.y, source.width - c.origin.x - c.size.width,
                  source.height - c.origin.y - c.size.height};
}
} // namespace

float CCScale9Sprite::getInsetLeft() const { return resolveInsets(m_capInsets, m_originalSize).left; }
float CCScale9Sprite::getInsetTop() const { return resolveInsets(m_capInsets, m_originalSize).top; }
float CCScale9Sprite::getInsetRight() const { return resolveInsets(m_capInsets, m_originalSize).right; }
float CCScale9Sprite::getInsetBottom() const { return resolveInsets(m_capInsets, m_originalSize).bottom; }

void CCScale9Sprite::setInsetLeft(float v)
{
    Insets i = resolveInsets(m_capInsets, m_originalSize);
    m_capInsets = CCRect(v, i.top, m_originalSize.width - v - i.right, m_originalSize.height - i.top - i.bottom);
}
void CCScale9Sprite::setInsetTop(float v)
{
    Insets i = resolveInsets(m_capInsets, m_originalSize);
    m_capInsets = CCRect(i.left, v, m_originalSize.width - i.left - i.right, m_originalSize.height - v - i.bottom);
}
void CCScale9Sprite::setInsetRight(float v)
{
    Insets i = resolveInsets(m_capInsets, m_originalSize);
    m_capInsets = CCRect(i.left, i.top, m_originalSize.width - i.left - v, m_originalSize.height - i.top - i.bottom);
}
void CCScale9Sprite::setInsetBottom(float v)
{
    Insets i = resolveInsets(m_capInsets, m_originalSize);
    m_capInsets = CCRect(i.left, i.top, m_originalSize.width - i.left - i.right, m_originalSize.height - i.top - v);
}

void CCScale9Sprite::buildQuads(std::vector<ccV3F_C4B_T2F_Quad>& out)
{
    out.clear();
    CCTexture2D* texture = getTexture();
    if (!m_frame || !texture)
        return;
    const CCRect rect = m_frame->getRect();
    const bool rotated = m_frame->isRotated();
    const float texW = static_cast<float>(texture->getPixelsWide());
    const float texH = static_cast<float>(texture->getPixelsHigh());
    const CCSize src = rect.size;
    Insets in = resolveInsets(m_capInsets, src);
    const CCSize dst = m_contentSize;

    const float sx[4] = {0, in.left, src.width - in.right, src.width};
    const float sy[4] = {0, in.top, src.height - in.bottom, src.height}; // from the top
    const float dx[4] = {0, in.left, dst.width - in.right, dst.width};
    const float dy[4] = {dst.height, dst.height - in.top, in.bottom, 0}; // same rows, y up

    // Source point (from the picture's top-left) to texture coordinates; rotated frames lie turned
    // 90 degrees clockwise in the atlas.
    auto uv = [&](float px, float py) {
        float ax = rotated ? rect.origin.x + (src.height - py) : rect.origin.x + px;
        float ay = rotated ? rect.origin.y + px : rect.origin.y + py;
        return ccTex2F{ax / texW, ay / texH};
    };
    ccColor4B color{m_rgba.displayedColor.r, m_rgba.displayedColor.g, m_rgba.displayedColor.b,
                    m_rgba.displayedOpacity};
    if (texture->hasPremultipliedAlpha()) {
        color.r = static_cast<GLubyte>(color.r * color.a / 255);
        color.g = static_cast<GLubyte>(color.g * color.a / 255);
        color.b = static_cast<GLubyte>(color.b * color.a / 255);
    }
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            if (sx[col + 1] - sx[col] <= 0 || sy[row + 1] - sy[row] <= 0)
                continue;
            ccV3F_C4B_T2F_Quad q;
            q.tl.vertices = ccVertex3F{dx[col], dy[row], 0};
            q.tr.vertices = ccVertex3F{dx[col + 1], dy[row], 0};
            q.bl.vertices = ccVertex3F{dx[col], dy[row + 1], 0};
            q.br.vertices = ccVertex3F{dx[col + 1], dy[row + 1], 0};
            q.tl.texCoords = uv(sx[col], sy[row]);
            q.tr.texCoords = uv(sx[col + 1], sy[row]);
            q.bl.texCoords = uv(sx[col], sy[row + 1]);
            q.br.texCoords = uv(sx[col + 1], sy[row + 1]);
            q.tl.colors = q.tr.colors = q.bl.colors = q.br.colors = color;
            out.push_back(q);
        }
}

void CCScale9Sprite::draw()
{
    buildQuads(m_quads);
    if (m_quads.empty())
        return;
    Renderer* renderer = Renderer::current();
    const Mat4& world = renderer->top();
    for (auto& quad : m_quads)
        for (ccV3F_C4B_T2F* v : {&quad.tl, &quad.bl, &quad.tr, &quad.br})
            world.transformPoint(v->vertices.x, v->vertices.y, v->vertices.z, v->vertices.x, v->vertices.y,
                                 v->vertices.z);
    CCTexture2D* texture = getTexture();
    ccBlendFunc blend = texture->hasPremultipliedAlpha() ? ccBlendFunc{kGL_ONE, kGL_ONE_MINUS_SRC_ALPHA}
                                                         : ccBlendFunc{kGL_SRC_ALPHA, kGL_ONE_MINUS_SRC_ALPHA};
    renderer->drawQuads(texture, blend, m_quads.data(), m_quads.size());
}

} // namespace cocos2d::extension
