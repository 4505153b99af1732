// Sound loading on any bytes: a sound in the mixer's format or nothing, never a crash.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/audio.h"

namespace {

// Ogg pages carry a checksum, so nearly every mutation of an Ogg file is refused before the
// Vorbis decoder sees it. A second pass with the checksums put right lets the mutations through.
uint32_t OggCrc(const uint8_t* data, size_t size) {
    uint32_t crc = 0;
    for (size_t i = 0; i < size; i++) {
        crc ^= static_cast<uint32_t>(data[i]) << 24;
        for (int bit = 0; bit < 8; bit++)
            crc = crc & 0x80000000u ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

bool RepairOggChecksums(std::vector<uint8_t>& file) {
    bool any = false;
    size_t at = 0;
    while (at + 27 <= file.size() && file[at] == 'O' && file[at + 1] == 'g' &&
           file[at + 2] == 'g' && file[at + 3] == 'S') {
        const size_t segments = file[at + 26];
        if (at + 27 + segments > file.size()) break;
        size_t body = 0;
        for (size_t s = 0; s < segments; s++) body += file[at + 27 + s];
        const size_t length = 27 + segments + body;
        if (at + length > file.size()) break;
        for (int i = 22; i < 26; i++) file[at + i] = 0;
        const uint32_t crc = OggCrc(&file[at], length);
        for (int i = 0; i < 4; i++) file[at + 22 + i] = static_cast<uint8_t>(crc >> (8 * i));
        any = true;
        at += length;
    }
    return any;
}

void Check(const SoundRef& sound) {
    if (!sound) return;
    if (sound->samples.empty() || sound->samples.size() % 2 != 0) __builtin_trap();
    for (float sample : sound->samples) {
        if (!std::isfinite(sample)) __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(LoadSoundFromMemory(data, size));
    std::vector<uint8_t> repaired(data, data + size);
    if (RepairOggChecksums(repaired)) Check(LoadSoundFromMemory(repaired.data(), repaired.size()));
    return 0;
}
