// The board of blocks, its group map, the game's running state and the deal of a level set.
#pragma once

#include <array>

constexpr int BoardColumns = 38; // x = 0-37
constexpr int BoardRows = 25;    // y = 0-24; row 24 is the goal
constexpr int DealtRows = 23;    // rows 0-22 hold blocks and groups
constexpr int BoardStride = 50;  // cell (x, y) sits at x + 50 * y
constexpr int BoardCells = 2000;

// Cell values: 0 empty, 1-8 block colours (1 red), and the items.
constexpr int SmallPrize = 9;
constexpr int BigPrize = 10;
constexpr int BashRefill = 11;
constexpr int Converter = 12;

extern std::array<int, BoardCells> board;
// The group number of every cell of rows 0-22 as of the deal (0: no group). Bursting clears a
// cell's number; falling items leave the numbers where they were.
extern std::array<int, BoardCells> groupMap;

inline int& CellAt(int x, int y) {
    return board[x + BoardStride * y];
}
inline int& GroupAt(int x, int y) {
    return groupMap[x + BoardStride * y];
}

// The rule set (0-4) and the level set (0-4); the title screen sets both before a game.
extern int GameMode;
extern int GameFlags;
extern int totalScore;
extern int bashesLeft;
// 1 from a converter pick-up until the end of the next bash: burst cells turn into small prizes.
extern int convertPending;
// Cells destroyed by bursts, by value (1-16); 0 and 17-30 stay 0.
extern std::array<int, 31> burstTally;

// Deals the board of GameMode and GameFlags: seeds the generator, fills the board and the group
// map, and sets bashesLeft and convertPending.
void DealBoard();

// Joins the group of (x, y) to every equal-valued neighbour's group.
void MergeAtCell(int x, int y);
// Every cell of rows 0-22 in group oldGroup moves to newGroup.
void RelabelGroup(int oldGroup, int newGroup);

// 1 when (x, y) blocks the character: blocks, the side walls and the floor below row 24. The sky
// above the board, rows 23 and 24, empty cells and items are open. Any x and y may be asked.
int IsSolid(int x, int y);

// The item fall at one cell: an item above an empty cell moves down into it. The board pass visits
// x = 0-37 and, inside, y = 0-24, so an item falls through a whole run of gaps in one pass.
void SettleItemAt(int x, int y);
// One whole board pass of the item fall.
void SettleItems();

// The top-left corner of cell (0, 0) on the virtual screen.
int BoardOriginX();
int BoardOriginY();
