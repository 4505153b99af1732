// Our own mixer: channels with volume, linear pan and a playback rate by linear interpolation,
// mixed in float and clipped. No packaged mixer does per-channel rates, which the hammer blows
// need.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/audio.h"

namespace {

// Far above any rate the game asks for; it keeps the position a finite number of frames.
constexpr float MaxChannelRate = 64.0f;

// Positions and steps are fixed-point frames of the sound with 32 bits of fraction: exact, and
// much cheaper in the inner loop than turning a floating-point position into an index.
constexpr int FractionBits = 32;
constexpr double FixedOne = 4294967296.0;
constexpr float FractionScale = 1.0f / 4294967296.0f;

struct Channel {
    SoundRef sound;
    uint64_t position = 0; // fixed point, in frames of the sound
    uint64_t step = uint64_t{1} << FractionBits;
    float volume = 1, pan = 0, rate = 1;
    bool started = false;
    bool free = false;
};

// The sdl backend mixes on SDL's audio thread, so every channel change takes this lock.
std::mutex mixerLock;
std::vector<Channel> channels(1); // handle 0 is never a channel

Channel* Find(int handle) {
    if (handle <= 0 || handle >= static_cast<int>(channels.size())) return nullptr;
    return channels[handle].free ? nullptr : &channels[handle];
}

bool Playing(const Channel& c) {
    return c.started && c.sound &&
           (c.position >> FractionBits) < static_cast<uint64_t>(c.sound->frames());
}

} // namespace

int NewChannel() {
    std::lock_guard<std::mutex> hold(mixerLock);
    for (size_t h = 1; h < channels.size(); h++) {
        if (channels[h].free) {
            channels[h] = Channel{};
            return static_cast<int>(h);
        }
    }
    channels.emplace_back();
    return static_cast<int>(channels.size()) - 1;
}

void FreeChannel(int handle) {
    std::lock_guard<std::mutex> hold(mixerLock);
    if (Channel* c = Find(handle)) {
        *c = Channel{};
        c->free = true;
    }
}

void PrepareChannel(int handle, const SoundRef& sound) {
    std::lock_guard<std::mutex> hold(mixerLock);
    if (Channel* c = Find(handle)) {
        c->sound = sound;
        c->position = 0;
        c->started = false;
    }
}

// A value that is not a number would poison the whole mix (and a position that is not a number
// cannot be turned into a frame index), so it reads as the neutral setting.
void SetChannelVolume(int handle, float volume) {
    std::lock_guard<std::mutex> hold(mixerLock);
    if (std::isnan(volume)) volume = 0;
    if (Channel* c = Find(handle)) c->volume = std::clamp(volume, 0.0f, 1.0f);
}

void SetChannelPan(int handle, float pan) {
    std::lock_guard<std::mutex> hold(mixerLock);
    if (std::isnan(pan)) pan = 0;
    if (Channel* c = Find(handle)) c->pan = std::clamp(pan, -1.0f, 1.0f);
}

void SetChannelRate(int handle, float rate) {
    std::lock_guard<std::mutex> hold(mixerLock);
    if (std::isnan(rate)) rate = 1;
    if (Channel* c = Find(handle)) {
        c->rate = std::clamp(rate, 0.0f, MaxChannelRate);
        c->step = static_cast<uint64_t>(static_cast<double>(c->rate) * FixedOne);
    }
}

void StartChannel(int handle) {
    std::lock_guard<std::mutex> hold(mixerLock);
    if (Channel* c = Find(handle)) c->started = c->sound != nullptr;
}

void StopChannel(int handle) {
    std::lock_guard<std::mutex> hold(mixerLock);
    if (Channel* c = Find(handle)) c->started = false;
}

bool ChannelPlaying(int handle) {
    std::lock_guard<std::mutex> hold(mixerLock);
    Channel* c = Find(handle);
    return c && Playing(*c);
}

namespace {

// Adds frames of one channel into out, from its position on, and moves the position on.
void MixChannel(Channel& c, float* out, int frames) {
    const float* in = c.sound->samples.data();
    const uint64_t length = static_cast<uint64_t>(c.sound->frames());
    const uint64_t last = length - 1;
    // Linear pan: full volume on the near side, fading to nothing on the far side.
    const float left = c.volume * (c.pan > 0 ? 1.0f - c.pan : 1.0f);
    const float right = c.volume * (c.pan < 0 ? 1.0f + c.pan : 1.0f);
    const uint64_t step = c.step;
    uint64_t pos = c.position;
    int i = 0;
    // Frames that lie before the sound's last frame interpolate towards the next one; how many
    // there are is worked out first so that the loop itself tests nothing.
    if ((pos >> FractionBits) < last) {
        const uint64_t room = (last << FractionBits) - pos;
        const uint64_t count = step == 0 ? frames : (room + step - 1) / step;
        const int n = static_cast<int>(std::min<uint64_t>(count, static_cast<uint64_t>(frames)));
        if (step == uint64_t{1} << FractionBits && (pos & 0xFFFFFFFFu) == 0) {
            const float* from = in + 2 * (pos >> FractionBits);
            for (; i < n; i++) {
                out[2 * i] += from[2 * i] * left;
                out[2 * i + 1] += from[2 * i + 1] * right;
            }
            pos += static_cast<uint64_t>(n) << FractionBits;
        } else {
            for (; i < n; i++) {
                const float* at = in + 2 * (pos >> FractionBits);
                const float frac = static_cast<float>(pos & 0xFFFFFFFFu) * FractionScale;
                out[2 * i] += (at[0] + (at[2] - at[0]) * frac) * left;
                out[2 * i + 1] += (at[1] + (at[3] - at[1]) * frac) * right;
                pos += step;
            }
        }
    }
    // The last frame has nothing after it to lean towards.
    for (; i < frames && (pos >> FractionBits) == last; i++) {
        out[2 * i] += in[2 * last] * left;
        out[2 * i + 1] += in[2 * last + 1] * right;
        pos += step;
    }
    c.position = pos;
}

} // namespace

void MixAudio(float* out, int frames) {
    std::fill(out, out + 2 * frames, 0.0f);
    std::lock_guard<std::mutex> hold(mixerLock);
    for (size_t h = 1; h < channels.size(); h++) {
        if (Playing(channels[h])) MixChannel(channels[h], out, frames);
    }
    for (int i = 0; i < 2 * frames; i++) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

void MixAudioS16(int16_t* out, int frames) {
    constexpr int Block = 1024;
    float mixed[2 * Block];
    for (int done = 0; done < frames; done += Block) {
        const int n = std::min(Block, frames - done);
        MixAudio(mixed, n);
        for (int i = 0; i < 2 * n; i++)
            out[2 * done + i] = static_cast<int16_t>(std::lrint(mixed[i] * 32767.0f));
    }
}

void ResetMixer() {
    std::lock_guard<std::mutex> hold(mixerLock);
    channels.assign(1, Channel{});
}
