#include "game/board.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/board_text.h"
#include "game/random.h"
#include "test_support.h"

namespace {
// The deal written out once more from the game's rules, step by step, with the mode parameters
// typed in from the rule tables, so that a slip in either the game's tables or its order of draws
// shows as a difference.
struct ModeParams {
    int colours, gaps, items, bashes, extra;
    std::set<int> big, refill, converter, refillElsewhere;
};
const ModeParams modeParams[5] = {
    {4, 1, 20, 20, 1, {5, 6, 7, 8}, {10, 11, 12}, {15, 16}, {}},
    {6, 1, 10, 5, 1, {5}, {}, {}, {6, 7, 8, 10}},
    {8, 2, 30, 12, 1, {5, 6}, {10, 11, 12}, {15, 16}, {}},
    {5, 1, 15, 0, 2, {5, 6, 7, 8}, {10}, {15}, {}},
    {7, 3, 20, 0, 1, {5, 6, 7, 8, 9, 13, 14}, {10, 11, 12}, {15, 16}, {}},
};

struct Item {
    int k, x, y, refillRow; // refillRow -1: none
};
struct Reference {
    int cells[25][38] = {};
    int beforeItems[25][38] = {};
    std::vector<Item> items;
    int bashes = 0;
};

Reference ReferenceDeal(int mode, int set) {
    const ModeParams& p = modeParams[mode];
    Reference ref;
    SeedRnd(set * 10 + mode);
    for (int x = 0; x < 38; x++)
        for (int y = 0; y < 23; y++) {
            int colour = Rand(1, p.colours);
            if (Rand(0, p.colours - 1) == 1) colour = p.extra;
            ref.cells[y][x] = colour;
        }
    for (int y = 0; y < 23; y++)
        for (int g = 0; g < p.gaps; g++) {
            int c = Rand(0, 37), h = Rand(0, 3);
            for (int x = std::max(0, c - h); x <= std::min(37, c + h); x++) ref.cells[y][x] = 0;
        }
    std::copy(&ref.cells[0][0], &ref.cells[0][0] + 25 * 38, &ref.beforeItems[0][0]);
    for (int k = 1; k <= p.items; k++) {
        int x, y;
        do {
            x = Rand(0, 37);
            y = Rand(0, 21);
        } while (ref.cells[y][x] < 1 || ref.cells[y][x] > 8);
        Item item{k, x, y, -1};
        ref.cells[y][x] = p.big.count(k)         ? 10
                          : p.refill.count(k)    ? 11
                          : p.converter.count(k) ? 12
                                                 : 9;
        if (p.refillElsewhere.count(k)) {
            item.refillRow = Rand(7, 10);
            ref.cells[item.refillRow][x] = 11;
        }
        ref.items.push_back(item);
    }
    for (int i = 0; i < 10; i++) {
        int x;
        do x = Rand(0, 37);
        while (ref.cells[24][x] != 0);
        ref.cells[24][x] = Rand(0, 5) == 1 ? 10 : 9;
    }
    ref.bashes = p.bashes > 0 ? p.bashes : Rand(8, 16);
    return ref;
}

void Deal(int mode, int set) {
    GameMode = mode;
    GameFlags = set;
    DealBoard();
}

// The 4-connected components of equal values over rows 0-22, by flood fill: a component number
// for every cell.
std::vector<int> Components() {
    std::vector<int> component(38 * 23, -1);
    int next = 0;
    for (int start = 0; start < 38 * 23; start++) {
        if (component[start] >= 0) continue;
        std::vector<int> stack{start};
        component[start] = next;
        while (!stack.empty()) {
            int cell = stack.back();
            stack.pop_back();
            int x = cell % 38, y = cell / 38;
            const int dx[4] = {-1, 1, 0, 0}, dy[4] = {0, 0, -1, 1};
            for (int d = 0; d < 4; d++) {
                int nx = x + dx[d], ny = y + dy[d];
                if (nx < 0 || nx > 37 || ny < 0 || ny > 22) continue;
                int neighbour = nx + 38 * ny;
                if (component[neighbour] < 0 && CellAt(nx, ny) == CellAt(x, y)) {
                    component[neighbour] = next;
                    stack.push_back(neighbour);
                }
            }
        }
        next++;
    }
    return component;
}

class EveryDeal : public ::testing::TestWithParam<int> {
protected:
    int mode() const { return GetParam() % 5; }
    int set() const { return GetParam() / 5; }
};
} // namespace

