#include "game/sound_effects.h"

#include <algorithm>

#include "shell/settings.h"

std::array<SoundRef, 201> sfxSounds;
std::array<int, 260> soundChannels{};

namespace {
// The ring uses slots 20-255; the counter is raised before use, so the first effect takes 21.
constexpr int FirstRingSlot = 20;
constexpr int RingEnd = 256;
int nextSlot = FirstRingSlot;
} // namespace

void PlaySfx(int number, float rate, float volume, float pan) {
    if (settings.soundVolume <= 0) return;
    if (number < 1 || number > 200 || !sfxSounds[number]) return;
    nextSlot++;
    if (nextSlot >= RingEnd) nextSlot = FirstRingSlot;
    int& channel = soundChannels[nextSlot];
    volume = std::clamp(volume, 0.0f, 1.0f);
    rate = std::clamp(rate, 0.25f, 4.0f);
    pan = std::clamp(pan, -1.0f, 1.0f);
    // A channel still playing is cut off; one that has finished is reused as it is.
    if (channel != 0 && ChannelPlaying(channel)) {
        StopChannel(channel);
        FreeChannel(channel);
        channel = 0;
    }
    if (channel == 0) channel = NewChannel();
    PrepareChannel(channel, sfxSounds[number]);
    // In floating point: settings read from a damaged file must not overflow an int product.
    SetChannelVolume(channel, static_cast<float>(settings.masterVolume) * settings.soundVolume /
                                  10000.0f * volume);
    SetChannelPan(channel, pan);
    SetChannelRate(channel, rate);
    StartChannel(channel);
}

void ResetSoundEffects() {
    nextSlot = FirstRingSlot;
    soundChannels.fill(0);
    sfxSounds.fill(nullptr);
}
