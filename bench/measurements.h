// The measurements hull_bench registers with Google Benchmark, by what they
// measure, and how much of each a run takes (its scope).
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Scope {
    std::string_view name;     // quick, full, targets or docs
    bool curves;               // per-call curves, stages, qconvex
    double min_seconds;        // Google Benchmark's minimum time per size of a curve
    std::int32_t cubic_limit;  // the largest n a cubic algorithm is timed at per call
    int repetitions;           // of every whole step, point set and target figure
    bool targets;              // the figures only the speed targets compare
};

// quick, full, targets or docs; false for any other name.
bool find_scope(std::string_view name, Scope& scope);

// calls.cpp: "hull/<algorithm>/<family>/<n>", one call on sorted points,
// and "stage/<stage>/random/<n>", the programs' other stages.
void register_calls(const Scope& scope);

// steps.cpp: "step/<program>/<family>/R=<R>/seed=<s>/<n>", a hull program's
// whole timed step on a point file beside "<program>_straightforward".
void register_steps(const Scope& scope);

// peers.cpp: "peers/<contender>/<family>/seed=<s>/<n>", the project's hulls
// and the libraries' on the same sets, where a library is built in.
void register_peers(const Scope& scope);

// qconvex.cpp: "qconvex/<family>/<n>", the whole qconvex process, where
// qconvex is on the PATH.
void register_qconvex(const Scope& scope);

// Repeats a benchmark; with more than one repetition only the aggregates are
// reported, among them "min", the least time of its repetitions: other load
// on the machine only ever adds time, so the least is the figure it
// disturbs least.
inline benchmark::internal::Benchmark* repeat(benchmark::internal::Benchmark* bench, int repetitions) {
    if (repetitions <= 1) return bench;
    return bench->Repetitions(repetitions)->ReportAggregatesOnly()->ComputeStatistics(
        "min", [](const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); });
}

// "<a>/<b>/...": the parts of a benchmark's name.
inline std::string bench_name(std::initializer_list<std::string_view> parts) {
    std::string name;
    for (const std::string_view part : parts) {
        if (!name.empty()) name += '/';
        name += part;
    }
    return name;
}
