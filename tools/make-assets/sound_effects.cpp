#include "sound_effects.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float peakDb = 3; // every effect peaks at -3 dBFS

float Note(int semitonesFromA4) {
    return 440.0f * std::pow(2.0f, semitonesFromA4 / 12.0f);
}

// A soft square: odd harmonics falling away quickly.
const std::vector<float> softSquare{1, 0, 0.3f, 0, 0.12f, 0, 0.05f};
const std::vector<float> bell{1, 0.35f, 0.12f, 0.05f};

} // namespace

Samples SmallPrize() {
    Samples s = Silence(0.16f);
    AddTone(s, {.start = 0,
                .length = 0.06f,
                .f0 = Note(22),
                .f1 = Note(22),
                .harmonics = softSquare,
                .attack = 0.002f,
                .decay = 0.05f});
    AddTone(s, {.start = 0.05f,
                .length = 0.11f,
                .f0 = Note(27),
                .f1 = Note(27),
                .harmonics = softSquare,
                .attack = 0.002f,
                .decay = 0.04f});
    Finish(s, 0.002f, 0.015f, peakDb);
    return s;
}

Samples BigPrize() {
    Samples s = Silence(0.62f);
    const int steps[] = {15, 19, 22, 27, 31}; // C6 E6 G6 C7 E7
    for (int i = 0; i < 5; ++i) {
        AddTone(s, {.start = i * 0.07f,
                    .length = 0.62f - i * 0.07f,
                    .f0 = Note(steps[i]),
                    .f1 = Note(steps[i]),
                    .harmonics = bell,
                    .attack = 0.003f,
                    .decay = 0.09f + i * 0.03f,
                    .level = 0.6f});
    }
    Finish(s, 0.002f, 0.05f, peakDb);
    return s;
}

Samples Converter() {
    Samples s = Silence(0.5f);
    AddNoise(s, {.start = 0,
                 .length = 0.5f,
                 .f0 = 300,
                 .f1 = 4000,
                 .q = 3,
                 .attack = 0.15f,
                 .decay = 0.14f,
                 .level = 1,
                 .seed = 3});
    AddTone(s, {.start = 0,
                .length = 0.5f,
                .f0 = 220,
                .f1 = 880,
                .harmonics = {1, 0.2f},
                .attack = 0.12f,
                .decay = 0.15f,
                .level = 0.25f,
                .vibratoHz = 14,
                .vibratoDepth = 0.03f});
    Finish(s, 0.01f, 0.06f, peakDb);
    return s;
}

Samples BashRefill() {
    Samples s = Silence(0.42f);
    // Four quick rising steps, each a little glide, then a held top note with vibrato.
    const int steps[] = {-5, 0, 4, 7};
    for (int i = 0; i < 4; ++i) {
        AddTone(s, {.start = i * 0.06f,
                    .length = 0.07f,
                    .f0 = Note(steps[i]),
                    .f1 = Note(steps[i] + 2),
                    .harmonics = softSquare,
                    .attack = 0.002f,
                    .decay = 0.08f,
                    .level = 0.7f});
    }
    AddTone(s, {.start = 0.24f,
                .length = 0.18f,
                .f0 = Note(12),
                .f1 = Note(12),
                .harmonics = softSquare,
                .attack = 0.003f,
                .decay = 0.08f,
                .level = 0.8f,
                .vibratoHz = 18,
                .vibratoDepth = 0.02f});
    Finish(s, 0.002f, 0.03f, peakDb);
    return s;
}

