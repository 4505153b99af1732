// The text splitter used by the settings reader, the settings panel and the score file.
#pragma once

#include <string>

// Field n (from 1) of text split at delimiter, after the text has been trimmed of every character
// below code 33 at both ends. Field 1 of a text without the delimiter is the whole text, and so is
// field 2; a field two or more beyond the last delimiter is "-+-"; pieces are not trimmed again.
std::string FieldOf(const std::string& text, const std::string& delimiter, int n);
// Removes every character below code 33 from both ends.
std::string TrimLow(const std::string& text);
