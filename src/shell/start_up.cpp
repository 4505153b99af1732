#include "shell/start_up.h"

#include "controls/control_codes.h"
#include "controls/joysticks.h"
#include "display/display_mode.h"
#include "game/board.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/gfx.h"
#include "scores/score_key.h"
#include "shell/debug_log.h"
#include "shell/draw_helpers.h"
#include "shell/folders.h"
#include "shell/frame_state.h"
#include "shell/game_title.h"
#include "shell/settings.h"
#include "shell/settings_file.h"
#include "shell/title_screen.h"

std::array<std::string, 33> CreditLines;
int playersShown = 4;
int badgeKinds = 16;

namespace {

bool started = false;
int loadingStartMs = 0;

const char* const credits[32] = {
    "A Game by Quorvan",
    "Sites: Wekloft and Tumblix",
    "",
    "-=-=--=-=-=-=-=-=-=-=-",
    "Instructions",
    "",
    "This is a test engine.",
    "As such, it has no rules.",
    "but it's nice to know",
    "that this will shortly be",
    "another new game.",
    "-=-=--=-=-=-=-=-=-=-=-",
    "",
    "Credits",
    "",
    "Game",
    "Made in C++20 with SDL2",
    "using Quorvan's Framework",
    "",
    "Graphics",
    "Font : DejaVu Sans by DejaVu team",
    "Font : Cabin by P. Impallari, I. Marini",
    "Font : Yanone Kaffeesatz by Jan Gerner",
    "Font : Bebas Neue by R. Tsunekawa",
    "All other graphics by Quorvan",
    "",
    "Music/SFX by Quorvan",
    "",
    "Additional Sound Effects",
    "created using",
    "our own synthesiser, make-assets",
    "found in tools/make-assets",
};

const std::string rule(28, '-');

} // namespace

void StartUpBeforeDisplay() {
    started = true;
    SetWindowCaption(WindowTitle());

    backgroundTint = Tint{};
    backgroundTarget = Tint{};
    for (int i = 0; i < 32; i++) CreditLines[i + 1] = credits[i];
    ShowPointer(false);
    lastFrameMs = MilliSecs();
    drawBudget.fill(0);
    drawCount.fill(0);
    drawBudget[1] = 50000;
    drawBudget[2] = 50000;
    SurveyJoysticks();
    SetControlDefaults();
    settings = Settings{};
    overlay = 1;
    inGame = 0;

    DeriveScoreKey();
    // Files/ is found from the launch folder; without it everything stays where the program was
    // started.
    ChangeDir("Files/");
    filesFolder = CurrentDir();
    OpenDebugLog("Debug.txt");
    for (const std::string& line :
         {std::string("Quorvan's Wekloft Engine"), rule, "Week #" + std::to_string(GameNumber),
          rule, WindowTitle(), rule, std::string(""), std::string("Loading")})
        LogLine(line);

    audioDriverList = AudioDriverNames();
    ReadSettingsFile();
    ChooseAudioDriver();
    LogLine("\tRequested Resolution : " + std::to_string(settings.width) + "x" +
            std::to_string(settings.height));
    for (const char* line : {"\tSetup Loaded", "", "Grabbing Previous Scores", ""}) LogLine(line);
    EnterDataFolder();
    loadingStartMs = MilliSecs();
}

void StartUp() {
    if (started) return;
    StartUpBeforeDisplay();
    std::string audioNote;
    bool sound = OpenAudioOutput(audioNote);
    if (!audioNote.empty()) LogLine(std::string("\t") + (sound ? "" : "Silent: ") + audioNote);
    ApplyDisplaySettings();
    playersShown = 4;
    badgeKinds = 16;
    inGame = 0;
    burstTally.fill(0);
    LogLine("Finished Loading");
    // Hold the loading phase on screen for at least 2.5 s, sleeping rather than spinning.
    while (MilliSecs() - loadingStartMs < 2500) Delay(1);
    TitleScreen();
}
