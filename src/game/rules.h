// What items, bashes and bursts do to the board and the score, and when a game ends. The play
// loop calls these at fixed points of its frame; the character's own movement is its business.
#pragma once

// A bash lasts this many frames; it resolves in the last one.
constexpr int BashFrames = 32;

// The pick-up at the character's cell (x, y), every frame: an item there is collected, its points
// rise from (popX, popY), and it bursts into 48 pieces.
void PickUpAt(int x, int y, int popX, int popY);

// Bursts every cell of group g that holds something (g 0 or below: nothing) and returns how
// many. Burst cells are tallied and lose their group; with a converter pending they become small
// prizes instead of gaps.
int BurstGroup(int g);

// Whether a character at (x, y) may start a bash: it stands still, a block is below it, a bash is
// left, and the bash controls were released since the previous bash began.
bool BashMayStart(int x, int y, bool standingStill, bool latchReleased);
// Counts the bash off at once, before it has hit anything.
void StartBash();
// One frame of hammering on the cells below, left and right of (x, y).
void BashHits(int x, int y);
// The bash of a character at (x, y) resolves: the groups below, left and right burst, 5 points a
// cell, shown 16 pixels above the character's popup position (popX, popY). Ends a pending
// conversion. Returns the cells burst.
int ResolveBash(int x, int y, int popX, int popY);

// Bottom reached: in the first frame with the character in row 24 (finishCounter still 0) the
// bashes left pay 25 points each and the finish starts (finishCounter = 1). True in that frame.
bool StartFinishAtBottom(int row, int& finishCounter);
// The bashes are used up: the game ends in this frame.
bool OutOfBashes();
// "Avoid Reds": a red block has burst, and the game ends in this frame.
bool RedBurstEnds();