TEST_P(EveryDeal, MatchesTheRulesDrawForDraw) {
    Reference ref = ReferenceDeal(mode(), set());
    SeedRnd(12345); // the deal seeds itself: what came before must not matter
    Deal(mode(), set());
    for (int y = 0; y < 25; y++)
        for (int x = 0; x < 38; x++)
            ASSERT_EQ(CellAt(x, y), ref.cells[y][x]) << "cell " << x << "," << y;
    EXPECT_EQ(bashesLeft, ref.bashes);
    EXPECT_EQ(convertPending, 0);
    if (mode() == 3 || mode() == 4) {
        EXPECT_GE(bashesLeft, 8);
        EXPECT_LE(bashesLeft, 16);
    }
}

TEST_P(EveryDeal, IsTheSameEveryTime) {
    Deal(mode(), set());
    std::string first = BoardText();
    auto firstGroups = groupMap;
    Deal((mode() + 1) % 5, (set() + 2) % 5);
    convertPending = 1;
    Deal(mode(), set());
    EXPECT_EQ(BoardText(), first);
    EXPECT_EQ(groupMap, firstGroups);
    EXPECT_EQ(convertPending, 0);
}

TEST_P(EveryDeal, KeepsItsInvariants) {
    Reference ref = ReferenceDeal(mode(), set());
    Deal(mode(), set());
    std::set<int> prizeColumns;
    for (int x = 0; x < 38; x++) {
        EXPECT_EQ(CellAt(x, 23), 0) << "row 23, column " << x;
        EXPECT_EQ(GroupAt(x, 23), 0);
        EXPECT_EQ(GroupAt(x, 24), 0);
        int bottom = CellAt(x, 24);
        EXPECT_TRUE(bottom == 0 || bottom == SmallPrize || bottom == BigPrize) << bottom;
        if (bottom != 0) prizeColumns.insert(x);
    }
    EXPECT_EQ(prizeColumns.size(), 10u);
    // Every item of rows 0-21 stands on a former block, with the kind of its placing number.
    ASSERT_EQ(static_cast<int>(ref.items.size()), modeParams[mode()].items);
    for (const Item& item : ref.items) {
        int before = ref.beforeItems[item.y][item.x];
        EXPECT_TRUE(before >= 1 && before <= 8) << "item " << item.k;
        if (item.refillRow >= 0)
            EXPECT_EQ(CellAt(item.x, item.refillRow), BashRefill);
        else
            EXPECT_GE(CellAt(item.x, item.y), SmallPrize) << "item " << item.k;
    }
    // The group map is exactly the partition into connected equal-valued areas.
    std::vector<int> component = Components();
    std::map<int, int> groupOfComponent, componentOfGroup;
    for (int y = 0; y < 23; y++)
        for (int x = 0; x < 38; x++) {
            int c = component[x + 38 * y], g = GroupAt(x, y);
            ASSERT_NE(g, 0) << x << "," << y;
            auto [gi, newComponent] = groupOfComponent.emplace(c, g);
            EXPECT_EQ(gi->second, g) << "one area, two groups at " << x << "," << y;
            auto [ci, newGroup] = componentOfGroup.emplace(g, c);
            EXPECT_EQ(ci->second, c) << "one group, two areas at " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Board, EveryDeal, ::testing::Range(0, 25),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "mode" + std::to_string(info.param % 5) + "_set" +
                                    std::to_string(info.param / 5);
                         });

TEST(Board, DealsMatchTheGoldenBoards) {
    for (auto [mode, set] : {std::pair{0, 0}, std::pair{1, 2}, std::pair{4, 3}}) {
        Deal(mode, set);
        std::string name = "board_m" + std::to_string(mode) + "_s" + std::to_string(set) + ".txt";
        EXPECT_EQ(BoardText(), ReadFileText(std::string(BODGER_TEST_DATA) + "/" + name)) << name;
    }
}

TEST(Board, TheLevelSetsAreTwentyFiveDifferentBoards) {
    std::set<std::string> boards;
    for (int i = 0; i < 25; i++) {
        Deal(i % 5, i / 5);
        boards.insert(BoardText());
    }
    EXPECT_EQ(boards.size(), 25u);
}

