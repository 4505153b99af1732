#include "scores/scores.h"

#include <algorithm>

#include "platform/memstat.h"

std::vector<ScoresRef> ScoreList;
std::string playerName = "Player";
bool scoresUnsaved = false;

Scores::~Scores() {
    NoteRecordReleased();
}

int Scores::Compare(const Scores* other) const {
    if (!other) return 1;
    // The sign of other.Timestamp - Timestamp, without computing a difference that may overflow.
    return (other->Timestamp > Timestamp) - (other->Timestamp < Timestamp);
}

void SortScoreList() {
    std::stable_sort(
        ScoreList.begin(), ScoreList.end(),
        [](const ScoresRef& a, const ScoresRef& b) { return a->Compare(b.get()) < 0; });
}

void FileResult(const ScoresRef& record) {
    if (!record) return;
    ScoreList.push_back(record);
    SortScoreList();
    scoresUnsaved = true;
}
