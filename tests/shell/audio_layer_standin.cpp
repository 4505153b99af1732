// Stand-ins for the audio layer's driver operations, so that the tests link while the audio layer
// has no driver code. They are weak: the audio layer's own definitions replace them wherever the
// linker pulls those in. They report no drivers, so nothing is ever activated through them; the
// tests of the driver choice check only what the settings code decides and logs.
//
// Delete this file once src/platform provides these four functions.
#include "platform/audio.h"

__attribute__((weak)) std::vector<std::string> AudioDriverNames() {
    return {};
}
__attribute__((weak)) bool AudioDriverExists(const std::string&) {
    return false;
}
__attribute__((weak)) bool ActivateAudioDriver(const std::string&) {
    return false;
}
__attribute__((weak)) bool EnableOpenAL() {
    return false;
}
