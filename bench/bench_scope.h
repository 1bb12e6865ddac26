// How much the benchmark measures: a short run by default, the whole range
// on request.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct BenchScope {
    std::string_view name;
    std::vector<std::int32_t> hull_sizes;   // each variant runs those up to its capacity
    std::vector<std::int32_t> stage_sizes;  // parse, add_point, sort
    double min_seconds;                     // Google Benchmark's minimum time per size
    // A cubic variant skips a size whose call is predicted to take longer
    // than this, judging by the sizes before it.
    double cubic_call_limit_seconds;
    // Points the scene-filling stages may add per size: the scene never gives
    // memory back, so their iteration count is bounded by this.
    std::int64_t scene_point_budget;
    // Pairs of whole-step runs per seed (seed_timing.h) and rounds of the
    // peers per point set (peer_timing.h).
    int seed_pairs;
    int peer_rounds;
    int qconvex_runs;  // runs of the whole qconvex process per size
};

// "quick" or "full"; false for any other name.
bool find_scope(std::string_view name, BenchScope& scope);
