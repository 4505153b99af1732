#include "platform/gfx_fixture.h"

#include <filesystem>

using TextTest = HeadlessDisplay;

namespace {

// A free font that Debian's fonts-dejavu-core package installs (the asset pack needs it too).
const char* const fontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

} // namespace

TEST_F(TextTest, MetricsGrowWithThePixelSize) {
    if (!std::filesystem::exists(fontPath)) GTEST_SKIP() << fontPath << " is not installed";
    FontRef small = LoadFont(fontPath, 16, true);
    FontRef large = LoadFont(fontPath, 32, true);
    ASSERT_TRUE(small && large);
    SetFont(small);
    int smallWidth = TextWidth("Bodger Thump"), smallHeight = FontHeight();
    SetFont(large);
    int largeWidth = TextWidth("Bodger Thump"), largeHeight = FontHeight();
    EXPECT_GT(smallWidth, 0);
    EXPECT_GE(smallHeight, 16);
    EXPECT_GT(largeWidth, smallWidth * 3 / 2);
    EXPECT_GT(largeHeight, smallHeight * 3 / 2);
    // Widths add up glyph by glyph; characters outside Latin-1's printable range take no room.
    EXPECT_EQ(TextWidth("AB"), TextWidth("A") + TextWidth("B"));
    EXPECT_EQ(TextWidth("A\tB"), TextWidth("AB"));
    EXPECT_GT(TextWidth("\xE9"), 0); // e acute, Latin-1 233
    EXPECT_EQ(TextWidth(""), 0);
}

TEST_F(TextTest, TextChangesPixelsOnlyInsideItsBox) {
    if (!std::filesystem::exists(fontPath)) GTEST_SKIP() << fontPath << " is not installed";
    for (bool smooth : {true, false}) {
        SCOPED_TRACE(smooth ? "smooth" : "sharp");
        FontRef font = LoadFont(fontPath, 40, smooth);
        ASSERT_TRUE(font);
        SetFont(font);
        Cls();
        const float x = 320, y = 480;
        DrawText("Hello, Wjg!", x, y);
        // The box in real pixels, one pixel of slack for rounding at the edges.
        int left = int(x * 0.625f) - 1, top = int(y * 0.625f) - 1;
        int right = int((x + TextWidth("Hello, Wjg!")) * 0.625f) + 1;
        int bottom = int((y + FontHeight()) * 0.625f) + 1;
        Pixmap frame = Grab();
        int lit = 0, outside = 0;
        for (int py = 0; py < frame.height; py++)
            for (int px = 0; px < frame.width; px++) {
                if (ReadPixel(frame, px, py) == Black) continue;
                lit++;
                if (px < left || px > right || py < top || py > bottom) outside++;
            }
        EXPECT_GT(lit, 200);
        EXPECT_EQ(outside, 0);
    }
}

TEST_F(TextTest, ScaledTextGrowsAboutItsTopLeft) {
    if (!std::filesystem::exists(fontPath)) GTEST_SKIP() << fontPath << " is not installed";
    FontRef font = LoadFont(fontPath, 32, true);
    ASSERT_TRUE(font);
    SetFont(font);
    SetColor(255, 255, 255);
    auto bounds = [](int& minX, int& maxX) {
        Pixmap frame = Grab();
        minX = frame.width;
        maxX = -1;
        for (int py = 0; py < frame.height; py++)
            for (int px = 0; px < frame.width; px++)
                if (ReadPixel(frame, px, py) != Black) {
                    minX = std::min(minX, px);
                    maxX = std::max(maxX, px);
                }
    };
    int minX1, maxX1, minX2, maxX2;
    Cls();
    DrawText("MMMM", 160, 160);
    bounds(minX1, maxX1);
    Cls();
    SetScale(2, 2);
    DrawText("MMMM", 160, 160);
    bounds(minX2, maxX2);
    EXPECT_NEAR(minX2 - 100, 2 * (minX1 - 100), 3);
    EXPECT_NEAR(maxX2 - minX2, 2 * (maxX1 - minX1), 4);
}

TEST_F(TextTest, MissingFontGivesNoFont) {
    EXPECT_FALSE(LoadFont("no-such-font.ttf", 20, true));
    WriteFileText("fake.ttf", "not a font");
    EXPECT_FALSE(LoadFont("fake.ttf", 20, true));
}

TEST_F(TextTest, ThinGlyphsKeepTheirShapeAtAnyPosition) {
    if (!std::filesystem::exists(fontPath)) GTEST_SKIP() << fontPath << " is not installed";
    // At 21 units on this screen a hyphen is one row of its bitmap and a full stop two: neither
    // may vanish or grow into the next row, wherever the text stands.
    auto rowsLit = [](const Pixmap& frame) {
        int rows = 0;
        for (int y = 0; y < frame.height; y++) {
            bool lit = false;
            for (int x = 0; x < frame.width && !lit; x++)
                lit = (ReadPixel(frame, x, y) & 0xFFFFFF) != 0;
            rows += lit;
        }
        return rows;
    };
    for (int size : {16, 21, 24}) {
        FontRef font = LoadFont(fontPath, size, true);
        ASSERT_TRUE(font);
        SetFont(font);
        for (const char* text : {"-", "."}) {
            int firstRows = -1;
            for (float y : {100.0f, 100.3f, 100.7f}) {
                SCOPED_TRACE(testing::Message() << size << " '" << text << "' at " << y);
                Cls();
                DrawText(text, 100, y);
                int rows = rowsLit(Grab());
                EXPECT_GT(rows, 0);
                if (firstRows < 0) firstRows = rows;
                EXPECT_EQ(rows, firstRows);
            }
        }
    }
}
