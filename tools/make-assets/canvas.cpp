#include "canvas.h"

#include <algorithm>
#include <cmath>

Colour Rgb(float r, float g, float b, float a) {
    return {r, g, b, a};
}

Colour Mix(Colour from, Colour to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Colour Scaled(Colour c, float brightness) {
    if (brightness <= 1) return {c.r * brightness, c.g * brightness, c.b * brightness, c.a};
    float t = brightness - 1; // above 1 the colour moves toward white
    return Mix(c, {255, 255, 255, c.a}, std::min(t, 1.0f));
}

Canvas MakeCanvas(int width, int height, int factor) {
    Canvas canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.factor = factor;
    canvas.samples.assign(static_cast<size_t>(width * factor) * (height * factor),
                          Colour{0, 0, 0, 0});
    return canvas;
}

void Paint(Canvas& canvas, const Shape& shape, const Shader& shader) {
    int f = canvas.factor;
    int sw = canvas.width * f, sh = canvas.height * f;
    int i0 = std::max(0, static_cast<int>(std::floor(shape.x0 * f)) - 1);
    int j0 = std::max(0, static_cast<int>(std::floor(shape.y0 * f)) - 1);
    int i1 = std::min(sw - 1, static_cast<int>(std::ceil(shape.x1 * f)) + 1);
    int j1 = std::min(sh - 1, static_cast<int>(std::ceil(shape.y1 * f)) + 1);
    for (int j = j0; j <= j1; ++j) {
        float y = (j + 0.5f) / f;
        for (int i = i0; i <= i1; ++i) {
            float x = (i + 0.5f) / f;
            float d = shape.distance(x, y);
            if (d > 0) continue;
            Colour src = shader(x, y, d);
            Colour& dst = canvas.samples[static_cast<size_t>(j) * sw + i];
            // Plain "over" compositing of straight-alpha colours.
            float a = std::clamp(src.a, 0.0f, 1.0f);
            float outA = a + dst.a * (1 - a);
            if (outA <= 0) continue;
            dst.r = (src.r * a + dst.r * dst.a * (1 - a)) / outA;
            dst.g = (src.g * a + dst.g * dst.a * (1 - a)) / outA;
            dst.b = (src.b * a + dst.b * dst.a * (1 - a)) / outA;
            dst.a = outA;
        }
    }
}

void PaintSolid(Canvas& canvas, const Shape& shape, Colour colour) {
    Paint(canvas, shape, Solid(colour));
}

void PaintOutlined(Canvas& canvas, const Shape& shape, Colour colour, Colour outline, float width) {
    PaintSolid(canvas, Grow(shape, width), outline);
    PaintSolid(canvas, shape, colour);
}

Shader Solid(Colour c) {
    return [c](float, float, float) { return c; };
}

Shader VerticalGradient(Colour top, Colour bottom, float y0, float y1) {
    return [=](float, float y, float) {
        float t = std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f);
        return Mix(top, bottom, t);
    };
}

Shader Bevel(Colour base, float rim, float cx, float cy) {
    return [=](float x, float y, float d) {
        if (-d >= rim) return base;
        // Which side of the centre decides light or shade along the rim.
        float side = ((cx - x) + (cy - y));
        float len = std::fabs(x - cx) + std::fabs(y - cy) + 0.001f;
        float t = side / len; // -1 bottom-right .. 1 top-left
        return Scaled(base, 1.0f + 0.45f * t);
    };
}

Image MakeImage(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.rgba.assign(static_cast<size_t>(width) * height * 4, 0);
    return image;
}

Image Resolve(const Canvas& canvas) {
    Image image = MakeImage(canvas.width, canvas.height);
    int f = canvas.factor;
    int sw = canvas.width * f;
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            float r = 0, g = 0, b = 0, cover = 0;
            for (int j = 0; j < f; ++j) {
                for (int i = 0; i < f; ++i) {
                    const Colour& s =
                        canvas.samples[static_cast<size_t>(y * f + j) * sw + x * f + i];
                    r += s.r * s.a;
                    g += s.g * s.a;
                    b += s.b * s.a;
                    cover += s.a;
                }
            }
            if (cover < 0.5f * f * f) continue;
            auto channel = [&](float v) {
                return static_cast<std::uint8_t>(std::clamp(std::lround(v / cover), 0L, 255L));
            };
            std::uint8_t* p = &image.rgba[(static_cast<size_t>(y) * canvas.width + x) * 4];
            p[0] = channel(r);
            p[1] = channel(g);
            p[2] = channel(b);
            if (p[0] == 0 && p[1] == 0 && p[2] == 0) p[0] = p[1] = p[2] = 1;
            p[3] = 255;
        }
    }
    return image;
}

void Blit(Image& target, const Image& source, int x, int y) {
    for (int j = 0; j < source.height; ++j) {
        int ty = y + j;
        if (ty < 0 || ty >= target.height) continue;
        for (int i = 0; i < source.width; ++i) {
            int tx = x + i;
            if (tx < 0 || tx >= target.width) continue;
            const std::uint8_t* s = &source.rgba[(static_cast<size_t>(j) * source.width + i) * 4];
            if (s[3] == 0) continue;
            std::uint8_t* t = &target.rgba[(static_cast<size_t>(ty) * target.width + tx) * 4];
            std::copy(s, s + 4, t);
        }
    }
}

Image ScaleUp(const Image& source, int factor) {
    Image big = MakeImage(source.width * factor, source.height * factor);
    for (int y = 0; y < big.height; ++y) {
        for (int x = 0; x < big.width; ++x) {
            const std::uint8_t* s =
                &source.rgba[(static_cast<size_t>(y / factor) * source.width + x / factor) * 4];
            std::uint8_t* t = &big.rgba[(static_cast<size_t>(y) * big.width + x) * 4];
            std::copy(s, s + 4, t);
            // A checker behind the transparent pixels makes the mask visible in a preview.
            if (s[3] == 0) t[0] = t[1] = t[2] = ((x / 8 + y / 8) % 2) ? 60 : 90, t[3] = 255;
        }
    }
    return big;
}
