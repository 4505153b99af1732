#include "platform/platform.h"

Backend backend = Backend::Sdl;

bool InitPlatform(Backend chosen, std::string& error) {
    backend = chosen;
    error.clear();
    return true;
}
