#include "shell/command_line.h"

#include <charconv>

namespace {
const char* const ProgramName = "bodger-thump";
const char* const ProgramVersion = "0.1.0";

// A whole decimal number from lo to hi, with nothing else in the text.
bool ParseInt(const std::string& text, int lo, int hi, int& value) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= lo && value <= hi;
}
} // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& options,
                      std::string& error) {
    options = CommandLine();
    bool scriptGiven = false, audioGiven = false, joysticksGiven = false, drawCostGiven = false;
    size_t i = 0;
    // The value after option; false (with the message) when it is missing.
    auto next = [&](const std::string& option, const char* what, std::string& value) {
        if (i + 1 >= args.size()) {
            error = option + " needs " + what;
            return false;
        }
        value = args[++i];
        return true;
    };
    for (; i < args.size(); i++) {
        const std::string& arg = args[i];
        std::string value;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--print-board") {
            if (!next(arg, "MODE and SET", value)) return false;
            if (!ParseInt(value, 0, 4, options.boardMode)) {
                error = "bad MODE '" + value + "' for --print-board (a number 0-4)";
                return false;
            }
            if (!next(arg, "SET after MODE", value)) return false;
            if (!ParseInt(value, 0, 4, options.boardSet)) {
                error = "bad SET '" + value + "' for --print-board (a number 0-4)";
                return false;
            }
            options.printBoard = true;
        } else if (arg == "--script") {
            if (!next(arg, "a FILE", value)) return false;
            if (value.empty()) {
                error = "--script needs a FILE, not an empty name";
                return false;
            }
            options.scriptFile = value;
            scriptGiven = true;
        } else if (arg == "--max-frames") {
            if (!next(arg, "a number N", value)) return false;
            if (!ParseInt(value, 1, 2147483647, options.maxFrames)) {
                error = "bad N '" + value + "' for --max-frames (a whole number from 1)";
                return false;
            }
        } else if (arg == "--date") {
            if (!next(arg, "\"YYYY-MM-DD HH:MM:SS\"", value)) return false;
            if (!ParseDateTime(value, options.date)) {
                error = "bad date '" + value + "' for --date (\"YYYY-MM-DD HH:MM:SS\")";
                return false;
            }
            options.dateGiven = true;
        } else if (arg == "--audio-out") {
            if (!next(arg, "a FILE", value)) return false;
            if (value.empty()) {
                error = "--audio-out needs a FILE, not an empty name";
                return false;
            }
            options.audioOutFile = value;
            audioGiven = true;
        } else if (arg == "--joysticks") {
            if (!next(arg, "a number N", value)) return false;
            if (!ParseInt(value, 0, 4, options.joysticks)) {
                error = "bad N '" + value + "' for --joysticks (a number 0-4)";
                return false;
            }
            joysticksGiven = true;
        } else if (arg == "--draw-cost") {
            if (!next(arg, "a number NS", value)) return false;
            if (!ParseInt(value, 0, 100000000, options.drawCostNs)) {
                error = "bad NS '" + value + "' for --draw-cost (nanoseconds, 0 or more)";
                return false;
            }
            drawCostGiven = true;
        } else {
            error = "unknown argument '" + arg + "'";
            return false;
        }
    }
    // Scripts, a fixed date, the mixed-sound file and virtual joysticks only exist without a
    // display; --max-frames guards a windowed run as well.
    const char* headlessOnly = scriptGiven         ? "--script"
                               : options.dateGiven ? "--date"
                               : audioGiven        ? "--audio-out"
                               : joysticksGiven    ? "--joysticks"
                               : drawCostGiven     ? "--draw-cost"
                                                   : nullptr;
    if (headlessOnly && !options.headless && !options.printBoard && !options.help &&
        !options.version) {
        error = std::string(headlessOnly) + " needs --headless";
        return false;
    }
    return true;
}

std::string UsageText() {
    return "usage: bodger-thump                          play in a window or full screen\n"
           "       bodger-thump --headless [options]     run without a display\n"
           "           --script FILE                     input script, one command a line\n"
           "           --max-frames N                    stop with exit code 3 after N frames\n"
           "           --date \"YYYY-MM-DD HH:MM:SS\"      local date and time at start\n"
           "           --audio-out FILE                  write the mixed sound as WAV\n"
           "           --joysticks N                     attach N (0-4) virtual joysticks\n"
           "           --draw-cost NS                    simulated drawing time per image, in ns\n"
           "       bodger-thump --print-board MODE SET   print the board of game mode MODE (0-4)\n"
           "                                             and level set SET (0-4)\n"
           "       bodger-thump --help | --version\n";
}

std::string VersionText() {
    return std::string(ProgramName) + " " + ProgramVersion;
}
