#include "qconvex_timing.h"

#include "bench_files.h"
#include "point_families.h"
#include "progress_line.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec);
}

// One run of "qconvex Fx" < points > /dev/null: its CPU seconds, or a
// negative value when it could not be started or failed.
double run_qconvex(const std::string& points, double& wall) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, points.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    char program[] = "qconvex";
    char option[] = "Fx";
    char* argv[] = {program, option, nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1.0;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1.0;
    wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void time_qconvex(benchmark::State& state, Family family) {
    const MeasurementUnderway underway;
    const auto n = static_cast<std::int32_t>(state.range(0));
    std::string points;
    try {
        points = bench_qconvex_file(family, n);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return;
    }
    double wall_total = 0.0;
    for (auto _ : state) {
        double wall = 0.0;
        const double cpu = run_qconvex(points, wall);
        if (cpu < 0.0) {
            state.SkipWithError("qconvex Fx nije uspeo");
            break;
        }
        state.SetIterationTime(cpu);
        wall_total += wall;
    }
    if (state.iterations() > 0) state.counters["wall_seconds"] = wall_total / static_cast<double>(state.iterations());
}

}  // namespace

bool have_qconvex() {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return false;
    std::string_view rest = path;
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        std::error_code ec;
        if (!dir.empty() && std::filesystem::is_regular_file(std::filesystem::path(dir) / "qconvex", ec)) return true;
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return false;
}

void register_qconvex_benchmarks(int runs) {
    for (const Family family : kAllFamilies) {
        const std::string name = "qconvex/" + std::string(family_name(family));
        benchmark::internal::Benchmark* bench = benchmark::RegisterBenchmark(name.c_str(), time_qconvex, family);
        for (const int n : {4, 1000, 10000, 20001}) bench->Arg(n);
        bench->Iterations(runs)->Unit(benchmark::kMillisecond)->UseManualTime();
    }
}
