// Opening the display: the mode list, the renderer, window or full screen, the virtual screen, and
// reloading everything that belongs to the display.
#pragma once

#include <array>

// The qualifying modes (4:3, 16:9, 16:10) of the current driver, used from index 1.
extern std::array<int, 2500> modeWidths, modeHeights;
extern int modeCount;

// Opens (or reopens) the display from the settings, sets the virtual screen and loads the common
// assets, the scores and the game's assets. The working folder is the data folder before and after.
// When no display can be opened at all, the program logs why and exits with code 1.
void ApplyDisplaySettings();
// Rebuilds the mode list from the driver's modes and settles settings.width/height on a listed
// mode (the previous one when the requested mode is not listed).
void BuildModeList();
