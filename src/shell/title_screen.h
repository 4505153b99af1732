// The program's home: game modes, level sets, the high-score and About tabs, the start prompt.
#pragma once

extern int titleTab;   // 1 high scores, 3 About
extern int titleLevel; // the Level of the next game; stays 0
extern int slideInStep;

// Never returns: Escape leaves through the closing screen.
[[noreturn]] void TitleScreen();
// One frame of the title screen; returns 1 when Escape asked to quit.
int TitleFrame();
