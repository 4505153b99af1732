// The reversible scrambler of the score file: a text becomes uppercase hexadecimal carrying two
// check numbers, so a changed line is recognised and skipped.
#pragma once

#include <string>
#include <string_view>

// The key of the file's first line.
inline const std::string ScoreHeaderKey = "H6TW2PN9";
// Separates a record's main fields from its burst counts inside a record line.
inline const std::string ScoreRecordSeparator = "^{p=8!Lb3w#2~";

// (sum of code x position x 3) mod 4096 over the text, positions from 1.
int CheckNumber(std::string_view text);
// 2 x (length + 12) hexadecimal digits. An empty key means the record key.
std::string Scramble(const std::string& text, const std::string& key = "");
// The text that was scrambled, or "XXX" when a check fails. Safe for any bytes: odd lengths,
// non-hex characters and short texts only fail the checks. An empty key means the record key.
std::string Unscramble(const std::string& text, const std::string& key = "");
