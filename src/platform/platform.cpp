#include "platform/platform.h"

#include "platform/audio.h"
#include "platform/input_script.h"

Backend backend = Backend::Sdl;

namespace {

// Time passes in the headless backend only while the program sleeps: the sound mixed into memory
// and the input script both follow it.
void HeadlessSleep(int ms) {
    AdvanceMemoryAudio(ms);
    ScriptSlept(ms);
}

} // namespace

bool InitPlatform(Backend chosen, const DateTime& start, std::string& error) {
    backend = chosen;
    error.clear();
    if (chosen == Backend::Headless) {
        UseSimulatedClock(start);
        StartMemoryAudio();
        simulatedSleepHook = HeadlessSleep;
    }
    return true;
}

bool InitPlatform(Backend chosen, std::string& error) {
    return InitPlatform(chosen, DateTime{}, error);
}
