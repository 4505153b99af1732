#include "game/game_fixture.h"

#include <memory>

void LoadSounds(const std::set<int>& numbers) {
    auto sound = std::make_shared<Sound>();
    sound->samples.assign(2 * 4410, 0.1f);
    for (int n : numbers) sfxSounds[n] = sound;
}

int SoundsStarted() {
    int started = 0;
    for (int slot = 20; slot < 256; slot++)
        if (soundChannels[slot] != 0 && ChannelPlaying(soundChannels[slot])) started++;
    return started;
}
