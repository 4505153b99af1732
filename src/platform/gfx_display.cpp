// Display modes, the renderer choice, opening the window (sdl) or the off-screen back buffer
// (headless), the virtual resolution, showing and grabbing the frame.
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/gfx_internal.h"
#include "platform/input.h"
#include "platform/platform.h"
#include "platform/sdl_input.h"

#include <algorithm>
#include <cstring>

GfxTarget gfx;
void (*headlessFlipHook)() = nullptr;

namespace {

int rendererChoice = 0;
std::string rendererNote;
std::string caption;
bool videoStarted = false;

// The headless backend offers the usual desktop modes so that the mode list, the full-screen
// fallback and the widescreen layouts can all be exercised without a display.
const DisplayMode headlessModes[] = {
    {640, 480, 16, 60},   {640, 480, 32, 60},   {800, 600, 16, 60},   {800, 600, 32, 60},
    {1024, 768, 16, 60},  {1024, 768, 32, 60},  {1280, 960, 16, 60},  {1280, 960, 32, 60},
    {1280, 1024, 16, 60}, {1280, 1024, 32, 60}, {1366, 768, 16, 60},  {1366, 768, 32, 60},
    {1440, 900, 16, 60},  {1440, 900, 32, 60},  {1600, 900, 16, 60},  {1600, 900, 32, 60},
    {1680, 1050, 16, 60}, {1680, 1050, 32, 60}, {1920, 1080, 16, 60}, {1920, 1080, 32, 60},
};

int RenderDriverIndex(const char* name) {
    int count = SDL_GetNumRenderDrivers();
    for (int i = 0; i < count; i++) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, name) == 0) return i;
    }
    return -1;
}

const char* WantedDriver(int choice) {
    if (choice == 2) return "software";
    if (choice == 1) return RenderDriverIndex("direct3d") >= 0 ? "direct3d" : "opengles2";
    return "opengl";
}

Uint32 FormatForDepth(int depth) {
    switch (depth) {
    case 16:
        return SDL_PIXELFORMAT_RGB565;
    case 24:
        return SDL_PIXELFORMAT_RGB24;
    default:
        return SDL_PIXELFORMAT_RGB888;
    }
}

bool OpenHeadless(int width, int height, std::string& error) {
    // RGB888 has no alpha channel, as a window's back buffer: a grab reads alpha 255 everywhere.
    gfx.surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888);
    if (!gfx.surface) {
        error = std::string("cannot make the off-screen buffer: ") + SDL_GetError();
        return false;
    }
    gfx.renderer = SDL_CreateSoftwareRenderer(gfx.surface);
    if (!gfx.renderer) {
        error = std::string("cannot start the software renderer: ") + SDL_GetError();
        SDL_FreeSurface(gfx.surface);
        gfx.surface = nullptr;
        return false;
    }
    return true;
}

bool OpenWindow(int width, int height, int depth, int refresh, std::string& error) {
    if (!videoStarted && !StartVideo(error)) return false;
    // Made hidden, so that a full screen switches once, straight to the chosen mode.
    gfx.window = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  width, height, SDL_WINDOW_HIDDEN);
    if (!gfx.window) {
        error = std::string("cannot open the window: ") + SDL_GetError();
        return false;
    }
    if (depth != 0) {
        SDL_DisplayMode want{FormatForDepth(depth), width, height, refresh, nullptr};
        SDL_DisplayMode closest;
        if (SDL_GetClosestDisplayMode(0, &want, &closest))
            SDL_SetWindowDisplayMode(gfx.window, &closest);
        if (SDL_SetWindowFullscreen(gfx.window, SDL_WINDOW_FULLSCREEN) != 0) {
            error = std::string("cannot switch to full screen: ") + SDL_GetError();
            SDL_DestroyWindow(gfx.window);
            gfx.window = nullptr;
            return false;
        }
    }
    SDL_ShowWindow(gfx.window);

    const char* wanted = WantedDriver(rendererChoice);
    int index = RenderDriverIndex(wanted);
    if (index >= 0) gfx.renderer = SDL_CreateRenderer(gfx.window, index, 0);
    if (!gfx.renderer) {
        gfx.renderer = SDL_CreateRenderer(gfx.window, -1, 0);
        if (!gfx.renderer) {
            error = std::string("cannot start a renderer: ") + SDL_GetError();
            SDL_DestroyWindow(gfx.window);
            gfx.window = nullptr;
            return false;
        }
        SDL_RendererInfo info;
        SDL_GetRendererInfo(gfx.renderer, &info);
        rendererNote = std::string("Renderer ") + wanted + " could not start, using " + info.name;
    }
    SDL_StartTextInput();
    return true;
}

} // namespace

bool GfxOpen() {
    return gfx.renderer != nullptr;
}

bool StartVideo(std::string& error) {
    error.clear();
    if (backend != Backend::Sdl) return true;
    if (videoStarted) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error = std::string("cannot start the video service: ") + SDL_GetError();
        return false;
    }
    // With no display server SDL falls back on its off-screen driver, and the game would run in a
    // window nobody sees. That is no display; only a driver asked for by name is taken as one.
    const char* driver = SDL_GetCurrentVideoDriver();
    std::string name = driver ? driver : "";
    if ((name == "offscreen" || name == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        error = "no display to open a window on (is DISPLAY set?)";
        return false;
    }
    videoStarted = true;
    // A machine without joystick support still plays from the keyboard.
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0) AttachSdlJoysticks();
    warpPointerHook = WarpSdlPointer;
    return true;
}

