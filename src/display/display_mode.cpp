#include "display/display_mode.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "display/common_assets.h"
#include "display/virtual_screen.h"
#include "game/effects.h"
#include "game/play_game.h"
#include "platform/files.h"
#include "platform/gfx.h"
#include "shell/debug_log.h"
#include "shell/settings.h"

std::array<int, 2500> modeWidths{}, modeHeights{};
int modeCount = 0;

namespace {

bool Qualifies(int w, int h) {
    return h == w * 10 / 16 || h == w * 9 / 16 || h == w * 3 / 4;
}

const char* const driverLines[3] = {"\tUsing OpenGL Driver", "\tUsing DirectX 9 Driver",
                                    "\tUsing DirectX 7 Driver"};

} // namespace

void BuildModeList() {
    modeCount = 0;
    for (const DisplayMode& mode : ListDisplayModes()) {
        if (!Qualifies(mode.width, mode.height)) continue;
        bool listed = false;
        for (int i = 1; i <= modeCount; i++)
            if (modeWidths[i] == mode.width && modeHeights[i] == mode.height) listed = true;
        if (listed || modeCount + 1 >= static_cast<int>(modeWidths.size())) continue;
        modeCount++;
        modeWidths[modeCount] = mode.width;
        modeHeights[modeCount] = mode.height;
        if (mode.width == settings.width && mode.height == settings.height) {
            settings.modeIndex = modeCount;
            screenWidth = mode.width;
            screenHeight = mode.height;
        }
    }
    // A mode that is not listed falls back to the previous one (800 x 600 at the first call).
    settings.width = screenWidth;
    settings.height = screenHeight;
}

void ApplyDisplaySettings() {
    BuildModeList();
    LogLine("");
    LogLine("-=-=-=-=-=-=-=-=-=-=-=-=-=-");
    LogLine("Applying Graphical Settings");
    if (displayOpened == 1) {
        CloseDisplay();
        LogLine("\tChanged Graphics Mode ingame.");
    }
    // A crash while OpenGL was opening the display last time: try the second renderer instead.
    if (FileExists("crash.dat") && settings.renderer == 0) settings.renderer = 1;
    SelectRenderer(settings.renderer);
    if (settings.renderer >= 0 && settings.renderer <= 2) LogLine(driverLines[settings.renderer]);

    int depth = 0;
    if (settings.fullscreen == 1) {
        for (int tryDepth : {32, 24, 16}) {
            if (FullscreenModeExists(screenWidth, screenHeight, tryDepth)) {
                depth = tryDepth;
                break;
            }
        }
        if (depth == 0) Notice("Can't set to fullscreen in this resolution.", 1);
    }
    LogLine("\tResolution : " + std::to_string(screenWidth) + "x" + std::to_string(screenHeight) +
            "," + std::to_string(depth));

    CreateEmptyFile("crash.dat");
    std::string error;
    if (!OpenDisplay(screenWidth, screenHeight, depth, 60, error)) {
        // crash.dat stays, as after a crash, so the next start tries the second renderer.
        LogLine("\tNo display could be opened: " + error);
        std::fprintf(stderr, "bodger-thump: no display could be opened: %s\n", error.c_str());
        std::exit(1);
    }
    std::string note = RendererNote();
    if (!note.empty()) LogLine("\t" + note);

    settings.widescreen = 0;
    virtualWidth = 1280;
    virtualHeight = 960;
    if (screenWidth * 9 / 16 == screenHeight) {
        settings.widescreen = 1;
        virtualWidth = 1600;
        virtualHeight = 900;
        LogLine("\tWidescreen mode!");
    }
    if (screenWidth * 10 / 16 == screenHeight) {
        settings.widescreen = 1;
        virtualWidth = 1440;
        virtualHeight = 900;
        LogLine("\tWidescreen mode B (10:16)!");
    }
    SetVirtualResolution(virtualWidth, virtualHeight);

    LoadCommonAssets();
    LoadGameAssets();
    LogLine("-=-=-=-=-=-=-=-=-=-=-=-=-=-");
    RemoveFile("crash.dat");
}
