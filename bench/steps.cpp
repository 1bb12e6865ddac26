// A hull program's whole timed step (read the point file, sort, R hull runs,
// append the log line; timed_step.h) beside its straightforward version
// (straightforward.h) on the same point files, in CPU time of the thread.
// The point files and the log live in memory (memory_file.h).
#include "algorithms.h"
#include "measurements.h"
#include "memory_file.h"
#include "point_families.h"
#include "scene.h"
#include "straightforward.h"

#include <exception>
#include <list>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr std::int32_t kSeedRepetitions = 500;  // R of the step over many seeds

struct SeedCase {
    Family family;
    std::int32_t n;
};

// The chain's capacity, and where every or nearly every point is a vertex,
// the sizes at which the hull runs and the reading weigh alike.
constexpr SeedCase kSeedCases[] = {
    {Family::random_grid, 20001}, {Family::decimal, 20001},     {Family::disc, 20001},
    {Family::square, 20001},      {Family::circle, 1000},       {Family::circle, 2000},
    {Family::circle, 5000},       {Family::circle_float, 1000}, {Family::circle_float, 5000},
};

// The point file of the set with R = repetitions, made on first use.
const std::string& point_file(Family family, std::int32_t n, std::int32_t repetitions, std::uint32_t seed) {
    static std::map<std::tuple<Family, std::int32_t, std::int32_t, std::uint32_t>, std::string> files;
    auto [it, made] = files.try_emplace({family, n, repetitions, seed});
    if (made) it->second = memory_file_name(memory_file(point_file_text(family, n, repetitions, seed)));
    return it->second;
}

const std::string& log_file() {
    static const std::string name = memory_file_name(memory_file(""));
    return name;
}

// One run of the step per iteration. The workbench's scene and the
// straightforward list of drawn points are emptied after the clock stops.
void time_step(benchmark::State& state, const Program* program, bool straightforward, Family family,
               std::int32_t repetitions, std::uint32_t seed) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    std::vector<Point> points(static_cast<std::size_t>(program->capacity));
    std::vector<Point> hull(2 * points.size());
    std::list<Point> drawn;
    std::int32_t h = 0;
    try {
        const char* path = point_file(family, n, repetitions, seed).c_str();
        for (auto _ : state) {
            h = straightforward ? straightforward_run(program->straightforward, program->capacity, points.data(),
                                                      hull.data(), drawn, path, log_file().c_str())
                                : run_benchmark(*program->workbench, points.data(), hull.data(), program->capacity,
                                                path, log_file().c_str());
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
    scene_points.clear();
    state.counters["hull_vertices"] = h;
}

// Both steps of the program on the set's point file, one run per repetition.
void register_pair(const Program& program, Family family, std::int32_t n, std::int32_t repetitions,
                   std::uint32_t seed, int bench_repetitions) {
    for (const bool straightforward : {false, true}) {
        const std::string who = std::string(program.name) + (straightforward ? "_straightforward" : "");
        const std::string name = bench_name({"step", who, family_name(family), "R=" + std::to_string(repetitions),
                                             "seed=" + std::to_string(seed)});
        auto* bench =
            benchmark::RegisterBenchmark(name.c_str(), time_step, &program, straightforward, family, repetitions, seed);
        repeat(bench->Arg(n)->Unit(benchmark::kMillisecond)->Iterations(1), bench_repetitions);
    }
}

}  // namespace

void register_steps(const Scope& scope) {
    // The chain's step on the generator's points at its capacity, the hull
    // run once (the reading and the sort weigh most) and 2000 times.
    for (const std::int32_t repetitions : {1, 2000}) {
        register_pair(kHullChainProgram, Family::random_grid, 20001, repetitions, kFixedSeed,
                      std::max(3, scope.repetitions));
    }
    if (scope.targets) {
        // Off the integer grid, where the fast hulls are exact and the
        // straightforward ones evaluate plain doubles.
        register_pair(kHullBruteProgram, Family::decimal, 3000, 1, kFixedSeed, scope.repetitions);
        register_pair(kHullBruteProgram, Family::square, 3000, 1, kFixedSeed, scope.repetitions);
        register_pair(kHullChainProgram, Family::decimal, 20001, 200, kFixedSeed, scope.repetitions);
    }
    if (scope.name == "full") {
        // The straightforward brute force at 10000 points runs for minutes: once.
        for (const std::int32_t n : {5000, 10000}) register_pair(kHullBruteProgram, Family::random_grid, n, 1, kFixedSeed, 1);
    }
    for (const SeedCase& c : kSeedCases) {
        for (std::uint32_t seed = 1; seed <= kSeedCount; ++seed) {
            register_pair(kHullChainProgram, c.family, c.n, kSeedRepetitions, seed, scope.repetitions);
        }
    }
}
