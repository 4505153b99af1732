// Setup.ini: reading it at start-up, choosing the audio driver from what was read, and writing it
// back whenever the settings are saved.
#pragma once

#include <string>

// Where WriteSettingsFile saves: the absolute path of Files/Setup.ini, taken when the file is
// read at start-up. Empty until then, and the writer falls back to "../Setup.ini".
extern std::string settingsFilePath;
void SetSettingsFilePath(const std::string& path);

// Whether the last read met an "AudioDriver" line (even one naming no known driver).
extern bool audioDriverLinePresent;

// Reads Setup.ini from the working folder (Files/) into settings and ControlTable, if it exists,
// and records its path for the writer.
void ReadSettingsFile();
// The reader itself, over the bytes of a settings file. Accepts any bytes.
void ReadSettingsText(const std::string& bytes);
// Settles settings.audioDriver (an automatic choice when the file named none) and activates that
// driver in the audio layer.
void ChooseAudioDriver();
// The file's text as the writer lays it out, CR LF line ends.
std::string SettingsFileText();
// Saves the settings to settingsFilePath, replacing the old file only once the new one is whole.
// On failure the old file stays as it was, the debug log says why, and the result is false.
bool WriteSettingsFile();

// A settings number: optional spaces, an optional sign, then "$" and hexadecimal digits, "%" and
// binary digits, or decimal digits, up to the first other character; no digits give 0. The
// result is the absolute value, clamped to 2147483647.
int SettingsNumber(const std::string& text);