void StopVideo() {
    CloseDisplay();
    if (!videoStarted) return;
    DetachSdlJoysticks();
    warpPointerHook = nullptr;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    videoStarted = false;
    // Only a full SDL_Quit releases SDL's own helpers (its D-Bus connection among them).
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

std::vector<DisplayMode> ListDisplayModes() {
    std::vector<DisplayMode> modes;
    if (backend == Backend::Headless) return {std::begin(headlessModes), std::end(headlessModes)};
    int count = videoStarted ? SDL_GetNumDisplayModes(0) : 0;
    for (int i = 0; i < count; i++) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) != 0) continue;
        modes.push_back({m.w, m.h, static_cast<int>(SDL_BITSPERPIXEL(m.format)), m.refresh_rate});
    }
    return modes;
}

bool FullscreenModeExists(int width, int height, int depth) {
    for (const DisplayMode& m : ListDisplayModes())
        if (m.width == width && m.height == height && m.depth == depth) return true;
    return false;
}

void SelectRenderer(int choice) {
    rendererChoice = std::clamp(choice, 0, 2);
}

std::string RendererNote() {
    return rendererNote;
}

void SetWindowCaption(const std::string& text) {
    caption = text;
    if (gfx.window) SDL_SetWindowTitle(gfx.window, caption.c_str());
}

bool OpenDisplay(int width, int height, int depth, int refresh, std::string& error) {
    error.clear();
    CloseDisplay();
    rendererNote.clear();
    if (width <= 0 || height <= 0) {
        error = "bad display size";
        return false;
    }
    // Read when a renderer is made: SDL batches its draw calls, and presenting never waits.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    bool opened = backend == Backend::Headless ? OpenHeadless(width, height, error)
                                               : OpenWindow(width, height, depth, refresh, error);
    if (!opened) return false;
    SDL_RendererInfo info;
    gfx.softwareRenderer =
        SDL_GetRendererInfo(gfx.renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    gfx.realWidth = width;
    gfx.realHeight = height;
    SetVirtualResolution(width, height);
    SDL_SetRenderDrawColor(gfx.renderer, 0, 0, 0, 255);
    SDL_RenderClear(gfx.renderer);
    return true;
}

void CloseDisplay() {
    if (!gfx.renderer) return;
    FlushQuads();
    SDL_DestroyRenderer(gfx.renderer);
    gfx.renderer = nullptr;
    gfx.generation++;
    if (gfx.window) SDL_DestroyWindow(gfx.window);
    gfx.window = nullptr;
    if (gfx.surface) SDL_FreeSurface(gfx.surface);
    gfx.surface = nullptr;
    gfx.realWidth = gfx.realHeight = 0;
}

bool DisplayIsOpen() {
    return gfx.renderer != nullptr;
}

void SetVirtualResolution(int width, int height) {
    if (width <= 0 || height <= 0) return;
    FlushQuads();
    gfx.virtualWidth = width;
    gfx.virtualHeight = height;
    gfx.unitX = gfx.realWidth > 0 ? static_cast<float>(gfx.realWidth) / width : 1.0f;
    gfx.unitY = gfx.realHeight > 0 ? static_cast<float>(gfx.realHeight) / height : 1.0f;
}

int RealWidth() {
    return gfx.realWidth;
}
int RealHeight() {
    return gfx.realHeight;
}

int64_t headlessDraws = 0;

namespace {
int drawCostNs = 0;
int64_t drawCostCarryNs = 0;

// The time the simulated machine took to draw this frame passes now, as the frame is shown.
void SpendHeadlessDrawTime() {
    drawCostCarryNs += headlessDraws * drawCostNs;
    headlessDraws = 0;
    int ms = static_cast<int>(drawCostCarryNs / 1000000);
    drawCostCarryNs %= 1000000;
    if (ms > 0) {
        AdvanceSimulatedClock(ms);
        AdvanceMemoryAudio(ms);
    }
}
} // namespace

void SetHeadlessDrawCost(int nanoseconds) {
    drawCostNs = std::max(nanoseconds, 0);
}

void Flip() {
    if (gfx.renderer) {
        FlushQuads();
        SDL_RenderPresent(gfx.renderer);
    }
    if (backend == Backend::Headless) SpendHeadlessDrawTime();
    if (backend == Backend::Sdl)
        PumpEvents();
    else if (headlessFlipHook)
        headlessFlipHook();
}

void ShowPointer(bool visible) {
    if (backend == Backend::Sdl && videoStarted) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

bool GrabBackBuffer(int x, int y, int width, int height, Pixmap& out) {
    if (!gfx.renderer || width <= 0 || height <= 0) return false;
    FlushQuads();
    out.width = width;
    out.height = height;
    out.pixels.assign(static_cast<size_t>(width) * height, 0);
    // Only the part inside the back buffer is read; the rest of the pixmap stays 0.
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + width, gfx.realWidth), y1 = std::min(y + height, gfx.realHeight);
    if (x0 >= x1 || y0 >= y1) return true;
    SDL_Rect rect{x0, y0, x1 - x0, y1 - y0};
    uint32_t* first = out.pixels.data() + static_cast<size_t>(y0 - y) * width + (x0 - x);
    return SDL_RenderReadPixels(gfx.renderer, &rect, SDL_PIXELFORMAT_ARGB8888, first,
                                width * static_cast<int>(sizeof(uint32_t))) == 0;
}
