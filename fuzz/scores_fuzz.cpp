// The score loader on arbitrary file bytes. Besides not crashing it checks that a loaded list is
// sorted and sane, that saving and loading it again gives the same records, and that the one-pass
// record reader splits every line exactly as FieldOf does.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/files.h"
#include "scores/number_text.h"
#include "scores/score_file.h"
#include "scores/scrambler.h"
#include "shell/field_of.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

bool Same(const Scores& a, const Scores& b) {
    return a.Score == b.Score && a.Timestamp == b.Timestamp && a.Badges == b.Badges &&
           a.Name == b.Name && a.Level == b.Level && a.GameMode == b.GameMode &&
           a.GameFlags == b.GameFlags && a.Quit == b.Quit &&
           std::equal(a.Best.begin() + 1, a.Best.end(), b.Best.begin() + 1);
}

Scores ReadWithFieldOf(const std::string& line) {
    std::string main = FieldOf(line, ScoreRecordSeparator, 1);
    std::string counts = FieldOf(line, ScoreRecordSeparator, 2);
    Scores record;
    record.Score = TextToInt64(FieldOf(main, "|", 1));
    record.Name = TrimLow(FieldOf(main, "|", 2));
    record.Badges = AbsTextToInt(FieldOf(main, "|", 3));
    record.Timestamp = TextToInt64(FieldOf(main, "|", 4));
    record.Level = AbsTextToInt(FieldOf(main, "|", 5));
    record.GameMode = AbsTextToInt(FieldOf(main, "|", 6));
    record.GameFlags = AbsTextToInt(FieldOf(main, "|", 7));
    record.Quit = AbsTextToInt(FieldOf(main, "|", 8));
    for (int i = 1; i <= 30; i++)
        record.Best[static_cast<size_t>(i)] = AbsTextToInt(FieldOf(counts, "|", i));
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The raw lines as record texts, so the fuzzer reaches the field reader directly.
    for (const std::string& line : SplitLines(bytes)) {
        ScoresRef record = ParseScoreRecord(line);
        bool hasBar = FieldOf(line, ScoreRecordSeparator, 1).find('|') != std::string::npos;
        Check((record != nullptr) == hasBar);
        if (record) Check(Same(*record, ReadWithFieldOf(line)));
    }

    playerName = "Player";
    LoadScoresFromBytes(bytes);
    for (size_t i = 0; i < ScoreList.size(); i++) {
        const Scores& record = *ScoreList[i];
        Check(record.Badges >= 0 && record.Level >= 0 && record.GameMode >= 0 &&
              record.GameFlags >= 0 && record.Quit >= 0);
        for (size_t b = 1; b <= 30; b++) Check(record.Best[b] >= 0);
        if (i > 0) Check(ScoreList[i - 1]->Timestamp >= record.Timestamp);
    }

    std::vector<ScoresRef> loaded = ScoreList;
    const std::string a = scoreHeaderA, b = scoreHeaderB;
    LoadScoresFromBytes(ScoreFileBytes());
    Check(ScoreList.size() == loaded.size());
    for (size_t i = 0; i < loaded.size(); i++) Check(Same(*ScoreList[i], *loaded[i]));
    Check(scoreHeaderA == a);
    // Trailing control characters of B were only kept because a third field followed them.
    Check(scoreHeaderB == FieldOf(a + "|" + b, "|", 2));
    if (!loaded.empty()) Check(playerName == loaded[0]->Name);
    ScoreList.clear();
    return 0;
}
