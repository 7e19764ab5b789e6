#include "synth.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace generator {

namespace {

constexpr int rate = 22050;
constexpr double twoPi = 2.0 * std::numbers::pi;

double frequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// Adds one note to the buffer at time start (seconds), wrapping past the end so a loop joins.
// tone(t) gives the sound at t seconds into the note, envelope included.
template <typename Tone>
void addNote(std::vector<float>& buffer, double start, double seconds, Tone tone) {
    const auto first = static_cast<std::size_t>(std::lround(start * rate));
    const auto count = static_cast<std::size_t>(std::lround(seconds * rate));
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        buffer[(first + i) % buffer.size()] += static_cast<float>(tone(t));
    }
}

// Rises over attack seconds, holds, then falls to silence over release seconds ending at length.
double softEnvelope(double t, double attack, double length, double release) {
    if (t < 0 || t > length) {
        return 0;
    }
    const double rise = t < attack ? std::sin(0.5 * std::numbers::pi * t / attack) : 1.0;
    const double left = length - t;
    const double fall = left < release ? std::sin(0.5 * std::numbers::pi * left / release) : 1.0;
    return rise * fall;
}

void normalise(std::vector<float>& samples, float peak) {
    float highest = 0;
    for (const float sample : samples) {
        highest = std::max(highest, std::abs(sample));
    }
    if (highest > 0) {
        for (float& sample : samples) {
            sample *= peak / highest;
        }
    }
}

struct Chord {
    int root;                 // bass note
    std::array<int, 3> tones; // the triad, mid register
};

struct MelodyNote {
    double beat;   // from the bar's start
    double length; // in beats
    int note;
};

} // namespace

MonoSound backgroundMusic() {
    constexpr double beat = 60.0 / 72.0;
    constexpr int beatsPerBar = 4;
    const std::array<Chord, 12> chords = {{
        {38, {62, 66, 69}}, // D
        {35, {59, 62, 66}}, // Bm
        {43, {55, 59, 62}}, // G
        {45, {57, 61, 64}}, // A
        {38, {62, 66, 69}}, // D
        {42, {61, 66, 69}}, // F#m
        {43, {55, 59, 62}}, // G
        {45, {57, 61, 64}}, // A
        {35, {59, 62, 66}}, // Bm
        {43, {55, 59, 62}}, // G
        {40, {55, 59, 64}}, // Em
        {45, {57, 61, 64}}, // A
    }};
    const std::array<std::vector<MelodyNote>, 12> melody = {{
        {{0, 2, 78}, {2, 1, 76}, {3, 1, 74}},
        {{0, 1.5, 74}, {1.5, 0.5, 71}, {2, 2, 69}},
        {{0, 1, 71}, {1, 1, 74}, {2, 2, 76}},
        {{0, 3, 76}},
        {{0, 1, 78}, {1, 1, 81}, {2, 1, 78}, {3, 1, 76}},
        {{0, 2, 78}, {2, 1, 76}, {3, 1, 73}},
        {{0, 2, 74}, {2, 2, 71}},
        {{0, 1, 69}, {1, 1, 71}, {2, 1, 73}, {3, 1, 76}},
        {{0, 2, 74}, {2, 2, 78}},
        {{0, 1.5, 79}, {1.5, 0.5, 78}, {2, 2, 76}},
        {{0, 1, 76}, {1, 1, 79}, {2, 1, 78}, {3, 1, 76}},
        {{0, 1, 76}, {1, 1, 73}, {2, 2, 69}},
    }};
    const double barSeconds = beat * beatsPerBar;
    const double loopSeconds = barSeconds * static_cast<double>(chords.size());

    MonoSound sound;
    sound.sampleRate = rate;
    sound.samples.assign(static_cast<std::size_t>(std::lround(loopSeconds * rate)), 0.0f);
    std::vector<float>& out = sound.samples;

    for (std::size_t bar = 0; bar < chords.size(); ++bar) {
        const double barStart = barSeconds * static_cast<double>(bar);
        const Chord& chord = chords[bar];

        // Pad: each chord tone as two slightly detuned soft voices, overlapping the next bar.
        for (const int note : chord.tones) {
            const double f = frequency(note);
            const double length = barSeconds + 0.6;
            addNote(out, barStart, length, [=](double t) {
                const double envelope = softEnvelope(t, 0.7, length, 1.0);
                const double voice = std::sin(twoPi * f * t) + 0.25 * std::sin(twoPi * 2 * f * t) +
                                     std::sin(twoPi * f * 1.003 * t + 1.0);
                return 0.035 * envelope * voice;
            });
        }

        // Bass on beats one and three.
        for (const double at : {0.0, 2.0}) {
            const double f = frequency(chord.root);
            const double length = beat * 2;
            addNote(out, barStart + at * beat, length, [=](double t) {
                const double envelope = softEnvelope(t, 0.02, length, 0.3) * std::exp(-t * 1.2);
                return 0.16 * envelope *
                       (std::sin(twoPi * f * t) + 0.3 * std::sin(twoPi * 2 * f * t));
            });
        }

        // Music-box arpeggio in eighths, an octave above the pad.
        const std::array<int, 8> pattern = {0, 1, 2, 1, 0, 1, 2, 1};
        for (int step = 0; step < 8; ++step) {
            const int note = chord.tones[static_cast<std::size_t>(pattern[step])] + 12;
            const double f = frequency(note);
            const double length = 1.2;
            addNote(out, barStart + step * beat / 2, length, [=](double t) {
                const double envelope = softEnvelope(t, 0.004, length, 0.2) * std::exp(-t * 4.0);
                return 0.045 * envelope *
                       (std::sin(twoPi * f * t) + 0.2 * std::sin(twoPi * 4.01 * f * t));
            });
        }

        // Melody: a soft flute-like voice with a slow vibrato.
        for (const MelodyNote& note : melody[bar]) {
            const double f = frequency(note.note);
            const double length = note.length * beat + 0.15;
            addNote(out, barStart + note.beat * beat, length, [=](double t) {
                const double envelope = softEnvelope(t, 0.06, length, 0.25);
                const double vibrato = 0.003 * std::sin(twoPi * 5.0 * t) * std::min(1.0, t / 0.4);
                const double phase = twoPi * f * t * (1.0 + vibrato);
                return 0.12 * envelope *
                       (std::sin(phase) + 0.18 * std::sin(2 * phase) + 0.06 * std::sin(3 * phase));
            });
        }
    }
    normalise(out, 0.7f);
    return sound;
}

