// Benchmarks of the hull algorithms themselves: one call per iteration on
// sorted input prepared before the clock starts.
#pragma once

#include "bench_scope.h"

// Registers "<variant>/<family>/<n>" for every variant, family and size of
// the scope (sizes above a variant's capacity are not registered).
void register_hull_benchmarks(const BenchScope& scope);
