// The cost of the mixer with the whole effects ring sounding: one second of sound (MixRate frames)
// in blocks of 1024 frames, as the sound device's callback asks for it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "game/sound_effects.h"
#include "platform/audio.h"
#include "shell/settings.h"

namespace {

// Six seconds of a tone: long enough to sound through a whole second at the fastest rate.
SoundRef Tone(float frequency) {
    auto sound = std::make_shared<Sound>();
    const int frames = 6 * MixRate;
    sound->samples.resize(2 * static_cast<size_t>(frames));
    for (int i = 0; i < frames; i++) {
        const float value = 0.01f * std::sin(6.2831853f * frequency * i / MixRate);
        sound->samples[2 * i] = value;
        sound->samples[2 * i + 1] = -value;
    }
    return sound;
}

void StartRing() {
    ResetMixer();
    ResetSoundEffects();
    for (int n = 1; n <= 8; n++) sfxSounds[n] = Tone(110.0f * n);
    settings.masterVolume = 100;
    settings.soundVolume = 100;
    // 236 effects at rates from 0.25 to 4 and pans across the field, so every slot sounds.
    for (int i = 0; i < 236; i++) {
        const float rate = 0.25f + 3.75f * static_cast<float>((i * 37) % 236) / 235.0f;
        const float pan = -1.0f + 2.0f * static_cast<float>((i * 91) % 236) / 235.0f;
        PlaySfx(1 + i % 8, i % 5 == 0 ? 1.0f : rate, 0.8f, pan);
    }
}

void MixOneSecondOfTheFullRing(benchmark::State& state) {
    std::vector<int16_t> block(2 * 1024);
    for (auto _ : state) {
        state.PauseTiming();
        StartRing();
        state.ResumeTiming();
        for (int done = 0; done < MixRate; done += 1024) {
            MixAudioS16(block.data(), std::min(1024, MixRate - done));
            benchmark::DoNotOptimize(block.data());
        }
    }
    int playing = 0;
    for (int slot = 20; slot < 256; slot++) playing += ChannelPlaying(soundChannels[slot]);
    state.counters["channelsStillPlaying"] = playing;
}
BENCHMARK(MixOneSecondOfTheFullRing)->Unit(benchmark::kMillisecond);

} // namespace
