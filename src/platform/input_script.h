// The headless backend's input script: a text file of commands, one a line, that feeds the input
// state as the program runs, so that a whole session can be replayed frame for frame.
//
// The script advances in steps: one for every frame shown (ScriptFrameShown, called by the flip)
// and one for every 16 ms the program sleeps without showing a frame (ScriptSlept, called from the
// simulated clock), so that a loop waiting for a key release without drawing still moves on.
//
// Commands (blank lines and lines starting with '#' are ignored):
//   wait N                  the next command runs N steps later (wait 0 does nothing)
//   down KEY | up KEY       press or release a key
//   tap KEY                 press, release at the next step, and go on one step after that, so the
//                           key is seen held for one frame and seen up for one frame
//   type TEXT               queue the characters of TEXT (the rest of the line, Latin-1)
//   mouse X Y               put the pointer at virtual coordinates X, Y
//   click left|right        press the button, release it as tap does
//   hold left|right / release left|right
//   joy N axis A V          axis A (X Y Z R U V) of virtual joystick N (1-4) to V (-1..1)
//   joy N hat V             its hat: -1 centred, 0 up, 0.25 right, 0.5 down, 0.75 left
//   joy N button B down|up  its button B (0-31)
//   grab FILE               save the current frame as PNG, through scriptGrabHook
//   close                   ask the window to close
// Commands other than wait, tap and click take no step of their own: a run of them happens in the
// same step as the command that follows.
//
// KEY is the rest of the line: a key name (looked up through the function given to the reader, so
// "Page Up" works) or a Windows virtual-key code 1-255. A name wins over a number, with one rule
// for the overlap: a single digit is looked up as a name first ("5" is the key 5, code 53), while
// a number of two or more digits is always a code ("13" is Return). A single digit that is not a
// name is a code.
//
// When the script has run out the runner asks the window to close, then taps Space every 10
// steps, so that a finished script always leaves through the closing screen.
#pragma once

#include <string>
#include <vector>

enum class ScriptOp {
    Wait,
    KeyDown,
    KeyUp,
    KeyTap,
    Type,
    Mouse,
    Click,
    Hold,
    Release,
    JoyAxis,
    JoyHat,
    JoyButton,
    Grab,
    Close
};

struct ScriptCommand {
    ScriptOp op = ScriptOp::Wait;
    int line = 0;       // in the script file, from 1
    int number = 0;     // wait: steps; keys: code; mouse buttons: 1 left, 2 right; joy: port 0-3
    int index = 0;      // joy axis 0-5 or button 0-31
    bool down = false;  // joy button
    float x = 0, y = 0; // mouse position; x is the joy axis or hat value
    std::string text;   // type: the characters; grab: the file
};

struct InputScript {
    std::vector<ScriptCommand> commands;
};

// Looks a key name up; -1 when it names no key.
using KeyByNameFunction = int (*)(const std::string& name);

// Reads a script from text (lines end at LF or a zero byte, CR is dropped). On a bad line the
// result is false and error reads "script line N: ..." naming the first bad line.
bool ParseInputScript(const std::string& text, KeyByNameFunction keyByName, InputScript& script,
                      std::string& error);
// Reads the script file; a file that cannot be read is an error too.
bool LoadInputScript(const std::string& path, KeyByNameFunction keyByName, InputScript& script,
                     std::string& error);

// Starts running the script from its first command at the next step.
void StartInputScript(const InputScript& script);
// Stops after N steps: the step after the Nth ends the run (0, the start value, never stops).
// Steps are counted whether or not a script runs.
void SetMaxFrames(int frames);
// One step for a frame shown; the time slept since the last frame starts again from nothing.
void ScriptFrameShown();
// Simulated sleeps: one step for every 16 ms slept since the last frame shown.
void ScriptSlept(int ms);
// Steps taken since start (what the frame limit counts).
int ScriptSteps();
// True once the script has run out (it then closes the window and taps Space).
bool ScriptFinished();
// Back to no script, no limit, no steps (tests).
void ResetInputScript();

// Saves the current frame for "grab FILE"; set by the display layer. Unset, grab only says so on
// standard error.
extern void (*scriptGrabHook)(const std::string& file);
// Called instead of ending the process when the frame limit is passed (tests). Unset, the runner
// prints a line on standard error and exits with code 3.
extern void (*maxFramesHook)(int frames);
