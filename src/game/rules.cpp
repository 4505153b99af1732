#include "game/rules.h"

#include "game/board.h"
#include "game/effects.h"
#include "game/sound_effects.h"

namespace {
constexpr int Yellow[3] = {255, 255, 0};

void Score(int points, int x, int y) {
    AddScore(points, x, y, Yellow[0], Yellow[1], Yellow[2]);
}

int BurstGroupAt(int x, int y) {
    if (x < 0 || x > 37 || y < 0 || y > 22) return 0;
    return BurstGroup(GroupAt(x, y));
}
} // namespace

void PickUpAt(int x, int y, int popX, int popY) {
    // Row 25 is the floor under the board: never an item there, but the test is harmless.
    if (x < 0 || x > 37 || y < 0 || y > 25) return;
    bool bottom = y == 24;
    switch (CellAt(x, y)) {
    case SmallPrize:
        Score(bottom ? 300 : 50, popX, popY);
        PlaySfx(1, 1, 1, 0);
        break;
    case BigPrize:
        Score(bottom ? 1250 : 250, popX, popY);
        PlaySfx(2, 1, 1, 0);
        break;
    case BashRefill:
        bashesLeft += 5;
        Score(50, popX, popY);
        PlaySfx(4, 1, 1, 0);
        break;
    case Converter:
        bashesLeft += 1;
        Score(50, popX, popY);
        PlaySfx(3, 1, 1, 0);
        convertPending = 1;
        break;
    default:
        return;
    }
    BurstCell(x, y);
}

int BurstGroup(int g) {
    if (g <= 0) return 0;
    int count = 0;
    for (int x = 0; x < BoardColumns; x++) {
        for (int y = 0; y < DealtRows; y++) {
            int value = CellAt(x, y);
            if (GroupAt(x, y) != g || value <= 0) continue;
            count++;
            ThrowGroupPieces(x, y);
            if (value <= 16) burstTally[value]++;
            GroupAt(x, y) = 0;
            CellAt(x, y) = convertPending == 1 ? SmallPrize : 0;
        }
    }
    if (count > 0) PlaySfx(5, 1, 1, 0);
    return count;
}

bool BashMayStart(int x, int y, bool standingStill, bool latchReleased) {
    return standingStill && latchReleased && IsSolid(x, y + 1) && bashesLeft > 0;
}

void StartBash() {
    bashesLeft -= 1;
}

void BashHits(int x, int y) {
    ChipCell(x, y + 1);
    ChipCell(x - 1, y);
    ChipCell(x + 1, y);
}

int ResolveBash(int x, int y, int popX, int popY) {
    // A group burst first has lost its numbers, so a cell joined to two of the three neighbours
    // scores once.
    int count = BurstGroupAt(x, y + 1);
    count += BurstGroupAt(x - 1, y);
    count += BurstGroupAt(x + 1, y);
    if (count > 0) Score(5 * count, popX, popY - 16);
    convertPending = 0;
    return count;
}

bool StartFinishAtBottom(int row, int& finishCounter) {
    if (row != 24 || finishCounter != 0) return false;
    finishCounter = 1;
    totalScore += 25 * bashesLeft;
    return true;
}

bool OutOfBashes() {
    return bashesLeft <= 0;
}

bool RedBurstEnds() {
    return GameMode == 3 && burstTally[1] > 0;
}
