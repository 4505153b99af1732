// Opening the display on the headless backend: the mode list, the fallbacks and the virtual
// screen, read from the settings and the debug log.
#include "display/display_mode.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "display/virtual_screen.h"
#include "platform/gfx.h"
#include "platform/platform.h"
#include "shell/debug_log.h"
#include "shell/settings.h"
#include "test_support.h"

namespace {

struct HeadlessDisplay {
    ScratchDir scratch;
    HeadlessDisplay() {
        std::string error;
        InitPlatform(Backend::Headless, error);
        // A slow simulated machine keeps the engine test that every opening runs short.
        SetHeadlessDrawCost(1000000);
        OpenDebugLog("Debug.txt");
    }
    ~HeadlessDisplay() {
        CloseDisplay();
        CloseDebugLog();
    }
    std::string Log() { return ReadFileText("Debug.txt"); }
};

} // namespace

TEST(DisplayMode, ListHoldsEachQualifyingShapeOnce) {
    backend = Backend::Headless;
    settings.width = 1024;
    settings.height = 768;
    BuildModeList();
    std::vector<std::pair<int, int>> modes;
    for (int i = 1; i <= modeCount; i++) modes.push_back({modeWidths[i], modeHeights[i]});
    // 1280 x 1024 (5:4) is left out; the 16- and 32-bit copies of a size count once.
    const std::vector<std::pair<int, int>> expected = {
        {640, 480},  {800, 600},  {1024, 768},  {1280, 960},  {1366, 768},
        {1440, 900}, {1600, 900}, {1680, 1050}, {1920, 1080},
    };
    EXPECT_EQ(modes, expected);
    EXPECT_EQ(settings.modeIndex, 3);
    EXPECT_EQ(screenWidth, 1024);
}

TEST(DisplayMode, ModesOpenTheirVirtualScreens) {
    struct Case {
        int width, height; // requested
        int realW, realH;  // opened
        int virtualW, virtualH;
        int widescreen;
        const char* logLine; // "" when none
    };
    const Case cases[] = {
        {1024, 768, 1024, 768, 1280, 960, 0, ""},
        {1920, 1080, 1920, 1080, 1600, 900, 1, "\tWidescreen mode!\r\n"},
        {1680, 1050, 1680, 1050, 1440, 900, 1, "\tWidescreen mode B (10:16)!\r\n"},
        // Not a listed shape: the mode of the previous opening stays, and the settings say so.
        {1280, 1024, 800, 600, 1280, 960, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        HeadlessDisplay display;
        screenWidth = 800;
        screenHeight = 600;
        settings = Settings{};
        settings.width = c.width;
        settings.height = c.height;
        ApplyDisplaySettings();
        EXPECT_EQ(settings.width, c.realW);
        EXPECT_EQ(settings.height, c.realH);
        EXPECT_EQ(RealWidth(), c.realW);
        EXPECT_EQ(virtualWidth, c.virtualW);
        EXPECT_EQ(virtualHeight, c.virtualH);
        EXPECT_EQ(settings.widescreen, c.widescreen);
        std::string log = display.Log();
        EXPECT_NE(log.find("\tResolution : " + std::to_string(c.realW) + "x" +
                           std::to_string(c.realH) + ",0\r\n"),
                  std::string::npos);
        if (*c.logLine) {
            EXPECT_NE(log.find(c.logLine), std::string::npos);
        }
        EXPECT_EQ(log.find("Widescreen") != std::string::npos, c.widescreen == 1);
    }
}

TEST(DisplayMode, CrashMarkerMovesOnlyOpenGLToTheSecondRenderer) {
    struct Case {
        int renderer;
        bool crashed; // crash.dat left by an earlier run
        int after;
        const char* driverLine;
    };
    const Case cases[] = {
        {0, false, 0, "\tUsing OpenGL Driver\r\n"},
        {0, true, 1, "\tUsing DirectX 9 Driver\r\n"},
        {2, true, 2, "\tUsing DirectX 7 Driver\r\n"},
        {1, true, 1, "\tUsing DirectX 9 Driver\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "renderer " << c.renderer << " crashed " << c.crashed);
        HeadlessDisplay display;
        settings = Settings{};
        settings.renderer = c.renderer;
        if (c.crashed) WriteFileText("crash.dat", "");
        ApplyDisplaySettings();
        EXPECT_EQ(settings.renderer, c.after);
        EXPECT_NE(display.Log().find(c.driverLine), std::string::npos);
        // The marker is gone once the display and its assets are up.
        EXPECT_FALSE(std::filesystem::exists("crash.dat"));
    }
}

TEST(DisplayMode, FullScreenTakesTheDeepestModeOfItsSize) {
    HeadlessDisplay display;
    settings = Settings{};
    settings.fullscreen = 1;
    settings.width = 1280;
    settings.height = 960;
    ApplyDisplaySettings();
    EXPECT_NE(display.Log().find("\tResolution : 1280x960,32\r\n"), std::string::npos);
    EXPECT_EQ(settings.fullscreen, 1);
}
