// The check both hull fuzzers and their regression test run: both hulls of
// one point set, in buffers of exactly the documented size, against each
// other and against the exact reference.
#pragma once

#include "point.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::size_t kMaxCheckedPoints = 200;

// Turns arbitrary bytes into at most kMaxCheckedPoints finite points: raw
// float bit patterns, integers of small and of wide grids, points near the
// line through two earlier points (a few units in the last place off it),
// repeats and points of extreme magnitude. The same bytes always give the same points.
std::vector<Point> decode_points(const std::uint8_t* data, std::size_t size);

// The hulls whose outline is the monotone chain's (the strict corners,
// clockwise from the least point, two copies where all points are equal).
struct ChainOutlineHull {
    const char* name;
    std::int32_t (*hull)(const Point* points, Point* hull, std::int32_t n);
    bool output_sensitive_quadratic;  // O(nh): n^2 on sets where every point is a corner
};
extern const ChainOutlineHull kChainOutlineHulls[6];

// Which hulls check_hulls runs: all of them; all but the cubic brute force
// (on sets larger than it takes in time); or, on the largest sets, only
// those that stay near n log n whatever h is.
enum class CheckedHulls { all, chain_outlines, near_linear };

// Sorts the points, runs the hulls and checks what they wrote against the
// exact reference. Returns an empty string when everything holds, else a
// description of the first fault found (with the input points).
std::string check_hulls(std::vector<Point> points, CheckedHulls which = CheckedHulls::all);

// Checks the hull output contracts the decoded bytes lead to.
inline std::string check_hull_bytes(const std::uint8_t* data, std::size_t size) {
    return check_hulls(decode_points(data, size));
}
