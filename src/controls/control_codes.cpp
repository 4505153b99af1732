#include "controls/control_codes.h"

#include "controls/joysticks.h"
#include "platform/input.h"

std::array<int32_t, ControlTableSize> ControlTable{};

namespace {

constexpr int KeyF11 = 122;
constexpr int KeyF12 = 123;
// The last button a capture looks at; higher buttons can be bound by hand only.
constexpr int LastCapturedButton = 18;

// Platform axis numbers (0 X, 1 Y, 2 Z, 3 R, 4 U, 5 V) in the order of the axis kinds, which go
// in pairs (negative half, positive half): Y, X, Z, U, V, R.
constexpr int KindAxis[6] = {1, 0, 2, 4, 5, 3};

float Rest(const JoystickRecord& record, int axis) {
    switch (axis) {
    case 0:
        return record.restX;
    case 1:
        return record.restY;
    case 2:
        return record.restZ;
    case 3:
        return record.restR;
    case 4:
        return record.restU;
    default:
        return record.restV;
    }
}

// Axis kinds 0-11. The dead zone is measured from the rest reading, in single precision as the
// readings are, and a reading exactly at the edge is not held.
bool AxisHalfHeld(const JoystickRecord& record, int port, int kind) {
    int axis = KindAxis[kind / 2];
    float reading = JoyAxis(port, axis);
    float rest = Rest(record, axis);
    if (kind % 2 == 0) return reading < rest - AXIS_DEAD_ZONE;
    return reading > rest + AXIS_DEAD_ZONE;
}

// The held ranges of the hat overlap so that a diagonal holds both of its directions. A centred
// hat reads -1 and holds nothing. The bounds are single-precision like the reading.
bool HatHeld(const JoystickRecord& record, int port, int kind) {
    if (!record.hatFlag) return false;
    float hat = JoyHat(port);
    switch (kind) {
    case KindHatUp:
        return hat >= 0.0f && (hat > 0.8f || hat < 0.2f);
    case KindHatLeft:
        return hat > 0.6f && hat < 0.9f;
    case KindHatRight:
        return hat > 0.1f && hat < 0.4f;
    case KindHatDown:
        return hat > 0.3f && hat < 0.7f;
    default:
        return false;
    }
}

// The exact direction the hat points at, as a kind, or 0 for none. Capture takes only the four
// exact readings, so a diagonal captures nothing.
int HatCaptured(const JoystickRecord& record, int port) {
    if (!record.hatFlag) return 0;
    float hat = JoyHat(port);
    if (hat == 0.0f) return KindHatUp;
    if (hat == 0.25f) return KindHatRight;
    if (hat == 0.5f) return KindHatDown;
    if (hat == 0.75f) return KindHatLeft;
    return 0;
}

} // namespace

void SetControlDefaults() {
    ControlTable.fill(0);
    ControlTable[ActUp] = 38;      // Up arrow
    ControlTable[ActLeft] = 37;    // Left arrow
    ControlTable[ActRight] = 39;   // Right arrow
    ControlTable[ActDown] = 40;    // Down arrow
    ControlTable[ActButton1] = 90; // Z
    ControlTable[ActButton2] = 88; // X
    ControlTable[ActButton3] = 67; // C
    ControlTable[ActButton4] = 86; // V
}

int ActionDown(int action, int player) {
    int entry = (player - 1) * ActionsPerPlayer + action;
    if (entry < 0 || entry >= ControlTableSize) return 0;
    return ControlDown(ControlTable[entry]);
}

int ControlDown(int code) {
    // Codes below 10 (mouse buttons, Backspace, Tab) and 255 can be bound but never hold.
    if (code >= 10 && code <= 254 && KeyDown(code)) return 1;
    if (code < FirstJoystickCode) return 0;
    int j = code / CodesPerJoystick - 5;
    int kind = code % CodesPerJoystick;
    if (j > MaxSurveyedJoysticks) return 0;
    const JoystickRecord& record = joystickRecords[j - 1];
    if (!record.present) return 0;
    int port = j - 1;
    if (kind < 12) return AxisHalfHeld(record, port, kind) ? 1 : 0;
    if (kind >= KindFirstButton) return JoyButtonDown(port, kind - KindFirstButton) ? 1 : 0;
    return HatHeld(record, port, kind) ? 1 : 0;
}

int CaptureControl() {
    // F11 takes screenshots and F12 shows the overlay: pressing them must not rebind anything.
    if (KeyDown(KeyF11) || KeyDown(KeyF12)) return 0;
    for (int code = 1; code <= 255; code++)
        if (KeyDown(code)) return code;
    for (int j = 1; j <= joystickCount; j++) {
        const JoystickRecord& record = joystickRecords[j - 1];
        if (!record.present) continue;
        int port = j - 1;
        int base = 250 + CodesPerJoystick * j;
        for (int kind = 0; kind < 12; kind++)
            if (AxisHalfHeld(record, port, kind)) return base + kind;
        if (int kind = HatCaptured(record, port)) return base + kind;
        for (int button = 0; button <= LastCapturedButton; button++)
            if (JoyButtonDown(port, button)) return base + KindFirstButton + button;
    }
    return 0;
}
