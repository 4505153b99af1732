// Encodes a stereo sound as Ogg Vorbis with libvorbisenc. The stream serial number is fixed, so
// the same sound gives the same file on every run.
#pragma once

#include <string>

#include "synth.h"

bool WriteOgg(const std::string& path, const Samples& left, const Samples& right);
