// The first phase of the brute-force hull: every ordered pair of points is
// tried as a hull edge against every other point.
#pragma once

#include "point.h"

#include <cstdint>

// Examines every ordered pair (i, j) of the n sorted points, scanning k in
// ascending order and stopping at the first point strictly to the right of
// i -> j. For each i, next_vertex[i] becomes the least j of another position
// whose pair found no such point, or -1. Returns whether any pair was
// rejected (false exactly when all points lie on one line).
//
// The sign of every turn is exact. Point sets on an integer grid of small
// extent (what the generator writes) are scanned in exact single- or
// double-precision arithmetic, 16 points at a time with the widest vectors
// the processor offers (AVX or SSE2, chosen at run time); a scan stops within
// the step holding the first point to the right, which gives the same
// result as stopping at that point. Any other finite set is scanned with the
// filtered batched test (turn_batch.h) in double lanes of the same widths:
// the lanes its error bound decides need nothing more, the undecided ones
// go in ascending order to the exact turn test.
bool scan_edges(const Point* points, std::int32_t n, std::int32_t* next_vertex);
