// Plays the movements of one armature on the engine clock: 60 movement frames per second at speed 1,
// times the movement's own "sc".
//
// play(name, durationTo, durationTween, loop, tweenEasing): -1 takes the movement's "to", "drTW"
// (0 there means "dr") and "lp"; loop 0 = once, > 0 = looping; tweenEasing 10000 = the movement's "twE".
// First the bones blend from their current pose over durationTo frames; then START; a looping movement
// sends LOOP_COMPLETE at each wrap, a single one COMPLETE at its end (the last pose stays). Events are
// queued during the update and delivered after the bones are posed, so a callback may call play again.
// A movement of "dr" 0 shows its first frame and sends nothing.
#pragma once

#include <string>
#include <vector>

#include "base/CCObject.h"
#include "extensions/armature/ArmatureData.h"

namespace cocos2d::extension {

class CCArmature;
class CCBone;

enum MovementEventType { START = 0, COMPLETE = 1, LOOP_COMPLETE = 2 };

typedef void (CCObject::*SEL_MovementEventCallFunc)(CCArmature*, MovementEventType, const char*);
typedef void (CCObject::*SEL_FrameEventCallFunc)(CCBone*, const char*, int, int);
#define movementEvent_selector(_SELECTOR) (::cocos2d::extension::SEL_MovementEventCallFunc)(&_SELECTOR)
#define frameEvent_selector(_SELECTOR) (::cocos2d::extension::SEL_FrameEventCallFunc)(&_SELECTOR)

class CCArmatureAnimation : public CCObject {
public:
    static CCArmatureAnimation* create(CCArmature* armature);

    void play(const char* movementName, int durationTo = -1, int durationTween = -1, int loop = -1,
              int tweenEasing = TWEEN_EASING_MAX);
    void playByIndex(int index, int durationTo = -1, int durationTween = -1, int loop = -1,
                     int tweenEasing = TWEEN_EASING_MAX);
    void playWithIndex(int index, int durationTo = -1, int durationTween = -1, int loop = -1)
    {
        playByIndex(index, durationTo, durationTween, loop);
    }
    void pause() { m_paused = true; }
    void resume() { m_paused = false; }
    void stop();

    void setSpeedScale(float speedScale) { m_speed = speedScale; }
    float getSpeedScale() const { return m_speed; }
    void setAnimationScale(float scale) { setSpeedScale(scale); }
    float getAnimationScale() const { return m_speed; }

    std::string getCurrentMovementID() const { return m_movement ? m_movement->name : std::string(); }
    int getMovementCount() const;
    bool isPlaying() const { return m_playing; }
    bool isComplete() const { return m_complete; }
    bool isPause() const { return m_paused; }
    // Frames played in the current phase (tests and tools).
    float getCurrentFrame() const { return m_frame; }
    const AnimationData* getAnimationData() const { return m_data; }
    void setAnimationData(const AnimationData* data) { m_data = data; }

    // Target not retained, as in 2.2: clear it before the target goes.
    void setMovementEventCallFunc(CCObject* target, SEL_MovementEventCallFunc callFunc);
    void setFrameEventCallFunc(CCObject* target, SEL_FrameEventCallFunc callFunc);

    void update(float dt) override;
    // Poses every bone at fraction p (0..1) of a movement, without events (used at creation too).
    void applyPose(const MovementData& movement, float fraction, bool fireFrameEvents);

private:
    CCArmatureAnimation() = default;
    void playMovement(const MovementData* movement, int durationTo, int durationTween, int loop, int easing);
    void applyBlend(float t);
    void queueMovementEvent(MovementEventType type);
    void deliverEvents();

    enum class Phase { Blend, Main };
    struct PendingEvent {
        bool movement = true;
        MovementEventType type = START;
        std::string name;
        CCBone* bone = nullptr;
        int originFrame = 0, currentFrame = 0;
    };

    CCArmature* m_armature = nullptr; // owns this animation
    const AnimationData* m_data = nullptr;
    const MovementData* m_movement = nullptr;
    Phase m_phase = Phase::Blend;
    float m_frame = 0;
    int m_durationTo = 0;
    int m_durationTween = 0;
    bool m_loop = false;
    int m_easing = Linear;
    float m_speed = 1;
    bool m_playing = false;
    bool m_paused = false;
    bool m_complete = false;
    std::vector<ArmatureTransform> m_blendFrom;
    std::vector<ArmatureColor> m_blendFromColor;
    std::vector<int> m_lastKey; // per bone, the key frame last arrived at
    std::vector<PendingEvent> m_events;
    CCObject* m_movementTarget = nullptr;
    SEL_MovementEventCallFunc m_movementCall = nullptr;
    CCObject* m_frameTarget = nullptr;
    SEL_FrameEventCallFunc m_frameCall = nullptr;
};

} // namespace cocos2d::extension
