// EndFrame: the one place where every screen's frame is finished and shown.
#pragma once

// Serves the global keys (Tab, F11, Escape in a game, F12, Alt+F4), draws the popups, notices,
// overlay and pointer, paces to about 60 frames per second and shows the frame. Returns 0, or the
// pause menu's result (1 continue, 99 quit) on the frame in which the pause menu ran.
int EndFrame(int showPointer);