TEST(Board, MergeJoinsEqualNeighboursOnly) {
    board.fill(0);
    groupMap.fill(0);
    // A 2x2 square of colour 3 in four groups, a colour 4 beside it.
    CellAt(0, 0) = CellAt(1, 0) = CellAt(0, 1) = CellAt(1, 1) = 3;
    CellAt(2, 0) = 4;
    GroupAt(0, 0) = 1, GroupAt(1, 0) = 2, GroupAt(0, 1) = 3, GroupAt(1, 1) = 4, GroupAt(2, 0) = 5;
    for (int x = 3; x < 38; x++) CellAt(x, 0) = 6, GroupAt(x, 0) = 100 + x;
    for (int y = 2; y < 23; y++)
        for (int x = 0; x < 38; x++) CellAt(x, y) = 7, GroupAt(x, y) = 200;
    for (int x = 2; x < 38; x++) CellAt(x, 1) = 7, GroupAt(x, 1) = 200;
    MergeAtCell(1, 1);
    EXPECT_EQ(GroupAt(1, 1), GroupAt(1, 0));
    EXPECT_EQ(GroupAt(1, 1), GroupAt(0, 1));
    EXPECT_NE(GroupAt(0, 0), GroupAt(1, 1)); // not a neighbour of (1, 1)
    MergeAtCell(0, 0);
    EXPECT_EQ(GroupAt(0, 0), GroupAt(1, 1));
    EXPECT_EQ(GroupAt(2, 0), 5);
    RelabelGroup(5, 9);
    EXPECT_EQ(GroupAt(2, 0), 9);
}

TEST(Board, IsSolidOnAndAroundTheBoard) {
    board.fill(0);
    CellAt(5, 5) = 3;
    CellAt(6, 5) = SmallPrize;
    CellAt(5, 23) = 2; // never dealt there, but rows 23 and 24 are open whatever they hold
    CellAt(5, 24) = 2;
    struct Case {
        int x, y, solid;
    };
    const Case cases[] = {
        {-1, 5, 1},  {38, 5, 1}, {5, -3, 0},  {-1, -3, 1}, {38, -1, 1},
        {5, 23, 0},  {5, 24, 0}, {-1, 23, 1}, {38, 24, 1}, {5, 25, 1},
        {-4, 30, 1}, {5, 5, 1},  {6, 5, 0},   {7, 5, 0},   {0, 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(IsSolid(c.x, c.y), c.solid) << c.x << "," << c.y;
    for (int v = 0; v <= 12; v++) {
        CellAt(9, 9) = v;
        EXPECT_EQ(IsSolid(9, 9), v >= 1 && v <= 8 ? 1 : 0) << "value " << v;
    }
}

TEST(Board, ItemsFallThroughGapsInOnePass) {
    board.fill(0);
    // Column 3: a prize over five gaps, resting on a block.
    CellAt(3, 0) = SmallPrize;
    CellAt(3, 6) = 2;
    // Column 4: an item stops on another item.
    CellAt(4, 0) = BigPrize;
    CellAt(4, 2) = Converter;
    CellAt(4, 3) = 1;
    // Column 5: from row 22 down to the bottom row; blocks stay put.
    CellAt(5, 21) = 4;
    CellAt(5, 22) = BashRefill;
    // Column 6: two stacked items; the pass has gone by the upper one when the lower one moves.
    CellAt(6, 0) = SmallPrize;
    CellAt(6, 1) = BigPrize;
    CellAt(6, 5) = 3;
    SettleItems();
    EXPECT_EQ(CellAt(3, 0), 0);
    EXPECT_EQ(CellAt(3, 5), SmallPrize);
    EXPECT_EQ(CellAt(4, 1), BigPrize);
    EXPECT_EQ(CellAt(4, 2), Converter);
    EXPECT_EQ(CellAt(5, 21), 4);
    EXPECT_EQ(CellAt(5, 24), BashRefill);
    EXPECT_EQ(CellAt(5, 22), 0);
    EXPECT_EQ(CellAt(6, 0), SmallPrize);
    EXPECT_EQ(CellAt(6, 4), BigPrize);
    SettleItems();
    EXPECT_EQ(CellAt(6, 3), SmallPrize);
    EXPECT_EQ(CellAt(5, 24), BashRefill); // row 24 is the end of the fall
    int items = 0;
    for (int v : board) items += v > 8;
    EXPECT_EQ(items, 6);
}

TEST(Board, OriginCentresTheBoardOnTheVirtualScreen) {
    EXPECT_EQ(BoardOriginX(), 32);
    EXPECT_EQ(BoardOriginY(), 128);
}
