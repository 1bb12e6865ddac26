// What makes the driver the hull_quick program.
#pragma once

#include "capacities.h"
#include "timed_step.h"
#include "hull_quick.h"

inline constexpr HullProgram kHullQuick{
    .name = "hull_quick",
    .method = "quickhull (deljenje po najdaljoj tacki), O(n log n) ocekivano, O(nh) najgore",
    .label_format = "quick(n=%d)",
    .hull = hull_quick,
    .hull_stack_bytes = kQuickStackBytes,
    .recorded = hull_quick_recorded};
