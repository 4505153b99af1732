// The real display mode and the virtual screen every screen draws in.
#pragma once

// The real mode last applied, in pixels (800 x 600 before the first display opens).
extern int screenWidth, screenHeight;
// The virtual screen: 1280 x 960 for 4:3 modes, 1600 x 900 for 16:9, 1440 x 900 for 16:10.
extern int virtualWidth, virtualHeight;
