// Sound files made in memory for the loader and mixer tests.
#pragma once

#include <string>
#include <vector>

#include "platform/audio.h"

// A PCM WAV file of 8-bit (unsigned) or 16-bit samples; samples are interleaved, -1..1.
std::string MakeWav(int bits, int channels, int rate, const std::vector<float>& samples);
// An Ogg Vorbis file of frames of a sine wave of the given amplitude and frequency in every
// channel.
std::string MakeOgg(int channels, int rate, int frames, float amplitude, float frequency);
// A sound already in the mixer's format: frames of (left, right).
SoundRef MakeSound(int frames, float left, float right);
// The largest absolute sample of one side (0 left, 1 right) between two frames.
float PeakOf(const std::vector<float>& samples, int side, size_t fromFrame, size_t toFrame);
