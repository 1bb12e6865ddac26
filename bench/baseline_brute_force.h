// The brute-force hull written the plain way, kept as the yardstick that
// hull_brute_force is measured against: every ordered pair scanned against
// every other point with a by-value double turn test.
#pragma once

#include "point.h"

#include <cstdint>

// 1 when p1 -> p2 -> p3 turns clockwise (y axis up), from the cross product
// (p3.y - p1.y)(p2.x - p1.x) - (p2.y - p1.y)(p3.x - p1.x) evaluated in
// double; 0 otherwise. Exact wherever that evaluation is (for instance on
// integer coordinates below 2^24).
std::int32_t orientation_plain(Point p1, Point p2, Point p3);

// The same result as hull_brute_force (counter-clockwise from points[0],
// closing copy of the first vertex, 2 ends for a collinear set, 1 vertex
// when all points coincide, 0 for n = 0) wherever orientation_plain is
// exact. points sorted with compare_points; hull has room for n + 1.
std::int32_t hull_brute_force_baseline(const Point* points, Point* hull, std::int32_t n);
