// badges.png: 256 x 256, sixteen 64 x 64 medals, four to a row. Score details draw them at about
// a quarter size, so each medal carries one bold emblem.
#pragma once

#include "canvas.h"

Image MakeBadgeSheet();
