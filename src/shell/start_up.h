// The program's start: shared tables and defaults, the debug log, the settings, the display with
// every asset, then the title screen. Never returns: the program ends in the closing screen.
#pragma once

#include <array>
#include <string>

extern std::array<std::string, 33> CreditLines; // lines 1-32 of the About tab
extern int playersShown;                        // players listed on the controls screen
extern int badgeKinds;                          // badge kinds shown in score tables

void StartUp();
// Steps 1-12 of the start without opening the display (tests drive the rest themselves).
void StartUpBeforeDisplay();
