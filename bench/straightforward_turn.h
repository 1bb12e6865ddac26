// The plain double turn test of the straightforward hulls: the cross product
// evaluated in double as written, with its three points passed by value.
#pragma once

#include "point.h"

#include <cstdint>

// 1 when p1 -> p2 -> p3 turns strictly clockwise (y axis up), from
// (p3.y - p1.y)(p2.x - p1.x) - (p2.y - p1.y)(p3.x - p1.x) evaluated in
// double; 0 otherwise. Exact wherever that evaluation is (for instance on
// integer coordinates below 2^24).
inline std::int32_t plain_right_turn(Point p1, Point p2, Point p3) {
    const double cross = (double(p3.y) - double(p1.y)) * (double(p2.x) - double(p1.x)) -
                         (double(p2.y) - double(p1.y)) * (double(p3.x) - double(p1.x));
    return cross < 0.0 ? 1 : 0;
}
