#include "game/rules.h"

#include <gtest/gtest.h>

#include "game/game_fixture.h"

namespace {
std::set<int> AllSoundsBut(int number) {
    std::set<int> numbers;
    for (int n = 1; n <= 20; n++)
        if (n != number) numbers.insert(n);
    return numbers;
}

// Fills rows 0-22 with colour 7, every cell a group of its own (1000 and up), a background for
// fixtures that then set the groups they need.
void Background() {
    for (int y = 0; y < 23; y++)
        for (int x = 0; x < 38; x++) CellAt(x, y) = 7, GroupAt(x, y) = 1000 + x + 50 * y;
}

void Put(int x, int y, int value, int group) {
    CellAt(x, y) = value;
    GroupAt(x, y) = group;
}
} // namespace

using Rules = GameTest;

TEST_F(Rules, PickUpsPayAndBurstTheItem) {
    struct Case {
        int value, y, points, bashes, convert, sound;
    };
    const Case cases[] = {
        {SmallPrize, 10, 50, 0, 0, 1}, {SmallPrize, 24, 300, 0, 0, 1},
        {BigPrize, 10, 250, 0, 0, 2},  {BigPrize, 24, 1250, 0, 0, 2},
        {BashRefill, 10, 50, 5, 0, 4}, {BashRefill, 24, 50, 5, 0, 4},
        {Converter, 10, 50, 1, 1, 3},  {Converter, 0, 50, 1, 1, 3},
    };
    for (const Case& c : cases) {
        for (bool onlyThisSound : {true, false}) {
            ClearGame();
            bashesLeft = 3;
            totalScore = 100;
            LoadSounds(onlyThisSound ? std::set<int>{c.sound} : AllSoundsBut(c.sound));
            CellAt(7, c.y) = c.value;
            PickUpAt(7, c.y, 400, 300);
            SCOPED_TRACE(testing::Message() << "value " << c.value << " row " << c.y);
            EXPECT_EQ(SoundsStarted(), onlyThisSound ? 1 : 0);
            EXPECT_EQ(totalScore, 100 + c.points);
            EXPECT_EQ(bashesLeft, 3 + c.bashes);
            EXPECT_EQ(convertPending, c.convert);
            EXPECT_EQ(CellAt(7, c.y), 0);
            EXPECT_EQ(particleList.size(), 48u);
            ASSERT_EQ(popupList.size(), 1u);
            const ore& popup = *popupList.front();
            EXPECT_EQ(popup.n, c.points);
            EXPECT_EQ(popup.x, 400);
            EXPECT_EQ(popup.y, 300);
            EXPECT_EQ(popup.r, 255);
            EXPECT_EQ(popup.g, 255);
            EXPECT_EQ(popup.b, 0);
            for (int v : burstTally) EXPECT_EQ(v, 0); // pick-ups are not tallied
        }
    }
}

TEST_F(Rules, NothingToPickUpOnBlocksGapsOrOffTheBoard) {
    LoadSounds(AllSoundsBut(0));
    CellAt(3, 3) = 5;
    PickUpAt(3, 3, 0, 0);
    PickUpAt(4, 3, 0, 0);
    PickUpAt(-1, 3, 0, 0);
    PickUpAt(38, 3, 0, 0);
    PickUpAt(3, -1, 0, 0);
    PickUpAt(3, 25, 0, 0);
    EXPECT_EQ(CellAt(3, 3), 5);
    EXPECT_EQ(totalScore, 0);
    EXPECT_TRUE(particleList.empty());
    EXPECT_TRUE(popupList.empty());
    EXPECT_EQ(SoundsStarted(), 0);
}

TEST_F(Rules, BurstGroupTalliesAndClearsItsCells) {
    LoadSounds({5});
    Background();
    Put(2, 2, 3, 7);
    Put(3, 2, 3, 7);
    Put(3, 3, 3, 7);
    Put(4, 2, 0, 7);          // a gap that was part of the group at the deal: not counted
    Put(9, 9, SmallPrize, 7); // an item that fell into the group's area
    Put(5, 5, 3, 8);          // same colour, other group
    EXPECT_EQ(BurstGroup(7), 4);
    EXPECT_EQ(burstTally[3], 3);
    EXPECT_EQ(burstTally[9], 1);
    EXPECT_EQ(burstTally[0], 0);
    EXPECT_EQ(particleList.size(), 32u);
    EXPECT_EQ(SoundsStarted(), 1);
    for (auto [x, y] : {std::pair{2, 2}, {3, 2}, {3, 3}, {9, 9}}) {
        EXPECT_EQ(CellAt(x, y), 0);
        EXPECT_EQ(GroupAt(x, y), 0);
    }
    EXPECT_EQ(CellAt(5, 5), 3);
    EXPECT_EQ(BurstGroup(7), 0); // nothing of it is left
    EXPECT_EQ(BurstGroup(0), 0);
    EXPECT_EQ(BurstGroup(-3), 0);
    EXPECT_EQ(SoundsStarted(), 1);
    EXPECT_EQ(particleList.size(), 32u);
}

