#include "game/play_game.h"

#include <cmath>
#include <string>

#include "controls/control_codes.h"
#include "display/common_assets.h"
#include "display/virtual_screen.h"
#include "game/board.h"
#include "game/effects_draw.h"
#include "game/engine_test.h"
#include "game/name_entry.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/sound_effects.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/gfx.h"
#include "scores/date_text.h"
#include "scores/scores.h"
#include "shell/debug_log.h"
#include "shell/draw_helpers.h"
#include "shell/frame_loop.h"
#include "shell/frame_state.h"

ImageRef gameLogo;
ImageRef blockSheet;
ImageRef characterSheet;
Character character;
int finishCounter = 0;
int endCode = 0;

namespace {

ImageRef LoadGameImage(const std::string& file, int cell) {
    if (!FileExists(file)) {
        LogLine("\tMissing file : " + file);
        return nullptr;
    }
    return LoadImageFrames(file, cell, cell, true, true);
}

double SinDeg(double degrees) {
    return std::sin(degrees * 3.14159265358979323846 / 180.0);
}

// The numbers at the foot of the screen ease towards the real ones.
float shownScore = 0, shownBashes = 0;
int popX = 0, popY = 0;
int pulse = 0;

void DrawBoard() {
    for (int x = 0; x < BoardColumns; x++) {
        for (int y = 0; y < BoardRows; y++) {
            SetColourAlpha(255, 255, 255, 1);
            int value = CellAt(x, y);
            if (value == 1 && GameMode == 3) {
                // In "Avoid Reds" the red blocks pulse as a warning.
                SetColourAlpha(200 + 50 * SinDeg(2 * pulse), 150 + 100 * SinDeg(pulse),
                               150 + 100 * SinDeg(pulse));
            }
            if (value > 0)
                DrawSprite(blockSheet, BoardOriginX() + 32 * x, BoardOriginY() + 32 * y, value - 1,
                           1);
            SettleItemAt(x, y);
        }
    }
}

bool BashHeld() {
    return ActionDown(8, 1) || ActionDown(10, 1);
}

void ReadInput(bool canLeft, bool canRight, bool canUpLeft, bool canUpRight) {
    Character& c = character;
    if (!BashHeld()) c.bashLatch = 0;
    if (BashHeld() && BashMayStart(c.column, c.row, c.state == Idle, c.bashLatch == 0)) {
        c.state = Bash;
        c.bashLatch = 1;
        c.bashTimer = BashFrames;
        StartBash();
    }
    if (c.state == Idle && !IsSolid(c.column, c.row + 1)) c.state = Fall;
    bool left = ActionDown(3, 1), right = ActionDown(5, 1);
    if (left && c.state == Idle && canLeft) c.facing = -1, c.state = Walk;
    if (right && c.state == Idle && canRight) c.facing = 1, c.state = Walk;
    if (left && c.state == Idle && !canLeft && canUpLeft) c.facing = -1, c.state = Climb;
    if (right && c.state == Idle && !canRight && canUpRight) c.facing = 1, c.state = Climb;
}

void StepAcross(Character& c, bool climbing) {
    c.anim++;
    if (c.anim < 1 || c.anim > 3) c.anim = 1;
    c.offX += 4 * c.facing;
    if (climbing) c.offY -= 4;
    if (c.offX <= -32 || c.offX >= 32) {
        c.column += c.offX < 0 ? -1 : 1;
        c.offX = 0;
        if (climbing) {
            c.offY = 0;
            c.row -= 1;
        }
        c.state = Idle;
    }
}

void UpdateCharacter() {
    Character& c = character;
    switch (c.state) {
    case Idle:
        c.anim = 0;
        break;
    case Walk:
        StepAcross(c, false);
        break;
    case Climb:
        StepAcross(c, true);
        break;
    case Fall:
        c.anim++;
        if (c.anim < 4 || c.anim > 7) c.anim = 8;
        c.offY += 8;
        if (c.offY >= 32) {
            c.offY = 0;
            c.row++;
            c.state = Idle;
        }
        break;
    case Bash:
        c.anim++;
        if (c.anim < 8 || c.anim > 15) c.anim = static_cast<int>(2 * Rnd(1, 4) + 6);
        c.bashTimer--;
        BashHits(c.column, c.row);
        if (c.bashTimer % 6 == 0) {
            // The rate is drawn before the number.
            float rate = static_cast<float>(Rnd(0.7, 1.3));
            PlaySfx(Rand(10, 12), rate, 1, 0);
        }
        if (c.bashTimer <= 0) {
            c.state = Idle;
            c.anim = 0;
            ResolveBash(c.column, c.row, popX, popY);
        }
        break;
    default:
        break;
    }
}

void DrawCounters() {
    shownScore -= (shownScore - totalScore) / 16.0f;
    if (std::fabs(shownScore - totalScore) < 5) shownScore = static_cast<float>(totalScore);
    shownBashes -= (shownBashes - bashesLeft) / 16.0f;
    if (std::fabs(shownBashes - bashesLeft) < 2) shownBashes = static_cast<float>(bashesLeft);
    ResetDrawState();
    SelectFont(1, 5);
    SetColourAlpha(180, 255, 180, 0.7f);
    DrawTextAligned(virtualWidth / 2, virtualHeight - 32,
                    std::to_string(static_cast<int>(shownScore)), 1, 1);
    SetColourAlpha(255, 255, 100, 0.7f);
    DrawTextAligned(static_cast<int>(0.75 * virtualWidth), virtualHeight - 32,
                    std::to_string(static_cast<int>(shownBashes)), 1, 1);
}

void DrawResultPanel() {
    const int px = virtualWidth / 2 - 240;
    ResetDrawState();
    SetColourAlpha(0, 0, 0, 0.75f);
    DrawRect(static_cast<float>(px), 80, 480, static_cast<float>(virtualHeight - 160));
    SelectFont(1, 4);
    SetColourAlpha(255, 255, 255, 1);
    for (int k = 1; k <= 8; k++) {
        DrawSprite(blockSheet, px + 20, 120 + 36 * k, k - 1, 1);
        DrawTextAligned(px + 60, 136 + 36 * k, std::to_string(burstTally[k]), 0, 1);
        DrawSprite(blockSheet, virtualWidth / 2, 120 + 36 * k, k + 7, 1);
        DrawTextAligned(virtualWidth / 2 + 40, 136 + 36 * k, std::to_string(burstTally[k + 8]), 0,
                        1);
    }
    SetColourAlpha(0, 140, 255);
    DrawTextAligned(px + 140, 480, "Bashes Remaining", 1, 1);
    DrawTextAligned(px + 340, 516, std::to_string(bashesLeft), 1, 1);
    SetColourAlpha(0, 255, 0);
    DrawTextAligned(px + 140, virtualHeight - 160, "Total score", 1, 1);
    DrawTextAligned(px + 340, virtualHeight - 110, std::to_string(totalScore), 1, 1);
}

void DrawGameOver() {
    // A white outline three pixels wide, a dark inner edge, then the yellow text.
    SetFont(UiFonts[5]);
    const int cx = virtualWidth / 2, cy = virtualHeight / 2;
    SetColourAlpha(255, 255, 255, 1);
    for (int dx = -3; dx <= 3; dx++)
        for (int dy = -3; dy <= 3; dy++) DrawTextAligned(cx + dx, cy + dy, "Game Over", 1, 1);
    SetColourAlpha(8, 8, 8);
    for (int dx = -2; dx <= 2; dx++)
        for (int dy = -2; dy <= 2; dy++) DrawTextAligned(cx + dx, cy + dy, "Game Over", 1, 1);
    SetColourAlpha(255, 255, 0);
    DrawTextAligned(cx, cy, "Game Over", 1, 1);
}

void FileTheResult() {
    auto record = std::make_shared<Scores>();
    record->Score = totalScore;
    record->Timestamp = MakeTimestamp("");
    record->Badges = 0;
    record->Name = playerName;
    for (int i = 1; i <= 30; i++) record->Best[i] = burstTally[i];
    record->Level = 0;
    record->GameMode = GameMode;
    record->GameFlags = GameFlags;
    record->Quit = endCode == 99 ? 1 : 0;
    FileResult(record);
}

} // namespace

