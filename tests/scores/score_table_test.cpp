#include "scores/score_table.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

#include "platform/memstat.h"

namespace {

struct Key {
    int level = 0, gameMode = 0, gameFlags = 0;
};

ScoresRef Record(int64_t score, int64_t timestamp, Key key = {}) {
    auto record = std::make_shared<Scores>();
    record->Score = score;
    record->Timestamp = timestamp;
    record->Level = key.level;
    record->GameMode = key.gameMode;
    record->GameFlags = key.gameFlags;
    return record;
}

// Fills ScoreList newest first with the given scores of one key (timestamps 1000, 999, ...).
void FillNewestFirst(const std::vector<int64_t>& scores, Key key = {}) {
    int64_t timestamp = 1000;
    for (int64_t score : scores) ScoreList.push_back(Record(score, timestamp--, key));
}

std::vector<const Scores*> TablePointers() {
    std::vector<const Scores*> table;
    for (int entry = 1; entry <= ScoreTablePlaces; entry++)
        if (ScoreTable[entry]) table.push_back(ScoreTable[entry].get());
    return table;
}

} // namespace

TEST(ScoreTable, HigherScoresStandHigherAndEqualScoresKeepNewestFirst) {
    FillNewestFirst({500, 900, 500});
    const Scores* newer500 = ScoreList[0].get();
    const Scores* older500 = ScoreList[2].get();
    BuildScoreTable(0, 0, 0, false);
    EXPECT_EQ(ScoreTable[1]->Score, 900);
    EXPECT_EQ(ScoreTable[2].get(), newer500);
    EXPECT_EQ(ScoreTable[3].get(), older500);
    for (int entry = 4; entry <= ScoreTablePlaces; entry++) EXPECT_FALSE(ScoreTable[entry]);
    EXPECT_EQ(tableBest, 900);
}

TEST(ScoreTable, TheTwentySixthRecordIsPlacedOnlyAboveTheLowestEntry) {
    struct Case {
        int64_t score; // of a 26th record, older than the 25 of scores 100-124
        bool placed;   // it enters the table and pushes 100 out
    };
    const Case cases[] = {{50, false}, {100, false}, {101, true}, {1000, true}};
    for (const Case& c : cases) {
        ScoreList.clear();
        std::vector<int64_t> scores;
        for (int64_t s = 124; s >= 100; s--) scores.push_back(s);
        scores.push_back(c.score);
        FillNewestFirst(scores);
        const Scores* last = ScoreList.back().get();
        BuildScoreTable(0, 0, 0, false);
        std::vector<const Scores*> table = TablePointers();
        ASSERT_EQ(table.size(), 25u) << c.score;
        bool found = false;
        for (const Scores* held : table) found |= held == last;
        EXPECT_EQ(found, c.placed) << c.score;
        int64_t lowest = ScoreTable[25]->Score;
        EXPECT_EQ(lowest, c.placed ? std::min<int64_t>(c.score, 101) : 100) << c.score;
        for (int entry = 2; entry <= 25; entry++)
            EXPECT_GE(ScoreTable[entry - 1]->Score, ScoreTable[entry]->Score) << c.score;
    }
}

TEST(ScoreTable, PruningKeepsTheFiftyNewestOfEqualScores) {
    FillNewestFirst(std::vector<int64_t>(60, 10));
    std::vector<ScoresRef> before = ScoreList;
    BuildScoreTable(0, 0, 0, false);
    EXPECT_EQ(ScoreList.size(), 60u) << "nothing is pruned without the flag";

    ReclaimMemory();
    BuildScoreTable(0, 0, 0, true);
    ASSERT_EQ(ScoreList.size(), 50u);
    for (size_t i = 0; i < 50; i++) EXPECT_EQ(ScoreList[i], before[i]);
    for (int entry = 1; entry <= ScoreTablePlaces; entry++)
        EXPECT_EQ(ScoreTable[entry], before[static_cast<size_t>(entry - 1)]);
    // The ten dropped records are released once the last holder lets go.
    before.clear();
    EXPECT_EQ(ReclaimMemory(), 10);
}

TEST(ScoreTable, PruningKeepsOldRecordsThatAreInTheTable) {
    // 60 records newest first; the five oldest are the best results.
    std::vector<int64_t> scores(55, 10);
    for (int i = 0; i < 5; i++) scores.push_back(1000);
    FillNewestFirst(scores);
    std::vector<ScoresRef> before = ScoreList;
    BuildScoreTable(0, 0, 0, true);
    ASSERT_EQ(ScoreList.size(), 55u);
    for (size_t i = 0; i < 50; i++) EXPECT_EQ(ScoreList[i], before[i]);
    for (size_t i = 50; i < 55; i++) EXPECT_EQ(ScoreList[i], before[i + 5]);
    for (int entry = 1; entry <= 5; entry++) EXPECT_EQ(ScoreTable[entry]->Score, 1000);
    EXPECT_EQ(ScoreTable[6], before[0]);
}