TEST_F(Rules, BurstWithAConverterPendingLeavesSmallPrizes) {
    Background();
    Put(2, 2, 1, 7);
    Put(2, 3, 1, 7);
    Put(2, 4, 0, 12);
    convertPending = 1;
    EXPECT_EQ(BurstGroup(7), 2);
    EXPECT_EQ(burstTally[1], 2);
    EXPECT_EQ(CellAt(2, 2), SmallPrize);
    EXPECT_EQ(CellAt(2, 3), SmallPrize);
    EXPECT_EQ(GroupAt(2, 2), 0);
    EXPECT_EQ(GroupAt(2, 3), 0);
}

TEST_F(Rules, BashStartsOnlyStandingOnABlockWithBashesAndTheControlReleased) {
    struct Case {
        int row;
        bool still, released;
        int bashes;
        bool starts;
    };
    CellAt(4, 6) = 2; // below a character at (4, 5)
    const Case cases[] = {
        {5, true, true, 3, true},   {5, false, true, 3, false}, {5, true, false, 3, false},
        {5, true, true, 0, false},  {4, true, true, 3, false}, // the cell below is empty
        {24, true, true, 1, true},  // the floor under the bottom row is solid
        {-1, true, true, 1, false}, // above the board: row 0 column 4 is empty here
    };
    for (const Case& c : cases) {
        bashesLeft = c.bashes;
        EXPECT_EQ(BashMayStart(4, c.row, c.still, c.released), c.starts)
            << "row " << c.row << " still " << c.still << " released " << c.released;
    }
    bashesLeft = 2;
    StartBash();
    EXPECT_EQ(bashesLeft, 1);
    EXPECT_FALSE(OutOfBashes());
    StartBash(); // the last bash: the game ends in this frame, before it resolves
    EXPECT_TRUE(OutOfBashes());
}

TEST_F(Rules, BashHitsChipTheThreeNeighbours) {
    Background();
    int before = CellAt(10, 11);
    BashHits(10, 10);
    EXPECT_EQ(particleList.size(), 6u);
    EXPECT_EQ(CellAt(10, 11), before);
    particleList.clear();
    CellAt(9, 10) = 0; // a gap to the left throws nothing
    BashHits(10, 10);
    EXPECT_EQ(particleList.size(), 4u);
    particleList.clear();
    BashHits(0, 22); // the wall and row 23 throw nothing; the right neighbour does
    EXPECT_EQ(particleList.size(), 2u);
}

TEST_F(Rules, BashResolutionScoresEveryCellOnce) {
    LoadSounds({5});
    Background();
    // The character at (5, 10). Below and left are both in group 1 (joined through (4, 11));
    // right is group 2.
    Put(5, 11, 3, 1);
    Put(4, 11, 3, 1);
    Put(4, 10, 3, 1);
    Put(6, 10, 4, 2);
    Put(7, 10, 4, 2);
    convertPending = 1;
    int count = ResolveBash(5, 10, 300, 200);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(totalScore, 25);
    ASSERT_EQ(popupList.size(), 1u);
    EXPECT_EQ(popupList.front()->n, 25);
    EXPECT_EQ(popupList.front()->x, 300);
    EXPECT_EQ(popupList.front()->y, 184);
    EXPECT_EQ(burstTally[3], 3);
    EXPECT_EQ(burstTally[4], 2);
    EXPECT_EQ(convertPending, 0);
    EXPECT_EQ(SoundsStarted(), 2); // once for each group that burst
    for (int x = 4; x <= 7; x++) EXPECT_EQ(CellAt(x, 10), x == 5 ? 7 : SmallPrize);
    // The converted prizes have no group: the same bash again bursts nothing and scores nothing.
    EXPECT_EQ(ResolveBash(5, 10, 300, 200), 0);
    EXPECT_EQ(popupList.size(), 1u);
    EXPECT_EQ(totalScore, 25);
}

TEST_F(Rules, BashResolutionWithNothingBesideScoresNothing) {
    Background();
    for (int x = 4; x <= 6; x++) Put(x, 10, 0, 0); // gaps without a group, e.g. burst before
    Put(5, 11, 0, 0);
    convertPending = 1;
    EXPECT_EQ(ResolveBash(5, 10, 300, 200), 0);
    EXPECT_EQ(totalScore, 0);
    EXPECT_TRUE(popupList.empty());
    EXPECT_EQ(convertPending, 0);
}

TEST_F(Rules, BashResolutionNeverReachesTheTwoLowerRows) {
    Background();
    // Group numbers in rows 23 and 24 would name a group in the dealt rows; a bash there must
    // still burst nothing.
    Put(0, 0, 7, 900);
    Put(4, 23, SmallPrize, 900);
    Put(6, 23, SmallPrize, 900);
    Put(5, 24, BigPrize, 900);
    EXPECT_EQ(ResolveBash(5, 23, 300, 200), 0);
    EXPECT_EQ(CellAt(0, 0), 7);
    EXPECT_EQ(CellAt(4, 23), SmallPrize);
    EXPECT_EQ(CellAt(5, 24), BigPrize);
    // A bash in row 22 bursts its left and right neighbours but not row 23 below.
    Put(4, 22, 2, 31);
    Put(6, 22, 2, 32);
    Put(5, 23, SmallPrize, 900);
    EXPECT_EQ(ResolveBash(5, 22, 300, 200), 2);
    EXPECT_EQ(CellAt(0, 0), 7);
}

