// The hull algorithms the benchmark times, side by side on the same input.
#pragma once

#include "hull_brute_profile.h"
#include "hull_chain_profile.h"
#include "point.h"
#include "straightforward_brute_force.h"
#include "straightforward_monotone_chain.h"

#include <cstdint>
#include <string_view>

struct HullVariant {
    std::string_view name;  // first part of the benchmark's name
    std::int32_t (*hull)(const Point* sorted, Point* hull, std::int32_t n);
    std::int32_t capacity;  // the largest n its program accepts
    bool cubic;             // O(n^3): sizes whose call would run too long are left out
};

// Each entry is timed on every family and size up to its capacity. Further
// variants of an algorithm (for instance a straightforward version of the brute force
// kept as the yardstick of a faster one) are added here as entries of their
// own, named "<algorithm>_<what>", right after the one they are compared with.
inline constexpr HullVariant kHullVariants[] = {
    {"brute_force", kHullBrute.hull, kHullBrutePointCapacity, true},
    {"brute_force_straightforward", hull_brute_force_straightforward, kHullBrutePointCapacity, true},
    {"monotone_chain", kHullChain.hull, kHullChainPointCapacity, false},
    {"monotone_chain_straightforward", hull_monotone_chain_straightforward, kHullChainPointCapacity, false},
};
