// Benchmarks of the hull programs' other stages, on generator-style random
// points: reading the point file (which also fills the scene), adding points
// to the scene on their own, and the sort before the hull.
#pragma once

#include "bench_scope.h"

// Registers "parse/random/<n>", "add_point/random/<n>" and "sort/random/<n>".
void register_stage_benchmarks(const BenchScope& scope);

// Removes the point files the parse benchmarks wrote.
void remove_stage_files();
