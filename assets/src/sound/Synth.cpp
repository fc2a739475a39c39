#include "sound/Synth.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace brindle::assets {

Synth::Synth(double seconds, bool wrap)
    : m_frames(size_t(std::lround(seconds * kSampleRate)))
    , m_wrap(wrap)
    , m_left(m_frames, 0.0f)
    , m_right(m_frames, 0.0f)
{
}

double Synth::frequencyOf(const std::string& name)
{
    if (name.size() < 2)
        return 0;
    static const int steps[] = { 9, 11, 0, 2, 4, 5, 7 }; // a b c d e f g from c
    const char letter = char(std::tolower(name[0]));
    if (letter < 'a' || letter > 'g')
        return 0;
    int semitone = steps[letter - 'a'];
    size_t i = 1;
    if (name[i] == '#') { ++semitone; ++i; }
    else if (name[i] == 'b' && i + 1 < name.size() && std::isdigit(static_cast<unsigned char>(name[i + 1]))) { --semitone; ++i; }
    if (i >= name.size() || !std::isdigit(static_cast<unsigned char>(name[i])) || i + 1 != name.size())
        return 0;
    const int octave = name[i] - '0';
    const int midi = 12 * (octave + 1) + semitone;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

void Synth::add(size_t frame, double value, double pan)
{
    if (frame >= m_frames) {
        if (!m_wrap)
            return;
        frame %= m_frames;
    }
    m_left[frame] += float(value * std::min(1.0, 1.0 - pan));
    m_right[frame] += float(value * std::min(1.0, 1.0 + pan));
}

void Synth::note(Voice voice, double f, double start, double length, double gain, double pan)
{
    const double tail = voice == Voice::Pad ? 0.6 : voice == Voice::Bell || voice == Voice::Sparkle ? 0.8 : 0.12;
    const size_t first = size_t(std::max(0.0, start) * kSampleRate);
    const size_t count = size_t((length + tail) * kSampleRate);
    uint32_t noise = 0x12345u ^ uint32_t(f * 7 + start * 1000);
    for (size_t n = 0; n < count; ++n) {
        const double t = double(n) / kSampleRate;
        const double w = 2 * M_PI * f * t;
        // Envelope: short attack, hold for the length, then an exponential release.
        const double attack = voice == Voice::Pad ? 0.25 : voice == Voice::Hat || voice == Voice::Click ? 0.001 : 0.006;
        double env = std::min(1.0, t / attack);
        if (t > length)
            env *= std::exp(-(t - length) / (tail / 4));
        double v = 0;
        switch (voice) {
        case Voice::Bell:
            v = (std::sin(w) + 0.35 * std::sin(2 * w) * std::exp(-t * 6) + 0.15 * std::sin(3.01 * w) * std::exp(-t * 9))
                * std::exp(-t * 2.2);
            break;
        case Voice::Sparkle:
            v = (std::sin(w) + 0.5 * std::sin(4 * w) * std::exp(-t * 12)) * std::exp(-t * 5);
            break;
        case Voice::Pad:
            v = (std::sin(w) + 0.3 * std::sin(2 * w + 0.3) + 0.12 * std::sin(3 * w)) * (0.85 + 0.15 * std::sin(2 * M_PI * 4.5 * t));
            break;
        case Voice::Bass:
            v = (std::sin(w) + 0.25 * std::sin(2 * w)) * std::exp(-t * 3);
            break;
        case Voice::Pluck:
            v = (std::sin(w) + 0.4 * std::sin(2 * w) * std::exp(-t * 20)) * std::exp(-t * 14);
            break;
        case Voice::Buzz: {
            double sq = 0;
            for (int k = 1; k <= 7; k += 2)
                sq += std::sin(k * w) / k;
            v = sq * 0.8 * std::exp(-t * 4);
            break;
        }
        case Voice::Click:
            v = std::sin(2 * M_PI * (f * t - 300 * t * t)) * std::exp(-t * 60);
            break;
        case Voice::Thud:
            v = std::sin(2 * M_PI * (f * t - f * 0.9 * t * t)) * std::exp(-t * 14);
            break;
        case Voice::Kick:
            v = std::sin(2 * M_PI * (f * t - 60 * t * t)) * std::exp(-t * 18);
            break;
        case Voice::Hat:
            noise = noise * 1664525u + 1013904223u;
            v = (double(noise >> 8) / double(1u << 24) - 0.5) * std::exp(-t * 70);
            break;
        }
        add(first + n, v * env * gain, pan);
    }
}

std::string Synth::pcm16(double peak) const
{
    float top = 1e-9f;
    for (size_t i = 0; i < m_frames; ++i)
        top = std::max({ top, std::fabs(m_left[i]), std::fabs(m_right[i]) });
    const double scale = peak * 32767.0 / top;
    std::string out;
    out.reserve(m_frames * 4);
    auto put = [&](float v) {
        const long s = std::clamp(std::lround(v * scale), -32768L, 32767L);
        out += char(s & 0xff);
        out += char((s >> 8) & 0xff);
    };
    for (size_t i = 0; i < m_frames; ++i) {
        put(m_left[i]);
        put(m_right[i]);
    }
    return out;
}

} // namespace brindle::assets
