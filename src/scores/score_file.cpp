#include "scores/score_file.h"

#include <string_view>

#include "platform/files.h"
#include "scores/number_text.h"
#include "scores/scrambler.h"
#include "shell/debug_log.h"
#include "shell/field_of.h"

std::string scoreHeaderA;
std::string scoreHeaderB;

namespace {

constexpr int MainFieldCount = 8;
constexpr int BurstCountFields = 30;

// The pieces of a text split the way FieldOf splits it, found in one pass so that a record's 40
// fields do not cost 40 walks of the line (a large file loads in a fraction of a second).
struct Fields {
    static constexpr int Most = 40;
    std::string_view piece[Most];
    int count = 0;     // pieces found, at most Most
    bool more = false; // the text goes on past the last piece kept
};

void Split(std::string_view text, std::string_view delimiter, Fields& fields) {
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) < 33) first++;
    while (last > first && static_cast<unsigned char>(text[last - 1]) < 33) last--;
    text = text.substr(first, last - first);
    fields.count = 0;
    fields.more = false;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(delimiter, start);
        if (fields.count == Fields::Most) {
            fields.more = true;
            return;
        }
        fields.piece[fields.count++] =
            text.substr(start, at == std::string_view::npos ? at : at - start);
        if (at == std::string_view::npos) return;
        start = at + delimiter.size();
    }
}

// Field n (from 1), as FieldOf answers it: a text without the delimiter is its own first and
// second field; past the end the answer is "-+-".
std::string_view Field(const Fields& fields, int n) {
    if (fields.count == 1 && !fields.more) return n <= 2 ? fields.piece[0] : "-+-";
    if (n >= 1 && n <= fields.count) return fields.piece[n - 1];
    return "-+-";
}

std::string CrLf(const std::string& line) {
    return line + "\r\n";
}

} // namespace

std::string ScoreRecordText(const Scores& record) {
    std::string text = std::to_string(record.Score) + "|" + record.Name + "|" +
                       std::to_string(record.Badges) + "|" + std::to_string(record.Timestamp) +
                       "|" + std::to_string(record.Level) + "|" + std::to_string(record.GameMode) +
                       "|" + std::to_string(record.GameFlags) + "|" + std::to_string(record.Quit);
    text += ScoreRecordSeparator;
    for (int i = 1; i <= BurstCountFields; i++) {
        if (i > 1) text += '|';
        text += std::to_string(record.Best[static_cast<size_t>(i)]);
    }
    return text;
}

ScoresRef ParseScoreRecord(const std::string& line) {
    Fields halves;
    Split(line, ScoreRecordSeparator, halves);
    std::string_view main = Field(halves, 1);
    if (main.find('|') == std::string_view::npos) return nullptr;
    std::string_view counts = Field(halves, 2);

    Fields fields;
    Split(main, "|", fields);
    auto record = std::make_shared<Scores>();
    record->Score = TextToInt64(Field(fields, 1));
    std::string_view name = Field(fields, 2);
    size_t first = 0, last = name.size();
    while (first < last && static_cast<unsigned char>(name[first]) < 33) first++;
    while (last > first && static_cast<unsigned char>(name[last - 1]) < 33) last--;
    record->Name = std::string(name.substr(first, last - first));
    record->Badges = AbsTextToInt(Field(fields, 3));
    record->Timestamp = TextToInt64(Field(fields, 4));
    record->Level = AbsTextToInt(Field(fields, 5));
    record->GameMode = AbsTextToInt(Field(fields, 6));
    record->GameFlags = AbsTextToInt(Field(fields, 7));
    record->Quit = AbsTextToInt(Field(fields, MainFieldCount));

    Split(counts, "|", fields);
    for (int i = 1; i <= BurstCountFields; i++)
        record->Best[static_cast<size_t>(i)] = AbsTextToInt(Field(fields, i));
    return record;
}

void LoadScoresFromBytes(const std::string& bytes) {
    std::vector<std::string> lines = SplitLines(bytes);
    std::string header = Unscramble(lines.empty() ? std::string() : lines[0], ScoreHeaderKey);
    scoreHeaderA = FieldOf(header, "|", 1);
    scoreHeaderB = FieldOf(header, "|", 2);

    ScoreList.clear();
    ScoreList.reserve(lines.size());
    bool first = true;
    for (size_t i = 1; i < lines.size(); i++) {
        // A line of two characters or fewer cannot be scrambler output; it is read as it stands.
        ScoresRef record =
            ParseScoreRecord(lines[i].size() > 2 ? Unscramble(lines[i], "") : lines[i]);
        if (!record) continue;
        if (first) playerName = record->Name;
        first = false;
        ScoreList.push_back(std::move(record));
    }
    // One stable sort after the whole file gives the same order as sorting after every line.
    SortScoreList();
    scoresUnsaved = false;
}

std::string ScoreFileBytes() {
    SortScoreList();
    std::string bytes = CrLf(Scramble(scoreHeaderA + "|" + scoreHeaderB, ScoreHeaderKey));
    for (const ScoresRef& record : ScoreList) bytes += CrLf(Scramble(ScoreRecordText(*record), ""));
    return bytes;
}

void LoadScores() {
    if (scoresUnsaved && !SaveScores()) return;
    if (!FileExists(ScoreFileName)) return;
    std::string bytes;
    if (!ReadWholeFile(ScoreFileName, bytes)) {
        // Reading it as empty would throw every result away at the next save.
        LogLine("\t" + ScoreFileName + " could not be read; the scores in memory are kept");
        return;
    }
    LoadScoresFromBytes(bytes);
}

bool SaveScores() {
    std::string error;
    if (WriteFileAtomic(ScoreFileName, ScoreFileBytes(), &error)) {
        scoresUnsaved = false;
        return true;
    }
    LogLine("\t" + ScoreFileName + " could not be saved: " + error);
    return false;
}
