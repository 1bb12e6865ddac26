// Benchmarks of whole benchmark steps (read, sort, R hull runs, log line)
// on generator-style point files: the workbench's run_benchmark against the
// straightforward driver built from the straightforward hulls.
#pragma once

#include "bench_scope.h"

// Registers "driver/chain_workbench/R=<R>/20001" and
// "driver/chain_straightforward/R=<R>/20001" for R = 1 and R = 2000, and in
// the full scope "driver/brute_workbench/R=1/<n>" and
// "driver/brute_straightforward/R=1/<n>" for n = 5000 and 10000 (one
// iteration each: the straightforward one runs for minutes at 10000).
void register_driver_benchmarks(const BenchScope& scope);

// Registers only what the speed targets compare, with repetitions where
// they are affordable: one brute-force call at 5000 and 10000 random points,
// fast and straightforward ("brute_force/random/<n>", "brute_force_straightforward/random/<n>"),
// the chain drivers above, and both drivers of each program on point files
// off the integer grid: "driver/brute_workbench/<family>/R=1/3000" for the
// decimal and float families, "driver/chain_workbench/decimal/R=200/20001",
// each with its "..._straightforward/..." beside it.
void register_target_benchmarks();
