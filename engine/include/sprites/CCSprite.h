// A textured quad: whole texture, a rectangle of it, or a sprite frame (trimmed, rotated).
// Vertices are kept in node space; draw() transforms them by the renderer's matrix and submits them.
#pragma once

#include "actions/CCFlippable.h"
#include "base/ccTypes.h"
#include "nodes/CCNodeRGBA.h"

namespace cocos2d {

class CCSpriteBatchNode;
class CCSpriteFrame;
class CCTexture2D;

class CCSprite : public CCNodeRGBA, public CCFlippable {
public:
    CCSprite();
    ~CCSprite() override;

    static CCSprite* create();
    static CCSprite* create(const char* filename);
    static CCSprite* create(const char* filename, const CCRect& rect);
    static CCSprite* createWithTexture(CCTexture2D* texture);
    static CCSprite* createWithTexture(CCTexture2D* texture, const CCRect& rect);
    static CCSprite* createWithSpriteFrame(CCSpriteFrame* frame);
    static CCSprite* createWithSpriteFrameName(const char* frameName);

    bool init() override;
    virtual bool initWithTexture(CCTexture2D* texture);
    virtual bool initWithTexture(CCTexture2D* texture, const CCRect& rect);
    virtual bool initWithTexture(CCTexture2D* texture, const CCRect& rect, bool rotated);
    virtual bool initWithSpriteFrame(CCSpriteFrame* frame);
    virtual bool initWithSpriteFrameName(const char* frameName);
    virtual bool initWithFile(const char* filename);
    virtual bool initWithFile(const char* filename, const CCRect& rect);

    virtual void setTexture(CCTexture2D* texture);
    virtual CCTexture2D* getTexture() { return m_texture; }
    void setBlendFunc(ccBlendFunc blend) { m_blendFunc = blend; }
    ccBlendFunc getBlendFunc() const { return m_blendFunc; }

    virtual void setTextureRect(const CCRect& rect);
    virtual void setTextureRect(const CCRect& rect, bool rotated, const CCSize& untrimmedSize);
    const CCRect& getTextureRect() const { return m_rect; }
    bool isTextureRectRotated() const { return m_rectRotated; }
    const CCPoint& getOffsetPosition() const { return m_offsetPosition; }

    virtual void setDisplayFrame(CCSpriteFrame* frame);
    virtual bool isFrameDisplayed(CCSpriteFrame* frame);
    virtual CCSpriteFrame* displayFrame();
    // Frame number `index` of the named animation in CCAnimationCache.
    virtual void setDisplayFrameWithAnimationName(const char* animationName, int frameIndex);

    void setFlipX(bool flipX) override;
    bool isFlipX() override { return m_flipX; }
    void setFlipY(bool flipY) override;
    bool isFlipY() override { return m_flipY; }

    void setColor(const ccColor3B& color) override;
    void updateDisplayedColor(const ccColor3B& parentColor) override;
    void setOpacity(GLubyte opacity) override;
    void updateDisplayedOpacity(GLubyte parentOpacity) override;
    void setOpacityModifyRGB(bool modify) override;
    bool isOpacityModifyRGB() override { return m_opacityModifyRGB; }

    // Quad in node space (what draw() transforms), for tests and batch nodes.
    const ccV3F_C4B_T2F_Quad& getQuad() const { return m_quad; }
    // Quad in world space under the given node-to-world matrix.
    ccV3F_C4B_T2F_Quad worldQuad(const Mat4& nodeToWorld) const;

    void draw() override;

    void setBatchNode(CCSpriteBatchNode* batchNode) { m_batchNode = batchNode; }
    CCSpriteBatchNode* getBatchNode() { return m_batchNode; }

protected:
    void setTextureCoords(const CCRect& rect);
    void setVertexRect(const CCRect& rect);
    void updateColor();
    void updateBlendFunc();

    CCTexture2D* m_texture = nullptr;
    CCSpriteBatchNode* m_batchNode = nullptr;
    ccBlendFunc m_blendFunc;
    CCRect m_rect;
    bool m_rectRotated = false;
    CCPoint m_offsetPosition;
    CCPoint m_unflippedOffsetPositionFromCenter;
    ccV3F_C4B_T2F_Quad m_quad;
    bool m_flipX = false;
    bool m_flipY = false;
    bool m_opacityModifyRGB = false;
};

} // namespace cocos2d
