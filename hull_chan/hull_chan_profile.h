// What makes the driver the hull_chan program.
#pragma once

#include "capacities.h"
#include "timed_step.h"
#include "hull_chan.h"

inline constexpr HullProgram kHullChan{
    .name = "hull_chan",
    .method = "Chana, O(n log h)",
    .label_format = "chan(n=%d)",
    .hull = hull_chan,
    .hull_stack_bytes = kChanStackBytes,
    .recorded = hull_chan_recorded};
