#pragma once
// A small additive synthesiser: a few instrument voices written into a stereo float
// buffer. With `wrap` set the buffer is a loop: tails that run past the end continue at
// the start, so the music loops without a click.

#include <cstdint>
#include <string>
#include <vector>

namespace brindle::assets {

inline constexpr int kSampleRate = 44100;

enum class Voice { Bell, Pad, Bass, Pluck, Buzz, Click, Thud, Kick, Hat, Sparkle };

class Synth {
public:
    Synth(double seconds, bool wrap);

    // Frequency in Hz, start and length in seconds, gain 0..1, pan -1..1.
    void note(Voice voice, double frequency, double start, double length, double gain, double pan = 0);
    // Scales to the given peak and converts to interleaved 16-bit little-endian PCM.
    std::string pcm16(double peak) const;
    double seconds() const { return double(m_frames) / kSampleRate; }

    static double frequencyOf(const std::string& noteName); // "c5", "f#4", "bb3"; 0 if unknown

private:
    void add(size_t frame, double value, double pan);
    size_t m_frames;
    bool m_wrap;
    std::vector<float> m_left;
    std::vector<float> m_right;
};

} // namespace brindle::assets
