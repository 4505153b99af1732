#include "shell/draw_helpers.h"

#include <cmath>

#include "display/common_assets.h"
#include "display/virtual_screen.h"
#include "shell/frame_state.h"
#include "shell/settings.h"

std::array<int, 20> drawBudget{};
std::array<int, 20> drawCount{};
int blendKind = 1;
Tint backgroundTint, backgroundTarget;

void ResetDrawState() {
    SetRotation(0);
    SetScale(1, 1);
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    SetBlendKind(1);
}

void SetBlendKind(int kind) {
    // Any other kind is remembered but leaves the blend mode as it was.
    blendKind = kind;
    if (kind >= 0 && kind <= 3) SetBlend(kind);
}

void SetColourAlpha(float r, float g, float b, float alpha) {
    SetColor(static_cast<int>(Clamp(r, 0, 255)), static_cast<int>(Clamp(g, 0, 255)),
             static_cast<int>(Clamp(b, 0, 255)));
    if (alpha != ALPHA_KEEP) SetAlpha(Clamp(alpha, 0, 1));
}

void SetScaleXY(float sx, float sy) {
    SetScale(sx, sy == SCALE_SAME ? sx : sy);
}

void SetAngle(float degrees) {
    SetRotation(degrees);
}

void DrawTextAligned(int x, int y, const std::string& text, int hAlign, int vAlign) {
    if (hAlign == 1) x -= TextWidth(text) / 2;
    if (hAlign == 2) x -= TextWidth(text);
    if (vAlign == 1) y -= FontHeight() / 2;
    if (vAlign == 2) y -= FontHeight();
    DrawText(text, static_cast<float>(x), static_cast<float>(y));
}

void DrawSprite(const ImageRef& image, int x, int y, int frame, int kind) {
    // On a slow system only the frames that will be shown draw sprites.
    if (settings.slowSystem == 1 && frameSkipFlag == 1) return;
    if (kind < 0 || kind >= static_cast<int>(drawCount.size())) return;
    float sx, sy;
    GetScale(sx, sy);
    if (drawCount[kind] >= drawBudget[kind]) return;
    drawCount[kind]++;
    // Images are centred on their handle, so this puts the scaled box's corner at (x, y). A
    // mirrored sprite (negative scale) keeps its box where it was: the character turning round
    // must not jump a cell sideways.
    DrawImage(image, x + ImageWidth(image) * std::fabs(sx) / 2.0f,
              y + ImageHeight(image) * std::fabs(sy) / 2.0f, frame);
}

void BeginFrame(int clear) {
    if (clear == 1) Cls();
    for (int kind = 1; kind <= 10; kind++) drawCount[kind] = 0;
}

int MouseOver(int x, int y, int w, int h) {
    return mouseX > x && mouseY > y && mouseX < x + w && mouseY < y + h ? 1 : 0;
}

float Clamp(float v, float lo, float hi) {
    if (std::isnan(v)) return lo;
    float capped = v < hi ? v : hi;
    return capped > lo ? capped : lo;
}

void SelectFont(int family, int size) {
    if (family < 1 || family > 3) family = 1;
    if (size < 0 || size > 8) size = 0;
    SetFont(FontTable[(family - 1) * 10 + size]);
}

namespace {
void Ease(float& current, float target) {
    current -= (current - target) / 16.0f;
    if (std::fabs(current - target) < 0.005f) current = target;
}
} // namespace

void DrawBackground() {
    ResetDrawState();
    Ease(backgroundTint.r, backgroundTarget.r);
    Ease(backgroundTint.g, backgroundTarget.g);
    Ease(backgroundTint.b, backgroundTarget.b);
    float k = 25.0f;
    SetRotation(-45);
    // Diagonal bands, each a shade brighter than the one above it.
    for (int i = 0; i <= virtualHeight; i += 10) {
        k += 1;
        SetColourAlpha(k * backgroundTint.r, k * backgroundTint.g, k * backgroundTint.b);
        DrawRect(-100, static_cast<float>(3 * i), static_cast<float>(virtualWidth + 1800), 30);
    }
    ResetDrawState();
}
