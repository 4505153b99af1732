#include "shell/settings_file.h"

#include "controls/control_codes.h"
#include "platform/files.h"
#include "shell/debug_log.h"
#include "shell/field_of.h"
#include "shell/settings.h"

#include <cstdint>

std::string settingsFilePath;
bool audioDriverLinePresent = false;

void SetSettingsFilePath(const std::string& path) {
    settingsFilePath = path;
}

namespace {

constexpr const char* SettingsFileName = "Setup.ini";
// Key lines name entries 0-99; entry 100 exists in the table but is never stored.
constexpr int StoredControlEntries = 100;

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

void ReadLine(const std::string& line) {
    std::string key = UpperAscii(TrimLow(FieldOf(line, "=", 1)));
    std::string value = TrimLow(FieldOf(line, "=", 2));

    if (key == "AUDIODRIVER") {
        audioDriverLinePresent = true;
        // The name must match exactly, letter case and all; no match leaves the index alone.
        for (size_t i = 0; i < audioDriverList.size(); i++)
            if (audioDriverList[i] == value) settings.audioDriver = static_cast<int32_t>(i);
    } else if (key == "FULLSCREEN") {
        // Only a yes turns it on; the window is the default, so "False" has nothing to do.
        std::string upper = UpperAscii(value);
        if (upper == "TRUE" || upper == "ON") {
            settings.fullscreen = 1;
            LogLine("\tSetting to Fullscreen");
        }
    } else if (key == "GFX ENGINE" || key == "GFXENGINE") {
        std::string upper = UpperAscii(value);
        if (upper == "DX9") {
            settings.renderer = 1;
            LogLine("\tDirectX 9 Mode");
        } else if (upper == "DX7") {
            settings.renderer = 2;
            LogLine("\tDirectX 7 Mode");
        }
    } else if (key == "WIDTH") {
        settings.width = SettingsNumber(value);
    } else if (key == "HEIGHT") {
        settings.height = SettingsNumber(value);
    } else if (key == "ESS") {
        // The line's presence is the switch, whatever its value.
        settings.slowSystem = 1;
        LogLine("\tAssuming Emergency Slow System values.");
    } else if (key == "KEY") {
        int index = SettingsNumber(FieldOf(value, ",", 1));
        int code = SettingsNumber(FieldOf(value, ",", 2));
        if (index >= 0 && index < StoredControlEntries) ControlTable[index] = code;
    } else if (key == "MASTER") {
        settings.masterVolume = SettingsNumber(value);
    } else if (key == "SOUND") {
        settings.soundVolume = SettingsNumber(value);
    } else if (key == "MUSIC") {
        settings.musicVolume = SettingsNumber(value);
    }
}

} // namespace

int SettingsNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') i++;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) i++;
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        i++;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        i++;
    }
    // The sign does not matter: the result is the magnitude. A magnitude beyond the 32-bit range
    // is clamped to its top rather than wrapped, so a huge or hand-mangled number can never come
    // out negative (or turn into a small one).
    constexpr int64_t Top = INT32_MAX;
    int64_t magnitude = 0;
    for (; i < text.size(); i++) {
        int digit = DigitValue(text[i]);
        if (digit >= base) break;
        magnitude = magnitude * base + digit;
        if (magnitude > Top) magnitude = Top;
    }
    return static_cast<int>(magnitude);
}

void ReadSettingsText(const std::string& bytes) {
    std::vector<std::string> lines = SplitLines(bytes);
    // The reader takes at least one line, so an empty file reads as one empty line (which, like
    // a section header or a comment, matches no key).
    if (lines.empty()) lines.emplace_back();
    for (const std::string& line : lines) ReadLine(line);
}

void ReadSettingsFile() {
    // The writer saves where the file was looked for, whether or not it was there: the working
    // folder changes after start-up, and the data folder it changes to may not even exist.
    std::string folder = CurrentDir();
    if (!folder.empty()) settingsFilePath = folder + "/" + SettingsFileName;
    if (!FileExists(SettingsFileName)) return;
    LogLine("\tReading Setup File");
    std::string bytes;
    if (!ReadWholeFile(SettingsFileName, bytes)) {
        LogLine("\tSetup.ini could not be read");
        return;
    }
    ReadSettingsText(bytes);
}

std::string SettingsFileText() {
    std::string text;
    auto line = [&text](const std::string& s) { text += s + "\r\n"; };
    line("[Graphics]");
    if (settings.fullscreen == 0) line("Fullscreen = False");
    if (settings.fullscreen == 1) line("Fullscreen = True");
    if (settings.renderer == 0) line("GFX Engine = OpenGL");
    if (settings.renderer == 1) line("GFX Engine = DX9");
    if (settings.renderer == 2) line("GFX Engine = DX7");
    line("Width=" + std::to_string(settings.width));
    line("Height=" + std::to_string(settings.height));
    if (settings.slowSystem == 1)
        line("ESS=1 ; This is a slow system, and things must run a wee bit slower for it.  Awww..");
    line("");
    line("[Audio]");
    line("Master = " + std::to_string(settings.masterVolume));
    line("Sound = " + std::to_string(settings.soundVolume));
    line("Music = " + std::to_string(settings.musicVolume));
    // An index outside the list (no drivers at all) writes an empty name, which the reader
    // takes as a driver line that names nothing.
    std::string driver;
    if (settings.audioDriver >= 0 &&
        static_cast<size_t>(settings.audioDriver) < audioDriverList.size())
        driver = audioDriverList[static_cast<size_t>(settings.audioDriver)];
    line("AudioDriver = " + driver);
    for (const std::string& name : audioDriverList) line("; AudioDriver = " + name);
    line("");
    line("[Controls]");
    for (int i = 0; i < StoredControlEntries; i++)
        if (ControlTable[i] > 0)
            line("Key=" + std::to_string(i) + "," + std::to_string(ControlTable[i]));
    return text;
}

bool WriteSettingsFile() {
    // Saving never changes the working folder: the path was fixed when the file was read.
    std::string path = settingsFilePath.empty() ? "../Setup.ini" : settingsFilePath;
    std::string error;
    if (!WriteFileAtomic(path, SettingsFileText(), &error)) {
        LogLine("\tSetup.ini could not be saved: " + error);
        return false;
    }
    return true;
}
