// kdthump.png: 512 x 256, thirty-two 64 x 64 frames, eight to a row: the little builder with his
// mallet, facing right. Frame 0 stands, 1-3 walk (and climb), 4-8 fall (8 is held), 8-15 swing
// the mallet down at the feet, 16-31 are idle poses. The game draws a frame with its box 16 pixels
// left of and 32 above the character's cell, so the feet stand on the bottom edge of the middle
// 32 pixels.
#pragma once

#include "canvas.h"

Image MakeCharacterSheet();
