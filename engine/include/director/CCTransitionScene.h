// Base of scene transitions. Holds both scenes while it runs.
//
// Entering: touch dispatch is switched off, the outgoing scene gets onExitTransitionDidStart and the
// incoming one onEnter. finish() resets both scenes and, one frame later, replaces the transition
// by the incoming scene; the transition's onExit then re-enables touches, sends the outgoing
// scene onExit and the incoming one onEnterTransitionDidFinish.
#pragma once

#include "nodes/CCScene.h"

namespace cocos2d {

typedef enum { kCCTransitionOrientationLeftOver = 0, kCCTransitionOrientationRightOver = 1 } tOrientation;

class CCTransitionScene : public CCScene {
public:
    CCTransitionScene() = default;
    ~CCTransitionScene() override;
    static CCTransitionScene* create(float t, CCScene* scene);
    virtual bool initWithDuration(float t, CCScene* scene);

    void draw() override;
    void onEnter() override;
    void onExit() override;
    void cleanup() override;

    void finish();
    void hideOutShowIn();
    // Ends the transition at once (our addition): its actions and its pending switch stop and both
    // scenes are put back as finish() leaves them. The director calls this when another scene
    // replaces a transition that has not finished.
    void abandon();

    CCScene* getInScene() { return m_pInScene; }
    CCScene* getOutScene() { return m_pOutScene; }
    float getDuration() const { return m_fDuration; }

protected:
    virtual void sceneOrder() { m_bIsInSceneOnTop = true; }
    void setNewScene(float dt);

    CCScene* m_pInScene = nullptr;
    CCScene* m_pOutScene = nullptr;
    float m_fDuration = 0;
    bool m_bIsInSceneOnTop = true;
    bool m_bIsSendCleanupToScene = false;
};

} // namespace cocos2d
