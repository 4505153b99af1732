// Drawing of the particles, score popups and notices, in the same pass that moves them.
#pragma once

#include "platform/gfx.h"

// The particle sheet: blocks.png cut into 8 x 8 pieces (256 frames).
extern ImageRef particleSheet;

void UpdateAndDrawParticles();
void UpdateAndDrawPopups();
void UpdateAndDrawNotices();
