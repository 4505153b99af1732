// Which backend serves the platform services, chosen once at start from the command line.
#pragma once

#include <string>

#include "platform/clock.h"

enum class Backend { Sdl, Headless };

// The backend in force; Sdl unless the program was started with --headless.
extern Backend backend;

// Starts the services that need no display (audio mixer, input state, clock). For the headless
// backend this also switches the clock to simulated time starting at the local date and time
// start (--date), starts the memory mixer and installs the sleep hook that runs the memory mixer
// and steps the input script as the simulated time passes. Returns false with a reason on failure.
bool InitPlatform(Backend chosen, const DateTime& start, std::string& error);
// The same with the fixed default date of DateTime.
bool InitPlatform(Backend chosen, std::string& error);
