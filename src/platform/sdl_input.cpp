// The sdl backend's input: window events into the shared input state, keys by Windows virtual-key
// code (the code the control table and the settings file store), and joysticks through SDL's
// plain joystick interface, which reports devices as the game's axis/hat/button model sees them.
#include "platform/sdl_input.h"

#include "platform/gfx_internal.h"
#include "platform/input.h"
#include "platform/platform.h"

#include <algorithm>
#include <array>

namespace {

struct KeyPair {
    SDL_Scancode scancode;
    int vk;
};

// Windows virtual-key codes by scancode, so that a key means the same key on any layout.
const KeyPair keyPairs[] = {
    {SDL_SCANCODE_BACKSPACE, 8},
    {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_RETURN, 13},
    {SDL_SCANCODE_KP_ENTER, 13},
    {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_CAPSLOCK, 20},
    {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_SPACE, 32},
    {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},
    {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_HOME, 36},
    {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_UP, 38},
    {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_DOWN, 40},
    {SDL_SCANCODE_PRINTSCREEN, 44},
    {SDL_SCANCODE_INSERT, 45},
    {SDL_SCANCODE_DELETE, 46},
    {SDL_SCANCODE_0, 48},
    {SDL_SCANCODE_1, 49},
    {SDL_SCANCODE_2, 50},
    {SDL_SCANCODE_3, 51},
    {SDL_SCANCODE_4, 52},
    {SDL_SCANCODE_5, 53},
    {SDL_SCANCODE_6, 54},
    {SDL_SCANCODE_7, 55},
    {SDL_SCANCODE_8, 56},
    {SDL_SCANCODE_9, 57},
    {SDL_SCANCODE_LGUI, 91},
    {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_APPLICATION, 93},
    {SDL_SCANCODE_KP_0, 96},
    {SDL_SCANCODE_KP_1, 97},
    {SDL_SCANCODE_KP_2, 98},
    {SDL_SCANCODE_KP_3, 99},
    {SDL_SCANCODE_KP_4, 100},
    {SDL_SCANCODE_KP_5, 101},
    {SDL_SCANCODE_KP_6, 102},
    {SDL_SCANCODE_KP_7, 103},
    {SDL_SCANCODE_KP_8, 104},
    {SDL_SCANCODE_KP_9, 105},
    {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107},
    {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_F1, 112},
    {SDL_SCANCODE_F2, 113},
    {SDL_SCANCODE_F3, 114},
    {SDL_SCANCODE_F4, 115},
    {SDL_SCANCODE_F5, 116},
    {SDL_SCANCODE_F6, 117},
    {SDL_SCANCODE_F7, 118},
    {SDL_SCANCODE_F8, 119},
    {SDL_SCANCODE_F9, 120},
    {SDL_SCANCODE_F10, 121},
    {SDL_SCANCODE_F11, 122},
    {SDL_SCANCODE_F12, 123},
    {SDL_SCANCODE_NUMLOCKCLEAR, 144},
    {SDL_SCANCODE_SCROLLLOCK, 145},
    {SDL_SCANCODE_LSHIFT, 160},
    {SDL_SCANCODE_RSHIFT, 161},
    {SDL_SCANCODE_LCTRL, 162},
    {SDL_SCANCODE_RCTRL, 163},
    {SDL_SCANCODE_LALT, 164},
    {SDL_SCANCODE_RALT, 165},
    {SDL_SCANCODE_SEMICOLON, 186},
    {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_PERIOD, 190},
    {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},
    {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_NONUSHASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222},
    {SDL_SCANCODE_NONUSBACKSLASH, 226},
};

std::array<int, SDL_NUM_SCANCODES> BuildKeyTable() {
    std::array<int, SDL_NUM_SCANCODES> table{};
    for (int i = 0; i < 26; i++) table[SDL_SCANCODE_A + i] = 65 + i;
    for (const KeyPair& pair : keyPairs) table[pair.scancode] = pair.vk;
    return table;
}

const std::array<int, SDL_NUM_SCANCODES> keyTable = BuildKeyTable();

std::array<SDL_Joystick*, MaxJoysticks> sdlJoysticks{};
std::array<int, MaxJoysticks> joystickPorts{};

// The generic Shift, Control and Alt codes are held while either of their two keys is.
void UpdateGenericModifier(int generic, int left, int right) {
    bool held = KeyDown(left) || KeyDown(right);
    if (held != KeyDown(generic)) InjectKey(generic, held);
}

void HandleKey(const SDL_KeyboardEvent& key, bool down) {
    int vk = VirtualKeyOf(key.keysym.scancode);
    if (vk == 0) return;
    if (!key.repeat) InjectKey(vk, down);
    if (vk >= 160 && vk <= 165) {
        UpdateGenericModifier(16, 160, 161);
        UpdateGenericModifier(17, 162, 163);
        UpdateGenericModifier(18, 164, 165);
    }
    // These three reach the typed-character queue from the key itself (text input carries no
    // control characters); a held key repeats them as typing does.
    if (down && (vk == 8 || vk == 13 || vk == 27)) InjectChar(vk);
}

// Window pixels to virtual units.
float VirtualX(float x) {
    return gfx.unitX > 0 ? x / gfx.unitX : x;
}
float VirtualY(float y) {
    return gfx.unitY > 0 ? y / gfx.unitY : y;
}

int GameButton(Uint8 sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return 1;
    case SDL_BUTTON_RIGHT:
        return 2;
    case SDL_BUTTON_MIDDLE:
        return 3;
    default:
        return 0;
    }
}

