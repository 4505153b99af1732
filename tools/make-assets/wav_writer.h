// Writes 16-bit PCM WAV files at 44100 Hz: one buffer for mono, two for stereo.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

bool WriteWav(const std::string& path, const std::vector<Samples>& channels);
