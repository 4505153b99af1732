// The joysticks as surveyed at start-up: their names, button masks and the axis readings taken as
// rest positions. The joystick codes of the control table rest on these records.
#pragma once

#include <array>
#include <string>

struct JoystickRecord {
    int present = 0; // 1 for a joystick found at start-up; the controls screen can switch it off
    std::string name;
    int buttonMask = 0; // bit n set for each button n the device has
    // Axis readings at start-up: a stick that was off-centre then keeps its rest there.
    float restX = 0, restY = 0, restZ = 0, restU = 0, restV = 0, restR = 0;
    int hatFlag =
        0; // 1 when the hat read exactly centred (-1) at start-up; else its codes never hold
};

constexpr int MaxSurveyedJoysticks = 4;

// joystickRecords[j - 1] is joystick j, on platform port j - 1.
extern std::array<JoystickRecord, MaxSurveyedJoysticks> joystickRecords;
extern int joystickCount; // 0-4

// Takes the platform's joysticks (at most four) as they are now. Called once at start-up.
void SurveyJoysticks();
