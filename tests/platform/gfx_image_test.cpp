#include "platform/files.h"
#include "platform/gfx_fixture.h"

#include <png.h>

#include <cstring>

using ImageTest = HeadlessDisplay;

namespace {

const uint32_t frameColours[8] = {Red,
                                  Green,
                                  Blue,
                                  White,
                                  Argb(255, 255, 0),
                                  Argb(0, 255, 255),
                                  Argb(255, 0, 255),
                                  Argb(128, 64, 32)};

// Encodes pixels with libpng's simplified writer in one of its formats (grey, grey+alpha,
// palette, 16-bit...), to reach the decoder's conversions.
std::string Encode(png_uint_32 format, int width, int height, const void* pixels,
                   const void* colormap = nullptr, int colours = 0) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = format;
    image.colormap_entries = colours;
    png_alloc_size_t size = 0;
    EXPECT_TRUE(png_image_write_get_memory_size(image, size, 0, pixels, 0, colormap));
    std::string bytes(size, '\0');
    EXPECT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels, 0, colormap));
    bytes.resize(size);
    return bytes;
}

Pixmap Decoded(const std::string& bytes) {
    Pixmap out;
    EXPECT_TRUE(DecodePng(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out));
    return out;
}

} // namespace

TEST_F(ImageTest, FramesAreCellsRowByRow) {
    // 4 x 2 cells of 16 x 16, frame k in colour k.
    Pixmap sheet = Filled(64, 32, Black);
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 64; x++) WritePixel(sheet, x, y, frameColours[(y / 16) * 4 + x / 16]);
    ImageRef image = ImageOf(sheet, "sheet.png", 16, 16);
    ASSERT_TRUE(image);
    EXPECT_EQ(ImageFrames(image), 8);
    EXPECT_EQ(ImageWidth(image), 16);
    EXPECT_EQ(ImageHeight(image), 16);
    for (int k = 0; k < 8; k++) {
        SCOPED_TRACE(k);
        Cls();
        SetScale(4, 4); // 64 virtual units = 40 pixels, all of one frame
        DrawImage(image, 640, 480, k);
        Pixmap frame = Grab();
        EXPECT_TRUE(Near(ReadPixel(frame, 400, 300), frameColours[k]));
        EXPECT_TRUE(Near(ReadPixel(frame, 384, 284), frameColours[k]));
        EXPECT_TRUE(Near(ReadPixel(frame, 416, 316), frameColours[k]));
        EXPECT_TRUE(Near(ReadPixel(frame, 375, 300), Black));
    }
    // A sheet with cells larger than itself has no frames.
    EXPECT_FALSE(LoadImageFrames("sheet.png", 128, 16, false, false));
    ImageRef whole = LoadImageFrames("sheet.png", 0, 0, false, false);
    ASSERT_TRUE(whole);
    EXPECT_EQ(ImageFrames(whole), 1);
    EXPECT_EQ(ImageWidth(whole), 64);
}

TEST_F(ImageTest, MissingOrBrokenFilesGiveNoImage) {
    EXPECT_FALSE(LoadImageFrames("absent.png", 0, 0, true, true));
    WriteFileText("text.png", "this is not a picture");
    EXPECT_FALSE(LoadImageFrames("text.png", 0, 0, true, true));
    ASSERT_EQ(SavePixmapPng(Filled(8, 8, Red), "whole.png", 9), 1);
    std::string bytes = ReadFileText("whole.png");
    WriteFileText("cut.png", bytes.substr(0, bytes.size() / 2));
    EXPECT_FALSE(LoadImageFrames("cut.png", 0, 0, true, true));
    Pixmap out;
    EXPECT_FALSE(DecodePng(nullptr, 0, out));
}

