#include "controls/control_codes.h"
#include "controls/joysticks.h"
#include "platform/input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace {

// Rest readings of the joystick used below, by platform axis (0 X, 1 Y, 2 Z, 3 R, 4 U, 5 V),
// deliberately off-centre and all different, so a test that mixes up two axes or measures from 0
// instead of the rest fails.
constexpr float Rests[6] = {0.2f, -0.15f, 0.1f, -0.25f, 0.05f, 0.3f};

// A joystick on port 0 with off-centre sticks and a centred hat, surveyed as at start-up.
void SurveyOneJoystick() {
    ResetInputState();
    int port = AttachJoystick("Test Pad", 0xFFFF);
    ASSERT_EQ(port, 0);
    for (int axis = 0; axis < 6; axis++) SetJoyAxis(port, axis, Rests[axis]);
    SurveyJoysticks();
}

struct AxisCase {
    int kind;
    int axis; // platform axis number
    bool positive;
};

// Kinds 0-11 in pairs: Y, X, Z, U, V, R.
const AxisCase AxisCases[] = {
    {0, 1, false}, {1, 1, true}, {2, 0, false}, {3, 0, true}, {4, 2, false},  {5, 2, true},
    {6, 4, false}, {7, 4, true}, {8, 5, false}, {9, 5, true}, {10, 3, false}, {11, 3, true},
};

std::set<int> HeldCodes(int from, int to) {
    std::set<int> held;
    for (int code = from; code <= to; code++)
        if (ControlDown(code)) held.insert(code);
    return held;
}

} // namespace

TEST(ControlTable, DefaultsBindPlayerOneOnly) {
    ControlTable.fill(77);
    SetControlDefaults();
    const std::pair<int, int> expected[] = {{0, 38},  {3, 37},  {5, 39},  {8, 40},
                                            {10, 90}, {11, 88}, {12, 67}, {13, 86}};
    std::array<int32_t, ControlTableSize> table{};
    for (auto [entry, code] : expected) table[entry] = code;
    EXPECT_EQ(ControlTable, table);
}

TEST(ControlTable, ActionsFollowTheirBoundKeys) {
    ResetInputState();
    SurveyJoysticks();
    SetControlDefaults();
    struct Case {
        int action, player, key;
        int held;
    };
    const Case cases[] = {
        {0, 1, 38, 1}, // up on the Up arrow
        {0, 1, 40, 0}, // not on Down
        {8, 1, 40, 1}, // down on the Down arrow
        {3, 1, 37, 1},  {5, 1, 39, 1},  {10, 1, 90, 1}, {11, 1, 88, 1},
        {12, 1, 67, 1}, {13, 1, 86, 1}, {10, 2, 90, 0}, // player 2 has nothing bound
        {0, 4, 38, 0},
    };
    for (const Case& c : cases) {
        InjectKey(c.key, true);
        EXPECT_EQ(ActionDown(c.action, c.player), c.held)
            << "action " << c.action << " player " << c.player << " key " << c.key;
        InjectKey(c.key, false);
        EXPECT_EQ(ActionDown(c.action, c.player), 0);
    }
    ControlTable[30] = 90; // player 2's start action on Z
    InjectKey(90, true);
    EXPECT_EQ(ActionDown(10, 2), 1);
    ControlTable[79] = 65; // the last entry read: player 4, action 19
    InjectKey(65, true);
    EXPECT_EQ(ActionDown(19, 4), 1);
}

TEST(ControlDown, OnlyKeysTenTo254ReadAsHeld) {
    ResetInputState();
    SurveyJoysticks();
    struct Case {
        int code;
        int held;
    };
    // Every key of 0-255 is held; only the key range of the held test answers.
    for (int vk = 0; vk < 256; vk++) InjectKey(vk, true);
    const Case cases[] = {{-1, 0}, {0, 0},   {1, 0},   {8, 0},   {9, 0},   {10, 1},
                          {65, 1}, {254, 1}, {255, 0}, {256, 0}, {299, 0}, {INT32_MIN, 0}};
    for (const Case& c : cases) EXPECT_EQ(ControlDown(c.code), c.held) << "code " << c.code;
}

