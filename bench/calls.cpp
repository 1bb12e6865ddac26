// The project's hull algorithms and their straightforward versions one call
// at a time, on sorted points prepared before the clock starts, over
// growing n; and the programs' other stages: reading the point file, adding
// points to the scene, sorting.
#include "measurements.h"
#include "peers.h"
#include "memory_file.h"
#include "point_families.h"
#include "point_file.h"
#include "point_order.h"
#include "scene.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kCurveSizes[] = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20001};
constexpr std::int32_t kStageSizes[] = {10, 100, 1000, 10000, 20001};
// The scene's nodes come from an arena that never gives memory back: the
// stages that fill it take at most this many points per size.
constexpr std::int64_t kScenePointBudget = 200'000;

void time_call(benchmark::State& state, HullFunction hull, Family family) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    const auto vertices = project_hull(hull, Sort::none)(state, sorted_points(make_points(family, n)));
    state.SetComplexityN(n);
    state.counters["hull_vertices"] = static_cast<double>(vertices.size());
}

// The reading step of the programs: the header, then every point into the
// array and the scene.
void time_parse(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    const std::string path = memory_file_name(memory_file(point_file_text(Family::random_grid, n, 1, kFixedSeed)));
    std::vector<Point> points(static_cast<std::size_t>(n));
    for (auto _ : state) {
        PointFile file(path);
        read_points(file, points.data(), file.read_header(n).n);
        benchmark::ClobberMemory();
    }
    scene_points.clear();
}

void time_add_point(benchmark::State& state) {
    const std::vector<Point> points = make_points(Family::random_grid, static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        for (const Point& p : points) add_point(p, 2);
        benchmark::ClobberMemory();
    }
    scene_points.clear();
}

// Copying the points in file order, then qsort as the programs sort.
void time_sort(benchmark::State& state) {
    const std::vector<Point> points = make_points(Family::random_grid, static_cast<std::int32_t>(state.range(0)));
    std::vector<Point> work(points.size());
    for (auto _ : state) {
        std::copy(points.begin(), points.end(), work.begin());
        std::qsort(work.data(), work.size(), sizeof(Point), compare_points);
        benchmark::ClobberMemory();
    }
}

void register_curves(const Algorithm& algorithm, const Scope& scope) {
    for (const Family family : kAllFamilies) {
        // One benchmark over all sizes, so that Google Benchmark fits the
        // growth of the time with n (its "_BigO" and "_RMS" rows).
        const std::string name = bench_name({"hull", algorithm.name, family_name(family)});
        auto* bench = benchmark::RegisterBenchmark(name.c_str(), time_call, algorithm.hull, family);
        for (const std::int32_t n : kCurveSizes) {
            if (n <= algorithm.capacity && (algorithm.growth != Growth::cubic || n <= scope.cubic_limit)) bench->Arg(n);
        }
        bench->Unit(benchmark::kMicrosecond)->MinTime(scope.min_seconds)->Complexity(benchmark::oAuto);
    }
}

}  // namespace

void register_calls(const Scope& scope) {
    if (scope.curves) {
        for (const Algorithm& algorithm : kAlgorithms) register_curves(algorithm, scope);
        for (const Algorithm& algorithm : kStraightforwardAlgorithms) register_curves(algorithm, scope);
        const auto stage = [&](const char* what, void (*time)(benchmark::State&), bool fills_scene) {
            for (const std::int32_t n : kStageSizes) {
                auto* bench = benchmark::RegisterBenchmark(bench_name({"stage", what, "random"}).c_str(), time)->Arg(n);
                bench->Unit(benchmark::kMicrosecond);
                if (fills_scene) {
                    bench->Iterations(std::max<std::int64_t>(1, kScenePointBudget / n));
                } else {
                    bench->MinTime(scope.min_seconds);
                }
            }
        };
        stage("parse", time_parse, true);
        stage("add_point", time_add_point, true);
        stage("sort", time_sort, false);
    }
    if (!scope.targets) return;
    // The brute force against its straightforward version, one call on the
    // generator's points; the straightforward call at 10000 points takes
    // minutes, and is measured once.
    for (const std::int32_t n : {5000, 10000}) {
        const auto one_call = [&](const Algorithm& algorithm, int repetitions) {
            const std::string name = bench_name({"hull", algorithm.name, "random"});
            auto* bench = benchmark::RegisterBenchmark(name.c_str(), time_call, algorithm.hull, Family::random_grid);
            repeat(bench->Arg(n)->Unit(benchmark::kMillisecond)->Iterations(1), repetitions);
        };
        static_assert(kAlgorithms[0].name == "brute_force" && kStraightforwardAlgorithms[0].name == "brute_force_straightforward");
        one_call(kAlgorithms[0], scope.repetitions);
        one_call(kStraightforwardAlgorithms[0], n <= 5000 ? scope.repetitions : 1);
    }
}
