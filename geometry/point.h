// Plain records shared by the scene store, the driver and both hull algorithms.
#pragma once

#include <cstdint>

// One of ten fixed colours (0..9, see palette.h); any other value draws nothing new.
using ColorCode = std::int32_t;

struct Point {
    float x = 0.0f;
    float y = 0.0f;
    ColorCode color = 9;
};
static_assert(sizeof(Point) == 12, "a Point is two floats and a 32-bit colour code");

// Whether two points stand at the same position, whatever their colours.
inline bool same_position(const Point& a, const Point& b) {
    return a.x == b.x && a.y == b.y;
}

struct Segment {
    Point a;
    Point b;
    ColorCode color = 9;
};

// An infinite line, drawn as a long segment through origin along direction.
struct Line {
    Point origin;
    Point direction;
    ColorCode color = 9;
};

struct Circle {
    Point center;
    float radius = 0.0f;
    ColorCode color = 9;
};
