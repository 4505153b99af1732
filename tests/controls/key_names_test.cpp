#include "controls/key_names.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Every named key code with its name.
const std::map<int, std::string> KeyTable = {
    {0, "Pause"},
    {1, "Left Mousebutton"},
    {2, "Right Mousebutton"},
    {3, "Middle Mousebutton"},
    {8, "Backspace"},
    {9, "Tab"},
    {12, "Clear"},
    {13, "Return"},
    {19, "Pause"},
    {20, "CapsLock"},
    {27, "Escape"},
    {32, "Space"},
    {33, "Page Up"},
    {34, "Page Down"},
    {35, "End"},
    {36, "Home"},
    {37, "Left"},
    {38, "Up"},
    {39, "Right"},
    {40, "Down"},
    {41, "Select"},
    {42, "Print"},
    {43, "Execute"},
    {44, "Screen"},
    {45, "Insert"},
    {46, "Delete"},
    {48, "0"},
    {49, "1"},
    {50, "2"},
    {51, "3"},
    {52, "4"},
    {53, "5"},
    {54, "6"},
    {55, "7"},
    {56, "8"},
    {57, "9"},
    {65, "A"},
    {66, "B"},
    {67, "C"},
    {68, "D"},
    {69, "E"},
    {70, "F"},
    {71, "G"},
    {72, "H"},
    {73, "I"},
    {74, "J"},
    {75, "K"},
    {76, "L"},
    {77, "M"},
    {78, "N"},
    {79, "O"},
    {80, "P"},
    {81, "Q"},
    {82, "R"},
    {83, "S"},
    {84, "T"},
    {85, "U"},
    {86, "V"},
    {87, "W"},
    {88, "X"},
    {89, "Y"},
    {90, "Z"},
    {91, "Sys Left"},
    {92, "Sys Right"},
    {96, "0"},
    {97, "1"},
    {98, "2"},
    {99, "3"},
    {100, "4"},
    {101, "5"},
    {102, "6"},
    {103, "7"},
    {104, "8"},
    {105, "9"},
    {106, "*"},
    {107, "+"},
    {109, "-"},
    {110, "."},
    {111, "/"},
    {112, "F1"},
    {113, "F2"},
    {114, "F3"},
    {115, "F4"},
    {116, "F5"},
    {117, "F6"},
    {118, "F7"},
    {119, "F8"},
    {120, "F9"},
    {121, "F10"},
    {122, "F11"},
    {123, "F12"},
    {144, "NumLock"},
    {145, "ScrollLock"},
    {160, "LShift"},
    {161, "RShift"},
    {162, "LControl"},
    {163, "RControl"},
    {164, "LAlt"},
    {165, "RAlt"},
    {173, "Mute"},
    {174, "Volume Down"},
    {175, "Volume Up"},
    {186, ";"},
    {187, "="},
    {188, ","},
    {189, "-"},
    {190, "."},
    {191, "/"},
    {192, "'"},
    {219, "["},
    {220, "\\"},
    {221, "]"},
    {222, "#"},
    {223, "`"},
    {226, "\\"},
};

} // namespace

TEST(ControlName, EveryNamedKey) {
    ASSERT_EQ(KeyTable.size(), 115u);
    for (const auto& [code, name] : KeyTable) EXPECT_EQ(ControlName(code), name) << "code " << code;
}

TEST(ControlName, JoystickInputsAndUnnamedCodes) {
    struct Case {
        int code;
        const char* name;
    };
    const Case cases[] = {
        {300, "Y-"},
        {301, "Y+"},
        {302, "X-"},
        {303, "X+"},
        {304, "Z-"},
        {305, "Z+"},
        {306, "U-"},
        {307, "U+"},
        {308, "V-"},
        {309, "V+"},
        {310, "R-"},
        {311, "R+"},
        {320, "Up"},
        {325, "Right"},
        {328, "Down"},
        {323, "Left"},
        {330, "0"},
        {331, "1"},
        {348, "18"},
        {349, "19"},
        // The joystick's number is not part of the name.
        {355, "Z+"},
        {420, "Up"},
        {499, "19"},
        // Kinds without an input of their own are named like buttons, below 0.
        {312, "-18"},
        {321, "-9"},
        {329, "-1"},
        // Key codes missing from the key table fall to the same rule.
        {93, "13"},
        {4, "Z-"},
        {21, "-9"},
        {94, "14"},
        {10, "R-"},
        {255, "Z+"},
        {256, "U-"},
        // Codes beyond any joystick still get a name.
        {500, "Y-"},
        {1000, "Y-"},
        {-1, "-31"},
    };
    for (const Case& c : cases) EXPECT_EQ(ControlName(c.code), c.name) << "code " << c.code;
}

TEST(ControlName, KeyTableHasNoOtherCodes) {
    const std::map<int, std::string> joystickNames = {
        {0, "Y-"},  {1, "Y+"},    {2, "X-"},     {3, "X+"},    {4, "Z-"},  {5, "Z+"},
        {6, "U-"},  {7, "U+"},    {8, "V-"},     {9, "V+"},    {10, "R-"}, {11, "R+"},
        {20, "Up"}, {23, "Left"}, {25, "Right"}, {28, "Down"},
    };
    for (int code = 0; code < 256; code++) {
        if (KeyTable.count(code)) continue;
        int kind = code % 50;
        auto named = joystickNames.find(kind);
        std::string expected =
            named != joystickNames.end() ? named->second : std::to_string(kind - 30);
        EXPECT_EQ(ControlName(code), expected) << "code " << code;
    }
}

TEST(KeyCodeByName, NamesAndPreferredCodes) {
    struct Case {
        const char* name;
        int code;
    };
    const Case cases[] = {
        {"Tab", 9},
        {"tab", 9},
        {"TAB", 9},
        {"F11", 122},
        {"f12", 123},
        {"Z", 90},
        {"z", 90},
        {"Return", 13},
        {"LAlt", 164},
        {"lalt", 164},
        {"Space", 32},
        {"Escape", 27},
        {"Up", 38},
        {"Down", 40},
        {"Left", 37},
        {"Right", 39},
        {"Page Up", 33},
        {"page down", 34},
        {"Backspace", 8},
        {"Left Mousebutton", 1},
        {"Volume Up", 175},
        {"*", 106},
        {"+", 107},
        {"`", 223},
        {"'", 192},
        {"#", 222},
        {"=", 187},
        {";", 186},
        // Shared names give the main keyboard's key.
        {"0", 48},
        {"5", 53},
        {"9", 57},
        {"-", 189},
        {".", 190},
        {"/", 191},
        {"\\", 220},
        {"Pause", 19},
        {"pause", 19},
        // Not key names.
        {"", -1},
        {"Foo", -1},
        {"F13", -1},
        {"Z+", -1},
        {"PageUp", -1},
        {" Tab", -1},
        {"Tab ", -1},
        {"Ta", -1},
        {"Tabs", -1},
        {"10", -1},
        {"Y-", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyCodeByName(c.name), c.code) << "name \"" << c.name << "\"";
}

TEST(KeyCodeByName, EveryKeyNameLeadsBackToItself) {
    for (const auto& [code, name] : KeyTable) {
        int found = KeyCodeByName(name);
        ASSERT_NE(found, -1) << name;
        EXPECT_EQ(ControlName(found), name);
    }
}
