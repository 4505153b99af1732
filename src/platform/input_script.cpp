#include "platform/input_script.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/files.h"
#include "platform/input.h"

void (*scriptGrabHook)(const std::string& file) = nullptr;
void (*maxFramesHook)(int frames) = nullptr;

namespace {

// Sleeping this long without a frame shown counts as a frame. The frame loop's pacing sleeps about
// 15 ms per frame, so a loop that shows frames is never stepped twice.
constexpr int SleepStepMs = 16;
// After the script runs out, Space is tapped this often, so every "press any key" ends.
constexpr int RunOutTapSteps = 10;
constexpr int SpaceKey = 32;

// ---- Reading

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string& text) {
    size_t from = 0, to = text.size();
    while (from < to && IsBlank(text[from])) from++;
    while (to > from && IsBlank(text[to - 1])) to--;
    return text.substr(from, to - from);
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsBlank(text[at])) at++;
        size_t start = at;
        while (at < text.size() && !IsBlank(text[at])) at++;
        if (at > start) words.push_back(text.substr(start, at - start));
    }
    return words;
}

bool AllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// A whole number of at most nine digits (so it always fits an int).
bool ReadCount(const std::string& text, int& value) {
    if (!AllDigits(text) || text.size() > 9) return false;
    value = std::atoi(text.c_str());
    return true;
}

bool ReadReal(const std::string& text, float& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return end == text.c_str() + text.size() && errno == 0 && std::isfinite(value);
}

// A key name or a virtual-key code; see the header for how a token that could be both is read.
bool ReadKey(const std::string& text, KeyByNameFunction keyByName, int& code, std::string& why) {
    if (text.empty()) {
        why = "needs a key";
        return false;
    }
    const bool digit = text.size() == 1 && AllDigits(text);
    if (!(AllDigits(text) && !digit) && keyByName) {
        int named = keyByName(text);
        if (named >= 0 && named <= 255) {
            code = named;
            return true;
        }
    }
    if (AllDigits(text)) {
        int number = 0;
        if (ReadCount(text, number) && number >= 1 && number <= 255) {
            code = number;
            return true;
        }
        why = "key code '" + text + "' is not 1-255";
        return false;
    }
    why = "unknown key '" + text + "'";
    return false;
}

bool ReadMouseButton(const std::string& text, int& button) {
    if (text == "left")
        button = 1;
    else if (text == "right")
        button = 2;
    else
        return false;
    return true;
}

int AxisIndex(const std::string& text) {
    static const char* const names[JoystickAxes] = {"X", "Y", "Z", "R", "U", "V"};
    for (int i = 0; i < JoystickAxes; i++) {
        if (text == names[i] || (text.size() == 1 && text[0] == names[i][0] + ('a' - 'A')))
            return i;
    }
    return -1;
}

// "joy N axis A V", "joy N hat V", "joy N button B down|up"; args are the words after "joy".
bool ReadJoy(const std::vector<std::string>& args, ScriptCommand& command, std::string& why) {
    if (args.empty() || !ReadCount(args[0], command.number) || command.number < 1 ||
        command.number > MaxJoysticks) {
        why = "joy needs a joystick number 1-4, not '" + (args.empty() ? "" : args[0]) + "'";
        return false;
    }
    command.number -= 1; // the script counts joysticks from 1, the ports from 0
    const std::string what = args.size() > 1 ? args[1] : "";
    if (what == "axis") {
        if (args.size() != 4) {
            why = "joy axis needs an axis (X Y Z R U V) and a value";
            return false;
        }
        command.op = ScriptOp::JoyAxis;
        command.index = AxisIndex(args[2]);
        if (command.index < 0) {
            why = "unknown axis '" + args[2] + "' (X Y Z R U V)";
            return false;
        }
        if (!ReadReal(args[3], command.x) || command.x < -1 || command.x > 1) {
            why = "axis value must be -1 to 1, not '" + args[3] + "'";
            return false;
        }
        return true;
    }
    if (what == "hat") {
        if (args.size() != 3) {
            why = "joy hat needs one value";
            return false;
        }
        command.op = ScriptOp::JoyHat;
        if (!ReadReal(args[2], command.x) ||
            !(command.x == -1 || (command.x >= 0 && command.x <= 1))) {
            why = "hat value must be -1 or 0 to 1, not '" + args[2] + "'";
            return false;
        }
        return true;
    }
    if (what == "button") {
        if (args.size() != 4) {
            why = "joy button needs a button number and down or up";
            return false;
        }
        command.op = ScriptOp::JoyButton;
        if (!ReadCount(args[2], command.index) || command.index >= JoystickButtons) {
            why = "button must be 0-31, not '" + args[2] + "'";
            return false;
        }
        if (args[3] != "down" && args[3] != "up") {
            why = "joy button needs down or up, not '" + args[3] + "'";
            return false;
        }
        command.down = args[3] == "down";
        return true;
    }
    why = "joy needs axis, hat or button, not '" + what + "'";
    return false;
}

