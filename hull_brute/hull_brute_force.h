// The brute-force convex hull: every ordered pair of points is tried as a
// hull edge against every other point.
#pragma once

#include "hull_steps.h"
#include "point.h"

#include <cstdint>

// Turn of the path p1 -> p2 -> p3 (y axis up): 1 clockwise (p3 strictly to
// the right of p1 -> p2), 0 counter-clockwise, -1 collinear (two equal
// points included). Exact for all finite coordinates.
std::int32_t orientation(Point p1, Point p2, Point p3);

// Hull of the first n points, which must be sorted with compare_points.
// Writes the h vertices counter-clockwise from points[0] into hull[0..h-1],
// then a copy of hull[0] into hull[h], and returns h:
//  - n = 0: h = 0, nothing written;
//  - all points equal (n = 1 included): h = 1, that position;
//  - all points on one line: h = 2, the first and the last point;
//  - otherwise every extreme point is a vertex and each position occurs
//    once; points inside a straight side are vertices where the polygon walks
//    that side in ascending sort order (the bottom from left to right, a
//    vertical right side upwards) and not elsewhere.
// hull must have room for n + 1 elements (at least 1).
std::int32_t hull_brute_force(const Point* points, Point* hull, std::int32_t n);

// The same hull, its steps told to steps: every pair with the point that
// rejects it or as an edge, then the walk along the edges.
std::int32_t hull_brute_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps);