void LoadGameAssets() {
    RunEngineTest(60, 2);
    gameLogo = LoadGameImage("logo.png", 0);
    blockSheet = LoadGameImage("blocks.png", 32);
    particleSheet = LoadGameImage("blocks.png", 8);
    characterSheet = LoadGameImage("kdthump.png", 64);
}

void PlayGame() {
    totalScore = 0;
    for (int i = 1; i <= 30; i++) burstTally[i] = 0;
    DealBoard();
    character = Character{};
    shownScore = shownBashes = 0;
    popX = popY = 0;
    pulse = 0;
    finishCounter = 0;
    endCode = 0;
    const int ox = BoardOriginX(), oy = BoardOriginY();

    while (endCode == 0) {
        Character& c = character;
        BeginFrame(1);
        ResetDrawState();
        pulse = (pulse + 2) % 360;
        SetScaleXY(1);
        DrawBoard();
        SetColourAlpha(100, 0, 0);
        DrawRect(0, static_cast<float>(oy + 800), static_cast<float>(virtualWidth), 512);

        bool canLeft = !IsSolid(c.column - 1, c.row);
        bool canRight = !IsSolid(c.column + 1, c.row);
        bool canUpLeft = !IsSolid(c.column - 1, c.row - 1);
        bool canUpRight = !IsSolid(c.column + 1, c.row - 1);
        PickUpAt(c.column, c.row, popX, popY);
        if (finishCounter == 0) ReadInput(canLeft, canRight, canUpLeft, canUpRight);

        ResetDrawState();
        SetScaleXY(static_cast<float>(c.facing), 1);
        // The 64 x 64 box stands on its cell: the cell is the box's bottom middle.
        DrawSprite(characterSheet, ox + 32 * c.column + c.offX - 16, oy + 32 * c.row + c.offY - 32,
                   c.anim, 1);
        popX = ox + 32 * c.column + c.offX + 16;
        popY = oy + 32 * c.row + c.offY;

        UpdateCharacter();
        DrawCounters();
        StartFinishAtBottom(c.row, finishCounter);
        if (OutOfBashes()) endCode = 1;
        UpdateAndDrawParticles();
        ResetDrawState();
        if (RedBurstEnds()) endCode = 1;
        if (finishCounter > 0) {
            finishCounter++;
            DrawResultPanel();
            if (finishCounter == 180) endCode = 1;
        }
        if (EndFrame(0) == 99) endCode = 99;
        if (endCode != 0) {
            Flip();
            DrawGameOver();
            Flip();
        }
    }
    Delay(1500);
    inGame = 0;
    EnterName();
    FileTheResult();
}
