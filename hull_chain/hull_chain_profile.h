// What makes the driver the hull_chain program.
#pragma once

#include "driver.h"
#include "hull_monotone_chain.h"

inline constexpr std::int32_t kHullChainPointCapacity = kChainScratchCapacity;
inline constexpr HullProgram kHullChain{"n*logn(n=%d)", hull_monotone_chain};
