#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

float Length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

constexpr float degree = std::numbers::pi_v<float> / 180.0f;

} // namespace

Point Turned(Point p, float degrees, Point about) {
    float c = std::cos(degrees * degree);
    float s = std::sin(degrees * degree);
    float dx = p.x - about.x;
    float dy = p.y - about.y;
    return {about.x + dx * c - dy * s, about.y + dx * s + dy * c};
}

Shape Nothing() {
    return {[](float, float) { return 1e9f; }, 0, 0, 0, 0};
}

Shape Circle(float cx, float cy, float r) {
    return {[=](float x, float y) { return Length(x - cx, y - cy) - r; }, cx - r, cy - r, cx + r,
            cy + r};
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
    // Not an exact distance, but close enough near the edge for painting and bevels.
    float k = std::min(rx, ry);
    return {[=](float x, float y) {
                float nx = (x - cx) / rx;
                float ny = (y - cy) / ry;
                return (Length(nx, ny) - 1.0f) * k;
            },
            cx - rx, cy - ry, cx + rx, cy + ry};
}

Shape Box(float cx, float cy, float halfW, float halfH, float corner) {
    return {[=](float x, float y) {
                float qx = std::fabs(x - cx) - halfW + corner;
                float qy = std::fabs(y - cy) - halfH + corner;
                float outside = Length(std::max(qx, 0.0f), std::max(qy, 0.0f));
                return outside + std::min(std::max(qx, qy), 0.0f) - corner;
            },
            cx - halfW, cy - halfH, cx + halfW, cy + halfH};
}

Shape Rect(float x, float y, float w, float h, float corner) {
    return Box(x + w / 2, y + h / 2, w / 2, h / 2, corner);
}

Shape Segment(Point a, Point b, float r) {
    return {[=](float x, float y) {
                float px = x - a.x, py = y - a.y;
                float bx = b.x - a.x, by = b.y - a.y;
                float len2 = bx * bx + by * by;
                float t = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0f, 1.0f) : 0.0f;
                return Length(px - bx * t, py - by * t) - r;
            },
            std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
            std::max(a.y, b.y) + r};
}

Shape Polygon(std::vector<Point> points) {
    Shape shape;
    shape.x0 = shape.y0 = 1e9f;
    shape.x1 = shape.y1 = -1e9f;
    for (Point p : points) {
        shape.x0 = std::min(shape.x0, p.x);
        shape.y0 = std::min(shape.y0, p.y);
        shape.x1 = std::max(shape.x1, p.x);
        shape.y1 = std::max(shape.y1, p.y);
    }
    shape.distance = [points](float x, float y) {
        // Distance to the nearest edge, signed by the even-odd rule.
        float best = 1e9f;
        bool inside = false;
        size_t n = points.size();
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            Point a = points[j], b = points[i];
            float ex = b.x - a.x, ey = b.y - a.y;
            float wx = x - a.x, wy = y - a.y;
            float len2 = ex * ex + ey * ey;
            float t = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.0f, 1.0f) : 0.0f;
            best = std::min(best, Length(wx - ex * t, wy - ey * t));
            if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * ex / ey) inside = !inside;
        }
        return inside ? -best : best;
    };
    return shape;
}

Shape Ring(float cx, float cy, float r, float thickness) {
    float half = thickness / 2;
    return {[=](float x, float y) { return std::fabs(Length(x - cx, y - cy) - r) - half; },
            cx - r - half, cy - r - half, cx + r + half, cy + r + half};
}

Shape Star(float cx, float cy, float outer, float inner, int points, float turnDegrees) {
    std::vector<Point> corners;
    for (int i = 0; i < points * 2; ++i) {
        float radius = i % 2 == 0 ? outer : inner;
        float angle = (turnDegrees + 180.0f * i / points) * degree;
        corners.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle)});
    }
    return Polygon(corners);
}

Shape Heart(float cx, float cy, float size) {
    // Two circles over a downward triangle.
    float r = size * 0.3f;
    Shape lobes = Union(Circle(cx - size * 0.26f, cy - size * 0.12f, r),
                        Circle(cx + size * 0.26f, cy - size * 0.12f, r));
    Shape tip = Polygon({{cx - size * 0.54f, cy - size * 0.06f},
                         {cx, cy - size * 0.14f},
                         {cx + size * 0.54f, cy - size * 0.06f},
                         {cx, cy + size * 0.56f}});
    return Union(lobes, tip);
}

Shape Union(const Shape& a, const Shape& b) {
    auto da = a.distance, db = b.distance;
    return {[=](float x, float y) { return std::min(da(x, y), db(x, y)); }, std::min(a.x0, b.x0),
            std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Shape Intersect(const Shape& a, const Shape& b) {
    auto da = a.distance, db = b.distance;
    return {[=](float x, float y) { return std::max(da(x, y), db(x, y)); }, std::max(a.x0, b.x0),
            std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

Shape Subtract(const Shape& a, const Shape& b) {
    auto da = a.distance, db = b.distance;
    return {[=](float x, float y) { return std::max(da(x, y), -db(x, y)); }, a.x0, a.y0, a.x1,
            a.y1};
}

Shape Grow(const Shape& a, float by) {
    auto da = a.distance;
    return {[=](float x, float y) { return da(x, y) - by; }, a.x0 - by, a.y0 - by, a.x1 + by,
            a.y1 + by};
}

Shape Rotate(const Shape& a, float degrees, float cx, float cy) {
    auto da = a.distance;
    Point about{cx, cy};
    Shape turned;
    turned.distance = [=](float x, float y) {
        Point p = Turned({x, y}, -degrees, about);
        return da(p.x, p.y);
    };
    // The box of the turned box corners holds the turned shape.
    Point corners[4] = {{a.x0, a.y0}, {a.x1, a.y0}, {a.x0, a.y1}, {a.x1, a.y1}};
    turned.x0 = turned.y0 = 1e9f;
    turned.x1 = turned.y1 = -1e9f;
    for (Point c : corners) {
        Point p = Turned(c, degrees, about);
        turned.x0 = std::min(turned.x0, p.x);
        turned.y0 = std::min(turned.y0, p.y);
        turned.x1 = std::max(turned.x1, p.x);
        turned.y1 = std::max(turned.y1, p.y);
    }
    return turned;
}

Shape Move(const Shape& a, float dx, float dy) {
    auto da = a.distance;
    return {[=](float x, float y) { return da(x - dx, y - dy); }, a.x0 + dx, a.y0 + dy, a.x1 + dx,
            a.y1 + dy};
}

Shape MirrorX(const Shape& a, float axis) {
    auto da = a.distance;
    return {[=](float x, float y) { return da(2 * axis - x, y); }, 2 * axis - a.x1, a.y0,
            2 * axis - a.x0, a.y1};
}

Shape Arc(float cx, float cy, float r, float thickness, float from, float to) {
    std::vector<Point> wedge{{cx, cy}};
    for (int i = 0; i <= 12; ++i) {
        float a = (from + (to - from) * i / 12.0f) * 3.14159265f / 180.0f;
        wedge.push_back({cx + 2 * r * std::cos(a), cy + 2 * r * std::sin(a)});
    }
    return Intersect(Ring(cx, cy, r, thickness), Polygon(wedge));
}