TEST(ScoreTable, OnlyTheShownKeyIsPruned) {
    // Key A records with records of keys differing in one field each between them.
    const Key a{0, 2, 3};
    const Key others[] = {{1, 2, 3}, {0, 1, 3}, {0, 2, 4}};
    int64_t timestamp = 100000;
    for (int i = 0; i < 80; i++) {
        ScoreList.push_back(Record(10, timestamp--, a));
        ScoreList.push_back(Record(20, timestamp--, others[i % 3]));
    }
    std::vector<ScoresRef> otherKeys;
    for (const ScoresRef& record : ScoreList)
        if (record->GameMode != 2 || record->Level != 0 || record->GameFlags != 3)
            otherKeys.push_back(record);
    BuildScoreTable(a.level, a.gameMode, a.gameFlags, true);
    EXPECT_EQ(tableBest, 10);
    std::vector<ScoresRef> left;
    int keyA = 0;
    for (const ScoresRef& record : ScoreList) {
        if (record->GameMode == 2 && record->Level == 0 && record->GameFlags == 3)
            keyA++;
        else
            left.push_back(record);
    }
    EXPECT_EQ(keyA, 50);
    EXPECT_EQ(left, otherKeys);
}

TEST(ScoreTable, TableBestIsOneForAnEmptyOrScorelessKeyAndCappedForHugeScores) {
    BuildScoreTable(0, 0, 0, true);
    EXPECT_EQ(tableBest, 1);
    for (int entry = 1; entry <= ScoreTablePlaces; entry++) EXPECT_FALSE(ScoreTable[entry]);

    FillNewestFirst({0, -5, 0}, {0, 1, 0});
    BuildScoreTable(0, 1, 0, false);
    EXPECT_EQ(tableBest, 1);
    EXPECT_EQ(ScoreTable[1]->Score, 0);
    EXPECT_EQ(ScoreTable[3]->Score, -5);

    ScoreList.push_back(Record(int64_t{1} << 40, 1, {0, 1, 0}));
    BuildScoreTable(0, 1, 0, false);
    EXPECT_EQ(tableBest, std::numeric_limits<int>::max());
}

TEST(ScoreTable, RebuildingDropsRecordsOfThePreviousKey) {
    FillNewestFirst({5, 6}, {0, 0, 0});
    BuildScoreTable(0, 0, 0, false);
    ASSERT_TRUE(ScoreTable[2]);
    BuildScoreTable(0, 4, 4, false);
    for (int entry = 1; entry <= ScoreTablePlaces; entry++) EXPECT_FALSE(ScoreTable[entry]);
}

TEST(ScoresRecord, CompareOrdersNewestFirstAndNullLast) {
    Scores record;
    record.Timestamp = 50;
    EXPECT_EQ(record.Compare(nullptr), 1);
    const int64_t low = std::numeric_limits<int64_t>::min();
    const int64_t high = std::numeric_limits<int64_t>::max();
    struct Case {
        int64_t mine, other;
        int result;
    };
    // The extremes would overflow a plain subtraction.
    const Case cases[] = {{50, 50, 0},    {50, 51, 1},     {51, 50, -1},
                          {low, high, 1}, {high, low, -1}, {low, low, 0}};
    for (const Case& c : cases) {
        Scores mine, other;
        mine.Timestamp = c.mine;
        other.Timestamp = c.other;
        EXPECT_EQ(mine.Compare(&other), c.result) << c.mine << " vs " << c.other;
    }
}

TEST(ScoresRecord, ANewRecordIsEmpty) {
    Scores record;
    EXPECT_EQ(record.Score, 0);
    EXPECT_EQ(record.Timestamp, 0);
    EXPECT_TRUE(record.Name.empty());
    for (int v : record.Best) EXPECT_EQ(v, 0);
    EXPECT_EQ(record.Level + record.GameMode + record.GameFlags + record.Quit + record.Badges, 0);
    EXPECT_EQ(playerName, "Player");
}

TEST(ScoresRecord, SortingIsStableAndFilingPutsTheNewResultFirst) {
    // Equal timestamps keep the order they stand in; names record that order.
    const int64_t stamps[] = {10, 30, 10, 20, 30, 10};
    for (size_t i = 0; i < 6; i++) {
        ScoresRef record = Record(0, stamps[i]);
        record->Name = std::to_string(i);
        ScoreList.push_back(record);
    }
    SortScoreList();
    std::string order;
    for (const ScoresRef& record : ScoreList) order += record->Name;
    EXPECT_EQ(order, "143025");

    ScoresRef result = Record(7, 40);
    FileResult(result);
    EXPECT_EQ(ScoreList.front(), result);
    EXPECT_EQ(ScoreList.size(), 7u);
    FileResult(nullptr);
    EXPECT_EQ(ScoreList.size(), 7u);
}
