#include "stage_timing.h"

#include "hull_chain_profile.h"
#include "point_families.h"
#include "point_file.h"
#include "point_order.h"
#include "scene.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string>& written_files() {
    static std::vector<std::string> files;
    return files;
}

// Writes the points as the generator would: "n 1", then one "x y" per line.
std::string write_point_file(const std::vector<Point>& points) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("hull_bench_" + std::to_string(getpid()) + "_" + std::to_string(points.size()) + ".test");
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) throw std::runtime_error("ne mogu da napisem privremenu datoteku " + path.string());
    std::fprintf(file, "%zu 1\n", points.size());
    for (const Point& p : points) std::fprintf(file, "%d %d\n", static_cast<int>(p.x), static_cast<int>(p.y));
    if (std::fclose(file) != 0) throw std::runtime_error("ne mogu da napisem privremenu datoteku " + path.string());
    written_files().push_back(path.string());
    return path.string();
}

void clear_scene() {
    scene_points.clear();
    scene_segments.clear();
}

// The driver's reading step: header, then every point into the array and the scene.
void time_parse(benchmark::State& state, std::string path) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    std::vector<Point> points(static_cast<std::size_t>(n));
    for (auto _ : state) {
        state.PauseTiming();
        clear_scene();
        state.ResumeTiming();
        PointFile file(path);
        const PointFileHeader header = file.read_header(kHullChainPointCapacity);
        read_points(file, points.data(), header.n);
        benchmark::ClobberMemory();
    }
    clear_scene();
    state.counters["calls_per_iteration"] = 1;
}

void time_add_point(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    const std::vector<Point> points = make_points(Family::random_grid, n);
    for (auto _ : state) {
        state.PauseTiming();
        clear_scene();
        state.ResumeTiming();
        for (const Point& p : points) add_point(p, 2);
        benchmark::ClobberMemory();
    }
    clear_scene();
    state.counters["calls_per_iteration"] = 1;
}

// Several unsorted copies are sorted per iteration, so that small sizes are
// not dwarfed by pausing the clock to refill them.
void time_sort(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    const std::vector<Point> points = make_points(Family::random_grid, n);
    const std::size_t copies = std::max<std::size_t>(1, 65536 / points.size());
    std::vector<Point> work(copies * points.size());
    for (auto _ : state) {
        state.PauseTiming();
        for (std::size_t c = 0; c < copies; ++c) std::copy(points.begin(), points.end(), work.begin() + c * points.size());
        state.ResumeTiming();
        for (std::size_t c = 0; c < copies; ++c) {
            std::qsort(work.data() + c * points.size(), points.size(), sizeof(Point), compare_points);
        }
        benchmark::ClobberMemory();
    }
    state.counters["calls_per_iteration"] = static_cast<double>(copies);
}

}  // namespace

void register_stage_benchmarks(const BenchScope& scope) {
    // Each call of the scene-filling stages adds n nodes to the scene's
    // arena, which only grows: their iteration count is bounded.
    const auto scene_iterations = [&](std::int32_t n) { return std::max<std::int64_t>(1, scope.scene_point_budget / n); };
    for (const std::int32_t n : scope.stage_sizes) {
        const std::string path = write_point_file(make_points(Family::random_grid, n));
        benchmark::RegisterBenchmark("parse/random", time_parse, path)
            ->Arg(n)
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(scene_iterations(n))
            ->UseRealTime();
    }
    for (const std::int32_t n : scope.stage_sizes) {
        benchmark::RegisterBenchmark("add_point/random", time_add_point)
            ->Arg(n)
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(scene_iterations(n))
            ->UseRealTime();
    }
    for (const std::int32_t n : scope.stage_sizes) {
        benchmark::RegisterBenchmark("sort/random", time_sort)
            ->Arg(n)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(scope.min_seconds)
            ->UseRealTime();
    }
}

void remove_stage_files() {
    for (const std::string& path : written_files()) std::remove(path.c_str());
    written_files().clear();
}
