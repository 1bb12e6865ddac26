// Jarvis's march (gift wrapping): from the first point in sort order, the
// next vertex is the point every other lies right of or on, found by one
// pass over all points per vertex: O(nh).
#pragma once

#include "capacities.h"
#include "hull_steps.h"
#include "point.h"

#include <cstddef>
#include <cstdint>

// Stack that one call takes for arrays of its own: none (the march keeps
// the current vertex and the candidate, and writes the hull as it goes).
inline constexpr std::size_t kJarvisStackBytes = 0;

// Hull of the first n points (sorted with compare_points,
// 0 <= n <= kHullJarvisPointCapacity): the h vertices clockwise from points[0] into
// hull[0 .. h-1], returns h; points inside straight sides are not vertices.
// n = 0 gives 0; one point gives 1; all points equal (n >= 2) give 2 copies
// of it. hull must have room for 2n - 2 elements (1 when n = 1).
std::int32_t hull_jarvis(const Point* points, Point* hull, std::int32_t n);

// The same hull, its steps told to steps.
std::int32_t hull_jarvis_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps);