TEST(PngDecode, EveryColourTypeBecomesArgb) {
    const uint8_t grey[2] = {0, 200};
    const uint8_t greyAlpha[4] = {255, 128, 10, 255};
    const uint8_t rgb[6] = {255, 0, 0, 0, 0, 255};
    const uint16_t rgb16[6] = {65535, 65535, 65535, 0, 0, 0};
    const uint8_t palette[8] = {0, 255, 0, 255, 0, 0, 255, 0}; // opaque green, transparent blue
    const uint8_t indices[2] = {0, 1};
    struct Case {
        const char* name;
        std::string bytes;
        uint32_t first, second;
    };
    const Case cases[] = {
        {"grey", Encode(PNG_FORMAT_GRAY, 2, 1, grey), Argb(0, 0, 0), Argb(200, 200, 200)},
        {"grey and alpha", Encode(PNG_FORMAT_GA, 2, 1, greyAlpha), Argb(255, 255, 255, 128),
         Argb(10, 10, 10)},
        {"rgb", Encode(PNG_FORMAT_RGB, 2, 1, rgb), Red, Blue},
        {"16 bits", Encode(PNG_FORMAT_LINEAR_RGB, 2, 1, rgb16), White, Black},
        {"palette with transparency", Encode(PNG_FORMAT_RGBA_COLORMAP, 2, 1, indices, palette, 2),
         Green, Argb(0, 0, 255, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Pixmap p = Decoded(c.bytes);
        ASSERT_EQ(p.width, 2);
        ASSERT_EQ(p.height, 1);
        EXPECT_EQ(p.pixels[0], c.first);
        EXPECT_EQ(p.pixels[1], c.second);
    }
}

TEST_F(ImageTest, GrabSavesAsPngWithAlphaAndReloadsTheSamePixels) {
    Cls();
    SetColor(10, 200, 30);
    DrawRect(100, 100, 300, 200);
    SetColor(250, 40, 90);
    SetRotation(30);
    DrawRect(600, 300, 200, 100);
    Pixmap grabbed;
    ASSERT_TRUE(GrabBackBuffer(0, 0, 800, 600, grabbed));
    ASSERT_EQ(grabbed.width, 800);
    ASSERT_EQ(grabbed.height, 600);
    EXPECT_TRUE(Near(ReadPixel(grabbed, 100, 100), Argb(10, 200, 30)));
    ASSERT_EQ(SavePixmapPng(grabbed, "shot.png", 9), 1);

    std::string bytes = ReadFileText("shot.png");
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(bytes[25], 6); // colour type 6: RGB with alpha
    Pixmap reloaded;
    ASSERT_TRUE(LoadPngFile("shot.png", reloaded));
    EXPECT_EQ(reloaded.width, 800);
    EXPECT_EQ(reloaded.pixels, grabbed.pixels);

    // A part of the screen, hanging over its edge: what lies outside reads as 0.
    Pixmap corner;
    ASSERT_TRUE(GrabBackBuffer(790, 590, 20, 20, corner));
    EXPECT_EQ(ReadPixel(corner, 5, 5), ReadPixel(grabbed, 795, 595));
    EXPECT_EQ(ReadPixel(corner, 15, 15), 0u);
}

TEST(PixmapPng, FailuresAnswerZero) {
    ScratchDir scratch;
    Pixmap p = Filled(4, 4, Red);
    EXPECT_EQ(SavePixmapPng(p, "no/such/folder/x.png", 9), 0);
    EXPECT_EQ(SavePixmapPng(p, "", 9), 0);
    EXPECT_EQ(SavePixmapPng(Pixmap{}, "empty.png", 9), 0);
    EXPECT_FALSE(FileExists("empty.png"));
    Pixmap torn = p;
    torn.pixels.resize(3);
    EXPECT_EQ(SavePixmapPng(torn, "torn.png", 9), 0);
    // Pixels outside the pixmap read as 0 and ignore writes.
    WritePixel(p, 4, 0, Blue);
    WritePixel(p, -1, 0, Blue);
    EXPECT_EQ(ReadPixel(p, 4, 0), 0u);
    EXPECT_EQ(ReadPixel(p, 0, -1), 0u);
    EXPECT_EQ(ReadPixel(p, 3, 3), Red);
}
