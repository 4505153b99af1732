// One whole game, from the deal to the filed result, and the game's own pictures.
#pragma once

#include "platform/gfx.h"

extern ImageRef gameLogo;       // the title logo
extern ImageRef blockSheet;     // 16 frames of 32 x 32: eight colours, then the items
extern ImageRef characterSheet; // 32 frames of 64 x 64

// Runs the engine test, then loads the game's pictures from the data folder.
void LoadGameAssets();
// Plays one game with GameMode and GameFlags, then the name entry and the filing of the result.
void PlayGame();

// The character, for tests that look at a game in progress.
enum CharacterState { Idle = 0, Walk = 1, Fall = 2, Bash = 3, Climb = 4 };
struct Character {
    int column = 19, row = -1;
    int offX = 0, offY = 0;
    int state = Idle;
    int facing = 1;
    int anim = 0;
    int bashTimer = 0;
    int bashLatch = 1;
};
extern Character character;
extern int finishCounter;
extern int endCode; // 0 playing, 1 game over, 99 quit through the pause menu