void ReleaseAllKeys() {
    for (int vk = 0; vk < 256; vk++)
        if (KeyDown(vk)) InjectKey(vk, false);
}

float AxisValue(Sint16 raw) {
    return std::clamp(raw / 32767.0f, -1.0f, 1.0f);
}

} // namespace

int VirtualKeyOf(SDL_Scancode scancode) {
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
    return keyTable[scancode];
}

float HatValue(Uint8 hat) {
    switch (hat) {
    case SDL_HAT_UP:
        return 0.0f;
    case SDL_HAT_RIGHTUP:
        return 0.125f;
    case SDL_HAT_RIGHT:
        return 0.25f;
    case SDL_HAT_RIGHTDOWN:
        return 0.375f;
    case SDL_HAT_DOWN:
        return 0.5f;
    case SDL_HAT_LEFTDOWN:
        return 0.625f;
    case SDL_HAT_LEFT:
        return 0.75f;
    case SDL_HAT_LEFTUP:
        return 0.875f;
    default:
        return -1.0f;
    }
}

std::string Utf8ToLatin1(const char* text) {
    std::string out;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        unsigned c = *p;
        int extra = c < 0x80             ? 0
                    : (c & 0xE0) == 0xC0 ? 1
                    : (c & 0xF0) == 0xE0 ? 2
                    : (c & 0xF8) == 0xF0 ? 3
                                         : -1;
        if (extra < 0) { // a stray continuation byte or an invalid lead byte
            p++;
            continue;
        }
        unsigned code = extra == 0 ? c : c & (0x3F >> extra);
        int taken = 1;
        bool whole = true;
        for (; taken <= extra; taken++) {
            if ((p[taken] & 0xC0) != 0x80) {
                whole = false;
                break;
            }
            code = (code << 6) | (p[taken] & 0x3F);
        }
        p += taken;
        if (whole && code <= 0xFF && (extra == 0 || code >= 0x80))
            out.push_back(static_cast<char>(code));
    }
    return out;
}

void HandleSdlEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        HandleKey(event.key, event.type == SDL_KEYDOWN);
        break;
    case SDL_TEXTINPUT:
        for (char c : Utf8ToLatin1(event.text.text)) InjectChar(static_cast<unsigned char>(c));
        break;
    case SDL_MOUSEMOTION:
        InjectMousePosition(VirtualX(static_cast<float>(event.motion.x)),
                            VirtualY(static_cast<float>(event.motion.y)));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        InjectMousePosition(VirtualX(static_cast<float>(event.button.x)),
                            VirtualY(static_cast<float>(event.button.y)));
        InjectMouseButton(GameButton(event.button.button), event.type == SDL_MOUSEBUTTONDOWN);
        break;
    case SDL_WINDOWEVENT:
        // Keys released while another window has the focus never send their release here.
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) ReleaseAllKeys();
        break;
    case SDL_QUIT:
        InjectCloseRequest();
        break;
    default:
        break;
    }
}

void AttachSdlJoysticks() {
    DetachSdlJoysticks();
    int count = std::min(SDL_NumJoysticks(), MaxJoysticks);
    int slot = 0;
    for (int i = 0; i < count; i++) {
        SDL_Joystick* joystick = SDL_JoystickOpen(i);
        if (!joystick) continue;
        int buttons = std::clamp(SDL_JoystickNumButtons(joystick), 0, JoystickButtons);
        int mask = buttons >= 32 ? -1 : static_cast<int>((1u << buttons) - 1);
        const char* name = SDL_JoystickName(joystick);
        int port = AttachJoystick(name ? name : "", mask);
        if (port < 0) {
            SDL_JoystickClose(joystick);
            break;
        }
        sdlJoysticks[slot] = joystick;
        joystickPorts[slot] = port;
        slot++;
    }
    PollSdlJoysticks();
}

void DetachSdlJoysticks() {
    for (SDL_Joystick*& joystick : sdlJoysticks) {
        if (joystick) SDL_JoystickClose(joystick);
        joystick = nullptr;
    }
}

void PollSdlJoysticks() {
    for (int slot = 0; slot < MaxJoysticks; slot++) {
        SDL_Joystick* joystick = sdlJoysticks[slot];
        if (!joystick) continue;
        int port = joystickPorts[slot];
        int axes = SDL_JoystickNumAxes(joystick);
        for (int a = 0; a < JoystickAxes; a++)
            SetJoyAxis(port, a, a < axes ? AxisValue(SDL_JoystickGetAxis(joystick, a)) : 0.0f);
        SetJoyHat(port, SDL_JoystickNumHats(joystick) > 0
                            ? HatValue(SDL_JoystickGetHat(joystick, 0))
                            : -1.0f);
        int buttons = std::min(SDL_JoystickNumButtons(joystick), JoystickButtons);
        for (int b = 0; b < buttons; b++)
            SetJoyButton(port, b, SDL_JoystickGetButton(joystick, b) != 0);
    }
}

void PumpEvents() {
    if (backend != Backend::Sdl || !SDL_WasInit(SDL_INIT_EVENTS)) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) HandleSdlEvent(event);
    PollSdlJoysticks();
}

void WarpSdlPointer(float x, float y) {
    if (gfx.window)
        SDL_WarpMouseInWindow(gfx.window, static_cast<int>(x * gfx.unitX),
                              static_cast<int>(y * gfx.unitY));
}
