// The headless backend's sound output: the mixer runs into memory at the pace of the simulated
// clock, so a run's sound is the same every time and can be checked or written out as a WAV file.
#include <strings.h>

#include <algorithm>
#include <cstring>

#include "platform/audio.h"
#include "platform/files.h"

namespace {

bool running = false;
int64_t elapsedMs = 0;   // simulated time since StartMemoryAudio
int64_t framesMixed = 0; // frames mixed in that time, kept or not
std::vector<int16_t> kept;

constexpr int BlockFrames = 1024;
constexpr size_t MaxKeptSamples = size_t{2} * MixRate * MaxMemoryAudioSeconds;

void PutLittle(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; i++) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void StartMemoryAudio() {
    running = true;
    elapsedMs = 0;
    framesMixed = 0;
    kept.clear();
}

void AdvanceMemoryAudio(int ms) {
    if (!running || ms <= 0) return;
    elapsedMs += ms;
    // Frames due by now, counted from the start, so fractions never pile up or get lost.
    const int64_t due = elapsedMs * MixRate / 1000;
    const bool keep = strcasecmp(ActiveAudioDriver().c_str(), "Silent") != 0;
    int16_t block[2 * BlockFrames];
    while (framesMixed < due) {
        const int frames = static_cast<int>(std::min<int64_t>(BlockFrames, due - framesMixed));
        MixAudioS16(block, frames);
        framesMixed += frames;
        if (!keep) continue;
        const size_t room = MaxKeptSamples - kept.size();
        kept.insert(kept.end(), block, block + std::min<size_t>(room, 2 * size_t(frames)));
    }
}

const std::vector<int16_t>& MixedAudio() {
    return kept;
}

bool WriteMixedAudioWav(const std::string& path) {
    const uint32_t dataBytes = static_cast<uint32_t>(kept.size() * sizeof(int16_t));
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutLittle(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLittle(out, 16, 4);              // format chunk size
    PutLittle(out, 1, 2);               // PCM
    PutLittle(out, 2, 2);               // channels
    PutLittle(out, MixRate, 4);         // frames per second
    PutLittle(out, MixRate * 2 * 2, 4); // bytes per second
    PutLittle(out, 4, 2);               // bytes per frame
    PutLittle(out, 16, 2);              // bits per sample
    out += "data";
    PutLittle(out, dataBytes, 4);
    for (int16_t sample : kept) PutLittle(out, static_cast<uint16_t>(sample), 2);
    return WriteFileAtomic(path, out);
}
