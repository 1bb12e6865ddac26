#include "hull_timing.h"

#include "hull_variants.h"
#include "point_families.h"
#include "progress_line.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// Sorted points per (family, n), made once and shared by all variants.
const std::vector<Point>& sorted_input(Family family, std::int32_t n) {
    static std::map<std::pair<Family, std::int32_t>, std::vector<Point>> cache;
    auto [it, inserted] = cache.try_emplace({family, n});
    if (inserted) it->second = sorted_points(make_points(family, n));
    return it->second;
}

// Per-call times measured so far for one cubic variant on one family, by
// size, to predict the next size from.
using CallTimes = std::map<std::int32_t, double>;

double predicted_seconds(const CallTimes& times, std::int32_t n) {
    if (times.empty()) return 0.0;
    const auto last = std::prev(times.end());
    // Growth exponent between the last two sizes, held to 1..3 (the
    // algorithm is at most cubic); 3 while only one size is known.
    double exponent = 3.0;
    if (times.size() >= 2) {
        const auto before = std::prev(last);
        if (before->second > 0.0 && last->second > 0.0) {
            exponent = std::log(last->second / before->second) / std::log(double(last->first) / before->first);
            exponent = std::clamp(exponent, 1.0, 3.0);
        }
    }
    return last->second * std::pow(double(n) / last->first, exponent);
}

void time_hull(benchmark::State& state, const HullVariant& variant, Family family, double call_limit,
               CallTimes* call_times) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    if (call_times) {
        const double predicted = predicted_seconds(*call_times, n);
        if (predicted > call_limit) {
            char message[160];
            std::snprintf(message, sizeof message,
                          "izostavljeno: procena %.1f s po pozivu je iznad granice od %.1f s", predicted, call_limit);
            state.SkipWithError(message);
            return;
        }
    }
    const MeasurementUnderway underway;
    const std::vector<Point>& points = sorted_input(family, n);
    std::vector<Point> hull(static_cast<std::size_t>(2 * n + 2));
    std::int32_t h = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        h = variant.hull(points.data(), hull.data(), n);
        benchmark::DoNotOptimize(h);
        benchmark::ClobberMemory();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetComplexityN(n);
    if (call_times && state.iterations() > 0) (*call_times)[n] = elapsed.count() / double(state.iterations());
    state.counters["calls_per_iteration"] = 1;
    state.counters["hull_vertices"] = h;
}

}  // namespace

void register_hull_benchmarks(const BenchScope& scope) {
    // One record per (variant, family); they live as long as the process.
    static std::map<std::pair<std::string_view, Family>, CallTimes> call_times;
    for (const HullVariant& variant : kHullVariants) {
        for (const Family family : kAllFamilies) {
            CallTimes* times = variant.cubic ? &call_times[{variant.name, family}] : nullptr;
            const std::string name = std::string(variant.name) + "/" + std::string(family_name(family));
            // One benchmark over all sizes, so that Google Benchmark fits
            // the growth of the time with n (the "_BigO" and "_RMS" rows).
            benchmark::internal::Benchmark* bench =
                benchmark::RegisterBenchmark(name.c_str(), time_hull, variant, family, scope.cubic_call_limit_seconds,
                                             times);
            for (const std::int32_t n : scope.hull_sizes) {
                if (n > variant.capacity || (family == Family::circle && n > kCircleCapacity)) continue;
                bench->Arg(n);
            }
            bench->Unit(benchmark::kMicrosecond)->MinTime(scope.min_seconds)->UseRealTime()->Complexity(benchmark::oAuto);
        }
    }
}
