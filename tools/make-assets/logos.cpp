#include "logos.h"

#include <string>

#include "bitmap_font.h"

namespace {

const Colour edge = Rgb(16, 12, 24);

void Lettering(Canvas& c, const std::string& text, float centreX, float top, float cell,
               Colour upper, Colour lower) {
    float left = centreX - TextColumns(text) * cell / 2;
    // Every cell's outline first, then the faces, so the outline only shows round the letters.
    for (LitCell lit : TextCells(text)) {
        PaintSolid(
            c, Rect(left + lit.column * cell - 2, top + lit.row * cell - 2, cell + 4, cell + 4, 2),
            edge);
    }
    for (LitCell lit : TextCells(text)) {
        Shape square =
            Rect(left + lit.column * cell, top + lit.row * cell, cell, cell, cell * 0.15f);
        Paint(c, square, VerticalGradient(upper, lower, top, top + fontRows * cell));
    }
}

} // namespace

Image MakeFrameworkLogo() {
    Canvas c = MakeCanvas(256, 128, 4);
    float cx = 128, cy = 44;
    // A hexagonal shield with a gold rim, and a "W" of two interlocking chevrons on it.
    std::vector<Point> hex;
    for (int i = 0; i < 6; ++i) hex.push_back(Turned({cx, cy - 38}, i * 60.0f, {cx, cy}));
    Shape shield = Polygon(hex);
    PaintSolid(c, Grow(shield, 2), edge);
    Paint(c, shield, Bevel(Rgb(230, 180, 60), 4, cx, cy));
    Shape face = Grow(shield, -5);
    Paint(c, face, VerticalGradient(Rgb(40, 70, 150), Rgb(16, 28, 80), cy - 33, cy + 33));
    Shape w = Union(Union(Segment({cx - 19, cy - 14}, {cx - 9, cy + 15}, 4),
                          Segment({cx - 9, cy + 15}, {cx, cy - 6}, 4)),
                    Union(Segment({cx, cy - 6}, {cx + 9, cy + 15}, 4),
                          Segment({cx + 9, cy + 15}, {cx + 19, cy - 14}, 4)));
    PaintSolid(c, Grow(w, 1.5f), edge);
    Paint(c, w, VerticalGradient(Rgb(255, 255, 255), Rgb(150, 210, 255), cy - 18, cy + 19));
    PaintSolid(c, Circle(cx, cy - 22, 3), Rgb(255, 220, 100));
    Lettering(c, "WEKLOFT", cx, 90, 4.6f, Rgb(255, 236, 150), Rgb(230, 150, 40));
    return Resolve(c);
}

Image MakeSiteLogo() {
    Canvas c = MakeCanvas(256, 128, 4);
    // Three cubes tumbling down a slope, each turned further than the last.
    const Colour colours[3] = {Rgb(240, 90, 80), Rgb(90, 200, 110), Rgb(80, 150, 240)};
    for (int i = 0; i < 3; ++i) {
        float x = 80 + i * 48.0f, y = 30 + i * 10.0f, half = 16 - i * 1.5f;
        float turn = i * 25.0f;
        Shape cube = Rotate(Box(x, y, half, half, 4), turn, x, y);
        PaintSolid(c, Grow(cube, 2), edge);
        Paint(c, cube, Bevel(colours[i], 4, x, y));
        PaintSolid(c, Rotate(Box(x, y, 4, 4, 1), turn, x, y), Scaled(colours[i], 1.4f));
    }
    // Motion marks behind the first cube.
    for (int i = 0; i < 3; ++i) {
        PaintSolid(c, Segment({36, 22.0f + i * 8}, {52, 22.0f + i * 8}, 1.6f), Rgb(200, 200, 220));
    }
    Lettering(c, "TUMBLIX", 128, 80, 5, Rgb(250, 250, 255), Rgb(150, 170, 220));
    return Resolve(c);
}

Image MakeTitleLogo() {
    Canvas c = MakeCanvas(640, 200, 3);
    constexpr float cell = 12;
    // Every pixel of the lettering is a little bevelled block, in the colours of the board.
    const Colour palette[8] = {Rgb(214, 48, 44),  Rgb(238, 128, 34), Rgb(240, 204, 52),
                               Rgb(58, 176, 64),  Rgb(60, 200, 206), Rgb(52, 104, 222),
                               Rgb(146, 70, 200), Rgb(226, 96, 170)};
    struct Line {
        std::string text;
        float left, top;
    };
    const Line lines[2] = {{"BODGER", 40, 8}, {"THUMP", 640 - 40 - 29 * cell, 8 + 8 * cell + 4}};
    int letterIndex = 0;
    for (const Line& line : lines) {
        for (size_t i = 0; i < line.text.size(); ++i, ++letterIndex) {
            Colour base = palette[letterIndex % 8];
            for (LitCell lit : TextCells(std::string(1, line.text[i]))) {
                float x = line.left + (static_cast<int>(i) * 6 + lit.column) * cell;
                float y = line.top + lit.row * cell;
                // A drop shadow down and right, then the block with its dark seam.
                PaintSolid(c, Rect(x + 4, y + 5, cell, cell, 2), Rgb(30, 20, 50));
                PaintSolid(c, Rect(x, y, cell, cell, 2), Scaled(base, 0.35f));
                Paint(c, Rect(x + 0.8f, y + 0.8f, cell - 1.6f, cell - 1.6f, 1.6f),
                      Bevel(base, 2.6f, x + cell / 2, y + cell / 2));
            }
        }
    }
    // A mallet swinging down at the second line's first letter.
    Point hand{150, 170};
    Shape handle = Segment(hand, {190, 120}, 5);
    // The head lies across the handle, its striking face toward the letters.
    Shape head = Rotate(Box(194, 116, 24, 14, 4), 39, 194, 116);
    PaintSolid(c, Grow(Union(handle, head), 3), edge);
    Paint(c, handle, Bevel(Rgb(180, 120, 60), 2.5f, 170, 145));
    Paint(c, head, Bevel(Rgb(180, 186, 200), 5, 194, 116));
    PaintSolid(c, Rotate(Box(190, 112, 16, 3, 1.5f), 39, 194, 116), Rgb(225, 230, 240));
    for (int i = 0; i < 3; ++i) {
        Point from = Turned({226, 134}, i * 28.0f - 28, {200, 122});
        Point to = Turned({238, 142}, i * 28.0f - 28, {200, 122});
        PaintSolid(c, Segment(from, to, 2), Rgb(255, 240, 120));
    }
    return Resolve(c);
}
