#include "game/name_entry.h"

#include "display/common_assets.h"
#include "display/virtual_screen.h"
#include "game/random.h"
#include "platform/clock.h"
#include "platform/gfx.h"
#include "platform/input.h"
#include "scores/scores.h"
#include "shell/draw_helpers.h"
#include "shell/frame_loop.h"

namespace {

bool ConfirmHeld() {
    return KeyDown(27) || MouseDown(1) || KeyDown(13);
}

// The key or click that ended the game must not end the entry at once.
void WaitForRelease() {
    while (ConfirmHeld()) Delay(1);
}

} // namespace

bool NameCharacterAllowed(int code) {
    return code >= 32 && code <= 255 && code != '|';
}

void EnterName() {
    FlushKeys();
    WaitForRelease();
    for (bool confirmed = false; !confirmed;) {
        Cls();
        DrawBackground();
        // One character a frame: faster typing waits in the queue.
        int c = GetChar();
        if (NameCharacterAllowed(c)) playerName += static_cast<char>(c);
        if (KeyHit(8) && !playerName.empty()) playerName.pop_back();
        SetColourAlpha(0, 255, 0, 1);
        SetFont(UiFonts[6]);
        DrawTextAligned(virtualWidth / 2, virtualHeight / 2 - 100, "Enter Your Name", 1, 1);
        SetFont(UiFonts[5]);
        std::string cursor = MilliSecs() % 600 < 300 ? "_" : " ";
        DrawTextAligned(virtualWidth / 2 - TextWidth(playerName) / 2, virtualHeight / 2,
                        playerName + cursor, 0, 1);
        confirmed = KeyHit(13) || MouseDown(1) || KeyDown(27);
        EndFrame(1);
    }
    SeedRnd(MilliSecs());
    WaitForRelease();
}