Samples GroupBurst() {
    Samples s = Silence(0.34f);
    AddNoise(s, {.start = 0,
                 .length = 0.34f,
                 .f0 = 2500,
                 .f1 = 400,
                 .q = 0.8f,
                 .attack = 0.001f,
                 .decay = 0.08f,
                 .level = 1,
                 .hold = 4,
                 .seed = 5});
    AddNoise(s, {.start = 0.02f,
                 .length = 0.25f,
                 .f0 = 900,
                 .f1 = 200,
                 .q = 1.5f,
                 .attack = 0.002f,
                 .decay = 0.06f,
                 .level = 0.8f,
                 .hold = 9,
                 .seed = 7});
    AddTone(s, {.start = 0,
                .length = 0.2f,
                .f0 = 160,
                .f1 = 50,
                .attack = 0.001f,
                .decay = 0.06f,
                .level = 0.6f});
    Finish(s, 0.001f, 0.03f, peakDb);
    return s;
}

Samples HammerThud(int variant) {
    // 0 a dull wooden knock, 1 a deeper thump, 2 a brighter clack on stone.
    const float base[] = {140, 95, 190};
    const float drop[] = {55, 40, 80};
    const float knock[] = {1800, 900, 3200};
    const float lengths[] = {0.16f, 0.2f, 0.14f};
    Samples s = Silence(lengths[variant]);
    AddTone(s, {.start = 0,
                .length = lengths[variant],
                .f0 = base[variant],
                .f1 = drop[variant],
                .harmonics = {1, 0.25f},
                .attack = 0.001f,
                .decay = 0.045f});
    AddNoise(s, {.start = 0,
                 .length = 0.05f,
                 .f0 = knock[variant],
                 .f1 = knock[variant] * 0.4f,
                 .q = 2,
                 .attack = 0.0005f,
                 .decay = 0.012f,
                 .level = 2.5f,
                 .seed = 11u + variant});
    LowPass(s, 5000);
    Finish(s, 0.001f, 0.02f, peakDb);
    return s;
}

Samples MenuClick() {
    Samples s = Silence(0.045f);
    AddTone(
        s,
        {.start = 0, .length = 0.045f, .f0 = 2000, .f1 = 1500, .attack = 0.001f, .decay = 0.008f});
    AddNoise(s, {.start = 0,
                 .length = 0.02f,
                 .f0 = 5000,
                 .f1 = 3000,
                 .q = 1.5f,
                 .attack = 0.0005f,
                 .decay = 0.004f,
                 .level = 0.8f,
                 .seed = 13});
    Finish(s, 0.001f, 0.008f, peakDb);
    return s;
}

void StartupChime(Samples& left, Samples& right) {
    // A major chord struck from the bottom up, each note a little further across the stereo field.
    const float length = 1.3f;
    left = Silence(length);
    right = Silence(length);
    const int notes[] = {-5, -1, 2, 7}; // E4 G#4 B4 E5
    for (int i = 0; i < 4; ++i) {
        Samples note = Silence(length);
        float start = i * 0.09f;
        AddTone(note, {.start = start,
                       .length = length - start,
                       .f0 = Note(notes[i] + 12),
                       .f1 = Note(notes[i] + 12),
                       .harmonics = bell,
                       .attack = 0.004f,
                       .decay = 0.35f,
                       .level = 0.5f});
        // A quiet inharmonic partial gives the struck-metal shimmer.
        AddTone(note, {.start = start,
                       .length = length - start,
                       .f0 = Note(notes[i] + 12) * 2.76f,
                       .f1 = Note(notes[i] + 12) * 2.76f,
                       .attack = 0.002f,
                       .decay = 0.12f,
                       .level = 0.12f});
        float pan = -0.45f + 0.3f * i;
        for (size_t k = 0; k < note.size(); ++k) {
            left[k] += note[k] * (1 - pan) / 2;
            right[k] += note[k] * (1 + pan) / 2;
        }
    }
    // Both channels get the same gain, so the stereo image survives.
    RemoveDcAndFade(left, 0.003f, 0.15f);
    RemoveDcAndFade(right, 0.003f, 0.15f);
    float gain = DecibelsBelowFull(peakDb) / std::max(Peak(left), Peak(right));
    Gain(left, gain);
    Gain(right, gain);
}