TEST(ControlDown, AxisHalvesMeasureFromTheirRest) {
    SurveyOneJoystick();
    for (const AxisCase& c : AxisCases) {
        float rest = Rests[c.axis];
        float edge = c.positive ? rest + AXIS_DEAD_ZONE : rest - AXIS_DEAD_ZONE;
        float beyond = std::nextafter(edge, c.positive ? 2.0f : -2.0f);
        float inside = std::nextafter(edge, rest);
        int code = 300 + c.kind;
        struct Reading {
            float value;
            std::set<int> held;
        };
        const Reading readings[] = {
            {rest, {}},
            {inside, {}},
            {edge, {}}, // exactly at the dead-zone edge: strict comparison, not held
            {beyond, {code}},
        };
        for (const Reading& r : readings) {
            SetJoyAxis(0, c.axis, r.value);
            EXPECT_EQ(HeldCodes(300, 349), r.held) << "kind " << c.kind << " reading " << r.value;
        }
        SetJoyAxis(0, c.axis, rest);
    }
}

TEST(ControlDown, OffCentreRestMakesTheCentreAMove) {
    ResetInputState();
    AttachJoystick("Drifting Pad");
    SetJoyAxis(0, 1, 0.5f); // Y pushed down at start-up
    SurveyJoysticks();
    EXPECT_FLOAT_EQ(joystickRecords[0].restY, 0.5f);
    EXPECT_EQ(ControlDown(300), 0);
    SetJoyAxis(0, 1, 0.0f); // back at the centre: 0.5 below the rest
    EXPECT_EQ(ControlDown(300), 1);
    EXPECT_EQ(ControlDown(301), 0);
}

TEST(ControlDown, HatRangesOverlapOnDiagonals) {
    SurveyOneJoystick();
    ASSERT_EQ(joystickRecords[0].hatFlag, 1);
    struct Case {
        float hat;
        std::set<int> held; // of 320 up, 323 left, 325 right, 328 down
    };
    const Case cases[] = {
        {-1.0f, {}},          {0.0f, {320}}, {0.1f, {320}},  {0.125f, {320, 325}},
        {0.19f, {320, 325}},  {0.2f, {325}}, {0.25f, {325}}, {0.3f, {325}},
        {0.375f, {325, 328}}, {0.4f, {328}}, {0.5f, {328}},  {0.6f, {328}},
        {0.625f, {328, 323}}, {0.7f, {323}}, {0.75f, {323}}, {0.8f, {323}},
        {0.875f, {323, 320}}, {0.9f, {320}}, {0.99f, {320}}, {-0.5f, {}},
    };
    for (const Case& c : cases) {
        SetJoyHat(0, c.hat);
        EXPECT_EQ(HeldCodes(312, 329), c.held) << "hat " << c.hat;
    }
}

TEST(ControlDown, HatNotCentredAtStartUpNeverHolds) {
    ResetInputState();
    AttachJoystick("Stuck Hat");
    SetJoyHat(0, 0.5f);
    SurveyJoysticks();
    EXPECT_EQ(joystickRecords[0].hatFlag, 0);
    for (float hat : {0.0f, 0.25f, 0.5f, 0.75f}) {
        SetJoyHat(0, hat);
        EXPECT_EQ(HeldCodes(320, 329), std::set<int>{}) << "hat " << hat;
        EXPECT_EQ(CaptureControl(), 0) << "hat " << hat;
    }
}

TEST(ControlDown, ButtonsAndJoystickNumbers) {
    ResetInputState();
    AttachJoystick("One");
    AttachJoystick("Two");
    SurveyJoysticks();
    ASSERT_EQ(joystickCount, 2);
    struct Case {
        int port, button;
        std::set<int> held;
    };
    const Case cases[] = {
        {0, 0, {330}}, {0, 18, {348}}, {0, 19, {349}}, {1, 0, {380}}, {1, 7, {387}},
    };
    for (const Case& c : cases) {
        SetJoyButton(c.port, c.button, true);
        EXPECT_EQ(HeldCodes(300, 600), c.held) << "port " << c.port << " button " << c.button;
        SetJoyButton(c.port, c.button, false);
    }
    // Joysticks 3 and 4 are absent, and codes of 500 and up name no joystick.
    for (int code : {400, 430, 450, 480, 500, 530, 1000, INT32_MAX})
        EXPECT_EQ(ControlDown(code), 0);
}

