#include "game/board_text.h"

#include "game/board.h"

namespace {
char CellChar(int value) {
    if (value == 0) return '.';
    if (value >= 1 && value <= 8) return static_cast<char>('0' + value);
    switch (value) {
    case SmallPrize:
        return 'p';
    case BigPrize:
        return 'P';
    case BashRefill:
        return 'b';
    case Converter:
        return 'c';
    default:
        return '?';
    }
}
} // namespace

std::string BoardText() {
    std::string text;
    text.reserve(BoardRows * (BoardColumns + 1) + 16);
    for (int y = 0; y < BoardRows; y++) {
        for (int x = 0; x < BoardColumns; x++) text += CellChar(CellAt(x, y));
        text += '\n';
    }
    text += "bashes " + std::to_string(bashesLeft) + "\n";
    return text;
}
