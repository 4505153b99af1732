// The drawing conventions on the headless display: colours, alignment, sprite budgets and boxes.
#include "shell/draw_helpers.h"

#include <cmath>
#include <limits>

#include "display/common_assets.h"
#include "platform/gfx_fixture.h"
#include "shell/frame_state.h"
#include "shell/settings.h"

namespace {

const char* const fontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

struct DrawHelpers : HeadlessDisplay {
    void SetUp() override {
        HeadlessDisplay::SetUp();
        Cls();
        ResetDrawState();
        drawBudget.fill(100);
        drawCount.fill(0);
        settings = Settings{};
        frameSkipFlag = 0;
    }
    // A 64 x 32 image: red on its left half, green on its right.
    ImageRef HalfAndHalf() {
        Pixmap p = Filled(64, 32, Red);
        for (int y = 0; y < 32; y++)
            for (int x = 32; x < 64; x++) WritePixel(p, x, y, Green);
        return ImageOf(p, "halves.png");
    }
};

// Real pixel of a virtual point (0.625 pixels a unit), nudged into the unit.
uint32_t At(const Pixmap& frame, float vx, float vy) {
    return ReadPixel(frame, static_cast<int>(vx * 0.625f), static_cast<int>(vy * 0.625f));
}

} // namespace

TEST_F(DrawHelpers, ColourIsClampedAndTruncatedAndAlphaKept) {
    SetAlpha(0.5f);
    SetColourAlpha(300, -5, 12.9f, ALPHA_KEEP);
    EXPECT_FLOAT_EQ(GetAlpha(), 0.5f);
    SetColourAlpha(300, -5, 12.9f, 7);
    EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
    SetBlendKind(0);
    DrawRect(100, 100, 50, 50);
    EXPECT_TRUE(Near(At(Grab(), 120, 120), Argb(255, 0, 12), 0));
    // A kind outside 0-3 is remembered but leaves the blend mode alone.
    SetBlendKind(9);
    EXPECT_EQ(blendKind, 9);
    EXPECT_EQ(GetBlend(), 0);
}

TEST_F(DrawHelpers, ClampAndMouseOver) {
    EXPECT_EQ(Clamp(5, 0, 3), 3);
    EXPECT_EQ(Clamp(-1, 0, 3), 0);
    EXPECT_EQ(Clamp(2, 0, 3), 2);
    EXPECT_EQ(Clamp(std::numeric_limits<float>::quiet_NaN(), 0, 3), 0);
    struct Case {
        int x, y, over;
    };
    // The box (10, 10, 20, 20) holds the pointer strictly inside only.
    const Case cases[] = {{10, 15, 0}, {11, 11, 1}, {29, 29, 1}, {30, 15, 0}, {15, 30, 0}};
    for (const Case& c : cases) {
        mouseX = c.x;
        mouseY = c.y;
        EXPECT_EQ(MouseOver(10, 10, 20, 20), c.over) << c.x << "," << c.y;
    }
}

TEST_F(DrawHelpers, SpriteBoxTopLeftSitsAtThePointAtAnyScaleAndWhenMirrored) {
    ImageRef image = HalfAndHalf();
    SetScaleXY(2);
    DrawSprite(image, 200, 200, 0, 1); // 128 x 64 box from (200, 200)
    SetScaleXY(-1, 1);
    DrawSprite(image, 600, 200, 0, 1); // 64 x 32, mirrored, from (600, 200)
    Pixmap frame = Grab();
    EXPECT_EQ(At(frame, 198, 230), Black);
    EXPECT_EQ(At(frame, 203, 230), Red);
    EXPECT_EQ(At(frame, 325, 230), Green);
    EXPECT_EQ(At(frame, 330, 230), Black);
    // Mirrored: green now on the left, and the box has not moved.
    EXPECT_EQ(At(frame, 597, 215), Black);
    EXPECT_EQ(At(frame, 603, 215), Green);
    EXPECT_EQ(At(frame, 661, 215), Red);
    EXPECT_EQ(At(frame, 667, 215), Black);
}

TEST_F(DrawHelpers, SpritesBeyondTheBudgetWaitForTheNextFrame) {
    ImageRef image = HalfAndHalf();
    drawBudget[1] = 3;
    for (int i = 0; i < 4; i++) DrawSprite(image, 100 + 100 * i, 100, 0, 1);
    EXPECT_EQ(drawCount[1], 3);
    Pixmap frame = Grab();
    EXPECT_EQ(At(frame, 310, 110), Red);
    EXPECT_EQ(At(frame, 410, 110), Black);
    BeginFrame(1);
    EXPECT_EQ(drawCount[1], 0);
    DrawSprite(image, 400, 100, 0, 1);
    EXPECT_EQ(At(Grab(), 410, 110), Red);
}

TEST_F(DrawHelpers, ASlowSystemDrawsSpritesOnShownFramesOnly) {
    ImageRef image = HalfAndHalf();
    settings.slowSystem = 1;
    frameSkipFlag = 1;
    DrawSprite(image, 100, 100, 0, 1);
    EXPECT_EQ(drawCount[1], 0);
    frameSkipFlag = 0;
    DrawSprite(image, 100, 100, 0, 1);
    EXPECT_EQ(drawCount[1], 1);
}

TEST_F(DrawHelpers, TextAlignsByItsUnscaledMetrics) {
    FontRef font = LoadFont(fontPath, 24, true);
    if (!font) GTEST_SKIP() << "no " << fontPath;
    SetFont(font);
    const std::string text = "Aligned";
    int w = TextWidth(text), h = FontHeight();
    // Centred both ways at (400, 300) is the same as top-left at (400 - w / 2, 300 - h / 2).
    DrawTextAligned(400, 300, text, 1, 1);
    Pixmap centred = Grab();
    Cls();
    DrawTextAligned(400 - w / 2, 300 - h / 2, text, 0, 0);
    EXPECT_EQ(Grab().pixels, centred.pixels);
    Cls();
    DrawTextAligned(400, 300, text, 2, 2);
    Pixmap rightBottom = Grab();
    Cls();
    DrawTextAligned(400 - w, 300 - h, text, 0, 0);
    EXPECT_EQ(Grab().pixels, rightBottom.pixels);
}

TEST_F(DrawHelpers, FontChoiceOutsideTheTableFallsBackToTheFirstSlot) {
    FontRef small = LoadFont(fontPath, 12, true), large = LoadFont(fontPath, 40, true);
    if (!small || !large) GTEST_SKIP() << "no " << fontPath;
    FontTable.fill(large);
    FontTable[0] = small;
    SelectFont(4, 9);
    int fallback = TextWidth("width");
    SelectFont(1, 0);
    EXPECT_EQ(TextWidth("width"), fallback);
    SelectFont(2, 3);
    EXPECT_GT(TextWidth("width"), fallback);
    FontTable.fill(nullptr);
}
