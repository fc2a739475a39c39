// What CCFlipX/CCFlipY need from their target. CCSprite implements it; on any other node the
// actions log and do nothing.
#pragma once



namespace cocos2d {

class CCFlippable {
public:
    virtual ~CCFlippable() = default;
    virtual void setFlipX(bool flipX) = 0;
    virtual void setFlipY(bool flipY) = 0;
    virtual bool isFlipX() = 0;
    virtual bool isFlipY() = 0;
};

} // namespace cocos2d
