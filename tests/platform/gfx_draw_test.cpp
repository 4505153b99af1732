#include "platform/gfx_fixture.h"

#include <vector>

namespace {

// 64 x 64 virtual units in four coloured quadrants: red top-left, green top-right, blue
// bottom-left, white bottom-right. Drawn at virtual (640, 480) = real (400, 300), each quadrant is
// 20 x 20 real pixels at scale 1.
Pixmap Quadrants() {
    Pixmap p = Filled(64, 64, Red);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            WritePixel(p, x, y, y < 32 ? (x < 32 ? Red : Green) : (x < 32 ? Blue : White));
    return p;
}

struct Probe {
    int x, y;
    uint32_t colour;
};

struct PlacementCase {
    const char* name;
    bool midHandle;
    float sx, sy, degrees;
    std::vector<Probe> probes;
};

} // namespace

using DrawTest = HeadlessDisplay;

TEST_F(DrawTest, SpritePlacementFollowsHandleScaleMirrorAndRotation) {
    const PlacementCase cases[] = {
        {"centre handle",
         true,
         1,
         1,
         0,
         {{390, 290, Red},
          {410, 290, Green},
          {390, 310, Blue},
          {410, 310, White},
          {375, 300, Black},
          {425, 300, Black},
          {400, 275, Black},
          {400, 325, Black}}},
        {"top-left handle",
         false,
         1,
         1,
         0,
         {{410, 310, Red},
          {430, 310, Green},
          {410, 330, Blue},
          {430, 330, White},
          {395, 305, Black},
          {445, 320, Black}}},
        {"scale 2 about the centre",
         true,
         2,
         2,
         0,
         {{370, 270, Red},
          {430, 270, Green},
          {370, 330, Blue},
          {430, 330, White},
          {355, 300, Black},
          {445, 300, Black}}},
        {"mirrored",
         true,
         -1,
         1,
         0,
         {{390, 290, Green}, {410, 290, Red}, {390, 310, White}, {410, 310, Blue}}},
        {"rotated 90 degrees clockwise",
         true,
         1,
         1,
         90,
         {{390, 290, Blue}, {410, 290, Red}, {410, 310, Green}, {390, 310, White}}},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetAutoMidHandle(c.midHandle);
        ImageRef image = ImageOf(Quadrants(), "quadrants.png");
        ASSERT_TRUE(image);
        EXPECT_EQ(ImageWidth(image), 64);
        Cls();
        SetScale(c.sx, c.sy);
        SetRotation(c.degrees);
        DrawImage(image, 640, 480, 0);
        Pixmap frame = Grab();
        for (const Probe& p : c.probes)
            EXPECT_TRUE(Near(ReadPixel(frame, p.x, p.y), p.colour)) << "at " << p.x << "," << p.y;
    }
}

TEST_F(DrawTest, BlendKindsMixTheSpriteIntoTheScreen) {
    // The left half of the sprite is black, which the mask makes transparent.
    Pixmap p = Filled(64, 64, Argb(200, 100, 50));
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 32; x++) WritePixel(p, x, y, Black);
    ImageRef image = ImageOf(p, "sprite.png", 0, 0, true);
    ASSERT_TRUE(image);

    struct Case {
        const char* name;
        int blend;
        float alpha;
        int r, g, b;    // the drawing colour
        uint32_t right; // the pixel under the coloured half
        uint32_t left;  // the pixel under the black half
    };
    const uint32_t grey = Argb(100, 100, 100);
    const Case cases[] = {
        {"solid replaces, ignoring alpha", 0, 0.5f, 255, 255, 255, Argb(200, 100, 50), Black},
        {"alpha mixes", 1, 0.5f, 255, 255, 255, Argb(150, 100, 75), grey},
        {"alpha 1 covers", 1, 1.0f, 255, 255, 255, Argb(200, 100, 50), grey},
        {"colour tints", 1, 1.0f, 255, 0, 128, Argb(200, 0, 25), grey},
        // A multiply ignores alpha: black, masked or not, multiplies the screen to black.
        {"shade multiplies", 2, 1.0f, 255, 255, 255, Argb(78, 39, 19), Black},
        {"light adds", 3, 1.0f, 255, 255, 255, Argb(255, 200, 150), grey},
        {"light adds by alpha", 3, 0.5f, 255, 255, 255, Argb(200, 150, 125), grey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetBlend(0);
        SetColor(100, 100, 100);
        SetAlpha(1);
        DrawRect(0, 0, 1280, 960);
        SetBlend(c.blend);
        SetColor(c.r, c.g, c.b);
        SetAlpha(c.alpha);
        DrawImage(image, 640, 480, 0);
        Pixmap frame = Grab();
        EXPECT_TRUE(Near(ReadPixel(frame, 410, 300), c.right));
        EXPECT_TRUE(Near(ReadPixel(frame, 390, 300), c.left));
        EXPECT_TRUE(Near(ReadPixel(frame, 450, 300), grey)); // outside the sprite
    }

    // Without the mask, black is just a colour.
    ImageRef unmasked = ImageOf(p, "unmasked.png", 0, 0, false);
    ASSERT_TRUE(unmasked);
    SetBlend(1);
    SetColor(255, 255, 255);
    SetAlpha(1);
    DrawImage(unmasked, 640, 480, 0);
    EXPECT_TRUE(Near(PixelAt(390, 300), Black));
}

