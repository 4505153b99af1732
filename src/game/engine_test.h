// Measures how many sprites the machine draws at the target frame rate and sets the budgets.
#pragma once

// The target frame rate in force (30 on a slow system).
extern int targetFrameRate;

void RunEngineTest(int target, int spriteScale);
