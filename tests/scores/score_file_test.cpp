#include "scores/score_file.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <random>

#include "platform/files.h"
#include "platform/unprivileged.h"
#include "scores/number_text.h"
#include "scores/scrambler.h"
#include "shell/debug_log.h"
#include "shell/field_of.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

ScoresRef Record(int64_t score, const std::string& name, int64_t timestamp) {
    auto record = std::make_shared<Scores>();
    record->Score = score;
    record->Name = name;
    record->Timestamp = timestamp;
    return record;
}

void ExpectSameRecord(const Scores& got, const Scores& want) {
    EXPECT_EQ(got.Score, want.Score);
    EXPECT_EQ(got.Timestamp, want.Timestamp);
    EXPECT_EQ(got.Badges, want.Badges);
    EXPECT_EQ(got.Name, want.Name);
    EXPECT_EQ(got.Level, want.Level);
    EXPECT_EQ(got.GameMode, want.GameMode);
    EXPECT_EQ(got.GameFlags, want.GameFlags);
    EXPECT_EQ(got.Quit, want.Quit);
    for (size_t i = 1; i <= 30; i++) EXPECT_EQ(got.Best[i], want.Best[i]) << "Best[" << i << "]";
}

// A score file with the given header text and record texts, scrambled as the game writes them.
std::string FileOf(const std::string& header, const std::vector<std::string>& records) {
    std::string bytes = Scramble(header, ScoreHeaderKey) + "\r\n";
    for (const std::string& text : records) bytes += Scramble(text, "") + "\r\n";
    return bytes;
}

std::string TextOf(int64_t score, const std::string& name, int64_t timestamp) {
    return ScoreRecordText(*Record(score, name, timestamp));
}

// The reading of a record line written out with FieldOf, field by field.
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

TEST(ScoreFile, SaveThenLoadGivesBackEveryField) {
    ScratchDir dir;
    const int64_t low = std::numeric_limits<int64_t>::min();
    std::vector<ScoresRef> want = {Record(123456789012, "Ann", 64643839509),
                                   Record(-250, "Bob Smith", 64643839000),
                                   Record(low, "Zo\xeb", -5)};
    for (size_t r = 0; r < want.size(); r++) {
        Scores& record = *want[r];
        record.Badges = 5 + static_cast<int>(r);
        record.Level = 3;
        record.GameMode = 4 - static_cast<int>(r);
        record.GameFlags = 2;
        record.Quit = static_cast<int>(r % 2);
        // Best[1] first of all: it sits right after the 13-character separator.
        for (size_t i = 1; i <= 30; i++) record.Best[i] = static_cast<int>(i * 7 + r + 1);
    }
    want[1]->Best[30] = 1;
    ScoreList = {want[2], want[0], want[1]}; // the saver sorts first
    scoreHeaderA = "alpha";
    scoreHeaderB = "beta";
    ASSERT_TRUE(SaveScores());

    ScoreList.clear();
    scoreHeaderA = scoreHeaderB = "";
    playerName = "Someone";
    LoadScores();
    ASSERT_EQ(ScoreList.size(), 3u);
    for (size_t r = 0; r < 3; r++) {
        SCOPED_TRACE(r);
        ExpectSameRecord(*ScoreList[r], *want[r]);
    }
    EXPECT_EQ(ScoreList[0]->Best[1], 8);
    EXPECT_EQ(playerName, "Ann");
    EXPECT_EQ(scoreHeaderA, "alpha");
    EXPECT_EQ(scoreHeaderB, "beta");
}

TEST(ScoreFile, FileHoldsAScrambledHeaderAndOneLinePerRecord) {
    ScratchDir dir;
    ScoresRef record = Record(1234, "Ann", 64643839509);
    record->GameMode = 2;
    record->GameFlags = 3;
    record->Quit = 1;
    for (size_t i = 1; i <= 16; i++) record->Best[i] = static_cast<int>(i);
    const std::string text = "1234|Ann|0|64643839509|0|2|3|1^{p=8!Lb3w#2~"
                             "1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|0|0|0|0|0|0|0|0|0|0|0|0|0|0";
    EXPECT_EQ(ScoreRecordText(*record), text);
    ScoreList = {record, Record(1, "Old", 5)};
    ASSERT_TRUE(SaveScores());

    std::string bytes = ReadFileText("nuscores.dat");
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "every line ends in CR LF";
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], Scramble("|", ScoreHeaderKey));
    EXPECT_EQ(Unscramble(lines[1], ""), text);
    EXPECT_EQ(Unscramble(lines[2], ""), TextOf(1, "Old", 5));
    for (const std::string& line : lines)
        EXPECT_EQ(line.find_first_not_of("0123456789ABCDEF"), std::string::npos) << line;
    // No temporary file is left beside it.
    int files = 0;
    for (auto& entry : fs::directory_iterator(dir.path)) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(ScoreFile, DamagedLinesAreSkippedAndTheRestLoads) {
    ScratchDir dir;
    std::string bytes = FileOf("a|b", {TextOf(5, "One", 50), TextOf(4, "Two", 40)});
    std::string damaged = Scramble(TextOf(3, "Three", 30), "");
    damaged[10] = damaged[10] == '7' ? '8' : '7';
    bytes += damaged + "\r\n";
    bytes += "not scrambled at all\r\n\r\n";                         // garbage and an empty line
    bytes += Scramble(TextOf(2, "Four", 20), ScoreHeaderKey) + "\n"; // the wrong key
    bytes += Scramble("no fields here", "") + "\n";                  // passes, but holds no "|"
    bytes += Scramble(TextOf(1, "Five", 10), ""); // LF ends are read too, and a last line without
    WriteFileText("nuscores.dat", bytes);
    LoadScores();
    std::vector<std::string> names;
    for (const ScoresRef& record : ScoreList) names.push_back(record->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"One", "Two", "Five"}));
}

