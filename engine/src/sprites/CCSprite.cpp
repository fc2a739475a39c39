#include "sprites/CCSprite.h"

#include "base/CCConsole.h"
#include "render/Renderer.h"
#include "sprites/CCSpriteFrame.h"
#include "sprites/CCSpriteFrameCache.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"

namespace cocos2d {

namespace {
template <typename Init>
CCSprite* make(Init init)
{
    auto* s = new CCSprite();
    if (init(s)) {
        s->autorelease();
        return s;
    }
    delete s;
    return nullptr;
}
} // namespace

CCSprite::CCSprite() = default;

CCSprite::~CCSprite()
{
    CC_SAFE_RELEASE(m_texture);
}

CCSprite* CCSprite::create()
{
    return make([](CCSprite* s) { return s->init(); });
}

CCSprite* CCSprite::create(const char* filename)
{
    return make([&](CCSprite* s) { return s->initWithFile(filename); });
}

CCSprite* CCSprite::create(const char* filename, const CCRect& rect)
{
    return make([&](CCSprite* s) { return s->initWithFile(filename, rect); });
}

CCSprite* CCSprite::createWithTexture(CCTexture2D* texture)
{
    return make([&](CCSprite* s) { return s->initWithTexture(texture); });
}

CCSprite* CCSprite::createWithTexture(CCTexture2D* texture, const CCRect& rect)
{
    return make([&](CCSprite* s) { return s->initWithTexture(texture, rect); });
}

CCSprite* CCSprite::createWithSpriteFrame(CCSpriteFrame* frame)
{
    return make([&](CCSprite* s) { return s->initWithSpriteFrame(frame); });
}

CCSprite* CCSprite::createWithSpriteFrameName(const char* frameName)
{
    return make([&](CCSprite* s) { return s->initWithSpriteFrameName(frameName); });
}

bool CCSprite::init()
{
    return initWithTexture(nullptr, CCRectZero, false);
}

bool CCSprite::initWithTexture(CCTexture2D* texture)
{
    if (!texture) {
        CCLog("CCSprite: no texture");
        return false;
    }
    CCRect rect(0, 0, static_cast<float>(texture->getPixelsWide()), static_cast<float>(texture->getPixelsHigh()));
    return initWithTexture(texture, rect, false);
}

bool CCSprite::initWithTexture(CCTexture2D* texture, const CCRect& rect)
{
    return initWithTexture(texture, rect, false);
}

bool CCSprite::initWithTexture(CCTexture2D* texture, const CCRect& rect, bool rotated)
{
    if (!CCNodeRGBA::init())
        return false;
    m_opacityModifyRGB = true;
    m_blendFunc = ccBlendFunc{CC_BLEND_SRC, CC_BLEND_DST};
    m_flipX = m_flipY = false;
    setAnchorPoint(CCPoint(0.5f, 0.5f));
    m_offsetPosition = CCPointZero;
    m_quad = ccV3F_C4B_T2F_Quad{};
    const ccColor4B white{255, 255, 255, 255};
    m_quad.bl.colors = m_quad.br.colors = m_quad.tl.colors = m_quad.tr.colors = white;
    setTexture(texture);
    setTextureRect(rect, rotated, rect.size);
    return true;
}

bool CCSprite::initWithFile(const char* filename)
{
    CCTexture2D* texture = CCTextureCache::sharedTextureCache()->addImage(filename);
    if (!texture) {
        CCLog("CCSprite: cannot load %s", filename ? filename : "(null)");
        return false;
    }
    return initWithTexture(texture);
}

bool CCSprite::initWithFile(const char* filename, const CCRect& rect)
{
    CCTexture2D* texture = CCTextureCache::sharedTextureCache()->addImage(filename);
    if (!texture) {
        CCLog("CCSprite: cannot load %s", filename ? filename : "(null)");
        return false;
    }
    return initWithTexture(texture, rect);
}

bool CCSprite::initWithSpriteFrame(CCSpriteFrame* frame)
{
    if (!frame) {
        CCLog("CCSprite: no sprite frame");
        return false;
    }
    if (!initWithTexture(frame->getTexture(), frame->getRect()))
        return false;
    setDisplayFrame(frame);
    return true;
}

bool CCSprite::initWithSpriteFrameName(const char* frameName)
{
    // An unknown name is refused here (2.2 would crash later); the cache has logged the name.
    CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(frameName);
    if (!frame) {
        CCLog("CCSprite: no sprite frame named %s", frameName ? frameName : "(null)");
        return false;
    }
    return initWithSpriteFrame(frame);
}

void CCSprite::setTexture(CCTexture2D* texture)
{
    if (texture != m_texture) {
        CC_SAFE_RETAIN(texture);
        CC_SAFE_RELEASE(m_texture);
        m_texture = texture;
    }
    updateBlendFunc();
}

void CCSprite::updateBlendFunc()
{
    if (!m_texture || !m_texture->hasPremultipliedAlpha()) {
        m_blendFunc = ccBlendFunc{kGL_SRC_ALPHA, kGL_ONE_MINUS_SRC_ALPHA};
        setOpacityModifyRGB(false);
    } else {
        m_blendFunc = ccBlendFunc{CC_BLEND_SRC, CC_BLEND_DST};
        setOpacityModifyRGB(true);
    }
}

void CCSprite::draw()
{
    if (m_rect.size.width <= 0 && m_rect.size.height <= 0)
        return;
    Renderer* r = Renderer::current();
    const ccV3F_C4B_T2F_Quad q = worldQuad(r->top());
    r->drawQuads(m_texture, m_blendFunc, &q, 1);
}

ccV3F_C4B_T2F_Quad CCSprite::worldQuad(const Mat4& m) const
{
    ccV3F_C4B_T2F_Quad q = m_quad;
    for (ccV3F_C4B_T2F* v : {&q.tl, &q.bl, &q.tr, &q.br})
        m.transformPoint(v->vertices.x, v->vertices.y, v->vertices.z, v->vertices.x, v->vertices.y, v->vertices.z);
    return q;
}

} // namespace cocos2d
