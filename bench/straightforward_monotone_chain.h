// Andrew's monotone chain written the straightforward way, kept as the
// yardstick that hull_monotone_chain is measured against.
#pragma once

#include "point.h"
#include "turn.h"

#include <cstdint>

// Room of the lower-chain buffer, and so the largest n accepted.
inline constexpr std::int32_t kStraightforwardChainCapacity = 20001;

// The same result as hull_monotone_chain (clockwise from points[0], no
// closing copy; 0 for n = 0, 1 for n = 1) wherever plain_right_turn is
// exact. points sorted with compare_points, n <= 20001; hull has room for
// 2n - 2 (1 when n = 1).
std::int32_t hull_monotone_chain_straightforward(const Point* points, Point* hull, std::int32_t n);
