// Saves an Image as an 8-bit RGBA PNG at compression level 9, with no time or text chunks, so the
// same picture gives the same bytes on every run.
#pragma once

#include <string>

#include "canvas.h"

bool WritePng(const std::string& path, const Image& image);
