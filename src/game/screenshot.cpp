#include "game/screenshot.h"

#include "display/common_assets.h"
#include "display/virtual_screen.h"
#include "game/effects.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/gfx.h"
#include "shell/debug_log.h"
#include "shell/draw_helpers.h"
#include "shell/folders.h"
#include "shell/game_title.h"

std::string CleanFileName(const std::string& text) {
    std::string clean = text;
    for (char unwanted : std::string("#',`.\\/:|*?\"")) std::erase(clean, unwanted);
    return clean;
}

std::string ScreenshotName(const std::string& date, const std::string& time, int n) {
    std::string name = CleanFileName(TitleFirstWord + " " + TitleSecondWord + " (Screenshot_" +
                                     date + "_" + time + ")");
    if (n > 1) name += " (" + std::to_string(n) + ")";
    return name + ".png";
}

void TakeScreenshot() {
    LogLine("");
    LogLine("\tScreenshot");
    std::string back = CurrentDir();
    ChangeDir("..");
    LogLine("\tGrabbing Screenshot");
    Pixmap picture;
    bool grabbed = GrabBackBuffer(0, 0, screenWidth, screenHeight, picture);
    ResetDrawState();
    for (uint32_t& pixel : picture.pixels) pixel |= 0xFF000000u;

    SetColourAlpha(255, 255, 255, 1);
    SetFont(UiFonts[5]);
    DrawTextAligned(virtualWidth / 2, virtualHeight / 2 - 30, "Saving Screenshot", 1, 1);
    SetFont(UiFonts[6]);
    DrawTextAligned(virtualWidth / 2, virtualHeight / 2 + 30, "Sometimes, this takes a while!", 1,
                    1);
    Flip();

    // Two shots in the same second get their own names instead of overwriting the first.
    std::string date = CurrentDateText(), time = CurrentTimeText();
    std::string name = ScreenshotName(date, time, 1);
    for (int n = 2; FileExists(name); n++) name = ScreenshotName(date, time, n);
    LogLine("\tSaving Screenshot : " + name);
    int saved = grabbed ? SavePixmapPng(picture, name, 9) : 0;
    LogLine("\tSaved Screenshot " + std::to_string(saved));
    LogLine("");
    ChangeDir(back);
    Notice(saved == 1 ? "Saved Screenshot" : "Screenshot Failed", 1);
}