// One non-blank, non-comment line. The command word ends at the first blank; what follows that one
// blank is the argument text (kept as it is for type, trimmed for the rest).
bool ReadCommand(const std::string& line, KeyByNameFunction keyByName, ScriptCommand& command,
                 std::string& why) {
    size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) end++;
    const std::string word = line.substr(0, end);
    const std::string raw = end < line.size() ? line.substr(end + 1) : "";
    const std::string rest = Trim(raw);
    const std::vector<std::string> args = Words(rest);

    if (word == "wait") {
        command.op = ScriptOp::Wait;
        if (args.size() != 1 || !ReadCount(args[0], command.number)) {
            why = "wait needs a number of frames, not '" + rest + "'";
            return false;
        }
        return true;
    }
    if (word == "down" || word == "up" || word == "tap") {
        command.op = word == "down" ? ScriptOp::KeyDown
                     : word == "up" ? ScriptOp::KeyUp
                                    : ScriptOp::KeyTap;
        if (!ReadKey(rest, keyByName, command.number, why)) {
            why = word + " " + why;
            return false;
        }
        return true;
    }
    if (word == "type") {
        command.op = ScriptOp::Type;
        command.text = raw;
        if (raw.empty()) {
            why = "type needs text";
            return false;
        }
        return true;
    }
    if (word == "mouse") {
        command.op = ScriptOp::Mouse;
        if (args.size() != 2 || !ReadReal(args[0], command.x) || !ReadReal(args[1], command.y)) {
            why = "mouse needs X and Y, not '" + rest + "'";
            return false;
        }
        return true;
    }
    if (word == "click" || word == "hold" || word == "release") {
        command.op = word == "click"  ? ScriptOp::Click
                     : word == "hold" ? ScriptOp::Hold
                                      : ScriptOp::Release;
        if (args.size() != 1 || !ReadMouseButton(args[0], command.number)) {
            why = word + " needs left or right, not '" + rest + "'";
            return false;
        }
        return true;
    }
    if (word == "joy") return ReadJoy(args, command, why);
    if (word == "grab") {
        command.op = ScriptOp::Grab;
        command.text = rest;
        if (rest.empty()) {
            why = "grab needs a file name";
            return false;
        }
        return true;
    }
    if (word == "close") {
        command.op = ScriptOp::Close;
        if (!rest.empty()) {
            why = "close takes nothing after it, not '" + rest + "'";
            return false;
        }
        return true;
    }
    why = "unknown command '" + word + "'";
    return false;
}

// ---- Running

struct Runner {
    bool active = false;
    InputScript script;
    size_t next = 0;
    int holdSteps = 0; // steps still to pass before the next command
    int releaseKey = -1;
    int releaseButton = 0;
    bool finished = false;
    int stepsSinceFinish = 0;
    int steps = 0;
    int maxFrames = 0;
    bool limitReported = false;
    int64_t sleptMs = 0;
};

Runner runner;

