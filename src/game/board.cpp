#include "game/board.h"

#include "display/virtual_screen.h"
#include "game/game_modes.h"
#include "game/random.h"

std::array<int, BoardCells> board{};
std::array<int, BoardCells> groupMap{};

int GameMode = 0;
int GameFlags = 0;
int totalScore = 0;
int bashesLeft = 0;
int convertPending = 0;
std::array<int, 31> burstTally{};

namespace {
bool IsBlock(int value) {
    return value >= 1 && value <= 8;
}

int ItemValue(char kind) {
    switch (kind) {
    case 'P':
        return BigPrize;
    case 'b':
        return BashRefill;
    case 'c':
        return Converter;
    default:
        return SmallPrize;
    }
}

void DealBlocks(const GameModeRules& rules) {
    // Every cell starts as a group of its own, numbered 1-874 column by column.
    int n = 0;
    for (int x = 0; x < BoardColumns; x++) {
        for (int y = 0; y < DealtRows; y++) {
            n++;
            CellAt(x, y) = Rand(1, rules.colours);
            if (Rand(0, rules.colours - 1) == 1) CellAt(x, y) = rules.extraColour;
            GroupAt(x, y) = n;
        }
    }
}

void CutGaps(const GameModeRules& rules) {
    for (int y = 0; y < DealtRows; y++) {
        for (int gap = 0; gap < rules.gapsPerRow; gap++) {
            int centre = Rand(0, 37);
            int halfWidth = Rand(0, 3);
            for (int d = 0; d <= halfWidth; d++) {
                if (centre + d <= 37) CellAt(centre + d, y) = 0;
                if (centre - d >= 0) CellAt(centre - d, y) = 0;
            }
        }
    }
}

void PlaceItems(const GameModeRules& rules) {
    for (int k = 1; k <= rules.items; k++) {
        int x, y;
        // Items only replace blocks. Every row keeps blocks after at most three 7-cell gaps, so
        // this always ends.
        do {
            x = Rand(0, 37);
            y = Rand(0, 21);
        } while (!IsBlock(CellAt(x, y)));
        CellAt(x, y) = SmallPrize;
        char kind = rules.kinds[k - 1];
        if (kind == 'e') {
            // "Less Bashes" hides its refills a few rows down the same column, over whatever is
            // there. The draw belongs to this item, before the next item's draws.
            int refillRow = Rand(7, 10);
            CellAt(x, refillRow) = BashRefill;
        } else {
            CellAt(x, y) = ItemValue(kind);
        }
    }
}

void PlaceBottomPrizes() {
    for (int prize = 0; prize < 10; prize++) {
        int x;
        do x = Rand(0, 37);
        while (CellAt(x, 24) != 0);
        CellAt(x, 24) = SmallPrize;
        if (Rand(0, 5) == 1) CellAt(x, 24) = BigPrize;
    }
}

void FindGroups() {
    // Relabelling moves whole groups, so the first sweep already joins every pair of equal
    // neighbours; the other three sweeps settle nothing new but are part of the deal as designed.
    for (int x = 0; x <= 37; x++)
        for (int y = 0; y <= 22; y++) MergeAtCell(x, y);
    for (int x = 37; x >= 0; x--)
        for (int y = 22; y >= 0; y--) MergeAtCell(x, y);
    for (int x = 37; x >= 0; x--)
        for (int y = 0; y <= 22; y++) MergeAtCell(x, y);
    for (int x = 0; x <= 37; x++)
        for (int y = 22; y >= 0; y--) MergeAtCell(x, y);
}
} // namespace

void DealBoard() {
    const GameModeRules& rules = RulesOf(GameMode);
    SeedRnd(GameFlags * 10 + GameMode);
    board.fill(0);
    groupMap.fill(0); // rows 23 and 24 stay empty and without groups
    DealBlocks(rules);
    CutGaps(rules);
    PlaceItems(rules);
    PlaceBottomPrizes();
    FindGroups();
    bashesLeft = rules.startingBashes > 0 ? rules.startingBashes : Rand(8, 16);
    convertPending = 0;
}

void MergeAtCell(int x, int y) {
    int value = CellAt(x, y);
    auto join = [&](int nx, int ny) {
        if (CellAt(nx, ny) == value && GroupAt(nx, ny) != GroupAt(x, y))
            RelabelGroup(GroupAt(x, y), GroupAt(nx, ny));
    };
    if (x > 0) join(x - 1, y);
    if (y > 0) join(x, y - 1);
    if (x < 37) join(x + 1, y);
    if (y < 22) join(x, y + 1);
}

void RelabelGroup(int oldGroup, int newGroup) {
    for (int y = 0; y < DealtRows; y++)
        for (int x = 0; x < BoardColumns; x++)
            if (GroupAt(x, y) == oldGroup) GroupAt(x, y) = newGroup;
}

int IsSolid(int x, int y) {
    bool offBoard = x < 0 || x > 37;
    if (y < 0) return offBoard ? 1 : 0;
    if (y == 23 || y == 24) return offBoard ? 1 : 0;
    if (y > 24) return 1;
    if (offBoard) return 1;
    return IsBlock(CellAt(x, y)) ? 1 : 0;
}

void SettleItemAt(int x, int y) {
    if (x < 0 || x > 37 || y < 0 || y >= 24) return;
    if (CellAt(x, y) > 8 && CellAt(x, y + 1) == 0) {
        CellAt(x, y + 1) = CellAt(x, y);
        CellAt(x, y) = 0;
    }
}

void SettleItems() {
    for (int x = 0; x < BoardColumns; x++)
        for (int y = 0; y < BoardRows; y++) SettleItemAt(x, y);
}

int BoardOriginX() {
    return virtualWidth / 2 - 608;
}
int BoardOriginY() {
    return virtualHeight - 832;
}
