#include "game/effects_draw.h"

#include <string>

#include "display/common_assets.h"
#include "game/effects.h"
#include "shell/draw_helpers.h"

ImageRef particleSheet;

void UpdateAndDrawParticles() {
    UpdateParticles([](const icle& p) {
        SetScaleXY(p.s);
        SetAlpha(p.alp);
        SetRotation(p.rot);
        DrawSprite(particleSheet, p.x, p.y, p.n, 3);
    });
    ResetDrawState();
}

void UpdateAndDrawPopups() {
    SetFont(UiFonts[3]);
    ResetDrawState();
    UpdatePopups([](const ore& popup, int x, int y, float alpha) {
        SetColourAlpha(popup.r, popup.g, popup.b, alpha);
        DrawTextAligned(x, y, std::to_string(popup.n), 1, 1);
    });
    ResetDrawState();
}

void UpdateAndDrawNotices() {
    SetScaleXY(1);
    SetFont(UiFonts[3]);
    UpdateNotices([](const ment& notice, int y, bool highlighted) {
        // Black on yellow while new, then white on a dark band.
        if (highlighted)
            SetColourAlpha(255, 255, 0, 0.7f);
        else
            SetColourAlpha(0, 0, 0, 0.7f);
        DrawRect(0, static_cast<float>(y), static_cast<float>(TextWidth(notice.txt)),
                 static_cast<float>(FontHeight()));
        if (highlighted)
            SetColourAlpha(0, 0, 0, 1);
        else
            SetColourAlpha(255, 255, 255, 1);
        DrawTextAligned(0, y, notice.txt, 0, 0);
    });
    ResetDrawState();
}