TEST(ControlDown, PresentFlagSwitchesAJoystickOffAndOn) {
    SurveyOneJoystick();
    SetJoyAxis(0, 1, Rests[1] - 0.5f);
    SetJoyHat(0, 0.0f);
    SetJoyButton(0, 2, true);
    EXPECT_EQ(HeldCodes(300, 349), (std::set<int>{300, 320, 332}));
    EXPECT_EQ(CaptureControl(), 300);
    joystickRecords[0].present = 0;
    EXPECT_EQ(HeldCodes(300, 349), std::set<int>{});
    EXPECT_EQ(CaptureControl(), 0);
    joystickRecords[0].present = 1;
    EXPECT_EQ(HeldCodes(300, 349), (std::set<int>{300, 320, 332}));
    EXPECT_FLOAT_EQ(joystickRecords[0].restY, Rests[1]);
}

TEST(SurveyJoysticks, RecordsEachJoystickAsItIsAtStartUp) {
    ResetInputState();
    AttachJoystick("Left Pad", 0x0F);
    AttachJoystick("Right Pad", 0xFF);
    SetJoyAxis(1, 0, 0.1f);
    SetJoyAxis(1, 1, 0.2f);
    SetJoyAxis(1, 2, 0.3f);
    SetJoyAxis(1, 3, 0.4f);
    SetJoyAxis(1, 4, 0.5f);
    SetJoyAxis(1, 5, 0.6f);
    SetJoyHat(1, 0.25f);
    SurveyJoysticks();
    EXPECT_EQ(joystickCount, 2);
    const JoystickRecord& left = joystickRecords[0];
    EXPECT_EQ(left.present, 1);
    EXPECT_EQ(left.name, "Left Pad");
    EXPECT_EQ(left.buttonMask, 0x0F);
    EXPECT_EQ(left.hatFlag, 1);
    const JoystickRecord& right = joystickRecords[1];
    EXPECT_EQ(right.name, "Right Pad");
    EXPECT_EQ(right.buttonMask, 0xFF);
    EXPECT_EQ(right.hatFlag, 0);
    EXPECT_FLOAT_EQ(right.restX, 0.1f);
    EXPECT_FLOAT_EQ(right.restY, 0.2f);
    EXPECT_FLOAT_EQ(right.restZ, 0.3f);
    EXPECT_FLOAT_EQ(right.restR, 0.4f);
    EXPECT_FLOAT_EQ(right.restU, 0.5f);
    EXPECT_FLOAT_EQ(right.restV, 0.6f);
    EXPECT_EQ(joystickRecords[2].present, 0);
    EXPECT_EQ(joystickRecords[3].present, 0);

    // A later survey with fewer joysticks forgets the ones that went.
    ResetInputState();
    SurveyJoysticks();
    EXPECT_EQ(joystickCount, 0);
    EXPECT_EQ(joystickRecords[0].present, 0);
    EXPECT_EQ(joystickRecords[1].name, "");
}

TEST(SurveyJoysticks, TakesAtMostFour) {
    ResetInputState();
    for (int i = 0; i < 5; i++) AttachJoystick("Pad " + std::to_string(i));
    SurveyJoysticks();
    EXPECT_EQ(joystickCount, 4);
    for (const JoystickRecord& record : joystickRecords) EXPECT_EQ(record.present, 1);
}

