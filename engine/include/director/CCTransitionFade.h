// Fades to a colour over the first half and from it over the second half. The colour layer (tag
// kSceneFade, z 2) sits above both scenes.
#pragma once

#include "director/CCTransitionScene.h"

namespace cocos2d {

enum { kSceneFade = 0xFADEFADE };

class CCTransitionFade : public CCTransitionScene {
public:
    static CCTransitionFade* create(float duration, CCScene* scene, const ccColor3B& color);
    static CCTransitionFade* create(float duration, CCScene* scene);
    virtual bool initWithDuration(float t, CCScene* scene, const ccColor3B& color);
    bool initWithDuration(float t, CCScene* scene) override;

    void onEnter() override;
    void onExit() override;

protected:
    ccColor4B m_tColor{0, 0, 0, 0};
};

} // namespace cocos2d
