// The output drivers offered to the settings panel.
//
// sdl backend: SDL's compiled-in audio drivers, in SDL's order. Choosing one only records its name;
// the sound device is opened on that driver when the display layer starts the sound.
//
// headless backend: two drivers of our own. "Memory" mixes into memory as the simulated clock
// runs (what --audio-out writes and tests read); "Silent" runs the mixer at the same pace, so
// channels start and finish at the same moments, but keeps nothing.
#include <SDL.h>

#include <strings.h>

#include "platform/audio.h"
#include "platform/platform.h"

namespace {

std::string activeDriver;

const char* const headlessDrivers[] = {"Memory", "Silent"};

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && strcasecmp(a.c_str(), b.c_str()) == 0;
}

} // namespace

std::vector<std::string> AudioDriverNames() {
    std::vector<std::string> names;
    if (backend == Backend::Headless) {
        for (const char* name : headlessDrivers) names.emplace_back(name);
        return names;
    }
    const int count = SDL_GetNumAudioDrivers();
    for (int i = 0; i < count; i++) {
        if (const char* name = SDL_GetAudioDriver(i)) names.emplace_back(name);
    }
    return names;
}

bool AudioDriverExists(const std::string& name) {
    for (const std::string& known : AudioDriverNames()) {
        if (SameName(known, name)) return true;
    }
    return false;
}

bool ActivateAudioDriver(const std::string& name) {
    for (const std::string& known : AudioDriverNames()) {
        if (SameName(known, name)) {
            activeDriver = known;
            return true;
        }
    }
    return false;
}

std::string ActiveAudioDriver() {
    return activeDriver;
}

bool EnableOpenAL() {
    return false;
}
