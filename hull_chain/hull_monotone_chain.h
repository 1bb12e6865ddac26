// The monotone-chain convex hull: one pass over the sorted points builds the
// upper chain, a pass back builds the lower chain, each kept convex by
// dropping every point that does not make a strict right turn.
#pragma once

#include "capacities.h"
#include "hull_candidates.h"
#include "hull_steps.h"
#include "point.h"

#include <cstddef>
#include <cstdint>

// Room of the lower-chain scratch buffer, and so the largest n accepted.
inline constexpr std::int32_t kChainScratchCapacity = kHullChainPointCapacity;
// Stack that one call takes for arrays of its own: the scratch buffer and
// the candidate marks of both chains.
inline constexpr std::size_t kChainStackBytes = sizeof(Point) * kChainScratchCapacity + sizeof(HullCandidates);

// 1 when p1 -> p2 -> p3 turns strictly clockwise (y axis up), else 0
// (counter-clockwise, collinear, or two points equal). Exact for all finite
// coordinates.
std::int32_t is_right_turn(Point p1, Point p2, Point p3);

// Copies chain[1 .. m-2] to hull[k .. k+m-3]: the lower chain without its
// two ends, which the upper chain already holds. Copies nothing when m <= 2.
void append_chain(Point* hull, const Point* chain, std::int32_t k, std::int32_t m);

// Hull of the first n points (sorted with compare_points, 0 <= n <= 20001).
// Writes the h vertices clockwise from points[0] into hull[0 .. h-1] and
// returns h; points inside straight sides are not vertices. n = 0 gives 0;
// one point gives 1; all points equal (n >= 2) give 2 copies of it.
// hull must have room for 2n - 2 elements (1 when n = 1).
std::int32_t hull_monotone_chain(const Point* points, Point* hull, std::int32_t n);

// The same hull, its steps told to steps: the candidates, then each chain's
// pushes, turn tests and pops.
std::int32_t hull_chain_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps);
