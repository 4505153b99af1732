#include "shell/title_screen.h"

#include <string>

#include "controls/control_codes.h"
#include "controls/key_names.h"
#include "display/common_assets.h"
#include "display/virtual_screen.h"
#include "game/board.h"
#include "game/game_modes.h"
#include "game/play_game.h"
#include "game/sound_effects.h"
#include "platform/clock.h"
#include "platform/gfx.h"
#include "platform/input.h"
#include "scores/score_file.h"
#include "shell/closing_screen.h"
#include "shell/draw_helpers.h"
#include "shell/frame_loop.h"
#include "shell/frame_state.h"
#include "shell/settings.h"
#include "shell/start_up.h"

int titleTab = 1;
int titleLevel = 0;
int slideInStep = 0;

namespace {

int clickLatch = 0, startHeld = 0, startLatch = 0, escapeGuard = 0;
// The settings panel comes down from above; no game starts while it is out.
int settingsPanelY = -300;

void MaskHeader(std::string& field) {
    for (char& c : field)
        if (std::string("*\"'-+&?{}[]~#\\/:;").find(c) != std::string::npos) c = '_';
}

bool AnyStartHeld() {
    static const int actions[8] = {10, 11, 12, 13, 0, 8, 3, 5};
    for (int player = 1; player <= 4; player++)
        for (int action : actions)
            if (ActionDown(action, player)) return true;
    return KeyDown(13);
}

bool MenuKeysUp() {
    for (int key : {49, 50, 51, 112, 113, 114})
        if (KeyDown(key)) return false;
    return !MouseDown(1);
}

void Navigate() {
    struct Step {
        int action, *value, delta;
        float rate;
    };
    const Step steps[4] = {{0, &GameMode, -1, 0.95f},
                           {8, &GameMode, 1, 1.05f},
                           {3, &GameFlags, -1, 1.1f},
                           {5, &GameFlags, 1, 0.9f}};
    for (const Step& step : steps) {
        if (startLatch != 0) return;
        if (!ActionDown(step.action, 1) && !ActionDown(step.action, 2)) continue;
        *step.value = (*step.value + step.delta + 5) % 5;
        PlaySfx(98, step.rate, 1.0f, 0);
        startLatch = 1;
    }
}

void StartGame() {
    PlaySfx(98, 1.5f, 1.0f, 0);
    inGame = 1;
    MoveMouse(static_cast<float>(virtualWidth), static_cast<float>(virtualHeight));
    gameStartMs = MilliSecs();
    PlayGame();
    inGame = 0;
    escapeGuard = 1;
    startLatch = 1;
    slideInStep = 0;
}

} // namespace

