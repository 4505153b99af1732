// Sound building blocks: mono float buffers at 44100 Hz, tones, noise, sweeps, filters and the
// finishing touches every effect gets (no DC, short fades, a fixed peak).
#pragma once

#include <cstdint>
#include <vector>

constexpr int sampleRate = 44100;

using Samples = std::vector<float>;

int SampleCount(float seconds);
Samples Silence(float seconds);

// A repeatable noise source: the same seed gives the same noise on every run.
struct NoiseSource {
    std::uint32_t state = 1;
};
float NextNoise(NoiseSource& noise); // -1 .. 1

// Adds a tone whose frequency glides exponentially from f0 to f1 (Hz) over its length, with the
// given harmonics' weights (1st, 2nd, ...), at start seconds, lasting length seconds. Its loudness
// rises over attack seconds and then decays with the decay time constant (seconds).
struct Tone {
    float start = 0, length = 0.1f;
    float f0 = 440, f1 = 440;
    std::vector<float> harmonics{1};
    float attack = 0.003f, decay = 0.1f;
    float level = 1;
    float vibratoHz = 0, vibratoDepth = 0; // depth as a fraction of the frequency
};
void AddTone(Samples& out, const Tone& tone);

// Adds filtered noise: a two-pole band-pass whose centre glides from f0 to f1 (Hz), with the same
// envelope as a tone. A hold above 1 holds each noise value for that many samples (a crunchier,
// lo-fi grain).
struct NoiseBurst {
    float start = 0, length = 0.1f;
    float f0 = 1000, f1 = 1000;
    float q = 1;
    float attack = 0.002f, decay = 0.05f;
    float level = 1;
    int hold = 1;
    std::uint32_t seed = 1;
};
void AddNoise(Samples& out, const NoiseBurst& burst);

void LowPass(Samples& samples, float cutoffHz);

// Removes any DC offset and fades in over fadeIn and out over fadeOut seconds, so nothing clicks
// at either end.
void RemoveDcAndFade(Samples& samples, float fadeIn, float fadeOut);
float Peak(const Samples& samples);
void Gain(Samples& samples, float gain);
// RemoveDcAndFade, then the loudest sample scaled to peakDb decibels below full scale.
void Finish(Samples& samples, float fadeIn, float fadeOut, float peakDb);
float DecibelsBelowFull(float db); // the linear level db decibels below full scale