TEST_F(Rules, AConvertedBashDropsItsPrizesAndTheNextBashIsNormal) {
    Background();
    // The character stands at (10, 5) on a column of colour 2 (group 1) over a gap.
    for (int y = 6; y <= 8; y++) Put(10, y, 2, 1);
    for (int y = 9; y <= 12; y++) Put(10, y, 0, 2);
    Put(10, 5, Converter, 3);
    bashesLeft = 4;
    PickUpAt(10, 5, 0, 0);
    EXPECT_EQ(convertPending, 1);
    EXPECT_EQ(bashesLeft, 5);
    EXPECT_EQ(ResolveBash(10, 5, 0, 0), 3 + 2); // the column and the two side cells
    EXPECT_EQ(convertPending, 0);
    EXPECT_EQ(burstTally[2], 3);
    EXPECT_EQ(burstTally[7], 2);
    // The lowest prize falls the whole way in the first pass; each pass the next one follows.
    SettleItems();
    EXPECT_EQ(CellAt(10, 12), SmallPrize);
    EXPECT_EQ(CellAt(10, 8), 0);
    EXPECT_EQ(CellAt(10, 7), SmallPrize);
    SettleItems();
    SettleItems();
    for (int y = 5; y <= 9; y++) EXPECT_EQ(CellAt(10, y), 0) << y;
    for (int y = 10; y <= 12; y++) EXPECT_EQ(CellAt(10, y), SmallPrize) << y;
    EXPECT_EQ(CellAt(10, 13), 7);
    EXPECT_EQ(CellAt(9, 5), SmallPrize); // resting on blocks
    // The fallen prizes now sit in cells of the dealt gap's group 2, so the next bash, from
    // (10, 9), bursts them with that group (and its two side blocks), without converting.
    EXPECT_EQ(ResolveBash(10, 9, 0, 0), 3 + 2);
    EXPECT_EQ(burstTally[9], 3);
    EXPECT_EQ(burstTally[7], 4);
    for (int y = 10; y <= 12; y++) EXPECT_EQ(CellAt(10, y), 0) << y;
    EXPECT_EQ(CellAt(9, 9), 0);
    // A converted prize that stayed in its own cell has no group and no bash bursts it.
    Put(8, 4, 0, 0);
    Put(10, 4, 0, 0);
    EXPECT_EQ(ResolveBash(9, 4, 0, 0), 0);
    EXPECT_EQ(CellAt(9, 5), SmallPrize);
}

TEST_F(Rules, ABashBesideADealtPrizeBurstsItsWholePrizeGroup) {
    Background();
    Put(4, 10, SmallPrize, 50);
    Put(4, 9, SmallPrize, 50);
    Put(5, 11, 3, 60);
    Put(5, 10, 0, 0);
    Put(6, 10, 0, 0);
    EXPECT_EQ(ResolveBash(5, 10, 0, 16), 3);
    EXPECT_EQ(totalScore, 15); // 5 a cell: the prizes are burst, not collected
    EXPECT_EQ(burstTally[9], 2);
    EXPECT_EQ(burstTally[3], 1);
    EXPECT_EQ(CellAt(4, 9), 0);
}

TEST_F(Rules, RedBurstEndsOnlyAvoidReds) {
    Background();
    Put(5, 11, 1, 1);
    Put(6, 10, 4, 2);
    for (int mode : {0, 3}) {
        GameMode = mode;
        EXPECT_FALSE(RedBurstEnds());
    }
    GameMode = 3;
    ResolveBash(5, 10, 0, 0);
    EXPECT_TRUE(RedBurstEnds());
    EXPECT_EQ(totalScore, 15); // the points of that bash still count
    GameMode = 0;
    EXPECT_FALSE(RedBurstEnds());
}

TEST_F(Rules, BottomRowPaysTheBashBonusOnceThenItsPrizes) {
    bashesLeft = 7;
    int finishCounter = 0;
    EXPECT_FALSE(StartFinishAtBottom(23, finishCounter));
    EXPECT_EQ(totalScore, 0);
    EXPECT_TRUE(StartFinishAtBottom(24, finishCounter));
    EXPECT_EQ(finishCounter, 1);
    EXPECT_EQ(totalScore, 175);
    finishCounter = 2;
    EXPECT_FALSE(StartFinishAtBottom(24, finishCounter));
    EXPECT_EQ(totalScore, 175);
    CellAt(12, 24) = BigPrize;
    PickUpAt(12, 24, 0, 0);
    EXPECT_EQ(totalScore, 175 + 1250);
}
