// Input polling: keys by Windows virtual-key code, the typed-character queue, the mouse in virtual
// units, the window-close request and up to four joysticks.
//
// Both backends share one input state. The sdl backend fills it from window events when it polls;
// the headless backend fills it from the input script (input_script.h) or from a test's direct
// calls to the Inject functions below.
#pragma once

#include <cstdint>
#include <string>

constexpr int MaxJoysticks = 4;
constexpr int JoystickAxes = 6; // X Y Z R U V
constexpr int JoystickButtons = 32;
constexpr int CharQueueSize = 256;

// Keys. codes 0-255; anything else is never held.
bool KeyDown(int vk);
// Presses since the last hit test of this key; the test resets the count.
int KeyHit(int vk);
// Clears the held keys, the pending key hits and the typed-character queue.
void FlushKeys();
// The next typed character (Latin-1, plus 8 Backspace, 13 Return, 27 Escape), or 0 when none.
int GetChar();

// Mouse, in virtual-screen units. Buttons: 1 left, 2 right, 3 middle.
float MouseXVirtual();
float MouseYVirtual();
bool MouseDown(int button);
// Presses since the last hit test of this button; the test resets the count.
int MouseHit(int button);
void FlushMouse();
// Puts the pointer at a virtual position (the sdl backend also warps the system pointer).
void MoveMouse(float x, float y);

// True once per close request of the window (its close button, or the headless script's close).
bool CloseRequested();

// Joysticks by port 0-3. Axes: 0 X, 1 Y, 2 Z, 3 R, 4 U, 5 V, each -1..1. The hat is -1 centred,
// 0 up, 0.25 right, 0.5 down, 0.75 left, the diagonals between.
int JoyCount();
std::string JoyName(int port);
int JoyButtonMask(int port);
float JoyAxis(int port, int axis);
float JoyHat(int port);
bool JoyButtonDown(int port, int button);

// Feeding the input state (backends and tests).
void InjectKey(int vk, bool down);
void InjectChar(int c);
void InjectMousePosition(float x, float y);
void InjectMouseButton(int button, bool down);
void InjectCloseRequest();
// Attaches a joystick at the next free port (6 axes at 0, hat centred, 32 buttons); -1 when all
// four ports are taken.
int AttachJoystick(const std::string& name, int buttonMask = -1);
void DetachAllJoysticks();
// The headless backend's --joysticks N: attaches N (at most four) joysticks named
// "Virtual Joystick 1" and on, each with 6 axes, a hat and 32 buttons.
void AttachVirtualJoysticks(int count);
void SetJoyAxis(int port, int axis, float value);
void SetJoyHat(int port, float value);
void SetJoyButton(int port, int button, bool down);
// Back to the start state: nothing held, no joysticks, pointer at (0, 0).
void ResetInputState();

// The sdl backend moves the system pointer through this when the game moves the mouse.
extern void (*warpPointerHook)(float x, float y);

// Polls the window's events (keys, typed text, mouse, close button) and the joysticks into the
// input state. The sdl backend calls it from Flip and from every real-clock Delay, so that loops
// which wait for a key release without drawing still see the release; the headless backend has
// nothing to poll.
void PumpEvents();
