// Shapes as signed distance functions (negative inside, in output pixels) with a bounding box,
// so a painter only visits the samples that a shape can cover.
#pragma once

#include <functional>
#include <vector>

struct Point {
    float x = 0, y = 0;
};

struct Shape {
    std::function<float(float, float)> distance;
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0; // bounding box
};

Shape Nothing(); // the empty shape, to start a union from
Shape Circle(float cx, float cy, float r);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape Box(float cx, float cy, float halfW, float halfH, float corner = 0);
Shape Rect(float x, float y, float w, float h, float corner = 0); // by its top-left corner
Shape Segment(Point a, Point b, float r);                         // a capsule of radius r
Shape Polygon(std::vector<Point> points);
Shape Ring(float cx, float cy, float r, float thickness);
// The part of a ring between two angles (degrees, clockwise from the right).
Shape Arc(float cx, float cy, float r, float thickness, float from, float to);
Shape Star(float cx, float cy, float outer, float inner, int points, float turnDegrees = -90);
Shape Heart(float cx, float cy, float size);

Shape Union(const Shape& a, const Shape& b);
Shape Intersect(const Shape& a, const Shape& b);
Shape Subtract(const Shape& a, const Shape& b);
Shape Grow(const Shape& a, float by); // negative shrinks
// Turns the shape by the angle (degrees, clockwise on screen) about (cx, cy).
Shape Rotate(const Shape& a, float degrees, float cx, float cy);
Shape Move(const Shape& a, float dx, float dy);
Shape MirrorX(const Shape& a, float axis);

Point Turned(Point p, float degrees, Point about);
