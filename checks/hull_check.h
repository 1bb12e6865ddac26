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

// Which hulls check_hulls runs: both, or the monotone chain alone (on sets
// larger than the brute force takes).
enum class CheckedHulls { both, monotone_chain };

// Sorts the points, runs hull_brute_force and hull_monotone_chain and checks
// what they wrote. Returns an empty string when everything holds, else a
// description of the first fault found (with the input points).
std::string check_hulls(std::vector<Point> points, CheckedHulls which = CheckedHulls::both);

// Checks the hull output contracts the decoded bytes lead to.
inline std::string check_hull_bytes(const std::uint8_t* data, std::size_t size) {
    return check_hulls(decode_points(data, size));
}
