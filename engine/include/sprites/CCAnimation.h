// A sequence of sprite frames, each lasting a number of delay units of delayPerUnit seconds.
#pragma once

#include "base/CCArray.h"
#include "base/CCDictionary.h"
#include "base/CCObject.h"

namespace cocos2d {

class CCSpriteFrame;

class CCAnimationFrame : public CCObject {
public:
    ~CCAnimationFrame() override;
    bool initWithSpriteFrame(CCSpriteFrame* spriteFrame, float delayUnits, CCDictionary* userInfo);

    CCSpriteFrame* getSpriteFrame() const { return m_spriteFrame; }
    void setSpriteFrame(CCSpriteFrame* frame);
    float getDelayUnits() const { return m_delayUnits; }
    void setDelayUnits(float units) { m_delayUnits = units; }
    CCDictionary* getUserInfo() const { return m_userInfo; }
    void setUserInfo(CCDictionary* info);
    CCObject* copyWithZone(CCZone* zone) override;

private:
    CCSpriteFrame* m_spriteFrame = nullptr;
    float m_delayUnits = 0;
    CCDictionary* m_userInfo = nullptr;
};

class CCAnimation : public CCObject {
public:
    CCAnimation();
    ~CCAnimation() override;

    static CCAnimation* create();
    // Sprite frames, each one unit of `delay` seconds.
    static CCAnimation* createWithSpriteFrames(CCArray* spriteFrames, float delay = 0.0f);
    // CCAnimationFrame objects with their own units.
    static CCAnimation* create(CCArray* animationFrames, float delayPerUnit, unsigned int loops = 1);

    bool initWithSpriteFrames(CCArray* spriteFrames, float delay);
    bool initWithAnimationFrames(CCArray* animationFrames, float delayPerUnit, unsigned int loops);

    void addSpriteFrame(CCSpriteFrame* frame);
    void addSpriteFrameWithFileName(const char* filename);
    void addSpriteFrameWithTexture(class CCTexture2D* texture, const class CCRect& rect);

    // One pass, in seconds: total units x delay per unit.
    float getDuration() const { return m_totalDelayUnits * m_delayPerUnit; }
    float getTotalDelayUnits() const { return m_totalDelayUnits; }
    float getDelayPerUnit() const { return m_delayPerUnit; }
    void setDelayPerUnit(float d) { m_delayPerUnit = d; }
    CCArray* getFrames() const { return m_frames; }
    void setFrames(CCArray* frames);
    bool getRestoreOriginalFrame() const { return m_restoreOriginalFrame; }
    void setRestoreOriginalFrame(bool restore) { m_restoreOriginalFrame = restore; }
    unsigned int getLoops() const { return m_loops; }
    void setLoops(unsigned int loops) { m_loops = loops; }

    CCObject* copyWithZone(CCZone* zone) override;

private:
    float m_totalDelayUnits = 0;
    float m_delayPerUnit = 0;
    CCArray* m_frames = nullptr;
    bool m_restoreOriginalFrame = false;
    unsigned int m_loops = 1;
};

} // namespace cocos2d
