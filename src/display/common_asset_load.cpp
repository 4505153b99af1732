#include <string>

#include "display/common_assets.h"
#include "display/virtual_screen.h"
#include "game/sound_effects.h"
#include "platform/files.h"
#include "scores/score_file.h"
#include "shell/debug_log.h"
#include "shell/draw_helpers.h"
#include "shell/folders.h"
#include "shell/game_title.h"
#include "shell/settings.h"

namespace {

// A missing folder or file never stops the game: its slots stay empty, drawing from them is
// skipped, and the log says what was missing.
bool EnterFolder(const std::string& folder) {
    if (EnterFilesSubfolder(folder)) return true;
    LogLine("\tMissing folder : " + folder);
    return false;
}

bool Present(const std::string& file) {
    if (FileExists(file)) return true;
    LogLine("\tMissing file : " + file);
    return false;
}

FontRef LoadAssetFont(const std::string& file, float size) {
    if (!FileExists(file)) return nullptr;
    return LoadFont(file, static_cast<int>(size), true);
}

ImageRef LoadAsset(const std::string& file, int cellW, int cellH, bool filtered) {
    if (!Present(file)) return nullptr;
    return LoadImageFrames(file, cellW, cellH, true, filtered);
}

void LoadFonts() {
    float a = 1.0f, b = 1.0f;
    if (screenWidth < 900) a = 1.2f, b = 1.4f;
    if (screenWidth < 600) a = 1.5f, b = 2.0f;
    const std::string main =
        (screenWidth <= 800 ? "SVBasicManual" : "November") + std::string(".ttf");
    const std::string blue = "Blue Highway.ttf";
    const std::string third = "Acknowledge TT XQZ.ttf";
    for (const std::string& file : {main, blue, third}) Present(file);
    struct Slot {
        int slot;
        const std::string* file;
        float size;
    };
    const Slot slots[] = {
        {1, &main, 24 * a}, {2, &main, 16 * b}, {3, &main, 16 * b}, {4, &main, 20 * a},
        {5, &blue, 96 * a}, {6, &blue, 72 * a}, {7, &blue, 32 * a}, {8, &main, 32 * a},
        {9, &main, 14 * a}, {10, &third, 112},  {11, &third, 96},   {12, &third, 32},
        {13, &third, 20},
    };
    for (const Slot& s : slots) UiFonts[s.slot] = LoadAssetFont(*s.file, s.size);
    const int steps[9] = {8, 12, 18, 24, 32, 40, 52, 64, 96};
    const std::string* families[3] = {&main, &blue, &third};
    for (int family = 1; family <= 3; family++)
        for (int step = 0; step <= 8; step++)
            FontTable[(family - 1) * 10 + step] =
                LoadAssetFont(*families[family - 1], steps[step] * a);
}

void PlayChime() {
    BeginFrame(1);
    DrawBackground();
    int& channel = soundChannels[256];
    if (BadgeSound) {
        if (channel == 0) channel = NewChannel();
        PrepareChannel(channel, BadgeSound);
        SetChannelVolume(channel, settings.soundVolume * settings.masterVolume / 10000.0f);
        StartChannel(channel);
    }
    Flip();
    displayOpened = 1;
}

} // namespace

void LoadCommonAssets() {
    SetAutoMidHandle(true);
    for (const char* line : {"", "Loading : Common Objects", "", "Switching to Default Folder", ""})
        LogLine(line);
    bool inCommon = EnterFolder("Common/");
    LogLine("\tDefault Fonts");
    if (inCommon) LoadFonts();
    LogLine("\tDefault Icons");
    IconSheet = inCommon ? LoadAsset("icons.png", 16, 16, true) : nullptr;
    IconSheetSharp = inCommon ? LoadAsset("icons.png", 16, 16, false) : nullptr;
    LogLine("\tLogos");
    LogoImage = inCommon ? LoadAsset("logo.png", 0, 0, true) : nullptr;
    SiteLogoImage = inCommon ? LoadAsset("Tumblix.png", 0, 0, true) : nullptr;
    LogLine("\tBadgeGet");
    BadgeSound = inCommon && Present("open.ogg") ? LoadSound("open.ogg") : nullptr;
    if (displayOpened == 0) PlayChime();

    LogLine("");
    LogLine("Switching to Game Folder");
    bool inData = EnterFolder(DataFolderName());
    if (inData) BadgeSheet = LoadAsset("badges.png", 64, 64, true);
    LogLine("");
    LogLine("Loading Sound effects");
    for (int n = 1; n <= 200 && inData; n++) {
        std::string digits = "000" + std::to_string(n);
        std::string file = digits.substr(digits.size() - 3) + ".wav";
        if (!FileExists(file)) continue;
        LogLine("\tSFX(" + std::to_string(n) + ")");
        // A slot whose file is gone keeps the sound it had.
        if (SoundRef sound = LoadSound(file)) sfxSounds[n] = sound;
    }
    LogLine("Sounds loaded");
    LogLine("");
    LoadScores();
}
