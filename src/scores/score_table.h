// The score table of one key (level, game mode, level set): a view of ScoreList, never stored.
#pragma once

#include <array>

#include "scores/scores.h"

// Entries 1-25 hold the table, entry 1 the top place; empty entries hold no record.
constexpr int ScoreTablePlaces = 25;
extern std::array<ScoresRef, 50> ScoreTable;
// The key's highest Score (capped to the int range), 1 when there is none or it is 0; the
// score screen scales its bars by it.
extern int tableBest;

// Fills ScoreTable and tableBest for the key. With prune set, also drops from ScoreList every
// record of the key beyond its 50 newest that is not in the table. Runs every title frame: one or
// two walks of the list, a 25-entry scan per record of the key, no allocation.
void BuildScoreTable(int level, int gameMode, int gameFlags, bool prune);
