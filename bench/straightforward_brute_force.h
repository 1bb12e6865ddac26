// The brute-force hull written the straightforward way, kept as the
// yardstick that hull_brute_force is measured against: every ordered pair
// scanned against every other point with a by-value double turn test.
#pragma once

#include "point.h"
#include "turn.h"

#include <cstdint>

// The same result as hull_brute_force (counter-clockwise from points[0],
// closing copy of the first vertex, 2 ends for a collinear set, 1 vertex
// when all points coincide, 0 for n = 0) wherever plain_right_turn is
// exact. points sorted with compare_points; hull has room for n + 1.
std::int32_t hull_brute_force_straightforward(const Point* points, Point* hull, std::int32_t n);
