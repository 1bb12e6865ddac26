// What makes the driver the hull_chain program.
#pragma once

#include "capacities.h"
#include "driver.h"
#include "hull_monotone_chain.h"

inline constexpr HullProgram kHullChain{"n*logn(n=%d)", hull_monotone_chain};