MonoSound placeholderLoop() {
    constexpr double chordSeconds = 1.5;
    const std::array<Chord, 4> chords = {{
        {38, {62, 66, 69}}, // D
        {35, {59, 62, 66}}, // Bm
        {43, {55, 59, 62}}, // G
        {45, {57, 61, 64}}, // A
    }};
    MonoSound sound;
    sound.sampleRate = rate;
    sound.samples.assign(static_cast<std::size_t>(std::lround(chordSeconds * chords.size() * rate)),
                         0.0f);
    for (std::size_t index = 0; index < chords.size(); ++index) {
        const double start = chordSeconds * static_cast<double>(index);
        // Each tone overlaps the next chord; addNote wraps the last one onto the start.
        const double length = chordSeconds + 0.5;
        for (const int note : chords[index].tones) {
            const double f = frequency(note);
            addNote(sound.samples, start, length, [=](double t) {
                return softEnvelope(t, 0.4, length, 0.7) *
                       (std::sin(twoPi * f * t) + 0.2 * std::sin(twoPi * 2 * f * t));
            });
        }
        const double bass = frequency(chords[index].root);
        addNote(sound.samples, start, chordSeconds, [=](double t) {
            return 0.8 * softEnvelope(t, 0.02, chordSeconds, 0.4) * std::sin(twoPi * bass * t);
        });
    }
    normalise(sound.samples, 0.5f);
    return sound;
}

MonoSound typingClick() {
    MonoSound sound;
    sound.sampleRate = rate;
    const int count = rate * 40 / 1000;
    sound.samples.resize(static_cast<std::size_t>(count));
    QRandomGenerator noise(913);
    double filtered = 0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        filtered += 0.25 * ((noise.generateDouble() * 2 - 1) - filtered); // soften the noise
        const double body = std::sin(twoPi * 1600 * t) * std::exp(-t / 0.006);
        const double fadeOut = std::min(1.0, (count - i) / (0.01 * rate));
        sound.samples[static_cast<std::size_t>(i)] =
            static_cast<float>((0.5 * filtered * std::exp(-t / 0.004) + 0.3 * body) * fadeOut);
    }
    normalise(sound.samples, 0.35f);
    return sound;
}

MonoSound choiceChime() {
    MonoSound sound;
    sound.sampleRate = rate;
    const double seconds = 0.28;
    sound.samples.assign(static_cast<std::size_t>(std::lround(seconds * rate)), 0.0f);
    const std::array<std::pair<double, int>, 2> notes = {{{0.0, 88}, {0.07, 93}}}; // E6, A6
    for (const auto& [start, note] : notes) {
        const double f = frequency(note);
        const double length = seconds - start;
        for (std::size_t i = 0; i < sound.samples.size(); ++i) {
            const double t = static_cast<double>(i) / rate - start;
            const double envelope = softEnvelope(t, 0.003, length, 0.08) * std::exp(-t / 0.09);
            sound.samples[i] += static_cast<float>(
                envelope * (std::sin(twoPi * f * t) + 0.3 * std::sin(twoPi * 2.76 * f * t)));
        }
    }
    normalise(sound.samples, 0.45f);
    return sound;
}

} // namespace generator