TEST(ScoreFile, LoadingOrdersNewestFirstAndTakesThePlayerFromTheFirstRecord) {
    ScratchDir dir;
    WriteFileText("nuscores.dat",
                  FileOf("|", {"garbage", TextOf(1, "Old", 10), TextOf(2, "New", 30),
                               TextOf(3, "Mid", 20), TextOf(4, "Tie", 20)}));
    LoadScores();
    std::vector<std::string> names;
    for (const ScoresRef& record : ScoreList) names.push_back(record->Name);
    // Equal timestamps keep their file order.
    EXPECT_EQ(names, (std::vector<std::string>{"New", "Mid", "Tie", "Old"}));
    EXPECT_EQ(playerName, "Old");
}

TEST(ScoreFile, AFileWithoutRecordsEmptiesTheListButKeepsThePlayer) {
    ScratchDir dir;
    ScoreList = {Record(1, "Kept", 1)};
    playerName = "Zed";
    WriteFileText("nuscores.dat", FileOf("x|y", {}));
    LoadScores();
    EXPECT_TRUE(ScoreList.empty());
    EXPECT_EQ(playerName, "Zed");
    EXPECT_EQ(scoreHeaderA, "x");
    EXPECT_EQ(scoreHeaderB, "y");

    // A damaged header reads as "XXX", which FieldOf gives for both fields.
    WriteFileText("nuscores.dat", "0123\r\n");
    LoadScores();
    EXPECT_EQ(scoreHeaderA, "XXX");
    EXPECT_EQ(scoreHeaderB, "XXX");
}

TEST(ScoreFile, AMissingOrUnreadableFileLeavesEverythingAsItIs) {
    ScratchDir dir;
    ASSERT_TRUE(OpenDebugLog("Debug.txt"));
    ScoresRef kept = Record(7, "Kept", 70);
    ScoreList = {kept};
    scoreHeaderA = "A";
    scoreHeaderB = "B";
    playerName = "Zed";
    LoadScores();
    fs::create_directory("nuscores.dat"); // there, but not a file that can be read
    LoadScores();
    ASSERT_EQ(ScoreList.size(), 1u);
    EXPECT_EQ(ScoreList[0], kept);
    EXPECT_EQ(scoreHeaderA, "A");
    EXPECT_EQ(scoreHeaderB, "B");
    EXPECT_EQ(playerName, "Zed");
    CloseDebugLog();
    EXPECT_EQ(ReadFileText("Debug.txt"),
              "\tnuscores.dat could not be read; the scores in memory are kept\r\n");
}

