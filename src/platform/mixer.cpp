// Our own mixer: channels with volume, linear pan and a playback rate by linear interpolation,
// mixed in float and clipped. No packaged mixer does per-channel rates, which the hammer blows need.
#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

#include "platform/audio.h"

namespace {

struct Channel {
    SoundRef sound;
    double position = 0; // in frames of the sound
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
    return c.started && c.sound && c.position < static_cast<double>(c.sound->frames());
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

void SetChannelVolume(int handle, float volume) {
    std::lock_guard<std::mutex> hold(mixerLock);
    if (Channel* c = Find(handle)) c->volume = std::clamp(volume, 0.0f, 1.0f);
}

void SetChannelPan(int handle, float pan) {
    std::lock_guard<std::mutex> hold(mixerLock);
    if (Channel* c = Find(handle)) c->pan = std::clamp(pan, -1.0f, 1.0f);
}

void SetChannelRate(int handle, float rate) {
    std::lock_guard<std::mutex> hold(mixerLock);
    if (Channel* c = Find(handle)) c->rate = std::max(rate, 0.0f);
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

void MixAudio(float* out, int frames) {
    std::fill(out, out + 2 * frames, 0.0f);
    std::lock_guard<std::mutex> hold(mixerLock);
    for (size_t h = 1; h < channels.size(); h++) {
        Channel& c = channels[h];
        if (!Playing(c)) continue;
        const float* in = c.sound->samples.data();
        const int length = c.sound->frames();
        // Linear pan: full volume on the near side, fading to nothing on the far side.
        const float left = c.volume * (c.pan > 0 ? 1.0f - c.pan : 1.0f);
        const float right = c.volume * (c.pan < 0 ? 1.0f + c.pan : 1.0f);
        double pos = c.position;
        for (int i = 0; i < frames; i++) {
            int at = static_cast<int>(pos);
            if (at >= length) break;
            float frac = static_cast<float>(pos - at);
            int next = at + 1 < length ? at + 1 : at;
            float l = in[2 * at] + (in[2 * next] - in[2 * at]) * frac;
            float r = in[2 * at + 1] + (in[2 * next + 1] - in[2 * at + 1]) * frac;
            out[2 * i] += l * left;
            out[2 * i + 1] += r * right;
            pos += c.rate;
        }
        c.position = pos;
    }
    for (int i = 0; i < 2 * frames; i++) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

void MixAudioS16(int16_t* out, int frames) {
    std::vector<float> mixed(2 * static_cast<size_t>(frames));
    MixAudio(mixed.data(), frames);
    for (size_t i = 0; i < mixed.size(); i++)
        out[i] = static_cast<int16_t>(std::lrint(mixed[i] * 32767.0f));
}

void ResetMixer() {
    std::lock_guard<std::mutex> hold(mixerLock);
    channels.assign(1, Channel{});
}
