#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float twoPi = 2 * std::numbers::pi_v<float>;

float Envelope(float t, float attack, float decay) {
    float rise = attack > 0 ? std::min(t / attack, 1.0f) : 1.0f;
    float fall = t > attack ? std::exp(-(t - attack) / decay) : 1.0f;
    return rise * fall;
}

} // namespace

int SampleCount(float seconds) {
    return static_cast<int>(seconds * sampleRate);
}

Samples Silence(float seconds) {
    return Samples(SampleCount(seconds), 0.0f);
}

float NextNoise(NoiseSource& noise) {
    // xorshift32: small, fast and the same everywhere.
    std::uint32_t x = noise.state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    noise.state = x;
    return static_cast<float>(x) / 2147483648.0f - 1.0f;
}

void AddTone(Samples& out, const Tone& tone) {
    int first = SampleCount(tone.start);
    int count = SampleCount(tone.length);
    double phase = 0;
    for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
        float t = static_cast<float>(i) / sampleRate;
        float progress = static_cast<float>(i) / count;
        float f = tone.f0 * std::pow(tone.f1 / tone.f0, progress);
        if (tone.vibratoHz > 0) f *= 1 + tone.vibratoDepth * std::sin(twoPi * tone.vibratoHz * t);
        phase += static_cast<double>(f) / sampleRate;
        float value = 0;
        for (size_t h = 0; h < tone.harmonics.size(); ++h) {
            // Harmonics above the Nyquist limit would fold back as noise; leave them out.
            if (f * (h + 1) >= sampleRate / 2) break;
            value += tone.harmonics[h] * static_cast<float>(std::sin(twoPi * phase * (h + 1)));
        }
        out[first + i] += value * tone.level * Envelope(t, tone.attack, tone.decay);
    }
}

void AddNoise(Samples& out, const NoiseBurst& burst) {
    NoiseSource noise{burst.seed};
    int first = SampleCount(burst.start);
    int count = SampleCount(burst.length);
    float low = 0, band = 0, held = 0;
    for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
        float t = static_cast<float>(i) / sampleRate;
        float progress = static_cast<float>(i) / count;
        float f = burst.f0 * std::pow(burst.f1 / burst.f0, progress);
        if (i % std::max(burst.hold, 1) == 0) held = NextNoise(noise);
        // Chamberlin state-variable filter, band-pass output.
        float k =
            2 * std::sin(std::numbers::pi_v<float> * std::min(f, 0.2f * sampleRate) / sampleRate);
        float damping = 1 / burst.q;
        low += k * band;
        float high = held - low - damping * band;
        band += k * high;
        out[first + i] += band * burst.level * Envelope(t, burst.attack, burst.decay);
    }
}

void LowPass(Samples& samples, float cutoffHz) {
    float a = 1 - std::exp(-twoPi * cutoffHz / sampleRate);
    float state = 0;
    for (float& s : samples) {
        state += a * (s - state);
        s = state;
    }
}

void RemoveDcAndFade(Samples& samples, float fadeIn, float fadeOut) {
    if (samples.empty()) return;
    double sum = 0;
    for (float s : samples) sum += s;
    float mean = static_cast<float>(sum / samples.size());
    for (float& s : samples) s -= mean;
    int in = std::max(1, SampleCount(fadeIn));
    int out = std::max(1, SampleCount(fadeOut));
    int n = static_cast<int>(samples.size());
    for (int i = 0; i < n; ++i) {
        float gain = 1;
        if (i < in) gain *= static_cast<float>(i) / in;
        if (i >= n - out) gain *= static_cast<float>(n - 1 - i) / out;
        samples[i] *= gain;
    }
}

float Peak(const Samples& samples) {
    float peak = 0;
    for (float s : samples) peak = std::max(peak, std::fabs(s));
    return peak;
}

void Gain(Samples& samples, float gain) {
    for (float& s : samples) s *= gain;
}

float DecibelsBelowFull(float db) {
    return std::pow(10.0f, -db / 20);
}

void Finish(Samples& samples, float fadeIn, float fadeOut, float peakDb) {
    RemoveDcAndFade(samples, fadeIn, fadeOut);
    float peak = Peak(samples);
    if (peak > 0) Gain(samples, DecibelsBelowFull(peakDb) / peak);
}
