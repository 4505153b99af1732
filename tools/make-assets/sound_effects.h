// The game's sound effects and the start-up chime, synthesised from tones and noise.
#pragma once

#include "synth.h"

Samples SmallPrize();            // 001: a short bright blip
Samples BigPrize();              // 002: a rising arpeggio
Samples Converter();             // 003: a sweeping whoosh
Samples BashRefill();            // 004: a power-up
Samples GroupBurst();            // 005: a crunchy burst
Samples HammerThud(int variant); // 010-012: short low knocks, played at random rates
Samples MenuClick();             // 098
void StartupChime(Samples& left, Samples& right); // open.ogg: about 1.3 s, stereo
