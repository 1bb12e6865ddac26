// What makes the driver the hull_jarvis program.
#pragma once

#include "capacities.h"
#include "timed_step.h"
#include "hull_jarvis.h"

inline constexpr HullProgram kHullJarvis{
    .name = "hull_jarvis",
    .method = "Jarvisovog marsa (umotavanja), O(nh)",
    .label_format = "jarvis(n=%d)",
    .hull = hull_jarvis,
    .hull_stack_bytes = kJarvisStackBytes,
    .recorded = hull_jarvis_recorded};
