// The drawing conventions every screen uses on top of the platform's 2D layer.
#pragma once

#include <array>
#include <string>

#include "platform/gfx.h"

// Sentinels compared for exact equality: keep the alpha, scale both axes alike.
constexpr float ALPHA_KEEP = 37171648.0f;
constexpr float SCALE_SAME = -37171648.0f;

// Per-frame sprite budgets and counts by kind: 1 main sprites, 2 glow sprites, 3 particles.
extern std::array<int, 20> drawBudget;
extern std::array<int, 20> drawCount;
extern int blendKind;

// The menus' stripe background: current and target tint, fractions of full brightness.
struct Tint {
    float r = 0.2f, g = 0.0f, b = 1.0f;
};
extern Tint backgroundTint, backgroundTarget;

void ResetDrawState();
void SetBlendKind(int kind);
void SetColourAlpha(float r, float g, float b, float alpha = ALPHA_KEEP);
void SetScaleXY(float sx, float sy = SCALE_SAME);
void SetAngle(float degrees);
// Draws text at (x, y) aligned: hAlign 1 centred, 2 right; vAlign 1 centred, 2 bottom.
void DrawTextAligned(int x, int y, const std::string& text, int hAlign, int vAlign);
// Draws a frame with its scaled box's top-left corner at (x, y), against the budget of kind.
void DrawSprite(const ImageRef& image, int x, int y, int frame, int kind);
void BeginFrame(int clear);
int MouseOver(int x, int y, int w, int h);
float Clamp(float v, float lo, float hi);
void SelectFont(int family, int size);
void DrawBackground();
