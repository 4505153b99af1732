#include "controls/joysticks.h"

#include "platform/input.h"

#include <algorithm>

std::array<JoystickRecord, MaxSurveyedJoysticks> joystickRecords;
int joystickCount = 0;

void SurveyJoysticks() {
    joystickRecords.fill(JoystickRecord{});
    joystickCount = std::clamp(JoyCount(), 0, MaxSurveyedJoysticks);
    for (int j = 1; j <= joystickCount; j++) {
        int port = j - 1;
        JoystickRecord& record = joystickRecords[port];
        record.buttonMask = JoyButtonMask(port);
        record.name = JoyName(port);
        record.restX = JoyAxis(port, 0);
        record.restY = JoyAxis(port, 1);
        record.restZ = JoyAxis(port, 2);
        record.restR = JoyAxis(port, 3);
        record.restU = JoyAxis(port, 4);
        record.restV = JoyAxis(port, 5);
        record.present = 1;
        // A hat that is not centred now (or a device without one) can never be trusted to say
        // where "centred" is, so its directions are switched off for the whole run.
        record.hatFlag = JoyHat(port) == -1.0f ? 1 : 0;
    }
}
