// The program's command line.
#pragma once

#include <string>
#include <vector>

#include "platform/clock.h"

struct CommandLine {
    bool help = false;
    bool version = false;
    bool printBoard = false;
    int boardMode = 0, boardSet = 0; // for printBoard
    bool headless = false;
    std::string scriptFile; // empty: no script
    int maxFrames = 0;      // 0: no limit
    bool dateGiven = false;
    DateTime date;            // when dateGiven
    std::string audioOutFile; // empty: no WAV written
    int joysticks = 0;        // virtual joysticks attached before start-up
    int drawCostNs = 0;       // the simulated machine's time per image drawn
};

// Reads the arguments after the program name into options. On a bad or missing argument returns
// false with a one-line message naming it in error.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& options,
                      std::string& error);

// The usage lines, each ending in '\n'.
std::string UsageText();
// "bodger-thump " and the version.
std::string VersionText();
