// The frame loop's program-wide state, read by every screen.
#pragma once

extern int lastFrameMs; // clock at the end of the previous EndFrame
extern int frameMs;     // duration of the last frame
extern int fpsAverage, fpsShown;
extern int frameSkipFlag; // flips at the end of every frame
extern int overlay;       // 1 while the performance overlay is drawn
extern int settingsOpen;  // toggled by Tab
extern int inGame;        // 0 menus, 1 in a game, 2 in the pause menu
extern int gameStartMs;
extern int mouseX, mouseY, previousMouseX, previousMouseY;
extern int mouseHit1, mouseHit2;
extern int collected; // records released at the last reclaim
