// The sound device of the sdl backend: an SDL audio device on the chosen driver, fed by our mixer.
// The headless backend mixes into memory instead and needs no device.
#include <SDL.h>

#include "platform/audio.h"
#include "platform/platform.h"

namespace {

SDL_AudioDeviceID device = 0;

void FeedDevice(void*, Uint8* stream, int length) {
    MixAudio(reinterpret_cast<float*>(stream), length / static_cast<int>(2 * sizeof(float)));
}

bool OpenDevice() {
    SDL_AudioSpec want{};
    want.freq = MixRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = FeedDevice;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the hardware wants.
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device == 0) return false;
    SDL_PauseAudioDevice(device, 0);
    return true;
}

} // namespace

bool OpenAudioOutput(std::string& error) {
    error.clear();
    if (backend == Backend::Headless || device != 0) return true;
    std::string driver = ActiveAudioDriver();
    if (!driver.empty()) SDL_SetHint(SDL_HINT_AUDIODRIVER, driver.c_str());
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && OpenDevice()) return true;
    // The chosen driver could not start: fall back on SDL's own choice.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && OpenDevice()) {
        const char* used = SDL_GetCurrentAudioDriver();
        error = std::string("audio driver ") + (driver.empty() ? "(none)" : driver) +
                " did not start; using " + (used ? used : "SDL's default");
        return true;
    }
    error = std::string("no sound device: ") + SDL_GetError();
    return false;
}

void CloseAudioOutput() {
    if (device != 0) SDL_CloseAudioDevice(device);
    device = 0;
}
