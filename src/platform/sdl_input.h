// The sdl backend's side of the input state: window events and joysticks. Internal to the
// platform (its tests feed events straight into HandleSdlEvent).
#pragma once

#include <SDL.h>

#include <string>

// Opens the first four joysticks SDL reports and attaches them to the input state with their
// names and button masks.
void AttachSdlJoysticks();
void DetachSdlJoysticks();
// Reads the axes, hats and buttons of the attached joysticks into the input state.
void PollSdlJoysticks();
// One SDL event into the input state.
void HandleSdlEvent(const SDL_Event& event);
// The Windows virtual-key code of an SDL scancode, 0 when the game has no use for the key.
int VirtualKeyOf(SDL_Scancode scancode);
// The hat as the controls code reads it: -1 centred, 0 up, 0.25 right, 0.5 down, 0.75 left,
// the diagonals between (0.125 up-right, ... 0.875 up-left).
float HatValue(Uint8 hat);
// The Latin-1 bytes of UTF-8 text; characters above 255 and broken sequences are dropped.
std::string Utf8ToLatin1(const char* text);
void WarpSdlPointer(float x, float y);
