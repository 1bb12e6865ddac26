// The chain's whole benchmark step (read, sort, R hull runs, log line)
// against the straightforward one on many point sets of each family, one
// per seed: their ratio, measured in pairs of runs in the same process that
// alternate which of the two goes first, in CPU time of the thread.
#pragma once

#include <cstdint>

// Seeds 1 .. kSeedCount of every family.
inline constexpr std::uint32_t kSeedCount = 20;

// Registers "seeds/chain_step/<family>/R=500/seed=<s>/<n>" for every family
// at its sizes (20001 points; the circles at 1000, 2000 and 5000), each
// with `pairs` pairs of runs. Counters: ratio (the median of the pairs'
// workbench/straightforward ratios), workbench_seconds and
// straightforward_seconds (means per run), hull_vertices.
void register_seed_benchmarks(int pairs);
