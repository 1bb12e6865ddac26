// How the work of the brute-force scan spreads over its start points, so
// that its progress reports track the time it takes.
//
// The scan reports progress per start point i (i of n done). The work of one
// start point is the sum, over its pairs (i, j), of how far the scan of k
// runs before it meets a point strictly right of i -> j, and that varies a
// lot: on points spread over a square, a start point far right in sort
// order has many pairs whose scan runs nearly to the end, one far left has
// few. So i of n is a poor measure of the work done.
#pragma once

#include "point.h"
#include "progress_hook.h"

#include <cstdint>
#include <vector>

// Estimated work of the scan before each start point: element i is the
// estimated work of start points 0 .. i-1, element n the total (n + 1
// elements). Each start point's work is judged from a few of its pairs,
// each scanned against a fixed sample of the points with the plain turn
// test; about 1000 turn tests per point, a small share of the scan itself.
std::vector<std::int64_t> estimate_scan_work(const Point* points, std::int32_t n);

// While it lives, a report of i start points done of n reaches the
// installed listener as the estimated work done of the total. Installed
// around a scan only when somebody listens.
class StartPointsAsWork {
public:
    explicit StartPointsAsWork(std::vector<std::int64_t> cumulative_work);
    ~StartPointsAsWork();
    StartPointsAsWork(const StartPointsAsWork&) = delete;
    StartPointsAsWork& operator=(const StartPointsAsWork&) = delete;

private:
    static void translate(std::int64_t done, std::int64_t total);

    std::vector<std::int64_t> cumulative_;
    ProgressListener outer_;
};
