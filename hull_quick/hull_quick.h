// Quickhull: the first and the last point in sort order split the set into
// an upper and a lower part; each part is split again by its point
// farthest from the current edge, recursively. O(n log n) expected, O(nh)
// at worst.
#pragma once

#include "capacities.h"
#include "hull_steps.h"
#include "point.h"

#include <cstddef>
#include <cstdint>

// Room of the scratch copy of the points, and so the largest n accepted.
inline constexpr std::int32_t kQuickScratchCapacity = kHullQuickPointCapacity;
// One side waiting to be searched: two indices into the scratch copy.
inline constexpr std::size_t kQuickSideBytes = 2 * sizeof(std::int32_t);
// Stack that one call takes for arrays of its own: the scratch copy of the
// points and the stack of sides waiting (at most one per hull vertex).
inline constexpr std::size_t kQuickStackBytes =
    (sizeof(Point) + kQuickSideBytes) * static_cast<std::size_t>(kQuickScratchCapacity);

// Hull of the first n points (sorted with compare_points,
// 0 <= n <= kHullQuickPointCapacity): the h vertices clockwise from points[0] into
// hull[0 .. h-1], returns h; points inside straight sides are not vertices.
// n = 0 gives 0; one point gives 1; all points equal (n >= 2) give 2 copies
// of it. hull must have room for 2n - 2 elements (1 when n = 1).
std::int32_t hull_quick(const Point* points, Point* hull, std::int32_t n);

// The same hull, its steps told to steps.
std::int32_t hull_quick_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps);
