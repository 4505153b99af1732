// Numbers read back from the score file and from date and time texts.
#pragma once

#include <cstdint>
#include <string_view>

// The text-to-integer reading the game uses everywhere: leading blanks, an optional sign, then
// decimal digits up to the first other character; no digits give 0. A value beyond the range
// stops at the nearest end of the range instead of wrapping, so a damaged file cannot produce
// undefined arithmetic.
int64_t TextToInt64(std::string_view text);
// The same, held as a 32-bit game number.
int TextToInt(std::string_view text);
// The absolute value of TextToInt; the most negative int reads as the most positive one.
int AbsTextToInt(std::string_view text);
