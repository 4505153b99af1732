// The start-up choice of the audio driver. Kept apart from the settings reader and writer, which
// have no business with the audio layer itself.
#include "platform/audio.h"
#include "shell/debug_log.h"
#include "shell/settings.h"
#include "shell/settings_file.h"

namespace {

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

} // namespace

void ChooseAudioDriver() {
    if (!audioDriverLinePresent) {
        // With nothing in the file, prefer a DirectSound-style driver (the last one listed), then
        // the first OpenAL or "Free" driver, else keep the first of the list.
        bool chosen = false;
        for (size_t i = 0; i < audioDriverList.size(); i++) {
            std::string upper = UpperAscii(audioDriverList[i]);
            if ((StartsWith(upper, "OPENAL") || StartsWith(upper, "FREE")) && !chosen) {
                settings.audioDriver = static_cast<int32_t>(i);
                chosen = true;
            }
            if (StartsWith(upper, "DIRECT")) {
                settings.audioDriver = static_cast<int32_t>(i);
                chosen = true;
            }
        }
    }
    LogLine("Setting Audio Driver");
    if (settings.audioDriver >= 0 &&
        static_cast<size_t>(settings.audioDriver) < audioDriverList.size()) {
        const std::string& name = audioDriverList[static_cast<size_t>(settings.audioDriver)];
        // A driver that has gone since the file was written is passed over: the audio layer then
        // keeps its own default.
        if (AudioDriverExists(name)) {
            if (!StartsWith(UpperAscii(name), "OPENAL"))
                ActivateAudioDriver(name);
            else if (EnableOpenAL())
                ActivateAudioDriver(name);
        }
    }
    LogLine("Set Audio Driver");
    LogLine("");
}
