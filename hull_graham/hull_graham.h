// Graham's scan: the points ordered by angle around the lowest one (the
// leftmost among the lowest), then one pass with a stack that keeps every
// turn strict.
#pragma once

#include "angular_order.h"
#include "capacities.h"
#include "hull_steps.h"
#include "point.h"

#include <cstddef>
#include <cstdint>

// Stack that one call takes for arrays of its own: the angular order's two
// arrays of keys (8 bytes per point each, for kLargestPointCapacity points);
// the stack of the scan is the hull array itself.
inline constexpr std::size_t kGrahamStackBytes = sizeof(AngularOrder);
static_assert(AngularOrder::kCapacity >= kHullGrahamPointCapacity);

// Hull of the first n points (sorted with compare_points,
// 0 <= n <= kHullGrahamPointCapacity): the h vertices clockwise from points[0] into
// hull[0 .. h-1], returns h; points inside straight sides are not vertices.
// n = 0 gives 0; one point gives 1; all points equal (n >= 2) give 2 copies
// of it. hull must have room for 2n - 2 elements (1 when n = 1).
std::int32_t hull_graham(const Point* points, Point* hull, std::int32_t n);

// The same hull, its steps told to steps.
std::int32_t hull_graham_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps);
