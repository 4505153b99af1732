// The local score file, nuscores.dat in the data folder: a scrambled header line with the two
// header fields, then one scrambled line per record of ScoreList, newest first, CR LF ended.
#pragma once

#include <string>

#include "scores/scores.h"

inline const std::string ScoreFileName = "nuscores.dat";

// The header fields kept beside ScoreList: the loader sets them from line 1, the saver writes
// them back.
extern std::string scoreHeaderA;
extern std::string scoreHeaderB;

// A record's line before scrambling: Score|Name|Badges|Timestamp|Level|GameMode|GameFlags|Quit,
// the record separator, then Best[1] ... Best[30] joined by "|".
std::string ScoreRecordText(const Scores& record);
// Reads a record from an unscrambled line; null when its main part holds no "|" (a line that
// failed its checks reads "XXX"). Missing fields read 0, or "-+-" for the name.
ScoresRef ParseScoreRecord(const std::string& line);

// Replaces ScoreList, the header fields and playerName (from the first record) with what the
// bytes of a score file hold. Damaged lines are skipped.
void LoadScoresFromBytes(const std::string& bytes);
// Sorts ScoreList and gives the bytes of the score file for it.
std::string ScoreFileBytes();

// Loads nuscores.dat from the working folder. Without the file (or when it cannot be read)
// everything stays as it is. Results filed since the last save are saved first, so reopening the
// display never loses them; if that save fails the list in memory is kept instead of the file's.
void LoadScores();
// Writes nuscores.dat in one atomic step: a failed save leaves the previous file whole, logs why
// and answers false.
bool SaveScores();
