#include "sound/Score.h"

#include <cmath>
#include <map>

namespace brindle::assets {

namespace {

struct Step {
    double frequency; // 0 = rest
    double length;
};

// "e5:1" words; '|' words are skipped.
std::vector<Step> steps(const DescriptionLine& line, size_t from)
{
    std::vector<Step> out;
    for (size_t i = from; i < line.words.size(); ++i) {
        const std::string& w = line.words[i];
        if (w == "|")
            continue;
        const size_t colon = w.find(':');
        if (colon == std::string::npos)
            line.fail("'" + w + "' is not note:length");
        const std::string name = w.substr(0, colon);
        const double length = parseNumber(line, w.substr(colon + 1), "length of " + name);
        const double f = name == "r" ? 0 : Synth::frequencyOf(name);
        if (name != "r" && f == 0)
            line.fail("unknown note '" + name + "'");
        if (length <= 0)
            line.fail("length of " + name + " must be positive");
        out.push_back({ f, length });
    }
    return out;
}

// Chord symbol to MIDI notes of a triad around octave 4.
std::vector<int> chordNotes(const DescriptionLine& line, const std::string& symbol)
{
    static const std::map<char, int> roots { { 'C', 60 }, { 'D', 62 }, { 'E', 64 }, { 'F', 65 }, { 'G', 67 }, { 'A', 57 }, { 'B', 59 } };
    if (symbol.empty() || !roots.count(symbol[0]))
        line.fail("unknown chord '" + symbol + "'");
    int root = roots.at(symbol[0]);
    size_t i = 1;
    if (i < symbol.size() && symbol[i] == '#') { ++root; ++i; }
    else if (i < symbol.size() && symbol[i] == 'b') { --root; ++i; }
    const std::string quality = symbol.substr(i);
    if (quality == "") return { root, root + 4, root + 7 };
    if (quality == "m") return { root, root + 3, root + 7 };
    if (quality == "7") return { root, root + 4, root + 7, root + 10 };
    if (quality == "maj7") return { root, root + 4, root + 7, root + 11 };
    line.fail("unknown chord quality in '" + symbol + "'");
}

double midiHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

Voice voiceOf(const DescriptionLine& line, const std::string& name)
{
    static const std::map<std::string, Voice> voices { { "bell", Voice::Bell }, { "sparkle", Voice::Sparkle },
        { "pluck", Voice::Pluck }, { "buzz", Voice::Buzz }, { "click", Voice::Click }, { "thud", Voice::Thud },
        { "hat", Voice::Hat }, { "kick", Voice::Kick }, { "bass", Voice::Bass }, { "pad", Voice::Pad } };
    auto it = voices.find(name);
    if (it == voices.end())
        line.fail("unknown voice '" + name + "'");
    return it->second;
}

// Groups a header line with the indented lines under it.
template <typename F>
void blocks(const std::vector<DescriptionLine>& lines, const char* header, F handle)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto& head = lines[i];
        if (head.indent != 0)
            head.fail("indented line outside a block");
        if (head.words[0] != header)
            head.fail(std::string("expected '") + header + "'");
        std::vector<const DescriptionLine*> body;
        while (i + 1 < lines.size() && lines[i + 1].indent > 0)
            body.push_back(&lines[++i]);
        handle(head, body);
    }
}

} // namespace

std::vector<SoundPiece> Score::music(const std::vector<DescriptionLine>& lines)
{
    std::vector<SoundPiece> out;
    blocks(lines, "music", [&](const DescriptionLine& head, const std::vector<const DescriptionLine*>& body) {
        head.allowOnly({ "folder", "bpm", "bars" });
        const double beat = 60.0 / head.number("bpm", 120);
        const int bars = head.integer("bars", 16);
        const double bar = beat * 4;
        Synth synth(bar * bars, true);
        std::vector<Step> melody;
        std::vector<std::string> chords;
        std::string drums;
        for (const auto* line : body) {
            const std::string& kind = line->word(0, "part name");
            if (kind == "chords") {
                for (size_t i = 1; i < line->words.size(); ++i)
                    chords.push_back(line->words[i]);
            } else if (kind == "melody") {
                auto more = steps(*line, 1);
                melody.insert(melody.end(), more.begin(), more.end());
            } else if (kind == "drums") {
                drums = line->word(1, "drum style");
            } else {
                line->fail("unknown part '" + kind + "'");
            }
        }
        if (int(chords.size()) != bars)
            head.fail(std::to_string(chords.size()) + " chords for " + std::to_string(bars) + " bars");
        double total = 0;
        for (const auto& s : melody)
            total += s.length;
        if (std::abs(total - bars * 4) > 1e-6)
            head.fail("melody lasts " + std::to_string(total) + " beats, the loop " + std::to_string(bars * 4));
        for (int b = 0; b < bars; ++b) {
            const auto notes = chordNotes(head, chords[size_t(b)]);
            const double t = b * bar;
            for (size_t k = 0; k < notes.size(); ++k)
                synth.note(Voice::Pad, midiHz(notes[k]), t, bar * 0.9, 0.07, k % 2 ? 0.3 : -0.3);
            synth.note(Voice::Bass, midiHz(notes[0] - 24), t, beat * 1.5, 0.32);
            synth.note(Voice::Bass, midiHz(notes[0] - 24 + 7), t + beat * 2, beat * 0.9, 0.24);
            synth.note(Voice::Bass, midiHz(notes[0] - 24), t + beat * 3, beat * 0.9, 0.22);
            if (drums == "bouncy")
                for (size_t k = 0; k < notes.size(); ++k)
                    for (int q = 0; q < 4; ++q)
                        synth.note(Voice::Pluck, midiHz(notes[k] + 12), t + q * beat + beat * 0.5, beat * 0.3, 0.05, 0.4);
            if (!drums.empty()) {
                for (int q = 0; q < 4; ++q) {
                    if (q % 2 == 0)
                        synth.note(Voice::Kick, 110, t + q * beat, 0.2, drums == "soft" ? 0.28 : 0.36);
                    synth.note(Voice::Hat, 1, t + q * beat + beat / 2, 0.05, drums == "soft" ? 0.05 : 0.08, 0.2);
                }
            }
        }
        double t = 0;
        for (const auto& s : melody) {
            if (s.frequency > 0) {
                synth.note(Voice::Bell, s.frequency, t, s.length * beat * 0.8, 0.3, -0.1);
                synth.note(Voice::Sparkle, s.frequency * 2, t, s.length * beat * 0.5, 0.04, 0.2);
            }
            t += s.length * beat;
        }
        out.push_back({ head.word(1, "file name"), head.text("folder", "sound"), synth.pcm16(0.8) });
    });
    return out;
}

std::vector<SoundPiece> Score::effects(const std::vector<DescriptionLine>& lines)
{
    std::vector<SoundPiece> out;
    blocks(lines, "effect", [&](const DescriptionLine& head, const std::vector<const DescriptionLine*>& body) {
        head.allowOnly({ "folder", "length" });
        Synth synth(head.number("length", 0.5), false);
        if (body.empty())
            head.fail("effect without voices");
        for (const auto* line : body) {
            const Voice voice = voiceOf(*line, line->word(0, "voice"));
            double t = 0;
            for (const auto& s : steps(*line, 1)) {
                if (s.frequency > 0)
                    synth.note(voice, s.frequency, t, s.length, 0.6);
                t += s.length;
            }
        }
        out.push_back({ head.word(1, "file name"), head.text("folder", "sound/effect"), synth.pcm16(0.7) });
    });
    return out;
}

} // namespace brindle::assets
