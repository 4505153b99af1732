// The three logo pictures: the framework's emblem (Common/logo.png), the site logo
// (Common/Tumblix.png) and the game's title (279/logo.png).
#pragma once

#include "canvas.h"

Image MakeFrameworkLogo(); // 256 x 128, "WEKLOFT" under an emblem
Image MakeSiteLogo();      // 256 x 128, "TUMBLIX" under three tumbling cubes
Image MakeTitleLogo();     // 640 x 200, "BODGER THUMP" built of little blocks
