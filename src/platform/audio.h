// Sound: loading WAV and Ogg Vorbis into one in-memory format, playback channels mixed by our own
// mixer, the output drivers, and (headless) mixing into memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Everything is mixed at this rate, in stereo.
constexpr int MixRate = 44100;

// A loaded sound, converted once to the mixer's format: stereo float frames at MixRate.
struct Sound {
    std::vector<float> samples; // interleaved left, right
    int frames() const { return static_cast<int>(samples.size() / 2); }
};
using SoundRef = std::shared_ptr<Sound>;

// Loads a WAV or an Ogg Vorbis file (told apart by their content); nullptr when the file is
// missing or cannot be decoded.
SoundRef LoadSound(const std::string& path);
SoundRef LoadSoundFromMemory(const void* data, size_t size);

// Playback channels, by handle (0 is never a channel). A channel stays valid for the whole run.
int NewChannel();
// Gives the channel back; NewChannel may hand its handle out again.
void FreeChannel(int channel);
// Sets the channel's sound and rewinds it, without starting it.
void PrepareChannel(int channel, const SoundRef& sound);
void SetChannelVolume(int channel, float volume); // 0..1
void SetChannelPan(int channel, float pan);       // -1 left .. +1 right, linear
void SetChannelRate(int channel, float rate);     // 1 = normal speed and pitch
void StartChannel(int channel);
void StopChannel(int channel);
// True while the channel is started and has not reached the end of its sound.
bool ChannelPlaying(int channel);

// Mixes the next frames of every playing channel into out (stereo interleaved), clipped to -1..1.
void MixAudio(float* out, int frames);
void MixAudioS16(int16_t* out, int frames);

// Output drivers. The names in the layer's order; names are compared without regard to case.
std::vector<std::string> AudioDriverNames();
bool AudioDriverExists(const std::string& name);
// Chooses the driver by name (any case); false when there is no such driver. The name is kept in
// the list's spelling.
bool ActivateAudioDriver(const std::string& name);
// The chosen driver's name; empty until one is chosen, which leaves the choice to the layer (the
// sdl backend takes SDL's first driver that works, the headless one mixes into memory).
std::string ActiveAudioDriver();
// OpenAL output is not offered: always false.
bool EnableOpenAL();

// The sound device of the sdl backend on the active driver (the headless backend needs none).
// true when sound plays; a note on a fallback or the reason for silence goes into message.
bool OpenAudioOutput(std::string& message);
void CloseAudioOutput();

// Headless: the mixer runs into memory, following the simulated clock. StartMemoryAudio empties
// the kept sound and starts the count of time at zero; AdvanceMemoryAudio mixes the frames that ms
// more milliseconds correspond to (the fraction of a frame is carried, so every 1000 ms are exactly
// MixRate frames however the time is split). Nothing is mixed before StartMemoryAudio. With the
// "Silent" driver active the frames are mixed and dropped. At most MaxMemoryAudioSeconds of sound
// are kept; the mixer goes on running after that, and the rest is dropped.
constexpr int MaxMemoryAudioSeconds = 600;
void StartMemoryAudio();
void AdvanceMemoryAudio(int ms);
// The kept sound, 16-bit stereo interleaved at MixRate.
const std::vector<int16_t>& MixedAudio();
// Writes the kept sound as a 16-bit stereo WAV file (atomically); false when it cannot be written.
bool WriteMixedAudioWav(const std::string& path);
// Stops every channel and forgets them (tests).
void ResetMixer();
