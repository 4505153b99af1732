#include "shell/closing_screen.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "controls/control_codes.h"
#include "display/common_assets.h"
#include "display/virtual_screen.h"
#include "platform/clock.h"
#include "platform/gfx.h"
#include "platform/input.h"
#include "scores/score_file.h"
#include "shell/debug_log.h"
#include "shell/draw_helpers.h"
#include "shell/settings_file.h"

namespace {

struct PageLine {
    int family, size, r, g, b, x, dy, centred;
    const char* text;
};

// Offsets are from the middle of the screen.
const PageLine pageLines[] = {
    {1, 6, 180, 255, 255, 0, 0, 1, "Thanks for Playing"},
    {2, 5, 255, 255, 180, 40, 40, 0, "Why not take the next few minutes to hop back to the site"},
    {2, 5, 255, 255, 180, 40, 80, 0, "where you found this game, and leave a comment."},
    {2, 5, 255, 255, 180, 40, 130, 0, "Good or bad, every little helps."},
    {2, 5, 255, 210, 180, 40, 180, 0, "There are so many wonderful homebrew communities"},
    {2, 5, 255, 210, 180, 40, 220, 0, "and developers out there, who bring you hundreds"},
    {2, 5, 255, 210, 180, 40, 260, 0, "of free games, every month."},
    {2, 5, 255, 255, 180, 40, 320, 0, "Give a little back."},
    {2, 5, 180, 255, 255, 40, 380, 0, "Feedback is King"},
};

bool AnyInput() {
    return CaptureControl() > 0 || MouseDown(1) || MouseDown(2) ||
           (KeyDown(115) && (KeyDown(164) || KeyDown(165))) || CloseRequested();
}

void DrawPage(const std::vector<std::string>& failures) {
    Cls();
    BeginFrame(1);
    DrawBackground();
    ResetDrawState();
    DrawImage(LogoImage, 256, 256, 0);
    DrawImage(SiteLogoImage, static_cast<float>(virtualWidth - 256), 256, 0);
    const int middle = virtualHeight / 2;
    for (const PageLine& line : pageLines) {
        SelectFont(line.family, line.size);
        SetColourAlpha(line.r, line.g, line.b, 1);
        if (line.centred)
            DrawTextAligned(virtualWidth / 2, middle, line.text, 1, 1);
        else
            DrawTextAligned(line.x, middle + line.dy, line.text, 0, 0);
    }
    // A save that failed is said on the page too, so the player knows to look.
    SelectFont(2, 4);
    SetColourAlpha(255, 120, 120, 1);
    for (size_t i = 0; i < failures.size(); i++)
        DrawTextAligned(40, middle + 430 + 36 * static_cast<int>(i), failures[i], 0, 0);
    ResetDrawState();
}

} // namespace

void ClosingScreen() {
    ShowPointer(true);
    std::vector<std::string> failures;
    if (!WriteSettingsFile()) failures.push_back("Settings could not be saved.");
    if (!SaveScores()) failures.push_back("Scores could not be saved.");
    for (const char* line : {"Closing Up", "", "Bye!", "", "Play again, soon!!"}) LogLine(line);
    DrawPage(failures);
    Flip();
    // Inputs still held from the previous screen are waited out, for about two seconds at most.
    for (int count = 0; AnyInput() && count < 120; count++) Delay(16);
    while (!AnyInput()) Delay(1);
    CloseDisplay();
    CloseDebugLog();
    std::exit(0);
}