// Runs commands until one takes the step or the script ends. True when a command took the step.
bool RunCommands() {
    while (runner.next < runner.script.commands.size()) {
        const ScriptCommand& command = runner.script.commands[runner.next++];
        switch (command.op) {
        case ScriptOp::Wait:
            if (command.number > 0) {
                runner.holdSteps = command.number - 1;
                return true;
            }
            break;
        case ScriptOp::KeyDown:
            InjectKey(command.number, true);
            break;
        case ScriptOp::KeyUp:
            InjectKey(command.number, false);
            break;
        case ScriptOp::KeyTap:
            InjectKey(command.number, true);
            runner.releaseKey = command.number;
            runner.holdSteps = 1; // the step of the release shows the key up
            return true;
        case ScriptOp::Type:
            for (char c : command.text) InjectChar(static_cast<unsigned char>(c));
            break;
        case ScriptOp::Mouse:
            InjectMousePosition(command.x, command.y);
            break;
        case ScriptOp::Click:
            InjectMouseButton(command.number, true);
            runner.releaseButton = command.number;
            runner.holdSteps = 1;
            return true;
        case ScriptOp::Hold:
            InjectMouseButton(command.number, true);
            break;
        case ScriptOp::Release:
            InjectMouseButton(command.number, false);
            break;
        case ScriptOp::JoyAxis:
            SetJoyAxis(command.number, command.index, command.x);
            break;
        case ScriptOp::JoyHat:
            SetJoyHat(command.number, command.x);
            break;
        case ScriptOp::JoyButton:
            SetJoyButton(command.number, command.index, command.down);
            break;
        case ScriptOp::Grab:
            if (scriptGrabHook)
                scriptGrabHook(command.text);
            else
                std::fprintf(stderr, "script line %d: no display to grab %s from\n", command.line,
                             command.text.c_str());
            break;
        case ScriptOp::Close:
            InjectCloseRequest();
            break;
        }
    }
    return false;
}

void Step() {
    runner.steps++;
    if (runner.maxFrames > 0 && runner.steps > runner.maxFrames && !runner.limitReported) {
        runner.limitReported = true;
        if (maxFramesHook) {
            maxFramesHook(runner.maxFrames);
        } else {
            std::fprintf(stderr, "bodger-thump: stopped after %d frames (--max-frames)\n",
                         runner.maxFrames);
            std::exit(3);
        }
    }
    if (runner.releaseKey >= 0) InjectKey(runner.releaseKey, false);
    if (runner.releaseButton > 0) InjectMouseButton(runner.releaseButton, false);
    runner.releaseKey = -1;
    runner.releaseButton = 0;
    if (!runner.active) return;
    if (runner.holdSteps > 0) {
        runner.holdSteps--;
        return;
    }
    if (runner.finished) {
        if (++runner.stepsSinceFinish % RunOutTapSteps == 0) {
            InjectKey(SpaceKey, true);
            runner.releaseKey = SpaceKey;
        }
        return;
    }
    if (RunCommands()) return;
    runner.finished = true;
    InjectCloseRequest();
}

} // namespace

bool ParseInputScript(const std::string& text, KeyByNameFunction keyByName, InputScript& script,
                      std::string& error) {
    script.commands.clear();
    error.clear();
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); i++) {
        const int lineNumber = static_cast<int>(i) + 1;
        size_t start = 0;
        while (start < lines[i].size() && IsBlank(lines[i][start])) start++;
        if (start == lines[i].size() || lines[i][start] == '#') continue;
        ScriptCommand command;
        command.line = lineNumber;
        std::string why;
        if (!ReadCommand(lines[i].substr(start), keyByName, command, why)) {
            error = "script line " + std::to_string(lineNumber) + ": " + why;
            script.commands.clear();
            return false;
        }
        script.commands.push_back(command);
    }
    return true;
}

bool LoadInputScript(const std::string& path, KeyByNameFunction keyByName, InputScript& script,
                     std::string& error) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        script.commands.clear();
        error = "cannot read script " + path;
        return false;
    }
    return ParseInputScript(bytes, keyByName, script, error);
}

void StartInputScript(const InputScript& script) {
    runner.active = true;
    runner.script = script;
    runner.next = 0;
    runner.holdSteps = 0;
    runner.finished = false;
    runner.stepsSinceFinish = 0;
}

void SetMaxFrames(int frames) {
    runner.maxFrames = frames > 0 ? frames : 0;
    runner.limitReported = false;
}

void ScriptFrameShown() {
    runner.sleptMs = 0;
    Step();
}

void ScriptSlept(int ms) {
    if (ms <= 0) return;
    runner.sleptMs += ms;
    while (runner.sleptMs >= SleepStepMs) {
        runner.sleptMs -= SleepStepMs;
        Step();
    }
}

int ScriptSteps() {
    return runner.steps;
}
bool ScriptFinished() {
    return runner.finished;
}
void ResetInputScript() {
    runner = Runner{};
}
