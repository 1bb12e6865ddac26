#include "driver_timing.h"

#include "bench_files.h"
#include "hull_brute_profile.h"
#include "hull_chain_profile.h"
#include "point_families.h"
#include "progress_line.h"
#include "scene.h"
#include "straightforward_brute_force.h"
#include "straightforward_driver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <list>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kChainDriverPoints = 20001;
constexpr std::int32_t kManyRuns = 2000;

// A point file of the random family from the fixed seed, as the generator writes it.
std::string point_file(std::int32_t n, std::int32_t repetitions, Family family = Family::random_grid) {
    return bench_point_file(family, n, repetitions, kFixedSeed);
}

void clear_scene() {
    scene_points.clear();
    scene_segments.clear();
}

// The workbench's step; the scene it fills is emptied between iterations
// with the clock stopped (its arena keeps growing: iteration counts are bounded).
void time_workbench(benchmark::State& state, const HullProgram* program, std::int32_t capacity, std::string path) {
    const MeasurementUnderway underway;
    std::vector<Point> points(static_cast<std::size_t>(capacity));
    std::vector<Point> hull(2 * static_cast<std::size_t>(capacity));
    const std::string log = bench_log_file();
    std::int32_t h = 0;
    for (auto _ : state) {
        state.PauseTiming();
        clear_scene();
        state.ResumeTiming();
        h = run_benchmark(*program, points.data(), hull.data(), capacity, path.c_str(), log.c_str());
        benchmark::DoNotOptimize(h);
    }
    clear_scene();
    state.counters["calls_per_iteration"] = 1;
    state.counters["hull_vertices"] = h;
}

// The straightforward step, its drawn list emptied the same way.
void time_straightforward(benchmark::State& state, const StraightforwardProgram* program, std::string path) {
    const MeasurementUnderway underway;
    std::vector<Point> points(static_cast<std::size_t>(program->capacity));
    std::vector<Point> hull(2 * static_cast<std::size_t>(program->capacity));
    const std::string log = bench_log_file();
    std::list<Point> drawn;
    std::int32_t h = 0;
    for (auto _ : state) {
        state.PauseTiming();
        drawn.clear();
        state.ResumeTiming();
        h = straightforward_run(*program, points.data(), hull.data(), drawn, path.c_str(), log.c_str());
        benchmark::DoNotOptimize(h);
    }
    state.counters["calls_per_iteration"] = 1;
    state.counters["hull_vertices"] = h;
}

// One hull call per iteration on sorted random points, with no limit on
// how long a call may take.
void time_call(benchmark::State& state, std::int32_t (*hull_function)(const Point*, Point*, std::int32_t)) {
    const MeasurementUnderway underway;
    const auto n = static_cast<std::int32_t>(state.range(0));
    const std::vector<Point> points = sorted_points(make_points(Family::random_grid, n));
    std::vector<Point> hull(2 * static_cast<std::size_t>(n) + 2);
    std::int32_t h = 0;
    for (auto _ : state) {
        h = hull_function(points.data(), hull.data(), n);
        benchmark::DoNotOptimize(h);
        benchmark::ClobberMemory();
    }
    state.counters["calls_per_iteration"] = 1;
    state.counters["hull_vertices"] = h;
}

std::string driver_name(const char* what, std::int32_t repetitions) {
    return std::string("driver/") + what + "/R=" + std::to_string(repetitions);
}

// Both chain drivers at one R, each timed iterations times per repetition.
// bench_repetitions 0 leaves the repetitions to the command line.
void register_chain_pair(std::int32_t repetitions, std::int64_t iterations, int bench_repetitions) {
    const std::string path = point_file(kChainDriverPoints, repetitions);
    benchmark::internal::Benchmark* pair[] = {
        benchmark::RegisterBenchmark(driver_name("chain_workbench", repetitions).c_str(), time_workbench, &kHullChain,
                                     kHullChainPointCapacity, path),
        benchmark::RegisterBenchmark(driver_name("chain_straightforward", repetitions).c_str(), time_straightforward,
                                     &kStraightforwardChain, path),
    };
    for (benchmark::internal::Benchmark* bench : pair) {
        bench->Arg(kChainDriverPoints)->Unit(benchmark::kMillisecond)->Iterations(iterations)->UseRealTime();
        if (bench_repetitions > 0) bench->Repetitions(bench_repetitions);
    }
}

