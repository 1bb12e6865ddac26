// Benchmarks of the hull algorithms themselves: one call per iteration on
// sorted input prepared before the clock starts.
#pragma once

#include "bench_profile.h"

// Registers "<variant>/<family>/<n>" for every variant, family and size of
// the profile (sizes above a variant's capacity are not registered).
void register_hull_benchmarks(const BenchProfile& profile);
