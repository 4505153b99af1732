// The input state both backends fill and the game polls.
#include "platform/input.h"

#include <algorithm>
#include <array>
#include <deque>

void (*warpPointerHook)(float x, float y) = nullptr;

namespace {

struct Joystick {
    bool attached = false;
    std::string name;
    int buttonMask = 0;
    std::array<float, JoystickAxes> axes{};
    float hat = -1.0f;
    std::array<bool, JoystickButtons> buttons{};
};

std::array<bool, 256> keyHeld{};
std::array<int, 256> keyHits{};
std::deque<int> typed;
float mouseVirtualX = 0, mouseVirtualY = 0;
std::array<bool, 4> buttonHeld{};
std::array<int, 4> buttonHits{};
int closeRequests = 0;
std::array<Joystick, MaxJoysticks> joysticks;

bool ValidKey(int vk) { return vk >= 0 && vk < 256; }
bool ValidButton(int button) { return button >= 1 && button <= 3; }
bool ValidPort(int port) { return port >= 0 && port < MaxJoysticks && joysticks[port].attached; }

} // namespace

bool KeyDown(int vk) { return ValidKey(vk) && keyHeld[vk]; }

int KeyHit(int vk) {
    if (!ValidKey(vk)) return 0;
    int hits = keyHits[vk];
    keyHits[vk] = 0;
    return hits;
}

void FlushKeys() {
    keyHeld.fill(false);
    keyHits.fill(0);
    typed.clear();
}

int GetChar() {
    if (typed.empty()) return 0;
    int c = typed.front();
    typed.pop_front();
    return c;
}

float MouseXVirtual() { return mouseVirtualX; }
float MouseYVirtual() { return mouseVirtualY; }
bool MouseDown(int button) { return ValidButton(button) && buttonHeld[button]; }

int MouseHit(int button) {
    if (!ValidButton(button)) return 0;
    int hits = buttonHits[button];
    buttonHits[button] = 0;
    return hits;
}

void FlushMouse() {
    buttonHeld.fill(false);
    buttonHits.fill(0);
}

void MoveMouse(float x, float y) {
    mouseVirtualX = x;
    mouseVirtualY = y;
    if (warpPointerHook) warpPointerHook(x, y);
}

bool CloseRequested() {
    if (closeRequests == 0) return false;
    closeRequests = 0;
    return true;
}

int JoyCount() {
    return static_cast<int>(std::count_if(joysticks.begin(), joysticks.end(),
                                          [](const Joystick& j) { return j.attached; }));
}

std::string JoyName(int port) { return ValidPort(port) ? joysticks[port].name : ""; }
int JoyButtonMask(int port) { return ValidPort(port) ? joysticks[port].buttonMask : 0; }

float JoyAxis(int port, int axis) {
    if (!ValidPort(port) || axis < 0 || axis >= JoystickAxes) return 0.0f;
    return joysticks[port].axes[axis];
}

float JoyHat(int port) { return ValidPort(port) ? joysticks[port].hat : -1.0f; }

bool JoyButtonDown(int port, int button) {
    if (!ValidPort(port) || button < 0 || button >= JoystickButtons) return false;
    return joysticks[port].buttons[button];
}

void InjectKey(int vk, bool down) {
    if (!ValidKey(vk)) return;
    if (down && !keyHeld[vk]) keyHits[vk]++;
    keyHeld[vk] = down;
}

void InjectChar(int c) {
    // The queue holds the last 256 characters typed; older ones beyond that are dropped.
    if (typed.size() >= CharQueueSize) return;
    typed.push_back(c & 0xFF);
}

void InjectMousePosition(float x, float y) {
    mouseVirtualX = x;
    mouseVirtualY = y;
}

void InjectMouseButton(int button, bool down) {
    if (!ValidButton(button)) return;
    if (down && !buttonHeld[button]) buttonHits[button]++;
    buttonHeld[button] = down;
}

void InjectCloseRequest() { closeRequests++; }

int AttachJoystick(const std::string& name, int buttonMask) {
    for (int port = 0; port < MaxJoysticks; port++) {
        if (joysticks[port].attached) continue;
        Joystick j;
        j.attached = true;
        j.name = name;
        j.buttonMask = buttonMask;
        joysticks[port] = j;
        return port;
    }
    return -1;
}

void DetachAllJoysticks() { joysticks.fill(Joystick{}); }

void SetJoyAxis(int port, int axis, float value) {
    if (!ValidPort(port) || axis < 0 || axis >= JoystickAxes) return;
    joysticks[port].axes[axis] = std::clamp(value, -1.0f, 1.0f);
}

void SetJoyHat(int port, float value) {
    if (ValidPort(port)) joysticks[port].hat = value;
}

void SetJoyButton(int port, int button, bool down) {
    if (!ValidPort(port) || button < 0 || button >= JoystickButtons) return;
    joysticks[port].buttons[button] = down;
}

void ResetInputState() {
    FlushKeys();
    FlushMouse();
    mouseVirtualX = mouseVirtualY = 0;
    closeRequests = 0;
    DetachAllJoysticks();
}
