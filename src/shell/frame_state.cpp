#include "shell/frame_state.h"

int lastFrameMs = 0;
int frameMs = 0;
int fpsAverage = 0, fpsShown = 0;
int frameSkipFlag = 0;
int overlay = 1;
int settingsOpen = 0;
int inGame = 0;
int gameStartMs = 0;
int mouseX = 0, mouseY = 0, previousMouseX = 0, previousMouseY = 0;
int mouseHit1 = 0, mouseHit2 = 0;
int collected = 0;
