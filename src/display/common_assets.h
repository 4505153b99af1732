// The assets every screen shares, loaded each time a display opens. Look them up at drawing time:
// a display change replaces them.
#pragma once

#include <array>

#include "platform/audio.h"
#include "platform/gfx.h"

extern std::array<FontRef, 20> UiFonts;    // slots 1-13
extern std::array<FontRef, 100> FontTable; // (family - 1) * 10 + size step
extern ImageRef IconSheet;                 // icons.png, 64 frames of 16 x 16, filtered
extern ImageRef IconSheetSharp;            // the same, unfiltered
extern ImageRef LogoImage;
extern ImageRef SiteLogoImage;
extern ImageRef BadgeSheet; // badges.png, 16 frames of 64 x 64
extern SoundRef BadgeSound; // the start-up chime
extern int displayOpened;   // 1 once the first display has shown its first frame

// Loads the tables above from Files/Common/ and the data folder, then the local scores. Entered
// and left with the data folder as the working folder. The first call also shows the first frame
// and plays the chime.
void LoadCommonAssets();