TEST(ScoreFile, RecordFieldsReadAsTheGameReadsThem) {
    const int high = std::numeric_limits<int>::max();
    const std::string& sep = ScoreRecordSeparator;
    struct Case {
        std::string line;
        bool record;
        int64_t score, timestamp;
        std::string name;
        int badges, level, gameMode, gameFlags, quit, best1, best2, best3;
    };
    const Case cases[] = {
        // Negative small numbers come back as their absolute values; Score and Timestamp keep
        // their sign, and INT_MIN cannot overflow.
        {"5|Ann|-3|-100|-1|-2|-3|-4" + sep + "-1|2|-2147483648", true, 5, -100, "Ann", 3, 1, 2, 3,
         4, 1, 2, high},
        {"  -12 | \tBob  |+7|99999999999999999999999|x|4|4|0" + sep + " 9|", true, -12,
         std::numeric_limits<int64_t>::max(), "Bob", 7, 0, 4, 4, 0, 9, 0, 0},
        // Missing fields read as 0; a name past the end would read "-+-".
        {"8|Cy", true, 8, 0, "Cy", 0, 0, 0, 0, 0, 8, 0, 0},
        {"|", true, 0, 0, "", 0, 0, 0, 0, 0, 0, 0, 0},
        // A "|" in a name shifts what follows it.
        {"5|Al|ice|0|77|0|1|2|0" + sep + "4|5", true, 5, 0, "Al", 0, 77, 0, 1, 2, 4, 5, 0},
        // No "|" before the separator: no record.
        {"XXX", false, 0, 0, "", 0, 0, 0, 0, 0, 0, 0, 0},
        {"3" + sep + "1|2", false, 0, 0, "", 0, 0, 0, 0, 0, 0, 0, 0},
        {"", false, 0, 0, "", 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ScoresRef got = ParseScoreRecord(c.line);
        ASSERT_EQ(got != nullptr, c.record);
        if (!got) continue;
        Scores want;
        want.Score = c.score;
        want.Timestamp = c.timestamp;
        want.Name = c.name;
        want.Badges = c.badges;
        want.Level = c.level;
        want.GameMode = c.gameMode;
        want.GameFlags = c.gameFlags;
        want.Quit = c.quit;
        want.Best[1] = c.best1;
        want.Best[2] = c.best2;
        want.Best[3] = c.best3;
        ExpectSameRecord(*got, want);
        ExpectSameRecord(*got, ReadWithFieldOf(c.line));
    }
}

TEST(ScoreFile, RecordFieldsSplitExactlyAsFieldOfSplitsThem) {
    // Lines made of field characters, bars, blanks and pieces of the separator.
    const std::string pieces[] = {"|",     "||",       "7",           "-3",
                                  " ",     "\t",       "a",           ScoreRecordSeparator,
                                  "^{p=8", "!Lb3w#2~", "12345678901", "\x01"};
    std::mt19937 random(9);
    for (int i = 0; i < 3000; i++) {
        std::string line;
        int count = static_cast<int>(random() % 60);
        for (int p = 0; p < count; p++) line += pieces[random() % std::size(pieces)];
        SCOPED_TRACE(line);
        ScoresRef got = ParseScoreRecord(line);
        std::string main = FieldOf(line, ScoreRecordSeparator, 1);
        ASSERT_EQ(got != nullptr, main.find('|') != std::string::npos);
        if (got) ExpectSameRecord(*got, ReadWithFieldOf(line));
    }
}

TEST(ScoreFile, ASaveIntoAReadOnlyFolderFailsKeepsTheOldFileAndLogsWhy) {
    ScratchDir dir;
    fs::create_directory("locked");
    ScoreList = {Record(1, "Old", 1)};
    ASSERT_TRUE(ChangeDir("locked"));
    ASSERT_TRUE(SaveScores());
    ASSERT_TRUE(ChangeDir(".."));
    const std::string old = ReadFileText("locked/nuscores.dat");
    ASSERT_FALSE(old.empty());
    fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dir.path, fs::perms::all); // the unprivileged child must reach it
    // The log is opened here; the child writes through the inherited file.
    ASSERT_TRUE(OpenDebugLog("Debug.txt"));
    ScoreList = {Record(2, "New", 2), Record(1, "Old", 1)};
    EXPECT_TRUE(RunUnprivileged([&] { return ChangeDir("locked") && !SaveScores(); }));
    CloseDebugLog();
    EXPECT_EQ(ReadFileText("locked/nuscores.dat"), old);
    std::string log = ReadFileText("Debug.txt");
    EXPECT_EQ(log.rfind("\tnuscores.dat could not be saved: ", 0), 0u) << log;
    EXPECT_NE(log.find("Permission denied"), std::string::npos) << log;
    EXPECT_EQ(log.find("\r\n"), log.size() - 2) << "one line: " << log;
}

TEST(ScoreFile, ReloadingKeepsResultsFiledSinceTheLastSave) {
    ScratchDir dir;
    ScoreList = {Record(1, "Old", 10)};
    ASSERT_TRUE(SaveScores());
    FileResult(Record(2, "New", 20));
    LoadScores(); // the display was reopened
    ASSERT_EQ(ScoreList.size(), 2u);
    EXPECT_EQ(ScoreList[0]->Name, "New");
    EXPECT_EQ(Unscramble(ReadAllLines("nuscores.dat")[1], ""), TextOf(2, "New", 20));

    // When that save fails the results in memory win over the file.
    fs::create_directory("locked");
    ASSERT_TRUE(ChangeDir("locked"));
    ASSERT_TRUE(SaveScores());
    fs::permissions(".", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read |
                             fs::perms::others_exec);
    fs::permissions(dir.path, fs::perms::all);
    FileResult(Record(3, "Newest", 30));
    EXPECT_TRUE(RunUnprivileged([] {
        LoadScores();
        return ScoreList.size() == 3 && ScoreList[0]->Name == "Newest" && scoresUnsaved;
    }));
    ASSERT_TRUE(ChangeDir(".."));
}
