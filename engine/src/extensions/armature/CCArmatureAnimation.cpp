#include "extensions/armature/CCArmatureAnimation.h"

#include <algorithm>
#include <cmath>

#include "base/CCConsole.h"
#include "extensions/armature/CCArmature.h"
#include "extensions/armature/CCTweenFunction.h"

namespace cocos2d::extension {

namespace {
// Movement frames per second at speed 1.
constexpr float kFramesPerSecond = 60.f;

float lerp(float a, float b, float t) { return a + (b - a) * t; }

ArmatureTransform lerp(const ArmatureTransform& a, const ArmatureTransform& b, float t)
{
    return ArmatureTransform{lerp(a.x, b.x, t),         lerp(a.y, b.y, t),         lerp(a.skewX, b.skewX, t),
                             lerp(a.skewY, b.skewY, t), lerp(a.scaleX, b.scaleX, t), lerp(a.scaleY, b.scaleY, t)};
}

ArmatureColor lerp(const ArmatureColor& a, const ArmatureColor& b, float t)
{
    auto mix = [t](int x, int y) { return static_cast<int>(std::lround(lerp(float(x), float(y), t))); };
    return ArmatureColor{mix(a.a, b.a), mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}
} // namespace

CCArmatureAnimation* CCArmatureAnimation::create(CCArmature* armature)
{
    auto* animation = new CCArmatureAnimation();
    animation->m_armature = armature;
    animation->autorelease();
    return animation;
}

int CCArmatureAnimation::getMovementCount() const
{
    return m_data ? static_cast<int>(m_data->movements.size()) : 0;
}

void CCArmatureAnimation::setMovementEventCallFunc(CCObject* target, SEL_MovementEventCallFunc callFunc)
{
    m_movementTarget = target;
    m_movementCall = callFunc;
}

void CCArmatureAnimation::setFrameEventCallFunc(CCObject* target, SEL_FrameEventCallFunc callFunc)
{
    m_frameTarget = target;
    m_frameCall = callFunc;
}

void CCArmatureAnimation::play(const char* movementName, int durationTo, int durationTween, int loop,
                               int tweenEasing)
{
    const MovementData* movement = (m_data && movementName) ? m_data->findMovement(movementName) : nullptr;
    if (!movement) {
        CCLog("CCArmatureAnimation: armature \"%s\" has no movement \"%s\"",
              m_armature ? m_armature->getName().c_str() : "", movementName ? movementName : "(null)");
        return;
    }
    playMovement(movement, durationTo, durationTween, loop, tweenEasing);
}

void CCArmatureAnimation::playByIndex(int index, int durationTo, int durationTween, int loop, int tweenEasing)
{
    if (!m_data || index < 0 || index >= getMovementCount()) {
        CCLog("CCArmatureAnimation: armature \"%s\" has no movement number %d",
              m_armature ? m_armature->getName().c_str() : "", index);
        return;
    }
    playMovement(&m_data->movements[static_cast<std::size_t>(index)], durationTo, durationTween, loop, tweenEasing);
}

void CCArmatureAnimation::playMovement(const MovementData* movement, int durationTo, int durationTween, int loop,
                                       int easing)
{
    m_movement = movement;
    m_durationTo = durationTo < 0 ? movement->durationTo : durationTo;
    int tween = durationTween < 0 ? movement->durationTween : durationTween;
    m_durationTween = tween == 0 ? movement->duration : tween;
    m_loop = loop < 0 ? movement->loop : loop > 0;
    m_easing = easing == TWEEN_EASING_MAX ? movement->tweenEasing : easing;
    m_phase = Phase::Blend;
    m_frame = 0;
    m_playing = true;
    m_paused = false;
    m_complete = false;
    m_events.clear();

    const auto& bones = m_armature->getBones();
    m_blendFrom.assign(bones.size(), ArmatureTransform{});
    m_blendFromColor.assign(bones.size(), ArmatureColor{});
    m_lastKey.assign(bones.size(), -1);
    for (std::size_t i = 0; i < bones.size(); ++i) {
        m_blendFrom[i] = bones[i]->tween;
        m_blendFromColor[i] = bones[i]->tweenColor;
        const MovementBoneData* track = movement->findBone(bones[i]->getName());
        // Bones the movement does not animate are hidden while it plays.
        if (!track || track->frames.empty())
            bones[i]->changeDisplayByIndex(-1);
        else
            bones[i]->changeDisplayByIndex(track->frames.front().displayIndex);
    }
    if (movement->duration <= 0 || m_durationTo <= 0)
        applyPose(*movement, 0, false);
    m_armature->updateBones();
}

void CCArmatureAnimation::stop()
{
    m_playing = false;
    m_events.clear();
}

void CCArmatureAnimation::update(float dt)
{
    if (!m_playing || m_paused || !m_movement || !m_armature)
        return;
    // A stall longer than a second (a debugger, a load) would jump the whole movement.
    if (dt > 1.f || m_movement->duration <= 0 || m_durationTween <= 0)
        return;
    float step = m_speed * m_movement->scale * dt * kFramesPerSecond;

    if (m_phase == Phase::Blend) {
        if (m_durationTo <= 0) {
            m_phase = Phase::Main;
            m_frame = 0;
            queueMovementEvent(START);
        } else {
            m_frame += step;
            if (m_frame >= static_cast<float>(m_durationTo)) {
                m_frame -= static_cast<float>(m_durationTo);
                m_phase = Phase::Main;
                queueMovementEvent(START);
            } else {
                applyBlend(m_frame / static_cast<float>(m_durationTo));
            }
        }
    } else {
        m_frame += step;
    }

    if (m_phase == Phase::Main) {
        const float length = static_cast<float>(m_durationTween);
        if (m_frame >= length) {
            if (m_loop) {
                m_frame = std::fmod(m_frame, length);
                std::fill(m_lastKey.begin(), m_lastKey.end(), -1);
                queueMovementEvent(LOOP_COMPLETE);
            } else {
                m_frame = length;
                m_playing = false;
                m_complete = true;
                queueMovementEvent(COMPLETE);
            }
        }
        applyPose(*m_movement, m_frame / length, true);
    }
    m_armature->updateBones();
    deliverEvents();
}

void CCArmatureAnimation::applyBlend(float t)
{
    const auto& bones = m_armature->getBones();
    for (std::size_t i = 0; i < bones.size(); ++i) {
        const MovementBoneData* track = m_movement->findBone(bones[i]->getName());
        if (!track || track->frames.empty())
            continue;
        const FrameData& first = track->frames.front();
        bones[i]->tween = lerp(m_blendFrom[i], first.transform, t);
        // Colour blends too: a bone left transparent by the last movement must fade in, not stay hidden.
        bones[i]->tweenColor = lerp(m_blendFromColor[i], first.hasColor ? first.color : ArmatureColor{}, t);
    }
}

void CCArmatureAnimation::applyPose(const MovementData& movement, float fraction, bool fireFrameEvents)
{
    const auto& bones = m_armature->getBones();
    if (m_lastKey.size() != bones.size())
        m_lastKey.assign(bones.size(), -1);
    for (std::size_t i = 0; i < bones.size(); ++i) {
        CCBone* bone = bones[i];
        const MovementBoneData* track = movement.findBone(bone->getName());
        if (!track || track->frames.empty())
            continue;
        float p = fraction;
        if (track->delay != 0) {
            p = std::fmod(p + track->delay, 1.f);
            if (p < 0)
                p += 1.f;
        }
        const float played = p * static_cast<float>(movement.duration);
        const auto& frames = track->frames;
        std::size_t from = 0;
        while (from + 1 < frames.size() && static_cast<float>(frames[from + 1].frameIndex) <= played)
            ++from;
        const FrameData& key = frames[from];
        float t = 0;
        const FrameData* next = from + 1 < frames.size() ? &frames[from + 1] : nullptr;
        if (next && key.tween && next->frameIndex > key.frameIndex) {
            t = (played - static_cast<float>(key.frameIndex)) / static_cast<float>(next->frameIndex - key.frameIndex);
            t = std::clamp(t, 0.f, 1.f);
            int type = key.tweenEasing;
            if (type == Linear || type == TWEEN_EASING_MAX)
                type = m_easing;
            if (type != Linear && type != TWEEN_EASING_MAX)
                t = CCTweenFunction::tweenTo(t, type, key.easingParams.data(),
                                             static_cast<int>(key.easingParams.size()));
        }
        bone->tween = next ? lerp(key.transform, next->transform, t) : key.transform;
        if (key.hasColor || (next && next->hasColor))
            bone->tweenColor = next ? lerp(key.color, next->color, t) : key.color;
        else
            bone->tweenColor = ArmatureColor{};

        if (static_cast<int>(from) != m_lastKey[i]) {
            m_lastKey[i] = static_cast<int>(from);
            bone->tweenZOrder = key.zOrder;
            bone->changeDisplayByIndex(key.displayIndex);
            if (fireFrameEvents && !key.event.empty() && m_frameCall) {
                PendingEvent event;
                event.movement = false;
                event.name = key.event;
                event.bone = bone;
                event.originFrame = key.frameIndex;
                event.currentFrame = static_cast<int>(played);
                m_events.push_back(event);
            }
        }
    }
}

void CCArmatureAnimation::queueMovementEvent(MovementEventType type)
{
    PendingEvent event;
    event.type = type;
    event.name = m_movement ? m_movement->name : std::string();
    m_events.push_back(event);
}

void CCArmatureAnimation::deliverEvents()
{
    if (m_events.empty())
        return;
    // A callback may play another movement (which clears the queue) or drop the armature.
    std::vector<PendingEvent> events;
    events.swap(m_events);
    m_armature->retain();
    for (const auto& event : events) {
        if (event.movement) {
            if (m_movementTarget && m_movementCall)
                (m_movementTarget->*m_movementCall)(m_armature, event.type, event.name.c_str());
        } else if (m_frameTarget && m_frameCall) {
            (m_frameTarget->*m_frameCall)(event.bone, event.name.c_str(), event.originFrame, event.currentFrame);
        }
    }
    m_armature->release();
}

} // namespace cocos2d::extension
