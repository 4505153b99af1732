#include "character_sheet.h"

#include <cmath>

namespace {

constexpr int frameSize = 64;

const Colour edge = Rgb(20, 16, 26);
const Colour skin = Rgb(244, 198, 160);
const Colour hat = Rgb(250, 196, 40);
const Colour shirt = Rgb(226, 96, 52);
const Colour overalls = Rgb(58, 92, 196);
const Colour boots = Rgb(112, 70, 40);
const Colour wood = Rgb(182, 124, 66);
const Colour steel = Rgb(176, 182, 198);

// One pose. Angles are degrees from straight up, clockwise (toward the front).
struct Pose {
    float bob = 0;     // body lowered by this many pixels
    float lean = 0;    // head and shoulders pushed forward
    float backLeg = 0; // leg swing from straight down; positive forward
    float frontLeg = 0;
    float lift = 0;      // both feet lifted (falling)
    float arm = 110;     // the mallet arm
    float handle = -60;  // the mallet's handle; the default rests it on the shoulder
    float backArm = 190; // the free arm
    bool blink = false;
    bool open = false;   // mouth open (surprise or effort)
    bool impact = false; // sparks where the mallet lands
};

Point Reach(Point from, float degrees, float length) {
    float a = degrees * 3.14159265f / 180.0f;
    return {from.x + std::sin(a) * length, from.y - std::cos(a) * length};
}

void Limb(Canvas& c, Point a, Point b, float r, Colour colour) {
    PaintOutlined(c, Segment(a, b, r), colour, edge, 1.2f);
}

void Mallet(Canvas& c, Point hand, float degrees) {
    Point end = Reach(hand, degrees, 16);
    Shape handle = Segment(Reach(hand, degrees, -3), end, 1.6f);
    Point head = Reach(hand, degrees, 18);
    Shape block = Rotate(Box(head.x, head.y, 6.5f, 4, 1.2f), degrees, head.x, head.y);
    PaintOutlined(c, handle, wood, edge, 1.2f);
    PaintSolid(c, Grow(block, 1.2f), edge);
    Paint(c, block, Bevel(steel, 1.6f, head.x, head.y));
}

Image Draw(const Pose& p) {
    Canvas c = MakeCanvas(frameSize, frameSize, 4);
    float cx = 31;
    float hipY = 51 + p.bob - p.lift;
    Point hip{cx, hipY};
    Point shoulder{cx + 1 + p.lean * 0.5f, 40 + p.bob - p.lift * 0.6f};
    Point headCentre{cx + 2 + p.lean, 29 + p.bob - p.lift * 0.6f};
    float legLength = 62.5f - 51;

    // Back to front: free arm, back leg, front leg, body, head, mallet arm and mallet.
    Point backHand = Reach({shoulder.x - 2, shoulder.y + 1}, p.backArm, 9);
    Limb(c, {shoulder.x - 2, shoulder.y + 1}, backHand, 2.2f, Scaled(shirt, 0.8f));
    PaintOutlined(c, Circle(backHand.x, backHand.y, 2.2f), Scaled(skin, 0.85f), edge, 1.2f);
    auto leg = [&](float swing, float dx, float shade) {
        Point top{hip.x + dx, hip.y};
        Point foot = Reach(top, 180 - swing, legLength - 2.5f);
        Limb(c, top, foot, 2.6f, Scaled(overalls, shade));
        Shape boot = Box(foot.x + 1.8f, foot.y + 1.2f, 4.2f, 2.4f, 1.8f);
        PaintOutlined(c, boot, Scaled(boots, shade), edge, 1.2f);
    };
    leg(p.backLeg, -2, 0.8f);
    leg(p.frontLeg, 2, 1.0f);

    Shape torso = Box((hip.x + shoulder.x) / 2, (hip.y + shoulder.y) / 2 - 1, 6.5f, 8, 3.5f);
    PaintOutlined(c, torso, shirt, edge, 1.2f);
    Shape bib = Intersect(Grow(torso, -1.5f), Rect(0, (hip.y + shoulder.y) / 2 - 1, 64, 64));
    PaintSolid(c, bib, overalls);
    PaintSolid(c,
               Segment({shoulder.x + 2.5f, shoulder.y + 1},
                       {shoulder.x + 2.5f, (hip.y + shoulder.y) / 2}, 1),
               overalls);
    PaintSolid(c, Circle(shoulder.x + 2.5f, (hip.y + shoulder.y) / 2 + 1, 1), hat);

    float hx = headCentre.x, hy = headCentre.y;
    PaintOutlined(c, Circle(hx, hy, 7.5f), skin, edge, 1.2f);
    PaintOutlined(c, Circle(hx + 7, hy + 1.5f, 2), skin, edge, 1.0f); // nose
    PaintSolid(c, Circle(hx + 6.4f, hy + 1.2f, 1.9f), skin);
    if (p.blink) {
        PaintSolid(c, Segment({hx + 2.5f, hy - 0.5f}, {hx + 5, hy - 0.5f}, 0.6f), edge);
    } else {
        PaintSolid(c, Ellipse(hx + 3.8f, hy - 1, 1.3f, 1.9f), edge);
        PaintSolid(c, Circle(hx + 4.2f, hy - 1.8f, 0.5f), Rgb(255, 255, 255));
    }
    if (p.open)
        PaintSolid(c, Ellipse(hx + 4, hy + 4.5f, 1.6f, 1.4f), Rgb(120, 30, 40));
    else
        PaintSolid(c, Segment({hx + 2.5f, hy + 4.5f}, {hx + 5, hy + 4}, 0.55f), edge);
    // The hard hat with its brim to the front.
    Shape dome = Intersect(Circle(hx, hy - 1, 8.2f), Rect(0, 0, 64, hy - 1.5f));
    Shape brim = Rect(hx - 8, hy - 3, 19, 2.6f, 1.2f);
    PaintSolid(c, Grow(Union(dome, brim), 1.2f), edge);
    Paint(c, Union(dome, brim), Bevel(hat, 1.8f, hx, hy - 5));
    PaintSolid(c, Rect(hx - 1, hy - 9, 2, 6), Scaled(hat, 1.25f));

    Point hand = Reach(shoulder, p.arm, 9);
    bool malletBehind = p.handle < -30;
    if (malletBehind) Mallet(c, hand, p.handle);
    Limb(c, shoulder, hand, 2.3f, shirt);
    PaintOutlined(c, Circle(hand.x, hand.y, 2.5f), skin, edge, 1.2f);
    if (!malletBehind) Mallet(c, hand, p.handle);
    if (p.impact) {
        Point head = Reach(hand, p.handle, 18);
        for (int i = 0; i < 4; ++i) {
            Point from = Turned({head.x + 8, head.y}, -160.0f + i * 45, head);
            Point to = Turned({head.x + 12, head.y}, -160.0f + i * 45, head);
            PaintSolid(c, Segment(from, to, 0.9f), Rgb(255, 240, 110));
        }
    }
    return Resolve(c);
}

Pose PoseOf(int frame) {
    Pose p;
    switch (frame) {
    case 0:
        break;
    case 1:
        p.backLeg = -22, p.frontLeg = 22, p.backArm = 170, p.bob = 0;
        break;
    case 2:
        p.backLeg = 0, p.frontLeg = 0, p.backArm = 185, p.bob = -1;
        break;
    case 3:
        p.backLeg = 22, p.frontLeg = -22, p.backArm = 200, p.bob = 0;
        break;
    // Falling: arms up, legs kicking, mallet held high; 8 is also where a swing starts.
    case 4:
        p.lift = 2, p.backLeg = 15, p.frontLeg = -10, p.arm = 30, p.handle = 10, p.backArm = 320,
        p.open = true;
        break;
    case 5:
        p.lift = 3, p.backLeg = -10, p.frontLeg = 18, p.arm = 15, p.handle = -10, p.backArm = 330,
        p.open = true;
        break;
    case 6:
        p.lift = 3, p.backLeg = 18, p.frontLeg = -14, p.arm = 0, p.handle = -30, p.backArm = 320,
        p.open = true;
        break;
    case 7:
        p.lift = 2, p.backLeg = -8, p.frontLeg = 12, p.arm = -10, p.handle = -45, p.backArm = 330,
        p.open = true;
        break;
    case 8:
        p.arm = -15, p.handle = -50, p.backArm = 330, p.backLeg = -8, p.frontLeg = 8;
        break;
    // The swing: down in front, striking at the feet, and a small rebound.
    case 9:
        p.arm = 15, p.handle = 0, p.backArm = 300, p.backLeg = -8, p.frontLeg = 8, p.lean = 1;
        break;
    case 10:
        p.arm = 50, p.handle = 55, p.backArm = 250, p.backLeg = -10, p.frontLeg = 10, p.lean = 2,
        p.bob = 1;
        break;
    case 11:
        p.arm = 85, p.handle = 105, p.backArm = 220, p.backLeg = -12, p.frontLeg = 12, p.lean = 3,
        p.bob = 2;
        break;
    case 12:
        p.arm = 125, p.handle = 125, p.backArm = 210, p.backLeg = -12, p.frontLeg = 14, p.lean = 4,
        p.bob = 3, p.open = true;
        break;
    case 13:
        p.arm = 135, p.handle = 115, p.backArm = 200, p.backLeg = -12, p.frontLeg = 14, p.lean = 4,
        p.bob = 3, p.open = true, p.impact = true;
        break;
    case 14:
        p.arm = 138, p.handle = 112, p.backArm = 200, p.backLeg = -12, p.frontLeg = 14, p.lean = 5,
        p.bob = 4, p.impact = true;
        break;
    case 15:
        p.arm = 90, p.handle = 140, p.backArm = 210, p.backLeg = -10, p.frontLeg = 12, p.lean = 3,
        p.bob = 1;
        break;
    default: {
        // Idle: four little routines of four frames each.
        int routine = (frame - 16) / 4, step = frame % 4;
        float breath = (step == 1 || step == 2) ? 1 : 0;
        p.bob = breath;
        if (routine == 0) p.blink = step == 2; // breathing and blinking
        if (routine == 1)
            p.arm = 130, p.handle = 25 - step * 3, p.blink = step == 1; // mallet held up in front
        if (routine == 2) // mallet on the shoulder, waving with the free hand
            p.backArm = 300 + step * 15, p.blink = step == 3;
        if (routine == 3)
            p.arm = -10 - step * 5, p.handle = -20 + step * 8, p.backArm = 340 - step * 10,
            p.open = step > 1; // cheering
        break;
    }
    }
    return p;
}

} // namespace

Image MakeCharacterSheet() {
    Image sheet = MakeImage(8 * frameSize, 4 * frameSize);
    for (int frame = 0; frame < 32; ++frame) {
        Blit(sheet, Draw(PoseOf(frame)), (frame % 8) * frameSize, (frame / 8) * frameSize);
    }
    return sheet;
}
