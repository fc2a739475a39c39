// Nine-slice sprite: corners keep their size, edges stretch along one axis, the centre along both.
// Cap insets (in points of the source rect): x = left border, y = top border (from the top),
// width/height = the centre; a zero rect means the centre third each way.
#pragma once

#include "base/CCGeometry.h"
#include "nodes/CCNodeRGBA.h"

namespace cocos2d {
class CCSpriteFrame;
class CCTexture2D;
}

namespace cocos2d::extension {

class CCScale9Sprite : public CCNodeRGBA {
public:
    CCScale9Sprite();
    ~CCScale9Sprite() override;

    static CCScale9Sprite* create();
    static CCScale9Sprite* create(const char* file);
    static CCScale9Sprite* create(const char* file, CCRect rect);
    static CCScale9Sprite* create(const char* file, CCRect rect, CCRect capInsets);
    static CCScale9Sprite* create(CCRect capInsets, const char* file);
    static CCScale9Sprite* createWithSpriteFrame(CCSpriteFrame* spriteFrame);
    static CCScale9Sprite* createWithSpriteFrame(CCSpriteFrame* spriteFrame, CCRect capInsets);
    static CCScale9Sprite* createWithSpriteFrameName(const char* spriteFrameName);
    static CCScale9Sprite* createWithSpriteFrameName(const char* spriteFrameName, CCRect capInsets);

    bool init() override;
    virtual bool initWithFile(const char* file, CCRect rect, CCRect capInsets);
    virtual bool initWithSpriteFrame(CCSpriteFrame* spriteFrame, CCRect capInsets);
    // Shows another picture, keeping the current size.
    virtual void setSpriteFrame(CCSpriteFrame* spriteFrame);

    void setContentSize(const CCSize& size) override;
    void setPreferredSize(CCSize size);
    CCSize getPreferredSize() const { return m_preferredSize; }
    CCSize getOriginalSize() const { return m_originalSize; }
    void setCapInsets(CCRect capInsets);
    CCRect getCapInsets() const { return m_capInsets; }
    void setInsetLeft(float v);
    void setInsetTop(float v);
    void setInsetRight(float v);
    void setInsetBottom(float v);
    float getInsetLeft() const;
    float getInsetTop() const;
    float getInsetRight() const;
    float getInsetBottom() const;
    CCTexture2D* getTexture() const;

    void draw() override;
    // The nine quads (fewer when a part is empty) in node space; for tests.
    void buildQuads(std::vector<ccV3F_C4B_T2F_Quad>& out);

private:
    CCSpriteFrame* m_frame = nullptr;
    CCRect m_capInsets;
    CCSize m_originalSize;
    CCSize m_preferredSize;
    std::vector<ccV3F_C4B_T2F_Quad> m_quads;
};

} // namespace cocos2d::extension
