#include "extensions/armature/CCTweenFunction.h"

#include <cmath>

#include "extensions/armature/ArmatureData.h"

namespace cocos2d::extension {

namespace {
constexpr float kPi = 3.14159265358979f;

float bounceOut(float t)
{
    if (t < 1 / 2.75f)
        return 7.5625f * t * t;
    if (t < 2 / 2.75f) {
        t -= 1.5f / 2.75f;
        return 7.5625f * t * t + 0.75f;
    }
    if (t < 2.5f / 2.75f) {
        t -= 2.25f / 2.75f;
        return 7.5625f * t * t + 0.9375f;
    }
    t -= 2.625f / 2.75f;
    return 7.5625f * t * t + 0.984375f;
}

float powerIn(float t, float p) { return std::pow(t, p); }
float powerOut(float t, float p) { return 1 - std::pow(1 - t, p); }
float powerInOut(float t, float p)
{
    return t < 0.5f ? 0.5f * std::pow(2 * t, p) : 1 - 0.5f * std::pow(2 - 2 * t, p);
}

float elastic(float t, int kind, float period)
{
    if (t <= 0 || t >= 1)
        return t;
    float s = period / 4;
    if (kind == 0) {
        float u = t - 1;
        return -std::pow(2.f, 10 * u) * std::sin((u - s) * 2 * kPi / period);
    }
    if (kind == 1)
        return std::pow(2.f, -10 * t) * std::sin((t - s) * 2 * kPi / period) + 1;
    float u = 2 * t - 1;
    if (u < 0)
        return -0.5f * std::pow(2.f, 10 * u) * std::sin((u - s) * 2 * kPi / period);
    return 0.5f * std::pow(2.f, -10 * u) * std::sin((u - s) * 2 * kPi / period) + 1;
}

float back(float t, int kind)
{
    const float k = 1.70158f;
    if (kind == 0)
        return t * t * ((k + 1) * t - k);
    if (kind == 1) {
        float u = t - 1;
        return u * u * ((k + 1) * u + k) + 1;
    }
    const float k2 = k * 1.525f;
    float u = 2 * t;
    if (u < 1)
        return u * u * ((k2 + 1) * u - k2) / 2;
    u -= 2;
    return u * u * ((k2 + 1) * u + k2) / 2 + 1;
}
} // namespace

float CCTweenFunction::tweenTo(float t, int type, const float* params, int paramCount)
{
    switch (type) {
    case TWEEN_EASING_MIN:
        if (params && paramCount >= 8) {
            float u = 1 - t;
            return params[1] * u * u * u + 3 * params[3] * t * u * u + 3 * params[5] * t * t * u +
                   params[7] * t * t * t;
        }
        return t;
    case Sine_EaseIn: return 1 - std::cos(t * kPi / 2);
    case Sine_EaseOut: return std::sin(t * kPi / 2);
    case Sine_EaseInOut: return -0.5f * (std::cos(kPi * t) - 1);
    case Quad_EaseIn: return powerIn(t, 2);
    case Quad_EaseOut: return powerOut(t, 2);
    case Quad_EaseInOut: return powerInOut(t, 2);
    case Cubic_EaseIn: return powerIn(t, 3);
    case Cubic_EaseOut: return powerOut(t, 3);
    case Cubic_EaseInOut: return powerInOut(t, 3);
    case Quart_EaseIn: return powerIn(t, 4);
    case Quart_EaseOut: return powerOut(t, 4);
    case Quart_EaseInOut: return powerInOut(t, 4);
    case Quint_EaseIn: return powerIn(t, 5);
    case Quint_EaseOut: return powerOut(t, 5);
    case Quint_EaseInOut: return powerInOut(t, 5);
    case Expo_EaseIn: return t == 0 ? 0 : std::pow(2.f, 10 * (t - 1)) - 0.001f;
    case Expo_EaseOut: return t == 1 ? 1 : 1 - std::pow(2.f, -10 * t);
    case Expo_EaseInOut: {
        if (t == 0 || t == 1)
            return t;
        float u = 2 * t;
        return u < 1 ? 0.5f * std::pow(2.f, 10 * (u - 1)) : 0.5f * (2 - std::pow(2.f, -10 * (u - 1)));
    }
    case Circ_EaseIn: return 1 - std::sqrt(std::fmax(0.f, 1 - t * t));
    case Circ_EaseOut: return std::sqrt(std::fmax(0.f, 1 - (t - 1) * (t - 1)));
    case Circ_EaseInOut: {
        float u = 2 * t;
        if (u < 1)
            return -0.5f * (std::sqrt(std::fmax(0.f, 1 - u * u)) - 1);
        u -= 2;
        return 0.5f * (std::sqrt(std::fmax(0.f, 1 - u * u)) + 1);
    }
    case Elastic_EaseIn: return elastic(t, 0, params && paramCount > 0 ? params[0] : 0.3f);
    case Elastic_EaseOut: return elastic(t, 1, params && paramCount > 0 ? params[0] : 0.3f);
    case Elastic_EaseInOut: return elastic(t, 2, params && paramCount > 0 ? params[0] : 0.45f);
    case Back_EaseIn: return back(t, 0);
    case Back_EaseOut: return back(t, 1);
    case Back_EaseInOut: return back(t, 2);
    case Bounce_EaseIn: return 1 - bounceOut(1 - t);
    case Bounce_EaseOut: return bounceOut(t);
    case Bounce_EaseInOut: return t < 0.5f ? 0.5f * (1 - bounceOut(1 - 2 * t)) : 0.5f * bounceOut(2 * t - 1) + 0.5f;
    default: return t;
    }
}

} // namespace cocos2d::extension
