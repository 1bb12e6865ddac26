// What makes the driver the hull_ks program.
#pragma once

#include "capacities.h"
#include "timed_step.h"
#include "hull_ks.h"

inline constexpr HullProgram kHullKs{
    .name = "hull_ks",
    .method = "Kirkpatrika i Sajdela (spajanje pre osvajanja), O(n log h)",
    .label_format = "ks(n=%d)",
    .hull = hull_ks,
    .hull_stack_bytes = kKsStackBytes,
    .recorded = hull_ks_recorded};
