// Kirkpatrick and Seidel's marriage-before-conquest: the bridge of the
// hull over the median line is found by prune and search, then each side
// is hulled recursively. O(n log h).
#pragma once

#include "capacities.h"
#include "hull_steps.h"
#include "point.h"
#include "turn.h"

#include <cstddef>
#include <cstdint>

// Stack that one call takes for arrays of its own: the marks of the hull's
// candidates, the points in question
// on both sides of the hull (the input and the two ends twice), the prune
// and search's candidates, their pairs' directions and signs, and a side
// per point.
inline constexpr std::size_t kKsStackBytes =
    sizeof(HullCandidates) + 2 * sizeof(Point) * (kHullKsPointCapacity + 2) +
    (sizeof(PlainDirection) + sizeof(std::int8_t)) * (kHullKsPointCapacity / 2 + 1) +
    sizeof(std::int8_t) * kHullKsPointCapacity;

// Hull of the first n points (sorted with compare_points,
// 0 <= n <= kHullKsPointCapacity): the h vertices clockwise from points[0] into
// hull[0 .. h-1], returns h; points inside straight sides are not vertices.
// n = 0 gives 0; one point gives 1; all points equal (n >= 2) give 2 copies
// of it. hull must have room for 2n - 2 elements (1 when n = 1).
std::int32_t hull_ks(const Point* points, Point* hull, std::int32_t n);

// The same hull, its steps told to steps.
std::int32_t hull_ks_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps);
