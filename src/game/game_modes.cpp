#include "game/game_modes.h"

#include <algorithm>

// "Avoid Reds" keeps red rare by giving the extra share to colour 2 instead of red.
const std::array<GameModeRules, 5> gameModes = {{
    {"Classic", 4, 1, 20, 20, 1, "ppppPPPPpbbbppccpppp"},
    {"Less Bashes", 6, 1, 10, 5, 1, "ppppPeeepe"},
    {"Less Groups", 8, 2, 30, 12, 1, "ppppPPpppbbbppccpppppppppppppp"},
    {"Avoid Reds", 5, 1, 15, 0, 2, "ppppPPPPpbppppc"},
    {"Random", 7, 3, 20, 0, 1, "ppppPPPPPbbbPPccpppp"},
}};

const GameModeRules& RulesOf(int mode) {
    return gameModes[std::clamp(mode, 0, 4)];
}
