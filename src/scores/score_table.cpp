#include "scores/score_table.h"

#include <limits>

std::array<ScoresRef, 50> ScoreTable;
int tableBest = 1;

namespace {

bool HasKey(const Scores& record, int level, int gameMode, int gameFlags) {
    return record.Level == level && record.GameMode == gameMode && record.GameFlags == gameFlags;
}

// The entry the record goes to, or 0 when 25 records at least as high fill the table. The lowest
// entry with a smaller score wins, so an equal score met later (an older record) goes below.
int PlaceOf(const Scores& record) {
    int smaller = 0, empty = 0;
    for (int entry = ScoreTablePlaces; entry >= 1; entry--) {
        const ScoresRef& held = ScoreTable[entry];
        if (!held)
            empty = entry;
        else if (held->Score < record.Score)
            smaller = entry;
    }
    return smaller ? smaller : empty;
}

bool InTable(const Scores* record) {
    for (int entry = 1; entry <= ScoreTablePlaces; entry++)
        if (ScoreTable[entry].get() == record) return true;
    return false;
}

} // namespace

void BuildScoreTable(int level, int gameMode, int gameFlags, bool prune) {
    for (int entry = 1; entry <= ScoreTablePlaces; entry++) ScoreTable[entry].reset();
    int64_t best = 0;
    for (const ScoresRef& record : ScoreList) {
        if (!HasKey(*record, level, gameMode, gameFlags)) continue;
        if (record->Score > best) best = record->Score;
        int place = PlaceOf(*record);
        if (place == 0) continue;
        for (int entry = ScoreTablePlaces; entry > place; entry--)
            ScoreTable[entry] = std::move(ScoreTable[entry - 1]);
        ScoreTable[place] = record;
    }
    // A score beyond the int range is held as the largest int rather than wrapping negative.
    if (best > std::numeric_limits<int>::max()) best = std::numeric_limits<int>::max();
    tableBest = best == 0 ? 1 : static_cast<int>(best);
    if (!prune) return;

    // Keep the key's 50 newest records and its 25 best; the list keeps its order.
    int seen = 0;
    size_t kept = 0;
    for (size_t at = 0; at < ScoreList.size(); at++) {
        bool drop = false;
        if (HasKey(*ScoreList[at], level, gameMode, gameFlags)) {
            seen++;
            drop = seen > 50 && !InTable(ScoreList[at].get());
        }
        if (drop) continue;
        if (kept != at) ScoreList[kept] = std::move(ScoreList[at]);
        kept++;
    }
    ScoreList.resize(kept);
}
