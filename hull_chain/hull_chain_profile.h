// What makes the driver the hull_chain program.
#pragma once

#include "driver.h"
#include "hull_monotone_chain.h"

inline constexpr std::int32_t kHullChainPointCapacity = kChainScratchCapacity;
// Each call keeps on the stack a scratch array of points for the lower chain
// and two index arrays of the chains' candidates.
inline constexpr HullProgram kHullChain{
    "n*logn(n=%d)", hull_monotone_chain,
    (sizeof(Point) + 2 * sizeof(std::int32_t)) * static_cast<std::size_t>(kChainScratchCapacity)};
