// How the work of the brute-force scan spreads over its start points, so
// that its progress reports track the time it takes.
//
// The work of one start point i is the sum, over its pairs (i, j), of how
// far the scan of k runs before it meets a point strictly right of i -> j,
// and that varies a lot: on points spread over a square, a start point far
// right in sort order has many pairs whose scan runs nearly to the end, one
// far left has few. So i of n is a poor measure of the work done.
#pragma once

#include "line_batch.h"

#include <cstdint>
#include <vector>

// Estimated work of the scan before each start point: element i is the
// estimated work of start points 0 .. i-1, element n the total (n + 1
// elements). Each start point's work is judged from 16 of its pairs,
// scanned as the hull scans them: a small share of the scan itself.
std::vector<std::int64_t> estimate_scan_work(const PointColumns& columns, std::int32_t n);
