// Which backend serves the platform services, chosen once at start from the command line.
#pragma once

#include <string>

enum class Backend { Sdl, Headless };

// The backend in force; Sdl unless the program was started with --headless.
extern Backend backend;

// Starts the services that need no display (audio mixer, input state, clock). For the headless
// backend this also switches the clock to simulated time. Returns false with a reason on failure.
bool InitPlatform(Backend chosen, std::string& error);
