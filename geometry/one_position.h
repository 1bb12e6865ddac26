// The outline where the points hold one position or none, alike for every
// hull that lists the strict corners clockwise from the first point in
// sort order: there are no corners to find.
#pragma once

#include "point.h"

#include <cstdint>

// For points[0 .. n-1] sorted with compare_points: where they hold one
// position or none, writes the outline (nothing for n = 0, the point for
// n = 1, the first and the last point for more), sets h to its count and
// returns true; otherwise returns false and writes nothing.
inline bool outline_of_one_position(const Point* points, Point* hull, std::int32_t n, std::int32_t& h) {
    if (n <= 0) {
        h = 0;
        return true;
    }
    if (!same_position(points[0], points[n - 1])) return false;
    hull[0] = points[0];
    if (n > 1) hull[1] = points[n - 1];
    h = n == 1 ? 1 : 2;
    return true;
}
