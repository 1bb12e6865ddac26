#include "seed_timing.h"

#include "bench_files.h"
#include "hull_chain_profile.h"
#include "point_families.h"
#include "progress_line.h"
#include "scene.h"
#include "straightforward_driver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <exception>
#include <ctime>
#include <list>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kRepetitions = 500;

struct SeedCase {
    Family family;
    std::int32_t n;
};

// The families' sizes: the chain's capacity, and where every or nearly
// every point is a vertex, the sizes at which the hull runs and the
// reading weigh alike.
constexpr SeedCase kSeedCases[] = {
    {Family::random_grid, 20001}, {Family::decimal, 20001},     {Family::disc, 20001},
    {Family::full_float, 20001},  {Family::circle, 1000},       {Family::circle, 2000},
    {Family::circle, 5000},       {Family::circle_float, 1000}, {Family::circle_float, 5000},
};

double thread_seconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

void time_step_pairs(benchmark::State& state, Family family, std::uint32_t seed) {
    const MeasurementUnderway underway;
    const auto n = static_cast<std::int32_t>(state.range(0));
    std::string path;
    try {
        path = bench_point_file(family, n, kRepetitions, seed);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return;
    }
    const std::string log = bench_log_file();
    std::vector<Point> points(static_cast<std::size_t>(kHullChainPointCapacity));
    std::vector<Point> hull(2 * static_cast<std::size_t>(kHullChainPointCapacity));
    std::list<Point> drawn;
    std::vector<double> ratios;
    double workbench_total = 0.0;
    double straightforward_total = 0.0;
    std::int32_t h = 0;
    std::int64_t pair = 0;
    for (auto _ : state) {
        double workbench = 0.0;
        double straightforward = 0.0;
        const auto run_workbench = [&] {
            scene_points.clear();
            scene_segments.clear();
            const double start = thread_seconds();
            h = run_benchmark(kHullChain, points.data(), hull.data(), kHullChainPointCapacity, path.c_str(), log.c_str());
            workbench = thread_seconds() - start;
        };
        const auto run_straightforward = [&] {
            drawn.clear();
            const double start = thread_seconds();
            straightforward_chain_run(points.data(), hull.data(), drawn, path.c_str(), log.c_str());
            straightforward = thread_seconds() - start;
        };
        if (pair++ % 2 == 0) {
            run_workbench();
            run_straightforward();
        } else {
            run_straightforward();
            run_workbench();
        }
        state.SetIterationTime(workbench);
        ratios.push_back(workbench / straightforward);
        workbench_total += workbench;
        straightforward_total += straightforward;
    }
    scene_points.clear();
    scene_segments.clear();
    std::sort(ratios.begin(), ratios.end());
    const std::size_t middle = ratios.size() / 2;
    const double median = ratios.size() % 2 == 1 ? ratios[middle] : (ratios[middle - 1] + ratios[middle]) / 2;
    const auto runs = static_cast<double>(pair);
    state.counters["ratio"] = median;
    state.counters["workbench_seconds"] = workbench_total / runs;
    state.counters["straightforward_seconds"] = straightforward_total / runs;
    state.counters["hull_vertices"] = h;
}

}  // namespace

void register_seed_benchmarks(int pairs) {
    for (const SeedCase& c : kSeedCases) {
        for (std::uint32_t seed = 1; seed <= kSeedCount; ++seed) {
            const std::string name = "seeds/chain_step/" + std::string(family_name(c.family)) + "/R=" +
                                     std::to_string(kRepetitions) + "/seed=" + std::to_string(seed);
            benchmark::RegisterBenchmark(name.c_str(), time_step_pairs, c.family, seed)
                ->Arg(c.n)
                ->Iterations(pairs)
                ->Unit(benchmark::kMillisecond)
                ->UseManualTime();
        }
    }
}
