#include "shell/frame_loop.h"

#include <string>

#include "display/common_assets.h"
#include "game/effects_draw.h"
#include "game/screenshot.h"
#include "platform/clock.h"
#include "platform/gfx.h"
#include "platform/input.h"
#include "platform/memstat.h"
#include "shell/closing_screen.h"
#include "shell/draw_helpers.h"
#include "shell/frame_state.h"
#include "shell/settings.h"
#include "shell/settings_file.h"

namespace {

void DrawOverlay() {
    SetFont(UiFonts[1]);
    DrawTextAligned(2, 2, std::to_string(fpsShown), 0, 0);
    SetFont(UiFonts[2]);
    DrawTextAligned(2, 40, "Collection : " + std::to_string(collected), 0, 0);
    DrawTextAligned(2, 60, "Used Memory : " + std::to_string(BytesInUse()), 0, 0);
    const char* labels[4] = {"", "Drawn Images : ", "Drawn Glow : ", "Drawn Particles : "};
    for (int kind = 1; kind <= 3; kind++)
        DrawTextAligned(2, 60 + 20 * kind,
                        labels[kind] + std::to_string(drawCount[kind]) + "/" +
                            std::to_string(drawBudget[kind]),
                        0, 0);
    DrawTextAligned(2, 150, "Hit F12 to remove this", 0, 0);
    SetScaleXY(1.5f, 1.5f);
}

} // namespace

int EndFrame(int showPointer) {
    int result = 0;
    UpdateAndDrawPopups();
    if (KeyHit(9)) {
        settingsOpen = 1 - settingsOpen;
        WriteSettingsFile();
    }
    if (frameSkipFlag == 1) collected = ReclaimMemory();
    // On a slow system the screenshot and pause keys act on shown frames only.
    if (frameSkipFlag == 0 || settings.slowSystem == 0) {
        if (KeyHit(122)) TakeScreenshot();
        // The pause menu and the settings panel come with their own screens; until then Escape
        // during a game does nothing here.
    }
    ResetDrawState();
    SetScaleXY(1.5f, 1.5f);
    SetFont(UiFonts[1]);
    if (KeyHit(123)) overlay = 1 - overlay;
    if (overlay == 1) DrawOverlay();
    if (showPointer == 1 || settingsOpen == 1)
        DrawImage(IconSheet, MouseXVirtual() + 12, MouseYVirtual() + 12, 63);

    previousMouseX = mouseX;
    previousMouseY = mouseY;
    mouseX = static_cast<int>(MouseXVirtual());
    mouseY = static_cast<int>(MouseYVirtual());
    mouseHit1 = MouseHit(1);
    mouseHit2 = MouseHit(2);

    // Sleep in 1 ms steps until about a sixtieth of a second has passed, with 2 ms of slack so
    // that timer granularity does not drop frames.
    do {
        Delay(1);
    } while (MilliSecs() < lastFrameMs - 2 + 1000.0 / 60.0);

    ResetDrawState();
    SetScaleXY(1);
    SetFont(UiFonts[3]);
    UpdateAndDrawNotices();
    if (settings.slowSystem == 0 || frameSkipFlag == 0) Flip();

    frameMs = MilliSecs() - lastFrameMs;
    if (frameMs > 0) fpsAverage = (1000 / frameMs + 2 * fpsAverage) / 3;
    fpsShown = fpsAverage;
    lastFrameMs = MilliSecs();
    frameSkipFlag = 1 - frameSkipFlag;

    if ((KeyDown(115) && (KeyDown(164) || KeyDown(165))) || CloseRequested()) ClosingScreen();
    return result;
}
