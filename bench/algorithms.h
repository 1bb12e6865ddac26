// What hull_bench times: the project's hull algorithms and the
// straightforward versions beside them, one row each.
#pragma once

#include "capacities.h"
#include "hull_brute_profile.h"
#include "hull_chain_profile.h"
#include "hull_graham_profile.h"
#include "hull_jarvis_profile.h"
#include "hull_quick_profile.h"
#include "hull_chan_profile.h"
#include "hull_ks_profile.h"
#include "straightforward.h"

#include <cstdint>
#include <string_view>

using HullFunction = std::int32_t (*)(const Point* sorted, Point* hull, std::int32_t n);

// How a hull's time grows, which decides where it is timed: a cubic one up
// to the scope's cubic limit and never beside the libraries; an
// output-sensitive one (O(n h)) beside the libraries only on sets where
// n h stays within kOutputSensitiveWork (CGAL's ch_jarvis takes about 30 ms
// a call for n h = 10^6: this is a call of a tenth of a second or so).
enum class Growth { n_log_n, n_h, cubic };
inline constexpr double kOutputSensitiveWork = 5e6;

struct Algorithm {
    std::string_view name;
    HullFunction hull;       // on points sorted with compare_points
    std::int32_t capacity;   // the largest n its program takes
    Growth growth = Growth::n_log_n;
};

// Each is timed per call on every family and size up to its capacity, and
// (unless cubic) beside the libraries' hulls on the same sorted points.
inline constexpr Algorithm kAlgorithms[] = {
    {"brute_force", kHullBrute.hull, kHullBrutePointCapacity, Growth::cubic},
    {"monotone_chain", kHullChain.hull, kHullChainPointCapacity},
    {"graham", kHullGraham.hull, kHullGrahamPointCapacity},
    {"jarvis", kHullJarvis.hull, kHullJarvisPointCapacity, Growth::n_h},
    {"quick", kHullQuick.hull, kHullQuickPointCapacity},
    {"chan", kHullChan.hull, kHullChanPointCapacity, Growth::n_log_n},
    {"ks", kHullKs.hull, kHullKsPointCapacity, Growth::n_log_n},
};

// The yardsticks, each named after the algorithm it measures, timed per
// call on every family and size like the algorithms.
inline constexpr Algorithm kStraightforwardAlgorithms[] = {
    {"brute_force_straightforward", hull_brute_force_straightforward, kHullBrutePointCapacity, Growth::cubic},
    {"monotone_chain_straightforward", hull_monotone_chain_straightforward, kStraightforwardChainCapacity},
};

// A hull program's timed step (timed_step.h) beside its straightforward
// version (straightforward_run), on the same point files.
struct Program {
    std::string_view name;   // "hull_brute"; the straightforward one is "<name>_straightforward"
    const HullProgram* workbench;
    HullProgram straightforward;
    std::int32_t capacity;
};

// The straightforward version of a program: its label, the straightforward hull.
constexpr HullProgram straightforward_of(const HullProgram& program, HullFunction hull) {
    return {.name = program.name, .method = program.method, .label_format = program.label_format, .hull = hull};
}

inline constexpr Program kHullBruteProgram{"hull_brute", &kHullBrute,
                                           straightforward_of(kHullBrute, hull_brute_force_straightforward),
                                           kHullBrutePointCapacity};
inline constexpr Program kHullChainProgram{"hull_chain", &kHullChain,
                                           straightforward_of(kHullChain, hull_monotone_chain_straightforward),
                                           kHullChainPointCapacity};
