// Feeds arbitrary bytes to the settings reader. Whatever the file holds, reading it must not
// crash, read out of bounds or overflow, and the numbers it stores are never negative.
#include "controls/control_codes.h"
#include "shell/settings.h"
#include "shell/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    settings = Settings{};
    SetControlDefaults();
    audioDriverList = {"DirectSound", "FreeAudio", "OpenAL Soft"};
    ReadSettingsText(std::string(reinterpret_cast<const char*>(data), size));
    if (settings.width < 0 || settings.height < 0 || settings.masterVolume < 0 ||
        settings.soundVolume < 0 || settings.musicVolume < 0)
        abort();
    if (settings.audioDriver < 0 || settings.audioDriver >= 3) abort();
    for (int i = 0; i < 100; i++)
        if (ControlTable[i] < 0) abort();
    // The writer must cope with whatever the reader stored.
    if (SettingsFileText().empty()) abort();
    return 0;
}
