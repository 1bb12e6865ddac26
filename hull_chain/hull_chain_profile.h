// What makes the driver the hull_chain program.
#pragma once

#include "driver.h"
#include "hull_monotone_chain.h"

inline constexpr std::int32_t kHullChainPointCapacity = kChainScratchCapacity;
// Each call builds its lower chain in a scratch array of its own, on the stack.
inline constexpr HullProgram kHullChain{"n*logn(n=%d)", hull_monotone_chain,
                                        sizeof(Point) * static_cast<std::size_t>(kChainScratchCapacity)};
