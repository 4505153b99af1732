// The five rule sets a game can be played with.
#pragma once

#include <array>
#include <string>

struct GameModeRules {
    std::string name;   // as the title screen shows it
    int colours;        // block colours dealt, 1 to colours
    int gapsPerRow;     // gaps cut into every dealt row
    int items;          // items placed in rows 0-21
    int startingBashes; // 0: drawn from 8-16 as the deal's last draw
    int extraColour;    // the colour every deal cell turns to on a lucky draw
    // The kind of the item placed k-th (kinds[k - 1]): 'p' small prize, 'P' big prize, 'b' bash
    // refill, 'c' converter, 'e' a small prize with a bash refill put elsewhere in its column.
    std::string kinds;
};

extern const std::array<GameModeRules, 5> gameModes;

// The rules of mode (clamped to 0-4).
const GameModeRules& RulesOf(int mode);
