#include "badge_sheet.h"

#include <string>

#include "bitmap_font.h"

namespace {

constexpr int frameSize = 64;
constexpr float cx = 32, cy = 38;

const Colour edge = Rgb(18, 14, 24);
const Colour emblemColour = Rgb(255, 250, 235);

// Rim metals by row: bronze, silver, gold, and a blue-white for the rarest.
const Colour metals[4] = {Rgb(200, 124, 64), Rgb(196, 204, 216), Rgb(244, 196, 60),
                          Rgb(170, 220, 255)};
const Colour faces[8] = {Rgb(200, 50, 50),  Rgb(50, 100, 210), Rgb(50, 160, 70), Rgb(140, 60, 190),
                         Rgb(230, 120, 30), Rgb(40, 170, 180), Rgb(90, 90, 110), Rgb(210, 70, 150)};

Shape LetterShape(char letter, float cell) {
    Shape shape = Nothing();
    float left = cx - 2.5f * cell, top = cy - 3.5f * cell;
    for (LitCell lit : TextCells(std::string(1, letter))) {
        shape =
            Union(shape, Rect(left + lit.column * cell, top + lit.row * cell, cell, cell, 0.6f));
    }
    return shape;
}

Shape Emblem(int badge) {
    switch (badge) {
    case 0:
        return Star(cx, cy + 1, 13, 5.5f, 5);
    case 1: // mallet
        return Rotate(Union(Box(cx, cy + 4, 2.2f, 10), Box(cx, cy - 7, 9, 4.5f, 1)), 35, cx, cy);
    case 2:
        return Subtract(Box(cx, cy, 10, 10, 2), Box(cx, cy, 4, 4));
    case 3:
        return Polygon({{cx - 7, cy - 9},
                        {cx + 7, cy - 9},
                        {cx + 12, cy - 3},
                        {cx, cy + 12},
                        {cx - 12, cy - 3}});
    case 4:
        return Heart(cx, cy + 1, 24);
    case 5:
        return Polygon({{cx + 3, cy - 14},
                        {cx - 9, cy + 2},
                        {cx - 1, cy + 2},
                        {cx - 4, cy + 14},
                        {cx + 9, cy - 3},
                        {cx + 1, cy - 3}});
    case 6:
        return Union(Polygon({{cx - 11, cy}, {cx + 11, cy}, {cx, cy + 12}}),
                     Box(cx, cy - 6, 4.5f, 7));
    case 7:
        return Union(Segment({cx - 9, cy}, {cx - 3, cy + 7}, 3),
                     Segment({cx - 3, cy + 7}, {cx + 10, cy - 8}, 3));
    case 8:
        return Polygon({{cx - 12, cy + 8},
                        {cx - 13, cy - 8},
                        {cx - 6, cy - 1},
                        {cx, cy - 11},
                        {cx + 6, cy - 1},
                        {cx + 13, cy - 8},
                        {cx + 12, cy + 8}});
    case 9:
        return LetterShape('1', 3.4f);
    case 10:
        return Union(Circle(cx, cy + 3, 8),
                     Polygon({{cx - 8, cy + 3}, {cx, cy - 15}, {cx + 8, cy + 3}})); // a drop
    case 11:
        return Union(Ring(cx, cy, 9, 3), Union(Segment({cx, cy}, {cx, cy - 6}, 1.6f),
                                               Segment({cx, cy}, {cx + 5, cy}, 1.6f)));
    case 12:
        return Polygon(
            {{cx - 10, cy - 11}, {cx + 10, cy - 11}, {cx + 10, cy}, {cx, cy + 12}, {cx - 10, cy}});
    case 13:
        return Star(cx, cy, 14, 4, 4, -90);
    case 14:
        return Union(Ring(cx, cy, 10, 3.2f), Circle(cx, cy, 3.8f)); // bullseye
    default:
        return Union(Union(Polygon({{cx - 10, cy - 11},
                                    {cx + 10, cy - 11},
                                    {cx + 7, cy - 1},
                                    {cx, cy + 3},
                                    {cx - 7, cy - 1}}),
                           Box(cx, cy + 6, 2, 4)),
                     Box(cx, cy + 11, 7, 2.2f, 0.8f)); // cup
    }
}

Image Badge(int badge) {
    Canvas c = MakeCanvas(frameSize, frameSize, 4);
    Colour metal = metals[badge / 4];
    Colour face = faces[(badge * 3) % 8];
    Colour ribbon = faces[(badge * 3 + 5) % 8];
    // Two ribbon tails behind the medal.
    Shape left = Polygon({{14, 2}, {26, 2}, {34, 22}, {24, 26}});
    Shape right = Polygon({{50, 2}, {38, 2}, {30, 22}, {40, 26}});
    PaintOutlined(c, left, ribbon, edge, 1.5f);
    PaintOutlined(c, right, Scaled(ribbon, 0.8f), edge, 1.5f);
    PaintSolid(c, Segment({20, 3}, {28, 22}, 1.2f), Scaled(ribbon, 1.3f));
    Shape disc = Circle(cx, cy, 23);
    PaintSolid(c, Grow(disc, 1.5f), edge);
    Paint(c, disc, Bevel(metal, 4, cx, cy));
    PaintSolid(c, Circle(cx, cy, 18.5f), Scaled(metal, 0.6f));
    Paint(c, Circle(cx, cy, 17.5f),
          VerticalGradient(Scaled(face, 1.15f), Scaled(face, 0.8f), cy - 18, cy + 18));
    Shape emblem = Emblem(badge);
    PaintSolid(c, Move(Grow(emblem, 1.5f), 1, 1.5f), Scaled(face, 0.45f));
    PaintSolid(c, Grow(emblem, 1.2f), edge);
    Paint(c, emblem, VerticalGradient(emblemColour, Scaled(metal, 1.1f), cy - 14, cy + 14));
    PaintSolid(c, Segment({cx - 14, cy - 12}, {cx - 8, cy - 17}, 1.3f), Rgb(255, 255, 255, 0.5f));
    return Resolve(c);
}

} // namespace

Image MakeBadgeSheet() {
    Image sheet = MakeImage(4 * frameSize, 4 * frameSize);
    for (int badge = 0; badge < 16; ++badge) {
        Blit(sheet, Badge(badge), (badge % 4) * frameSize, (badge / 4) * frameSize);
    }
    return sheet;
}