int TitleFrame() {
    BeginFrame(1);
    ResetDrawState();
    DrawBackground();
    MaskHeader(scoreHeaderA);
    MaskHeader(scoreHeaderB);
    if (slideInStep < 32) slideInStep++;
    const int offset = 800 - 25 * slideInStep;
    const int panelW = screenWidth >= 900 ? 335 : 415;
    const int panelX = virtualWidth - (panelW + 5) + offset;

    SetColourAlpha(0, 0, 0, 0.5f);
    DrawRect(static_cast<float>(panelX), 5, static_cast<float>(panelW),
             static_cast<float>(virtualHeight - 10));
    SetColourAlpha(255, 255, 255, 0.3f);
    DrawRect(static_cast<float>(panelX), 5, static_cast<float>(panelW), 35);
    SetColourAlpha(0, 0, 0, 0.5f);
    SelectFont(1, 2);
    for (int tab : {1, 3}) {
        if (titleTab == tab)
            SetColourAlpha(255, 255, 255, 1);
        else
            SetColourAlpha(0, 0, 0, 1);
        int x = panelX + static_cast<int>(panelW * (tab == 1 ? 0.2 : 0.8));
        DrawTextAligned(x, 23, tab == 1 ? "1.Hiscore" : "3.About", 1, 1);
    }

    bool wantScores = KeyDown(49) || KeyDown(112) ||
                      (MouseOver(panelX, 5, static_cast<int>(panelW * 0.3), 50) && MouseDown(1));
    bool wantAbout = KeyDown(51) || KeyDown(114) ||
                     (MouseOver(panelX + static_cast<int>(panelW * 0.66), 5,
                                static_cast<int>(panelW * 0.3), 50) &&
                      MouseDown(1));
    if ((wantScores || wantAbout) && clickLatch == 0) {
        titleTab = wantScores ? 1 : 3;
        PlaySfx(98, 2.0f, 1.0f, 0);
        clickLatch = 1;
    }

    SetColourAlpha(255, 255, 255);
    // The score table itself comes with the score table screen; the tab shows its heading.
    SelectFont(1, 7);
    if (titleTab == 1) {
        backgroundTarget = Tint{0.2f, 0.0f, 1.0f};
        DrawTextAligned(panelX + panelW / 2, 50, "Hiscores", 1, 0);
    }
    if (titleTab == 3) {
        DrawTextAligned(panelX + panelW / 2, 50, "About", 1, 0);
        SelectFont(1, 2);
        backgroundTarget = Tint{0.0f, 0.2f, 1.0f};
        for (int i = 1; i <= 32; i++)
            DrawTextAligned(panelX + panelW / 2, 115 + 20 * (i - 1), CreditLines[i], 1, 0);
    }

    ResetDrawState();
    SetColourAlpha(255, 255, 255);
    SelectFont(2, screenWidth < 900 ? 4 : 3);
    if (settings.width == 800 && MilliSecs() % 800 < 400) SetColourAlpha(255, 255, 0);
    DrawTextAligned(4, 4, "Hit [Tab] for settings", 0, 0);
    SetColourAlpha(180, 255, 180);
    SelectFont(2, screenWidth < 900 ? 3 : 2);
    DrawTextAligned(4, 35, "Redefine Controls", 0, 0);
    DrawTextAligned(4, 55, "Audio Options", 0, 0);
    DrawTextAligned(4, 75, "and Hi-Def gaming!", 0, 0);

    SetColourAlpha(255, 255, 255);
    SetFont(UiFonts[7]);
    DrawTextAligned((virtualWidth - panelW) / 2, virtualHeight / 2 + offset,
                    "Press Start (" + ControlName(ControlTable[10]) + ") To Begin", 1, 1);

    if (startHeld == 1 && startLatch == 0 && settingsPanelY < -250) StartGame();
    startHeld = AnyStartHeld() ? 1 : 0;
    if (startHeld == 0) startLatch = 0;

    SelectFont(2, 6);
    const int menuX = (virtualWidth - panelW) / 2 - 100;
    for (int m = 0; m < 5; m++) {
        SetColourAlpha(255, 255, 255, m == GameMode ? 1.0f : 0.5f);
        int y = virtualHeight / 2 + 180 + 40 * m - offset;
        DrawTextAligned(menuX, y, RulesOf(m).name, 0, 0);
        if (MouseOver(menuX, y, 200, 40) && MouseDown(1) && clickLatch == 0) {
            GameMode = m;
            PlaySfx(98, 1.0f, 1.0f, 0);
            clickLatch = 1;
        }
    }
    SetColourAlpha(255, 255, 255, 1);
    DrawTextAligned(menuX, virtualHeight / 2 + 390 - offset,
                    "Level Set < " + std::to_string(GameFlags + 1) + " >", 0, 0);
    Navigate();
    if (MenuKeysUp()) clickLatch = 0;

    SetFont(UiFonts[5]);
    SetColourAlpha(255, 255, 255);
    DrawImage(gameLogo, static_cast<float>((virtualWidth - panelW) / 2),
              static_cast<float>(virtualHeight / 2 - ImageHeight(gameLogo) / 2 + offset), 0);
    EndFrame(1);
    if (!KeyDown(27)) escapeGuard = 0;
    return escapeGuard == 0 && KeyDown(27) ? 1 : 0;
}

void TitleScreen() {
    while (TitleFrame() == 0) {
    }
    ClosingScreen();
}
