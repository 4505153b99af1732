// The sdl backend's events into the input state, fed straight in: no window is needed.
#include "platform/clock.h"
#include "platform/gfx_fixture.h"
#include "platform/input.h"
#include "platform/sdl_input.h"

namespace {

SDL_Event KeyEvent(SDL_Scancode scancode, bool down, bool repeat = false) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.scancode = scancode;
    e.key.repeat = repeat ? 1 : 0;
    return e;
}

SDL_Event TextEvent(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
    return e;
}

} // namespace

TEST(SdlKeys, ScancodesBecomeVirtualKeyCodes) {
    const struct {
        SDL_Scancode scancode;
        int vk;
    } cases[] = {
        {SDL_SCANCODE_A, 65},
        {SDL_SCANCODE_Z, 90},
        {SDL_SCANCODE_0, 48},
        {SDL_SCANCODE_9, 57},
        {SDL_SCANCODE_F1, 112},
        {SDL_SCANCODE_F11, 122},
        {SDL_SCANCODE_F12, 123},
        {SDL_SCANCODE_LEFT, 37},
        {SDL_SCANCODE_UP, 38},
        {SDL_SCANCODE_RIGHT, 39},
        {SDL_SCANCODE_DOWN, 40},
        {SDL_SCANCODE_RETURN, 13},
        {SDL_SCANCODE_ESCAPE, 27},
        {SDL_SCANCODE_SPACE, 32},
        {SDL_SCANCODE_TAB, 9},
        {SDL_SCANCODE_BACKSPACE, 8},
        {SDL_SCANCODE_KP_0, 96},
        {SDL_SCANCODE_KP_9, 105},
        {SDL_SCANCODE_KP_MULTIPLY, 106},
        {SDL_SCANCODE_KP_DIVIDE, 111},
        {SDL_SCANCODE_INSERT, 45},
        {SDL_SCANCODE_DELETE, 46},
        {SDL_SCANCODE_HOME, 36},
        {SDL_SCANCODE_END, 35},
        {SDL_SCANCODE_PAGEUP, 33},
        {SDL_SCANCODE_PAGEDOWN, 34},
        {SDL_SCANCODE_SEMICOLON, 186},
        {SDL_SCANCODE_GRAVE, 192},
        {SDL_SCANCODE_LEFTBRACKET, 219},
        {SDL_SCANCODE_APOSTROPHE, 222},
        {SDL_SCANCODE_CAPSLOCK, 20},
        {SDL_SCANCODE_NUMLOCKCLEAR, 144},
        {SDL_SCANCODE_SCROLLLOCK, 145},
        {SDL_SCANCODE_PAUSE, 19},
        {SDL_SCANCODE_PRINTSCREEN, 44},
        {SDL_SCANCODE_LSHIFT, 160},
        {SDL_SCANCODE_RSHIFT, 161},
        {SDL_SCANCODE_LCTRL, 162},
        {SDL_SCANCODE_RCTRL, 163},
        {SDL_SCANCODE_LALT, 164},
        {SDL_SCANCODE_RALT, 165},
        {SDL_SCANCODE_UNKNOWN, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyOf(c.scancode), c.vk) << SDL_GetScancodeName(c.scancode);
}

TEST(SdlKeys, SidesOfAModifierHoldTheGenericCode) {
    ResetInputState();
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_LSHIFT, true));
    EXPECT_TRUE(KeyDown(160));
    EXPECT_TRUE(KeyDown(16));
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_RSHIFT, true));
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_LSHIFT, false));
    EXPECT_TRUE(KeyDown(16)); // the right one is still held
    EXPECT_EQ(KeyHit(16), 1);
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_RSHIFT, false));
    EXPECT_FALSE(KeyDown(16));
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_RALT, true));
    EXPECT_TRUE(KeyDown(165));
    EXPECT_TRUE(KeyDown(18));
    EXPECT_FALSE(KeyDown(17));

    // Repeats neither count as hits nor release anything; losing the focus releases every key.
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_Z, true));
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_Z, true, true));
    EXPECT_EQ(KeyHit(90), 1);
    SDL_Event focus{};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    HandleSdlEvent(focus);
    EXPECT_FALSE(KeyDown(90));
    EXPECT_FALSE(KeyDown(18));
}

