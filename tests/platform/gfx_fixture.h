// A headless display for the drawing tests: 800 x 600 real pixels under a 1280 x 960 virtual
// screen, so every virtual unit is 0.625 pixels and the scaling is always exercised.
#pragma once

#include "platform/gfx.h"
#include "platform/platform.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

constexpr uint32_t Black = 0xFF000000, Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF,
                   White = 0xFFFFFFFF;

inline uint32_t Argb(int r, int g, int b, int a = 255) {
    return uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}

// A pixmap of one colour.
inline Pixmap Filled(int width, int height, uint32_t argb) {
    Pixmap p;
    p.width = width;
    p.height = height;
    p.pixels.assign(size_t(width) * height, argb);
    return p;
}

// Colours within a few steps per channel: renderers round blends differently.
inline ::testing::AssertionResult Near(uint32_t actual, uint32_t expected, int tolerance = 3) {
    for (int shift = 0; shift <= 16; shift += 8) {
        int a = int(actual >> shift & 0xFF), e = int(expected >> shift & 0xFF);
        if (std::abs(a - e) > tolerance)
            return ::testing::AssertionFailure()
                   << std::hex << "0x" << actual << " is not near 0x" << expected;
    }
    return ::testing::AssertionSuccess();
}

struct HeadlessDisplay : ::testing::Test {
    ScratchDir scratch;
    void SetUp() override {
        backend = Backend::Headless;
        std::string error;
        ASSERT_TRUE(OpenDisplay(800, 600, 0, 60, error)) << error;
        SetVirtualResolution(1280, 960);
        SetAutoMidHandle(true);
        SetColor(255, 255, 255);
        SetAlpha(1);
        SetBlend(1);
        SetScale(1, 1);
        SetRotation(0);
    }
    void TearDown() override { CloseDisplay(); }

    static Pixmap Grab() {
        Pixmap p;
        EXPECT_TRUE(GrabBackBuffer(0, 0, 800, 600, p));
        return p;
    }
    static uint32_t PixelAt(int x, int y) { return ReadPixel(Grab(), x, y); }

    // Saves a pixmap as a PNG in the scratch folder and loads it as an image.
    static ImageRef ImageOf(const Pixmap& p, const std::string& name, int cellW = 0, int cellH = 0,
                            bool masked = false) {
        EXPECT_EQ(SavePixmapPng(p, name, 6), 1);
        return LoadImageFrames(name, cellW, cellH, masked, false);
    }
};
