#include "game/engine_test.h"

#include <algorithm>
#include <string>

#include "display/common_assets.h"
#include "display/virtual_screen.h"
#include "game/random.h"
#include "platform/clock.h"
#include "platform/gfx.h"
#include "shell/debug_log.h"
#include "shell/draw_helpers.h"
#include "shell/frame_loop.h"
#include "shell/frame_state.h"
#include "shell/settings.h"

int targetFrameRate = 60;

namespace {

void DrawLogos(float slide) {
    const float w = static_cast<float>(virtualWidth), h = static_cast<float>(virtualHeight);
    SetScaleXY(1.5f);
    DrawImage(LogoImage, 0.3f * w * slide, 0.3f * h, 0);
    DrawImage(SiteLogoImage, w - 0.3f * w * slide, h - 0.3f * h, 0);
    SetScaleXY(1);
}

void StartFrame() {
    BeginFrame(1);
    ResetDrawState();
    DrawBackground();
}

} // namespace

void RunEngineTest(int target, int spriteScale) {
    Flip();
    Delay(250);
    overlay = 0;
    if (settings.slowSystem == 1) target = 30;
    targetFrameRate = target;
    drawBudget[1] = 500;
    drawBudget[2] = 500;
    drawBudget[3] = 250;
    int best = 0;
    LogLine("Starting Engine Test");
    LogLine("Aiming for " + std::to_string(target) + "," + std::to_string(spriteScale));

    // The logos slide in from the edges while the renderer warms up.
    for (int k = 500; k <= 15000; k += 500) {
        StartFrame();
        DrawLogos(std::clamp(k / 500.0f / 15.0f - 1.0f, -1.0f, 1.0f));
        EndFrame(0);
    }

    // Invisible sprites still go through the whole draw path, rotation and scale included, to load
    // the renderer as real play would. The count of 500 never counts: it only warms the renderer.
    for (int count = 500; count <= 20000; count += 500) {
        for (int frame = 0; frame < 10; frame++) {
            StartFrame();
            DrawLogos(1);
            SetColor(0, 0, 0);
            SetAlpha(0);
            SetScale(static_cast<float>(spriteScale), static_cast<float>(spriteScale));
            for (int i = 0; i <= count; i++) {
                SetRotation(static_cast<float>(Rand(1, 360)));
                int y = Rand(1, virtualHeight);
                int x = Rand(1, virtualWidth);
                DrawImage(IconSheetSharp, static_cast<float>(x), static_cast<float>(y), 0);
            }
            ResetDrawState();
            EndFrame(0);
        }
        int fps = fpsShown;
        if (fps >= target - 6 && count > 500) best = count;
        if (fps <= target - 6 && count > 500) break;
    }
    LogLine("Test Complete");

    int mainLimit = static_cast<int>(0.5 * best);
    int glowLimit = 500;
    int particleLimit = static_cast<int>(0.4 * best);
    for (const std::string& line :
         {std::string(""), std::string("Engine Test Results"), std::string(""),
          "\tMaximum Sprites Allowed for " + std::to_string(targetFrameRate) + " Frames Per Second",
          "\tMain sprites : " + std::to_string(mainLimit),
          "\tGlowy Sprites : " + std::to_string(glowLimit),
          "\tParticles : " + std::to_string(particleLimit), std::string("")})
        LogLine(line);
    if (mainLimit < 1000) {
        mainLimit = 1000;
        targetFrameRate = 30;
        settings.slowSystem = 1;
    }
    glowLimit = std::max(glowLimit, 500);
    particleLimit = std::max(particleLimit, 250);
    drawBudget[1] = mainLimit;
    drawBudget[2] = glowLimit;
    drawBudget[3] = particleLimit;
    if (targetFrameRate == 30)
        LogLine("Settings Overwritten, Set to Default Lower Limits at 30fps.");
    LogLine("");
    overlay = 0;
}
