// Numbered sound effects played over a ring of channels.
#pragma once

#include <array>

#include "platform/audio.h"

// Effect n (1-200) loaded from the data folder's n.wav (three digits), or empty.
extern std::array<SoundRef, 201> sfxSounds;
// Playback channel handles (0 = none). Slots 20-255 are the effects' ring; 256 holds the chime.
extern std::array<int, 260> soundChannels;

// Plays effect number at rate (1 normal), volume (0-1) and pan (-1 left .. 1 right), scaled by the
// master and sound volume settings. Each call takes the next slot of the ring of 236 channels,
// cutting off whatever still played there.
void PlaySfx(int number, float rate, float volume, float pan);
// Back to the start: the ring's next slot is 21 again and every slot empty (tests).
void ResetSoundEffects();