TEST_F(DrawTest, RectangleRotatesAboutItsFirstPoint) {
    Cls();
    SetColor(0, 255, 0);
    SetRotation(-45);
    // 160 x 32 from (640, 480): turned by -45 degrees its far end rises to the upper right.
    DrawRect(640, 480, 160, 32);
    Pixmap frame = Grab();
    // Local (80, 16) rotated: virtual (707.9, 434.7) = real (442, 272).
    EXPECT_TRUE(Near(ReadPixel(frame, 442, 272), Green));
    // Local (150, 16): virtual (757.4, 385.2) = real (473, 241).
    EXPECT_TRUE(Near(ReadPixel(frame, 473, 241), Green));
    // Where the unturned rectangle would lie stays black.
    EXPECT_TRUE(Near(ReadPixel(frame, 450, 310), Black));
    EXPECT_TRUE(Near(ReadPixel(frame, 480, 305), Black));
}

TEST_F(DrawTest, RectangleScalesAndLinesTurn) {
    Cls();
    SetColor(255, 0, 0);
    SetScale(2, 0.5f);
    DrawRect(0, 0, 100, 100); // 200 x 50 virtual = 125 x 31 real
    SetScale(1, 1);
    SetColor(0, 0, 255);
    SetRotation(90);
    DrawLine(640, 480, 800, 480); // turned to point straight down from (400, 300)
    Pixmap frame = Grab();
    EXPECT_TRUE(Near(ReadPixel(frame, 120, 28), Red));
    EXPECT_TRUE(Near(ReadPixel(frame, 130, 10), Black));
    EXPECT_TRUE(Near(ReadPixel(frame, 10, 35), Black));
    EXPECT_TRUE(Near(ReadPixel(frame, 400, 350), Blue));
    EXPECT_TRUE(Near(ReadPixel(frame, 450, 300), Black));
}

TEST_F(DrawTest, InvisibleDrawsChangeNothing) {
    FontRef font = LoadFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 24, true);
    ImageRef image = ImageOf(Quadrants(), "q.png");
    ASSERT_TRUE(image);
    SetColor(90, 120, 150);
    DrawRect(100, 100, 400, 300);
    Pixmap before = Grab();
    SetBlend(1);
    SetAlpha(0);
    SetColor(255, 255, 255);
    DrawImage(image, 200, 200, 0);
    DrawRect(0, 0, 1280, 960);
    DrawLine(0, 0, 1280, 960);
    SetFont(font);
    DrawText("Hidden", 150, 150);
    EXPECT_EQ(Grab().pixels, before.pixels);
}

TEST_F(DrawTest, NullAndStaleHandlesDrawNothing) {
    ImageRef image = ImageOf(Quadrants(), "q.png");
    ASSERT_TRUE(image);
    Cls();
    DrawImage(nullptr, 640, 480, 0);
    DrawImage(image, 640, 480, 1); // one frame only
    DrawImage(image, 640, 480, -1);
    SetFont(nullptr);
    DrawText("nothing", 100, 100);
    EXPECT_EQ(TextWidth("nothing"), 0);
    EXPECT_EQ(FontHeight(), 0);
    EXPECT_EQ(ImageWidth(nullptr), 0);
    for (uint32_t p : Grab().pixels) ASSERT_EQ(p, Black);

    // Reopening the display takes the old textures with it: the image stays safe to hold, to draw
    // (nothing shows) and to release.
    std::string error;
    ASSERT_TRUE(OpenDisplay(800, 600, 0, 60, error)) << error;
    SetVirtualResolution(1280, 960);
    DrawImage(image, 640, 480, 0);
    EXPECT_EQ(PixelAt(400, 300), Black);
    image.reset();
}

TEST_F(DrawTest, PixmapBecomesAnImage) {
    Pixmap p = Filled(32, 16, Blue);
    ImageRef image = ImageFromPixmap(p, true);
    ASSERT_TRUE(image);
    EXPECT_EQ(ImageWidth(image), 32);
    EXPECT_EQ(ImageHeight(image), 16);
    Cls();
    DrawImage(image, 640, 480, 0);
    EXPECT_TRUE(Near(PixelAt(400, 300), Blue));
    Pixmap broken = p;
    broken.pixels.pop_back();
    EXPECT_FALSE(ImageFromPixmap(broken, false));
}
