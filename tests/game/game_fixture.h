// A clean game state for rule and effect tests: empty board and group map, no score, no
// particles, popups or notices, and no sounds loaded.
#pragma once

#include <set>

#include <gtest/gtest.h>

#include "game/board.h"
#include "game/effects.h"
#include "game/sound_effects.h"

inline void ClearGame() {
    board.fill(0);
    groupMap.fill(0);
    GameMode = 0;
    GameFlags = 0;
    totalScore = 0;
    bashesLeft = 0;
    convertPending = 0;
    burstTally.fill(0);
    particleList.clear();
    popupList.clear();
    noticeList.clear();
    ResetSoundEffects();
}

// Gives the effects in numbers a short sound, so that playing one of them takes a channel.
void LoadSounds(const std::set<int>& numbers);
// How many effects were started since the last ClearGame.
int SoundsStarted();

class GameTest : public ::testing::Test {
protected:
    void SetUp() override { ClearGame(); }
};
