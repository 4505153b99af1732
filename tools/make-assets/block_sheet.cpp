#include "block_sheet.h"

#include <cmath>

namespace {

constexpr int cell = 32;
constexpr int factor = 4;
constexpr float mid = cell / 2.0f;

const Colour outline = Rgb(18, 14, 24);

// Block colours, picked to differ in lightness as well as hue, and each with its own mark so a
// player who cannot tell two colours apart can still tell the blocks apart.
const Colour blockColours[8] = {
    Rgb(214, 48, 44),   // 1 red: dot
    Rgb(52, 104, 222),  // 2 blue: ring
    Rgb(58, 176, 64),   // 3 green: plus
    Rgb(240, 204, 52),  // 4 yellow: triangle
    Rgb(146, 70, 200),  // 5 purple: diamond
    Rgb(238, 128, 34),  // 6 orange: bars
    Rgb(60, 200, 206),  // 7 cyan: cross
    Rgb(226, 226, 232), // 8 white: square
};

Shape Mark(int colour) {
    switch (colour) {
    case 0:
        return Circle(mid, mid, 4.5f);
    case 1:
        return Ring(mid, mid, 5.0f, 2.6f);
    case 2:
        return Union(Box(mid, mid, 6.5f, 1.6f), Box(mid, mid, 1.6f, 6.5f));
    case 3:
        return Polygon({{mid, mid - 6.5f}, {mid + 6.8f, mid + 5.0f}, {mid - 6.8f, mid + 5.0f}});
    case 4:
        return Polygon({{mid, mid - 7}, {mid + 7, mid}, {mid, mid + 7}, {mid - 7, mid}});
    case 5:
        return Union(Union(Box(mid, mid - 5, 6.5f, 1.3f), Box(mid, mid, 6.5f, 1.3f)),
                     Box(mid, mid + 5, 6.5f, 1.3f));
    case 6:
        return Union(Segment({mid - 5, mid - 5}, {mid + 5, mid + 5}, 1.6f),
                     Segment({mid - 5, mid + 5}, {mid + 5, mid - 5}, 1.6f));
    default:
        return Subtract(Box(mid, mid, 5.5f, 5.5f), Box(mid, mid, 2.5f, 2.5f));
    }
}

Image Block(int colour) {
    Canvas c = MakeCanvas(cell, cell, factor);
    Colour base = blockColours[colour];
    Shape tile = Box(mid, mid, mid, mid, 2.5f);
    PaintSolid(c, tile, Scaled(base, 0.42f));
    Shape face = Grow(tile, -1.0f);
    Paint(c, face, Bevel(base, 4.0f, mid, mid));
    // A soft top-to-bottom shade on the face gives the block some volume.
    Shape inner = Box(mid, mid, mid - 5, mid - 5, 1.5f);
    Paint(c, inner, VerticalGradient(Scaled(base, 1.08f), Scaled(base, 0.9f), 5, cell - 5));
    // The mark is pressed into the face: a dark edge above-left, a light one below-right.
    Shape mark = Mark(colour);
    PaintSolid(c, Move(mark, -1.0f, -1.0f), Scaled(base, 0.4f));
    PaintSolid(c, Move(mark, 1.0f, 1.0f), Scaled(base, 1.45f));
    PaintSolid(c, mark, Scaled(base, colour == 7 ? 0.6f : 0.66f));
    // A glint on the top-left corner.
    PaintSolid(c, Segment({5, 4.5f}, {10, 4.5f}, 0.8f), Rgb(255, 255, 255, 0.6f));
    return Resolve(c);
}

// A head at angle degrees (clockwise from the right) of a circle, pointing clockwise.
Shape ArrowHead(float cx, float cy, float r, float degrees, float size) {
    float a = degrees * 3.14159265f / 180.0f;
    Point at{cx + r * std::cos(a), cy + r * std::sin(a)};
    Point along{-std::sin(a), std::cos(a)};
    Point out{std::cos(a), std::sin(a)};
    return Polygon({{at.x + along.x * size, at.y + along.y * size},
                    {at.x + out.x * size, at.y + out.y * size},
                    {at.x - out.x * size, at.y - out.y * size}});
}

void Coin(Canvas& c) {
    Shape disc = Circle(mid, mid, 11);
    PaintSolid(c, Grow(disc, 1.2f), outline);
    Paint(c, disc, Bevel(Rgb(236, 184, 40), 2.5f, mid, mid));
    PaintSolid(c, Ring(mid, mid, 7.5f, 1.2f), Rgb(190, 130, 20));
    Paint(c, Star(mid, mid, 5.5f, 2.4f, 5), Solid(Rgb(255, 234, 120)));
    PaintSolid(c, Segment({mid - 6, mid - 6}, {mid - 3, mid - 8.5f}, 1.0f), Rgb(255, 250, 210));
}

void Gem(Canvas& c) {
    Point top[] = {{mid - 8, 9}, {mid + 8, 9}, {mid + 12, 14}, {mid, 27}, {mid - 12, 14}};
    Shape gem = Polygon({top[0], top[1], top[2], top[3], top[4]});
    PaintSolid(c, Grow(gem, 1.2f), outline);
    Colour blue = Rgb(60, 150, 255);
    PaintSolid(c, gem, blue);
    // Facets: a light table on top, darker sides below.
    PaintSolid(c, Polygon({{mid - 8, 9}, {mid + 8, 9}, {mid + 12, 14}, {mid - 12, 14}}),
               Rgb(150, 210, 255));
    PaintSolid(c, Polygon({{mid - 4, 9}, {mid + 4, 9}, {mid + 6, 14}, {mid - 6, 14}}),
               Rgb(210, 240, 255));
    PaintSolid(c, Polygon({{mid - 12, 14}, {mid - 6, 14}, {mid, 27}}), Rgb(40, 110, 220));
    PaintSolid(c, Polygon({{mid + 6, 14}, {mid + 12, 14}, {mid, 27}}), Rgb(30, 80, 180));
    PaintSolid(c, Polygon({{mid - 6, 14}, {mid + 6, 14}, {mid, 27}}), Rgb(70, 160, 255));
    PaintSolid(c, Circle(mid - 5, 11.5f, 1.2f), Rgb(255, 255, 255));
}

void Hammer(Canvas& c, float cx, float cy, float scale) {
    Shape handle = Rotate(Box(cx, cy + 4 * scale, 1.8f * scale, 9 * scale, 1), 40, cx, cy);
    Shape head = Rotate(Box(cx, cy - 6 * scale, 7 * scale, 3.6f * scale, 1), 40, cx, cy);
    PaintSolid(c, Grow(Union(handle, head), 1.2f), outline);
    Paint(c, handle, Bevel(Rgb(170, 110, 60), 1.2f, cx, cy));
    Paint(c, head, Bevel(Rgb(170, 176, 190), 1.6f, cx, cy - 6 * scale));
}

void Refill(Canvas& c) {
    Hammer(c, 13, 16, 1.0f);
    Shape plus = Union(Box(24, 9, 6, 2.2f, 0.5f), Box(24, 9, 2.2f, 6, 0.5f));
    PaintSolid(c, Grow(plus, 1.2f), outline);
    Paint(c, plus, Bevel(Rgb(80, 230, 90), 1.2f, 24, 9));
}

void Converter(Canvas& c) {
    // Two arrows chasing each other round a circle: blocks turn into prizes.
    Colour violet = Rgb(226, 96, 230);
    float r = 8.5f;
    Shape arcs = Union(Arc(mid, mid, r, 3.6f, 195, 320), Arc(mid, mid, r, 3.6f, 15, 140));
    Shape heads = Union(ArrowHead(mid, mid, r, 320, 5.5f), ArrowHead(mid, mid, r, 140, 5.5f));
    Shape swirl = Union(arcs, heads);
    PaintSolid(c, Grow(swirl, 1.2f), outline);
    Paint(c, swirl, Bevel(violet, 1.2f, mid, mid));
    PaintSolid(c, Grow(Circle(mid, mid, 2.6f), 1.2f), outline);
    PaintSolid(c, Circle(mid, mid, 2.6f), Rgb(255, 210, 255));
}

void StarItem(Canvas& c) {
    Shape star = Star(mid, mid + 1, 13, 5.5f, 5);
    PaintSolid(c, Grow(star, 1.2f), outline);
    Paint(c, star, Bevel(Rgb(255, 214, 40), 2.2f, mid, mid));
    PaintSolid(c, Circle(mid - 2, mid - 2, 1.4f), Rgb(255, 255, 220));
}

void HeartItem(Canvas& c) {
    Shape heart = Heart(mid, mid + 1, 24);
    PaintSolid(c, Grow(heart, 1.2f), outline);
    Paint(c, heart, Bevel(Rgb(240, 70, 120), 2.2f, mid, mid));
    PaintSolid(c, Circle(mid - 7, mid - 5, 1.8f), Rgb(255, 210, 225));
}

void KeyItem(Canvas& c) {
    Shape bow = Subtract(Circle(10, 12, 6.5f), Circle(10, 12, 2.8f));
    Shape shaft = Box(20, 12, 8.5f, 2);
    Shape teeth = Union(Box(25, 16, 1.6f, 3), Box(20.5f, 15.5f, 1.6f, 2.5f));
    Shape key = Rotate(Union(Union(bow, shaft), teeth), 35, mid, mid);
    PaintSolid(c, Grow(key, 1.2f), outline);
    Paint(c, key, Bevel(Rgb(230, 190, 60), 1.5f, mid, mid));
}

void Flask(Canvas& c) {
    Shape bulb = Circle(mid, 20, 9);
    Shape neck = Box(mid, 8, 3.2f, 5, 0.5f);
    Shape flask = Union(bulb, neck);
    PaintSolid(c, Grow(flask, 1.2f), outline);
    PaintSolid(c, flask, Rgb(200, 220, 235));
    PaintSolid(c, Intersect(Grow(bulb, -1.6f), Rect(0, 17, cell, cell)), Rgb(90, 220, 90));
    PaintSolid(c, Circle(mid - 3, 22, 1.5f), Rgb(200, 255, 200));
    PaintSolid(c, Circle(mid + 3, 25, 1.0f), Rgb(200, 255, 200));
    PaintSolid(c, Box(mid, 3.5f, 4.2f, 1.5f, 0.5f), Rgb(160, 100, 60));
    PaintSolid(c, Segment({mid - 5.5f, 16}, {mid - 6.5f, 20}, 0.9f), Rgb(255, 255, 255));
}

Image Item(int value) {
    Canvas c = MakeCanvas(cell, cell, factor);
    switch (value) {
    case 9:
        Coin(c);
        break;
    case 10:
        Gem(c);
        break;
    case 11:
        Refill(c);
        break;
    case 12:
        Converter(c);
        break;
    case 13:
        StarItem(c);
        break;
    case 14:
        HeartItem(c);
        break;
    case 15:
        KeyItem(c);
        break;
    default:
        Flask(c);
        break;
    }
    return Resolve(c);
}

} // namespace

Image MakeBlockSheet() {
    Image sheet = MakeImage(8 * cell, 2 * cell);
    for (int i = 0; i < 8; ++i) {
        Blit(sheet, Block(i), i * cell, 0);
        Blit(sheet, Item(9 + i), i * cell, cell);
    }
    return sheet;
}
