// What makes the driver the hull_graham program.
#pragma once

#include "capacities.h"
#include "timed_step.h"
#include "hull_graham.h"

inline constexpr HullProgram kHullGraham{
    .name = "hull_graham",
    .method = "Grahamovog skeniranja, O(n log n)",
    .label_format = "graham(n=%d)",
    .hull = hull_graham,
    .hull_stack_bytes = kGrahamStackBytes,
    .recorded = hull_graham_recorded};
