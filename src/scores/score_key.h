// The key of the score file's record lines. It is built from the title line, a subtitle that
// nothing shows and the game number, and lives in memory only.
#pragma once

#include <string>

// Twelve characters held for the key alone.
extern const std::string ScoreSubtitle;

// Builds the record key (48 characters). Start-up calls it once before the first load.
void DeriveScoreKey();
// The record key; built here on first use should start-up not have done it yet, so the
// scrambler never works with an empty key.
const std::string& RecordKey();
