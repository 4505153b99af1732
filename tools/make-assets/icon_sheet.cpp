#include "icon_sheet.h"

#include <cmath>
#include <string>

#include "bitmap_font.h"

namespace {

constexpr int size = 16;
constexpr float c = 8; // frame centre

const Colour white = Rgb(240, 240, 240);
const Colour light = Rgb(196, 196, 204);
const Colour grey = Rgb(140, 140, 150);
const Colour dark = Rgb(44, 44, 52);
const Colour edge = Rgb(16, 16, 20);

// Most glyphs: a light shape with a one-pixel dark edge around it.
void Glyph(Canvas& k, const Shape& s, Colour fill = white) {
    PaintOutlined(k, s, fill, edge, 1.0f);
}

Shape Arrow(float degrees) {
    // Pointing up, then turned.
    Shape head = Polygon({{c, 2}, {c + 6, 8.5f}, {c - 6, 8.5f}});
    Shape stem = Box(c, 11, 2.2f, 3.5f);
    return Rotate(Union(head, stem), degrees, c, c);
}

Shape Tick() {
    return Union(Segment({3, 8.5f}, {6.5f, 12}, 1.5f), Segment({6.5f, 12}, {13, 4}, 1.5f));
}

Shape Cross() {
    return Union(Segment({4, 4}, {12, 12}, 1.6f), Segment({4, 12}, {12, 4}, 1.6f));
}

Shape Letter(char letter, float scale) {
    // A glyph of the bitmap font, each cell a little square, centred in the frame.
    std::vector<LitCell> cells = TextCells(std::string(1, letter));
    float left = c - 2.5f * scale, top = c - 3.5f * scale;
    Shape shape = Nothing();
    for (LitCell cell : cells) {
        shape =
            Union(shape, Rect(left + cell.column * scale, top + cell.row * scale, scale, scale));
    }
    return shape;
}

Shape Speaker(float shift) {
    return Union(Rect(1.5f + shift, 6, 3, 4),
                 Polygon({{4 + shift, 6}, {8 + shift, 2.5f}, {8 + shift, 13.5f}, {4 + shift, 10}}));
}

Shape Waves(int count) {
    Shape waves = Arc(8, c, 2.5f, 1.3f, -50, 50);
    if (count > 1) waves = Union(waves, Arc(8, c, 4.8f, 1.3f, -50, 50));
    if (count > 2) waves = Union(waves, Arc(8, c, 7.1f, 1.3f, -50, 50));
    return waves;
}

Shape Gear() {
    Shape teeth = Nothing();
    for (int i = 0; i < 8; ++i)
        teeth = Union(teeth, Rotate(Box(c, 2.5f, 1.5f, 2), i * 45.0f, c, c));
    return Subtract(Union(Circle(c, c, 5), teeth), Circle(c, c, 2));
}

Shape FilmStrip() {
    Shape strip = Rect(1, 2, 14, 12, 1);
    for (int i = 0; i < 4; ++i) {
        strip = Subtract(strip, Rect(2, 3 + i * 3, 1.2f, 1.6f));
        strip = Subtract(strip, Rect(12.8f, 3 + i * 3, 1.2f, 1.6f));
    }
    return strip;
}

Shape Pointer() {
    // The tip sits in the top-left pixel: the game draws this frame with its corner at the mouse.
    return Polygon({{0.5f, 0.5f},
                    {0.5f, 14.5f},
                    {4.2f, 11.2f},
                    {6.8f, 15.5f},
                    {9.4f, 14.3f},
                    {6.9f, 10.2f},
                    {11.6f, 10.2f}});
}

void DrawFrame(Canvas& k, int frame) {
    switch (frame) {
    case 0:
        Paint(k, Circle(c, c, 6.5f), Bevel(white, 2, c, c));
        break; // the engine test's sprite
    case 1:
        Glyph(k, Arrow(0));
        break;
    case 2:
        Glyph(k, Arrow(180));
        break;
    case 3: // key cap: a lit rim round a dark face that the key's name is written over
        PaintSolid(k, Box(c, c, 7.5f, 7.5f, 2.5f), edge);
        Paint(k, Box(c, c, 6.8f, 6.8f, 2), Bevel(light, 1.6f, c, c));
        Paint(k, Box(c, 7.4f, 4.8f, 4.6f, 1.5f), VerticalGradient(Rgb(70, 70, 80), dark, 3, 12));
        break;
    case 4:
        Glyph(k, Arrow(270));
        break;
    case 5:
        Glyph(k, Arrow(90));
        break;
    case 6:
        Glyph(k, Tick());
        break;
    case 7: // chart point, tinted by the chart
        PaintSolid(k, Circle(c, c, 4), grey);
        PaintSolid(k, Circle(c, c, 3), white);
        break;
    case 8: { // joystick hat: a four-way pad
        Shape pad = Union(Box(c, c, 7, 2.6f, 1), Box(c, c, 2.6f, 7, 1));
        PaintOutlined(k, pad, light, edge, 0.8f);
        PaintSolid(k, Circle(c, c, 1.6f), dark);
        for (int i = 0; i < 4; ++i)
            PaintSolid(
                k,
                Rotate(Polygon({{c, 1.8f}, {c + 1.6f, 3.8f}, {c - 1.6f, 3.8f}}), i * 90.0f, c, c),
                dark);
        break;
    }
    case 9: // analogue stick: a socket with the stick standing in it
        PaintOutlined(k, Circle(c, c + 1, 6.5f), grey, edge, 0.8f);
        PaintSolid(k, Circle(c, c + 1, 4.5f), dark);
        PaintSolid(k, Segment({c, c + 1}, {c + 2, c - 3}, 1.2f), light);
        PaintOutlined(k, Circle(c + 2, c - 3.5f, 3), white, edge, 0.8f);
        break;
    case 10: // round pad button, its label is written over the dark face
        PaintSolid(k, Circle(c, c, 7.6f), edge);
        Paint(k, Circle(c, c, 7), Bevel(light, 1.6f, c, c));
        PaintSolid(k, Circle(c, c, 5), dark);
        break;
    case 11: // a 4:3 screen
        Glyph(k, Subtract(Rect(2, 2, 12, 9, 1), Rect(3.5f, 3.5f, 9, 6)));
        PaintSolid(k, Rect(3.5f, 3.5f, 9, 6), Rgb(90, 110, 150));
        Glyph(k, Union(Rect(7, 11, 2, 2), Rect(4.5f, 13, 7, 1.5f)));
        break;
    case 12: // a widescreen
        Glyph(k, Subtract(Rect(0.5f, 3, 15, 8, 1), Rect(2, 4.5f, 12, 5)));
        PaintSolid(k, Rect(2, 4.5f, 12, 5), Rgb(90, 110, 150));
        Glyph(k, Union(Rect(7, 11, 2, 2), Rect(4.5f, 13, 7, 1.5f)));
        break;
    case 13: // windowed: a small window with a title bar
        Glyph(k, Rect(2.5f, 3.5f, 11, 9, 1));
        PaintSolid(k, Rect(3.5f, 6.5f, 9, 5), Rgb(90, 110, 150));
        PaintSolid(k, Rect(10.5f, 4.5f, 1.5f, 1.2f), dark);
        break;
    case 14: // full screen: four corners pushed out to the edges
        for (int i = 0; i < 4; ++i) {
            Shape corner = Union(Rect(1, 1, 5, 1.8f), Rect(1, 1, 1.8f, 5));
            corner = Union(corner, Segment({2, 2}, {5.5f, 5.5f}, 0.9f));
            Glyph(k, Rotate(corner, i * 90.0f, c, c));
        }
        break;
    case 15:
        Glyph(k, Cross());
        break;
    case 16:
        Glyph(k, Star(c, c + 0.6f, 7, 3, 5));
        break;
    case 17:
        Glyph(k, Heart(c, c + 0.5f, 13));
        break;
    case 18: // film strip with every frame drawn: all frames, the best renderer
        Glyph(k, FilmStrip(), light);
        for (int i = 0; i < 3; ++i)
            PaintSolid(k, Rect(4.2f, 3 + i * 3.6f, 7.6f, 2.8f), Rgb(250, 250, 250));
        break;
    case 19: // film strip with a frame left out: frame skipping, the second renderer
        Glyph(k, FilmStrip(), light);
        PaintSolid(k, Rect(4.2f, 3, 7.6f, 2.8f), Rgb(250, 250, 250));
        PaintSolid(k, Rect(4.2f, 10.2f, 7.6f, 2.8f), Rgb(250, 250, 250));
        PaintSolid(k, Segment({5, 8}, {11, 8}, 0.6f), edge);
        break;
    case 20: { // a lifebuoy: the fallback renderer
        PaintSolid(k, Circle(c, c, 7.6f), edge);
        Shape ring = Ring(c, c, 5, 4.6f);
        PaintSolid(k, ring, white);
        for (int i = 0; i < 4; ++i)
            PaintSolid(k, Intersect(ring, Rotate(Box(c, c, 1.6f, 8), 45.0f + i * 90, c, c)), grey);
        PaintSolid(k, Ring(c, c, 2.6f, 0.8f), edge);
        break;
    }
    case 21: // left half of a slider track
        PaintSolid(k, Box(12, c, 11, 3, 3), edge);
        PaintSolid(k, Box(12, c, 10, 2, 2), light);
        PaintSolid(k, Box(12, c + 0.5f, 9, 0.6f), grey);
        break;
    case 22: // right half
        PaintSolid(k, Box(4, c, 11, 3, 3), edge);
        PaintSolid(k, Box(4, c, 10, 2, 2), light);
        PaintSolid(k, Box(4, c + 0.5f, 9, 0.6f), grey);
        break;
    case 23: // slider knob
        PaintSolid(k, Box(c, c, 3.8f, 7.5f, 2), edge);
        Paint(k, Box(c, c, 3, 6.7f, 1.6f), Bevel(white, 1.3f, c, c));
        PaintSolid(k, Box(c, c, 1.6f, 0.5f), grey);
        break;
    case 24:
        Glyph(k, Union(Speaker(0), Waves(1)));
        break;
    case 25:
        Glyph(k, Union(Speaker(0), Waves(2)));
        break;
    case 26:
        Glyph(k, Union(Speaker(0), Waves(3)));
        break;
    case 27: // headphones
        Glyph(k, Union(Union(Arc(c, 9, 6, 1.6f, 180, 360), Rect(1.5f, 8.5f, 3.5f, 6, 1)),
                       Rect(11, 8.5f, 3.5f, 6, 1)));
        break;
    case 28: // loudspeaker cabinet
        Glyph(k, Rect(3, 1, 10, 14, 1.5f), light);
        PaintSolid(k, Circle(c, 4.8f, 1.8f), dark);
        PaintSolid(k, Circle(c, 10.2f, 3.2f), dark);
        PaintSolid(k, Circle(c, 10.2f, 1.2f), grey);
        break;
    case 29:
        Glyph(k, Union(Speaker(0), Union(Segment({10, 5.5f}, {14, 10.5f}, 0.9f),
                                         Segment({10, 10.5f}, {14, 5.5f}, 0.9f))));
        break; // silent driver
    case 30:
        Glyph(k, Union(Box(c, c, 6, 1.8f), Box(c, c, 1.8f, 6)));
        break;
    case 31:
        Glyph(k, Box(c, c, 6, 1.8f));
        break;
    case 32:
        Glyph(k, Letter('?', 2));
        break;
    case 33:
        Glyph(k, Letter('!', 2));
        break;
    case 34:
        Glyph(k, Gear(), light);
        break;
    case 35:
        Glyph(k,
              Subtract(Union(Polygon({{c, 1.5f}, {14.5f, 8}, {1.5f, 8}}), Rect(3.5f, 7, 9, 7.5f)),
                       Rect(6.8f, 10, 2.4f, 4.6f)));
        break;
    case 36: // padlock
        Glyph(k, Arc(c, 7, 3.6f, 1.6f, 180, 360));
        Glyph(k, Union(Segment({4.4f, 7}, {4.4f, 8}, 0.8f), Segment({11.6f, 7}, {11.6f, 8}, 0.8f)));
        Glyph(k, Rect(3, 7.5f, 10, 7, 1), light);
        PaintSolid(k, Circle(c, 10.5f, 1.2f), dark);
        break;
    case 37:
        Glyph(k, Union(Union(Ellipse(5, 12, 2.8f, 2.1f), Ellipse(11.5f, 10.5f, 2.8f, 2.1f)),
                       Union(Union(Rect(6.6f, 2.5f, 1.4f, 9.5f), Rect(13.1f, 1, 1.4f, 9.5f)),
                             Polygon({{6.6f, 2.5f}, {14.5f, 1}, {14.5f, 3.5f}, {6.6f, 5}}))));
        break;
    case 38:
        Glyph(k, Ring(c, c, 5.5f, 2));
        break;
    case 39:
        Glyph(k, Ring(c, c, 5.5f, 2));
        PaintSolid(k, Circle(c, c, 2.5f), white);
        break;
    case 40:
        Glyph(k, Subtract(Rect(2, 2, 12, 12, 1.5f), Rect(4, 4, 8, 8)));
        break;
    case 41:
        Glyph(k, Subtract(Rect(2, 2, 12, 12, 1.5f), Rect(4, 4, 8, 8)));
        Glyph(k, Tick());
        break;
    case 42:
        Glyph(k, Union(Polygon({{1, c}, {8, 3}, {8, 13}}),
                       Polygon({{7.5f, c}, {14.5f, 3}, {14.5f, 13}})));
        break;
    case 43:
        Glyph(k, Union(Polygon({{15, c}, {8, 3}, {8, 13}}),
                       Polygon({{8.5f, c}, {1.5f, 3}, {1.5f, 13}})));
        break;
    case 44:
        Glyph(k, Polygon({{4, 2}, {13.5f, c}, {4, 14}}));
        break;
    case 45:
        Glyph(k, Union(Rect(3.5f, 2.5f, 3, 11), Rect(9.5f, 2.5f, 3, 11)));
        break;
    case 46:
        Glyph(k, Rect(3, 3, 10, 10, 1));
        break;
    case 47: { // go round again
        Shape arc = Arc(c, c, 5, 2.2f, -60, 230);
        Point tip = Turned({c + 5, c}, -60, {c, c});
        Glyph(k, Union(arc, Polygon({{tip.x - 3.5f, tip.y - 1.2f},
                                     {tip.x + 2.8f, tip.y - 2.2f},
                                     {tip.x + 0.6f, tip.y + 3.4f}})));
        break;
    }
    case 48:
        Glyph(k, Union(Ring(6.5f, 6.5f, 4, 2), Segment({9.5f, 9.5f}, {13.5f, 13.5f}, 1.5f)));
        break;
    case 49:
        Glyph(k, Circle(c, c, 6.5f));
        PaintSolid(k, Union(Segment({c, c}, {c, 3.8f}, 0.8f), Segment({c, c}, {11, c}, 0.8f)),
                   dark);
        break;
    case 50: // trophy
        Glyph(k, Union(Union(Polygon({{3, 2}, {13, 2}, {11.5f, 7.5f}, {c, 10}, {4.5f, 7.5f}}),
                             Rect(7, 9, 2, 3)),
                       Rect(4.5f, 12, 7, 2.5f, 0.5f)));
        PaintSolid(k, Union(Arc(3.5f, 4.8f, 2, 1, 90, 270), Arc(12.5f, 4.8f, 2, 1, -90, 90)),
                   white);
        break;
    case 51: // hammer
        Glyph(k, Rotate(Box(c, 10, 1.3f, 5), 40, c, c), Rgb(200, 150, 100));
        Glyph(k, Rotate(Box(c, 3.5f, 5, 2.4f, 0.5f), 40, c, c), light);
        break;
    case 52:
        Paint(k, Rect(2, 2, 12, 12, 1.5f), Bevel(light, 2.5f, c, c));
        break;
    case 53:
        Glyph(k, Circle(c, c, 6.5f), Rgb(240, 200, 70));
        PaintSolid(k, Ring(c, c, 4.2f, 0.9f), Rgb(190, 140, 30));
        break;
    case 54:
        Glyph(k, Polygon({{4, 3}, {12, 3}, {15, 7}, {c, 14.5f}, {1, 7}}), Rgb(140, 210, 255));
        PaintSolid(k, Polygon({{4, 3}, {12, 3}, {15, 7}, {1, 7}}), Rgb(210, 240, 255));
        break;
    case 55:
        Glyph(k, Union(Rect(2.5f, 1.5f, 1.8f, 13.5f), Polygon({{4, 2}, {14, 4.8f}, {4, 8.5f}})));
        break;
    case 56:
        Glyph(k, Intersect(Circle(c, 14, 9.5f), Circle(c, 2, 9.5f)));
        PaintSolid(k, Circle(c, c, 2.6f), dark);
        PaintSolid(k, Circle(c - 0.8f, c - 0.8f, 0.8f), white);
        break;
    case 57:
        Glyph(k, Circle(c, c, 7), Rgb(110, 150, 230));
        PaintSolid(k, Union(Circle(c, 4.5f, 1.2f), Rect(7, 6.5f, 2, 6)), white);
        break;
    case 58:
        Glyph(k, Arrow(45));
        break;
    case 59:
        Glyph(k, Union(Arc(c, 8.5f, 5, 2, -50, 230), Segment({c, 2}, {c, 8}, 1.1f)));
        break;
    case 60: // bell
        Glyph(k,
              Union(Union(Polygon({{c, 2}, {12, 5}, {13, 11.5f}, {3, 11.5f}, {4, 5}}),
                          Rect(2, 11, 12, 1.8f, 0.8f)),
                    Circle(c, 13.5f, 1.6f)),
              Rgb(240, 210, 90));
        break;
    case 61:
        Glyph(k, Polygon({{10, 0.8f}, {3, 9}, {7.5f, 9}, {5.5f, 15.2f}, {13, 6.5f}, {8.5f, 6.5f}}),
              Rgb(250, 230, 90));
        break;
    case 62:
        Glyph(k, Ring(c, c, 5, 1.4f));
        Glyph(k, Union(Union(Rect(7.3f, 1, 1.4f, 4), Rect(7.3f, 11, 1.4f, 4)),
                       Union(Rect(1, 7.3f, 4, 1.4f), Rect(11, 7.3f, 4, 1.4f))));
        break;
    case 63: // the mouse pointer
        PaintSolid(k, Grow(Pointer(), 0.0f), edge);
        PaintSolid(k, Grow(Pointer(), -1.0f), white);
        break;
    }
}

} // namespace

Image MakeIconSheet() {
    Image sheet = MakeImage(16 * size, 4 * size);
    for (int frame = 0; frame < 64; ++frame) {
        Canvas k = MakeCanvas(size, size, 4);
        DrawFrame(k, frame);
        Blit(sheet, Resolve(k), (frame % 16) * size, (frame / 16) * size);
    }
    return sheet;
}
