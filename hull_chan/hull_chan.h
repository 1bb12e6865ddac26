// Chan's algorithm on the hull's candidates (hull_candidates.h): groups of
// m of them are hulled with the monotone chain's pass,
// then wrapped from vertex to vertex with tangents found by binary search
// on each group's hull; m is squared until the wrap closes. O(n log h).
#pragma once

#include "capacities.h"
#include "hull_steps.h"
#include "point.h"

#include <cstddef>
#include <cstdint>

// Points in each group of the first round, 2^(2^3); m then grows to
// 2^(2^4) and so on. Rounds of 4 and 16 points wrap over thousands of
// groups only to find m too small (docs/hulls.md gives the counts).
inline constexpr std::int32_t kChanFirstGroupSize = 256;
// The most groups a round has, and so the room for their chains' lengths.
inline constexpr std::int32_t kChanMostGroups =
    (kHullChanPointCapacity + kChanFirstGroupSize - 1) / kChanFirstGroupSize;
// Stack that one call takes for arrays of its own: the hull's candidates
// (their marks and the points kept), the groups' upper and lower chains, as
// many points as the input on each side, and their lengths.
inline constexpr std::size_t kChanStackBytes =
    sizeof(HullCandidates) + sizeof(Point) * kHullChanPointCapacity +
    2 * (sizeof(Point) * kHullChanPointCapacity + sizeof(std::int32_t) * kChanMostGroups);

// Hull of the first n points (sorted with compare_points,
// 0 <= n <= kHullChanPointCapacity): the h vertices clockwise from points[0] into
// hull[0 .. h-1], returns h; points inside straight sides are not vertices.
// n = 0 gives 0; one point gives 1; all points equal (n >= 2) give 2 copies
// of it. hull must have room for 2n - 2 elements (1 when n = 1).
std::int32_t hull_chan(const Point* points, Point* hull, std::int32_t n);

// The same hull, its steps told to steps.
std::int32_t hull_chan_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps);
