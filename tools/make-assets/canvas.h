// Drawing surfaces of the asset generator. Pictures are painted into a supersampled float canvas
// and reduced to an 8-bit image whose transparent pixels are pure black, the game's mask colour.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "shapes.h"

struct Colour {
    float r = 0, g = 0, b = 0, a = 1; // components 0-255, alpha 0-1
};

Colour Rgb(float r, float g, float b, float a = 1);
Colour Mix(Colour from, Colour to, float t);
Colour Scaled(Colour c, float brightness); // brightness 1 keeps the colour

// A picture being painted: width x height output pixels, each made of factor x factor samples.
struct Canvas {
    int width = 0;
    int height = 0;
    int factor = 1;
    std::vector<Colour> samples; // alpha 0 where nothing is painted yet
};

// The colour of a painted point: x, y in output pixels, d the shape's signed distance there
// (negative inside), so a shader can darken an edge or light a bevel.
using Shader = std::function<Colour(float x, float y, float d)>;

Canvas MakeCanvas(int width, int height, int factor);
void Paint(Canvas& canvas, const Shape& shape, const Shader& shader);
void PaintSolid(Canvas& canvas, const Shape& shape, Colour colour);
// Paints the shape in the dark outline colour grown by width, then the shape itself.
void PaintOutlined(Canvas& canvas, const Shape& shape, Colour colour, Colour outline, float width);

Shader Solid(Colour c);
Shader VerticalGradient(Colour top, Colour bottom, float y0, float y1);
// Light from the upper left: a rim of the given width lit on the top-left and shaded on the
// bottom-right, like a bevelled tile; the shape's inside keeps the base colour.
Shader Bevel(Colour base, float rim, float cx, float cy);

// An 8-bit RGBA picture. Alpha is 0 or 255 only, and a transparent pixel is black (0, 0, 0), so
// the picture reads the same whether a loader keys on the mask colour or on the alpha channel.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

Image MakeImage(int width, int height);
// Averages the samples of each pixel: a pixel at least half covered becomes opaque with the
// average colour of its painted samples, never pure black; any other pixel becomes transparent.
Image Resolve(const Canvas& canvas);
void Blit(Image& target, const Image& source, int x, int y);
Image ScaleUp(const Image& source, int factor); // for preview pictures only
