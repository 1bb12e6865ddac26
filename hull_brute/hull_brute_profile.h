// What makes the driver the hull_brute program.
#pragma once

#include "capacities.h"
#include "timed_step.h"
#include "hull_brute_force.h"

inline constexpr HullProgram kHullBrute{"n^3(n=%d)", hull_brute_force};