// Both drivers of one program (the brute force, or the chain) on one
// family's point file, with repetitions:
// "driver/<brute|chain>_workbench/<family>/R=<R>/<n>" and the
// straightforward one beside it.
void register_family_pair(bool brute, Family family, std::int32_t n, std::int32_t repetitions,
                          std::int64_t iterations, int bench_repetitions) {
    const std::string path = point_file(n, repetitions, family);
    const auto name = [&](const char* driver) {
        std::string text = brute ? "driver/brute_" : "driver/chain_";
        text += driver;
        text += '/';
        text += family_name(family);
        text += "/R=";
        text += std::to_string(repetitions);
        return text;
    };
    benchmark::internal::Benchmark* pair[] = {
        benchmark::RegisterBenchmark(name("workbench").c_str(), time_workbench, brute ? &kHullBrute : &kHullChain,
                                     brute ? kHullBrutePointCapacity : kHullChainPointCapacity, path),
        benchmark::RegisterBenchmark(name("straightforward").c_str(), time_straightforward,
                                     brute ? &kStraightforwardBrute : &kStraightforwardChain, path),
    };
    for (benchmark::internal::Benchmark* bench : pair) {
        bench->Arg(n)->Unit(benchmark::kMillisecond)->Iterations(iterations)->Repetitions(bench_repetitions);
        bench->UseRealTime();
    }
}

}  // namespace

void register_driver_benchmarks(const BenchScope& scope) {
    const bool full = scope.name == "full";
    register_chain_pair(1, std::max<std::int64_t>(1, scope.scene_point_budget / kChainDriverPoints), 0);
    register_chain_pair(kManyRuns, full ? 3 : 1, 0);
    if (!full) return;
    // The straightforward brute force at 10000 points runs for minutes: one
    // iteration, one repetition.
    for (const std::int32_t n : {5000, 10000}) {
        const std::string path = point_file(n, 1);
        benchmark::RegisterBenchmark(driver_name("brute_workbench", 1).c_str(), time_workbench, &kHullBrute,
                                     kHullBrutePointCapacity, path)
            ->Arg(n)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->UseRealTime();
        benchmark::RegisterBenchmark(driver_name("brute_straightforward", 1).c_str(), time_straightforward,
                                     &kStraightforwardBrute, path)
            ->Arg(n)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->UseRealTime();
    }
}

void register_target_benchmarks() {
    // Medians of 5 where a run is short enough; the straightforward brute force at
    // 10000 points (minutes per call) is measured once.
    for (const std::int32_t n : {5000, 10000}) {
        benchmark::RegisterBenchmark("brute_force/random", time_call, kHullBrute.hull)
            ->Arg(n)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(5)
            ->UseRealTime();
        benchmark::RegisterBenchmark("brute_force_straightforward/random", time_call, hull_brute_force_straightforward)
            ->Arg(n)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(n <= 5000 ? 5 : 1)
            ->UseRealTime();
    }
    register_chain_pair(1, 10, 5);
    register_chain_pair(kManyRuns, 1, 5);
    // Point files off the integer grid: the brute force at 3000 points and
    // the chain at 20001 points and R = 200, both exact against the plain
    // double evaluation of the straightforward versions.
    register_family_pair(true, Family::decimal, 3000, 1, 1, 5);
    register_family_pair(true, Family::full_float, 3000, 1, 1, 5);
    register_family_pair(false, Family::decimal, kChainDriverPoints, 200, 1, 5);
}
