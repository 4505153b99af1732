// Display names of control codes, and key names for the input script.
#pragma once

#include <string>

// The name shown for a code: the key's name when the code is a named key, otherwise the joystick
// input's name from code % 50 alone ("Y-", "X+", "Up", ..., a button as its number from 0).
std::string ControlName(int code);
// The virtual-key code of a key name, ignoring case, or -1 when no key has that name. Where the
// numeric pad or a second key shares a name, the main keyboard's key is given ("5" is 53, "-" is
// 189, "Pause" is 19).
int KeyCodeByName(const std::string& name);
