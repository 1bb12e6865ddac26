// What makes the driver the hull_chain program.
#pragma once

#include "capacities.h"
#include "timed_step.h"
#include "hull_monotone_chain.h"

// Each call keeps on the stack the scratch array of points for the lower
// chain and the marks of both chains' candidates.
inline constexpr HullProgram kHullChain{"n*logn(n=%d)", hull_monotone_chain, kChainStackBytes};
