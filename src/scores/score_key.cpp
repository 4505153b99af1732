#include "scores/score_key.h"

#include "shell/game_title.h"

const std::string ScoreSubtitle = "Bash to Base";
static_assert(sizeof("Bash to Base") == 13, "the subtitle has twelve characters");

namespace {
std::string recordKey;
}

void DeriveScoreKey() {
    const std::string title = TitleFirstWord + " " + TitleSecondWord;
    const std::string& subtitle = ScoreSubtitle;
    const int number = GameNumber;
    const int length = static_cast<int>(title.size() + subtitle.size());
    std::string key;
    key.reserve(2 * static_cast<size_t>(length));
    // Each step mixes one title and one subtitle character with the game number and the step, so
    // odd positions land in 31-105 and even ones in 36-106.
    for (int i = 1; i <= length; i++) {
        int a = static_cast<unsigned char>(title[static_cast<size_t>(i) % title.size()]);
        a = (a + number + 7 * i) % 76 + 32;
        a = (a + number + 5 * i) % 75 + 31;
        key += static_cast<char>(a);
        int b = static_cast<unsigned char>(subtitle[static_cast<size_t>(i) % subtitle.size()]);
        b = (b + number + 3 * i) % 74 + 34;
        b = (b + number + 11 * i) % 71 + 36;
        key += static_cast<char>(b);
    }
    recordKey = key;
}

const std::string& RecordKey() {
    if (recordKey.empty()) DeriveScoreKey();
    return recordKey;
}