TEST(CaptureControl, FirstHeldInputInOrder) {
    struct Input {
        enum Kind { Key, Axis, Hat, Button } kind;
        int port, number;
        float value;
    };
    struct Case {
        const char* what;
        std::vector<Input> inputs;
        int expected;
    };
    const Case cases[] = {
        {"nothing", {}, 0},
        {"a key beats a joystick button", {{Input::Key, 0, 65, 0}, {Input::Button, 0, 0, 0}}, 65},
        {"F12 blocks everything", {{Input::Key, 0, 123, 0}, {Input::Button, 0, 0, 0}}, 0},
        {"F11 blocks everything", {{Input::Key, 0, 122, 0}, {Input::Key, 0, 65, 0}}, 0},
        {"the lowest key wins", {{Input::Key, 0, 90, 0}, {Input::Key, 0, 2, 0}}, 2},
        {"code 255 is captured", {{Input::Key, 0, 255, 0}}, 255},
        {"Backspace is captured", {{Input::Key, 0, 8, 0}}, 8},
        {"Y- before X+", {{Input::Axis, 0, 0, 0.9f}, {Input::Axis, 0, 1, -0.9f}}, 300},
        {"X+", {{Input::Axis, 0, 0, 0.9f}}, 303},
        {"R+ is the last axis kind", {{Input::Axis, 0, 3, 0.9f}}, 311},
        {"V-", {{Input::Axis, 0, 5, -0.9f}}, 308},
        {"an axis beats the hat", {{Input::Hat, 0, 0, 0.5f}, {Input::Axis, 0, 2, 0.9f}}, 305},
        {"hat up", {{Input::Hat, 0, 0, 0.0f}}, 320},
        {"hat right", {{Input::Hat, 0, 0, 0.25f}}, 325},
        {"hat down", {{Input::Hat, 0, 0, 0.5f}}, 328},
        {"hat left", {{Input::Hat, 0, 0, 0.75f}}, 323},
        {"a diagonal hat falls through to the buttons",
         {{Input::Hat, 0, 0, 0.125f}, {Input::Button, 0, 3, 0}},
         333},
        {"the hat beats a button", {{Input::Hat, 0, 0, 0.75f}, {Input::Button, 0, 0, 0}}, 323},
        {"the lowest button wins", {{Input::Button, 0, 9, 0}, {Input::Button, 0, 4, 0}}, 334},
        {"button 18 is the last captured", {{Input::Button, 0, 18, 0}}, 348},
        {"button 19 is never captured", {{Input::Button, 0, 19, 0}}, 0},
        {"joystick 2", {{Input::Axis, 1, 1, 0.9f}}, 351},
        {"joystick 1 before joystick 2",
         {{Input::Axis, 1, 1, 0.9f}, {Input::Button, 0, 5, 0}},
         335},
        {"small moves are not captured",
         {{Input::Axis, 0, 0, 0.3f}, {Input::Axis, 1, 1, -0.3f}},
         0},
    };
    for (const Case& c : cases) {
        ResetInputState();
        AttachJoystick("One");
        AttachJoystick("Two");
        SurveyJoysticks();
        for (const Input& in : c.inputs) {
            switch (in.kind) {
            case Input::Key:
                InjectKey(in.number, true);
                break;
            case Input::Axis:
                SetJoyAxis(in.port, in.number, in.value);
                break;
            case Input::Hat:
                SetJoyHat(in.port, in.value);
                break;
            case Input::Button:
                SetJoyButton(in.port, in.number, true);
                break;
            }
        }
        EXPECT_EQ(CaptureControl(), c.expected) << c.what;
    }
}

TEST(CaptureControl, SkipsASwitchedOffJoystick) {
    ResetInputState();
    AttachJoystick("One");
    AttachJoystick("Two");
    SurveyJoysticks();
    SetJoyButton(0, 0, true);
    SetJoyButton(1, 1, true);
    EXPECT_EQ(CaptureControl(), 330);
    joystickRecords[0].present = 0;
    EXPECT_EQ(CaptureControl(), 381);
}

TEST(CaptureControl, CapturedHatReadsHeldOverItsRange) {
    SurveyOneJoystick();
    SetJoyHat(0, 0.25f);
    int code = CaptureControl();
    ASSERT_EQ(code, 325);
    for (float hat : {0.11f, 0.125f, 0.25f, 0.375f, 0.39f}) {
        SetJoyHat(0, hat);
        EXPECT_EQ(ControlDown(code), 1) << "hat " << hat;
    }
}
