// What makes the driver the hull_chain program.
#pragma once

#include "capacities.h"
#include "timed_step.h"
#include "hull_monotone_chain.h"

// Each call keeps on the stack the scratch array of points for the lower
// chain and the marks of both chains' candidates.
inline constexpr HullProgram kHullChain{
    .name = "hull_chain",
    .method = "monotonog lanca, O(n log n)",
    .label_format = "n*logn(n=%d)",
    .hull = hull_monotone_chain,
    .hull_stack_bytes = kChainStackBytes,
    .recorded = hull_chain_recorded};
