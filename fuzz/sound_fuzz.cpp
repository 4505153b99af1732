// Sound loading on any bytes: a sound in the mixer's format or nothing, never a crash.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "platform/audio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SoundRef sound = LoadSoundFromMemory(data, size);
    if (!sound) return 0;
    if (sound->samples.empty() || sound->samples.size() % 2 != 0) __builtin_trap();
    for (float sample : sound->samples) {
        if (!std::isfinite(sample)) __builtin_trap();
    }
    return 0;
}
