// blocks.png: 256 x 64, sixteen 32 x 32 pictures in two rows. The first row holds the eight block
// colours (value 1 to 8), the second the item pictures (value 9 to 16). The game also cuts the
// same file into 8 x 8 pieces for the particles of a burst.
#pragma once

#include "canvas.h"

Image MakeBlockSheet();
