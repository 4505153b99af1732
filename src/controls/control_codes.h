// Control codes and the control table: what each player's actions are bound to, and whether the
// bound input is held.
//
// A control code is one integer:
//   0        nothing assigned
//   1-255    a key, by its Windows virtual-key code (only 10-254 ever read as held)
//   256-299  nothing
//   300-499  a joystick input: joystick j = code / 50 - 5 (1-4), kind k = code % 50
// Joystick kinds: 0-11 axis halves (Y-, Y+, X-, X+, Z-, Z+, U-, U+, V-, V+, R-, R+), 20 hat up,
// 23 hat left, 25 hat right, 28 hat down, 30-49 buttons 0-19. Other kinds never hold.
#pragma once

#include <array>
#include <cstdint>

constexpr int ControlTableSize = 101;
constexpr int ActionsPerPlayer = 20;
constexpr int FirstJoystickCode = 300;
constexpr int CodesPerJoystick = 50;

// The player actions the game reads.
constexpr int ActUp = 0;
constexpr int ActLeft = 3;
constexpr int ActRight = 5;
constexpr int ActDown = 8;
constexpr int ActButton1 = 10; // the start action
constexpr int ActButton2 = 11;
constexpr int ActButton3 = 12;
constexpr int ActButton4 = 13;

// Joystick input kinds (code % 50).
constexpr int KindHatUp = 20;
constexpr int KindHatLeft = 23;
constexpr int KindHatRight = 25;
constexpr int KindHatDown = 28;
constexpr int KindFirstButton = 30;

// How far an axis must move from its rest reading before one of its halves counts as held.
constexpr float AXIS_DEAD_ZONE = 0.3f;

// Entry (player - 1) * 20 + action holds the code of that player's action. Entries 80-100 exist
// (the settings file may name them) but are never read.
extern std::array<int32_t, ControlTableSize> ControlTable;

// Player 1 on the arrow keys and Z X C V; every other entry 0.
void SetControlDefaults();
// 1 when the input bound to that action of that player (1-4, actions 0-19) is held, else 0.
int ActionDown(int action, int player);
// 1 when the input named by the code is held now, else 0.
int ControlDown(int code);
// The code of the first input found held (keys from code 1 up, then each present joystick's axes,
// exact hat directions and buttons 0-18), or 0 when none is or while F11 or F12 is held.
int CaptureControl();
