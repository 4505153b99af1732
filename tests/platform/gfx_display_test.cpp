#include "platform/gfx_fixture.h"
#include "platform/gfx_internal.h"

#include <cstdio>
#include <cstdlib>

TEST(HeadlessModes, FixedListInOrder) {
    backend = Backend::Headless;
    const int sizes[10][2] = {{640, 480},  {800, 600},  {1024, 768}, {1280, 960},  {1280, 1024},
                              {1366, 768}, {1440, 900}, {1600, 900}, {1680, 1050}, {1920, 1080}};
    std::vector<DisplayMode> modes = ListDisplayModes();
    ASSERT_EQ(modes.size(), 20u);
    for (int i = 0; i < 20; i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(modes[i].width, sizes[i / 2][0]);
        EXPECT_EQ(modes[i].height, sizes[i / 2][1]);
        EXPECT_EQ(modes[i].depth, i % 2 ? 32 : 16);
        EXPECT_EQ(modes[i].refresh, 60);
    }
    EXPECT_TRUE(FullscreenModeExists(1280, 1024, 32));
    EXPECT_TRUE(FullscreenModeExists(1280, 1024, 16));
    EXPECT_FALSE(FullscreenModeExists(1280, 1024, 24));
    EXPECT_FALSE(FullscreenModeExists(1280, 720, 32));
}

TEST(HeadlessDisplayOpen, OpensAtTheModeSizeAndFlipCallsTheHook) {
    backend = Backend::Headless;
    std::string error;
    EXPECT_TRUE(StartVideo(error)) << error;
    EXPECT_FALSE(DisplayIsOpen());
    ASSERT_TRUE(OpenDisplay(1024, 768, 32, 60, error)) << error;
    EXPECT_TRUE(DisplayIsOpen());
    EXPECT_EQ(RealWidth(), 1024);
    EXPECT_EQ(RealHeight(), 768);
    EXPECT_EQ(RendererNote(), "");
    Pixmap p;
    ASSERT_TRUE(GrabBackBuffer(0, 0, 1024, 768, p));
    EXPECT_EQ(ReadPixel(p, 1023, 767), Black);

    static int flips = 0;
    flips = 0;
    headlessFlipHook = [] { flips++; };
    Flip();
    Flip();
    headlessFlipHook = nullptr;
    Flip();
    EXPECT_EQ(flips, 2);

    CloseDisplay();
    EXPECT_FALSE(DisplayIsOpen());
    EXPECT_FALSE(GrabBackBuffer(0, 0, 10, 10, p));
    // Nothing loads without a display to hold the textures.
    EXPECT_FALSE(ImageFromPixmap(Filled(2, 2, Red), false));
    EXPECT_FALSE(OpenDisplay(0, 600, 0, 60, error));
    EXPECT_FALSE(error.empty());
}

// The real window needs a display server; the headless tests above cover the drawing itself.
TEST(SdlWindow, OpensDrawsAndCloses) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        GTEST_SKIP() << "DISPLAY is not set: no display server to open a window on";
    backend = Backend::Sdl;
    std::string error;
    ASSERT_TRUE(StartVideo(error)) << error;
    EXPECT_FALSE(ListDisplayModes().empty());
    for (int choice : {0, 1, 2}) {
        SCOPED_TRACE(choice);
        SelectRenderer(choice);
        SetWindowCaption("Drawing test");
        ASSERT_TRUE(OpenDisplay(640, 480, 0, 60, error)) << error;
        // Either the chosen driver runs, or the note names the one that stood in for it.
        SDL_RendererInfo info;
        ASSERT_EQ(SDL_GetRendererInfo(gfx.renderer, &info), 0);
        const char* wanted = choice == 0 ? "opengl" : choice == 2 ? "software" : "opengles2";
        if (RendererNote().empty())
            EXPECT_STREQ(info.name, wanted);
        else
            EXPECT_EQ(RendererNote(),
                      std::string("Renderer ") + wanted + " could not start, using " + info.name);
        std::printf("renderer %d: %s %s\n", choice, info.name, RendererNote().c_str());
        SetVirtualResolution(1280, 960);
        Cls();
        SetColor(0, 255, 0);
        SetBlend(1);
        SetAlpha(1);
        DrawRect(0, 0, 1280, 960);
        Pixmap p;
        ASSERT_TRUE(GrabBackBuffer(0, 0, 640, 480, p));
        EXPECT_TRUE(Near(ReadPixel(p, 320, 240), Green));
        Flip();
        CloseDisplay();
    }
    // Full screen at the first mode the display reports.
    std::vector<DisplayMode> modes = ListDisplayModes();
    ASSERT_FALSE(modes.empty());
    const DisplayMode& mode = modes.front();
    EXPECT_TRUE(FullscreenModeExists(mode.width, mode.height, mode.depth));
    ASSERT_TRUE(OpenDisplay(mode.width, mode.height, mode.depth, mode.refresh, error)) << error;
    EXPECT_EQ(RealWidth(), mode.width);
    Cls();
    Flip();
    CloseDisplay();
    StopVideo();
}
