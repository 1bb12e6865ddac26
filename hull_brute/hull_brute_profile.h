// What makes the driver the hull_brute program.
#pragma once

#include "capacities.h"
#include "timed_step.h"
#include "hull_brute_force.h"

inline constexpr HullProgram kHullBrute{.name = "hull_brute",
                                        .method = "grube sile, O(n^3)",
                                        .label_format = "n^3(n=%d)",
                                        .hull = hull_brute_force,
                                        .recorded = hull_brute_recorded};
