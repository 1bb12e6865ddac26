// The corners of a hull polygon: its vertices that are not inside a
// straight side.
#pragma once

#include "point.h"

#include <cstdint>
#include <set>
#include <utility>

using Position = std::pair<float, float>;

// The positions among polygon[0 .. count-1] (a closed polygon, in either
// direction) where it really turns. Repeated positions count once. A
// polygon with fewer than three distinct positions has no turns: its
// distinct positions are returned as they are.
std::set<Position> strict_vertices(const Point* polygon, std::int32_t count);
