// icons.png: 256 x 64, sixty-four 16 x 16 frames, sixteen to a row, numbered row by row. The
// settings panel, the control boxes, the score chart and the mouse pointer draw from it, mostly
// tinted, so the glyphs are light with dark edges.
#pragma once

#include "canvas.h"

Image MakeIconSheet();