TEST(SdlKeys, TypedTextArrivesAsLatin1) {
    ResetInputState();
    HandleSdlEvent(TextEvent("a\xC3\xA9\xE2\x82\xAC!")); // a, e acute, the euro sign, !
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_BACKSPACE, true));
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_BACKSPACE, true, true)); // held: typing repeats
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_RETURN, true));
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_ESCAPE, true));
    HandleSdlEvent(KeyEvent(SDL_SCANCODE_A, true)); // letters come from the text event only
    const int expected[] = {'a', 233, '!', 8, 8, 13, 27};
    for (int c : expected) EXPECT_EQ(GetChar(), c);
    EXPECT_EQ(GetChar(), 0);

    EXPECT_EQ(Utf8ToLatin1("\xFF"
                           "b\xC3"),
              "b"); // bad lead byte, cut sequence
    EXPECT_EQ(Utf8ToLatin1("\xC1\x81"
                           "c"),
              "c"); // overlong form of 'A'
    EXPECT_EQ(Utf8ToLatin1("\xF0\x9F\x98\x80"
                           "d"),
              "d"); // above 255
}

TEST(SdlMouse, WindowPixelsBecomeVirtualUnits) {
    ResetInputState();
    backend = Backend::Headless;
    std::string error;
    ASSERT_TRUE(OpenDisplay(800, 600, 0, 60, error)) << error;
    SetVirtualResolution(1280, 960);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 400;
    motion.motion.y = 300;
    HandleSdlEvent(motion);
    EXPECT_FLOAT_EQ(MouseXVirtual(), 640);
    EXPECT_FLOAT_EQ(MouseYVirtual(), 480);
    SDL_Event button{};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.button = SDL_BUTTON_RIGHT;
    button.button.x = 80;
    button.button.y = 60;
    HandleSdlEvent(button);
    EXPECT_TRUE(MouseDown(2));
    EXPECT_FALSE(MouseDown(1));
    EXPECT_FLOAT_EQ(MouseXVirtual(), 128);
    button.type = SDL_MOUSEBUTTONUP;
    HandleSdlEvent(button);
    EXPECT_FALSE(MouseDown(2));
    EXPECT_EQ(MouseHit(2), 1);

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    HandleSdlEvent(quit);
    EXPECT_TRUE(CloseRequested());
    EXPECT_FALSE(CloseRequested());
    CloseDisplay();
}

TEST(SdlJoystick, HatPositionsAsTheControlsReadThem) {
    const struct {
        Uint8 hat;
        float value;
    } cases[] = {
        {SDL_HAT_CENTERED, -1.0f},  {SDL_HAT_UP, 0.0f},          {SDL_HAT_RIGHTUP, 0.125f},
        {SDL_HAT_RIGHT, 0.25f},     {SDL_HAT_RIGHTDOWN, 0.375f}, {SDL_HAT_DOWN, 0.5f},
        {SDL_HAT_LEFTDOWN, 0.625f}, {SDL_HAT_LEFT, 0.75f},       {SDL_HAT_LEFTUP, 0.875f},
    };
    for (const auto& c : cases) EXPECT_EQ(HatValue(c.hat), c.value) << int(c.hat);
}

TEST(SdlEvents, HeadlessPumpTouchesNothing) {
    ResetInputState();
    backend = Backend::Headless;
    InjectKey(65, true);
    PumpEvents();
    EXPECT_TRUE(KeyDown(65));
}

// A loop that waits for a key release sleeps without drawing: the real clock's sleep polls.
TEST(SdlEvents, RealSleepPollsTheEventQueue) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
    ResetInputState();
    backend = Backend::Sdl;
    SDL_Event down = KeyEvent(SDL_SCANCODE_ESCAPE, true);
    ASSERT_EQ(SDL_PushEvent(&down), 1);
    Delay(1);
    EXPECT_TRUE(KeyDown(27));
    SDL_Event up = KeyEvent(SDL_SCANCODE_ESCAPE, false);
    ASSERT_EQ(SDL_PushEvent(&up), 1);
    Delay(1);
    EXPECT_FALSE(KeyDown(27));
    EXPECT_EQ(GetChar(), 27);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}
