// The program-wide settings record, stored in Files/Setup.ini.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Settings {
    int32_t fullscreen = 0; // 1 full screen, 0 window
    int32_t widescreen = 0; // 1 when the active mode is 16:9 or 16:10 (not stored)
    int32_t renderer = 0;   // 0 OpenGL, 1 Direct3D 9, 2 Direct3D 7
    int32_t modeIndex = 0;  // number of the active mode in the mode list (not stored)
    int32_t width = 800;    // requested screen size in pixels
    int32_t height = 600;
    int32_t slowSystem = 0; // 1: frame skipping and sprites on every other frame
    int32_t masterVolume = 50;
    int32_t soundVolume = 50;
    int32_t musicVolume = 50;
    int32_t audioDriver = 0; // index into audioDriverList
};

extern Settings settings;
// The audio layer's driver names, taken once at start-up before the settings file is read.
extern std::vector<std::string> audioDriverList;
