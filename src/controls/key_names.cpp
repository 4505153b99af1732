#include "controls/key_names.h"

#include <array>
#include <cstddef>

namespace {

struct KeyName {
    int code;
    const char* name;
    bool secondary; // shares its name with a main-keyboard key; never the answer to a name lookup
};

constexpr KeyName KeyNames[] = {
    {0, "Pause", true},
    {1, "Left Mousebutton", false},
    {2, "Right Mousebutton", false},
    {3, "Middle Mousebutton", false},
    {8, "Backspace", false},
    {9, "Tab", false},
    {12, "Clear", false},
    {13, "Return", false},
    {19, "Pause", false},
    {20, "CapsLock", false},
    {27, "Escape", false},
    {32, "Space", false},
    {33, "Page Up", false},
    {34, "Page Down", false},
    {35, "End", false},
    {36, "Home", false},
    {37, "Left", false},
    {38, "Up", false},
    {39, "Right", false},
    {40, "Down", false},
    {41, "Select", false},
    {42, "Print", false},
    {43, "Execute", false},
    {44, "Screen", false},
    {45, "Insert", false},
    {46, "Delete", false},
    {48, "0", false},
    {49, "1", false},
    {50, "2", false},
    {51, "3", false},
    {52, "4", false},
    {53, "5", false},
    {54, "6", false},
    {55, "7", false},
    {56, "8", false},
    {57, "9", false},
    {65, "A", false},
    {66, "B", false},
    {67, "C", false},
    {68, "D", false},
    {69, "E", false},
    {70, "F", false},
    {71, "G", false},
    {72, "H", false},
    {73, "I", false},
    {74, "J", false},
    {75, "K", false},
    {76, "L", false},
    {77, "M", false},
    {78, "N", false},
    {79, "O", false},
    {80, "P", false},
    {81, "Q", false},
    {82, "R", false},
    {83, "S", false},
    {84, "T", false},
    {85, "U", false},
    {86, "V", false},
    {87, "W", false},
    {88, "X", false},
    {89, "Y", false},
    {90, "Z", false},
    {91, "Sys Left", false},
    {92, "Sys Right", false},
    // The numeric pad's digits are named like the main digits.
    {96, "0", true},
    {97, "1", true},
    {98, "2", true},
    {99, "3", true},
    {100, "4", true},
    {101, "5", true},
    {102, "6", true},
    {103, "7", true},
    {104, "8", true},
    {105, "9", true},
    {106, "*", false},
    {107, "+", false},
    {109, "-", true},
    {110, ".", true},
    {111, "/", true},
    {112, "F1", false},
    {113, "F2", false},
    {114, "F3", false},
    {115, "F4", false},
    {116, "F5", false},
    {117, "F6", false},
    {118, "F7", false},
    {119, "F8", false},
    {120, "F9", false},
    {121, "F10", false},
    {122, "F11", false},
    {123, "F12", false},
    {144, "NumLock", false},
    {145, "ScrollLock", false},
    {160, "LShift", false},
    {161, "RShift", false},
    {162, "LControl", false},
    {163, "RControl", false},
    {164, "LAlt", false},
    {165, "RAlt", false},
    {173, "Mute", false},
    {174, "Volume Down", false},
    {175, "Volume Up", false},
    {186, ";", false},
    {187, "=", false},
    {188, ",", false},
    {189, "-", false},
    {190, ".", false},
    {191, "/", false},
    {192, "'", false},
    {219, "[", false},
    {220, "\\", false},
    {221, "]", false},
    {222, "#", false},
    {223, "`", false},
    // The extra key beside the left Shift on European keyboards.
    {226, "\\", true},
};

static_assert(std::size(KeyNames) == 115);

// Code -> name, nullptr where the key has none.
constexpr std::array<const char*, 256> NameByCode = [] {
    std::array<const char*, 256> byCode{};
    for (const KeyName& key : KeyNames) byCode[key.code] = key.name;
    return byCode;
}();

const char* JoystickInputName(int kind) {
    switch (kind) {
    case 0:
        return "Y-";
    case 1:
        return "Y+";
    case 2:
        return "X-";
    case 3:
        return "X+";
    case 4:
        return "Z-";
    case 5:
        return "Z+";
    case 6:
        return "U-";
    case 7:
        return "U+";
    case 8:
        return "V-";
    case 9:
        return "V+";
    case 10:
        return "R-";
    case 11:
        return "R+";
    case 20:
        return "Up";
    case 25:
        return "Right";
    case 28:
        return "Down";
    case 23:
        return "Left";
    default:
        return nullptr;
    }
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size(); i++) {
        if (b[i] == '\0' || LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return b[i] == '\0';
}

} // namespace

std::string ControlName(int code) {
    if (code >= 0 && code < 256 && NameByCode[code]) return NameByCode[code];
    // Any other code is named as a joystick input of its kind; the joystick's number is not part
    // of the name. Kinds without a name (the buttons among them) show as kind - 30.
    int kind = code % 50;
    if (const char* name = JoystickInputName(kind)) return name;
    return std::to_string(kind - 30);
}

int KeyCodeByName(const std::string& name) {
    for (const KeyName& key : KeyNames)
        if (!key.secondary && SameIgnoringCase(name, key.name)) return key.code;
    return -1;
}
