// The whole qconvex process (start, reading, hull, output) on the same
// points as the hulls, for a comparison with what the hull programs spend.
#include "measurements.h"
#include "memory_file.h"
#include "point_families.h"

#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kRuns = 20;  // runs of the process per set

// One run of "qconvex Fx" reading the file behind input_fd from its start,
// its output and messages thrown away: the CPU seconds (user and system) of
// the process and, in wall_seconds, its elapsed time; a negative value when
// it could not be started or failed.
double run_qconvex_process(int input_fd, double& wall_seconds) {
    if (::lseek(input_fd, 0, SEEK_SET) != 0) return -1.0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input_fd, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char program[] = "qconvex";
    char option[] = "Fx";
    char* argv[] = {program, option, nullptr};
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1.0;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1.0;
    clock_gettime(CLOCK_MONOTONIC, &end);
    wall_seconds = double(end.tv_sec - start.tv_sec) + 1e-9 * double(end.tv_nsec - start.tv_nsec);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + 1e-6 * double(t.tv_usec); };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The process's CPU time is the benchmark's time; its elapsed time the
// counter wall_seconds.
void time_qconvex(benchmark::State& state, Family family) {
    const int input = memory_file(qconvex_text(family, static_cast<std::int32_t>(state.range(0))));
    double wall_total = 0.0;
    for (auto _ : state) {
        double wall = 0.0;
        const double cpu = run_qconvex_process(input, wall);
        if (cpu < 0.0) {
            state.SkipWithError("qconvex Fx nije uspeo");
            break;
        }
        state.SetIterationTime(cpu);
        wall_total += wall;
    }
    ::close(input);
    if (state.iterations() > 0) state.counters["wall_seconds"] = wall_total / double(state.iterations());
}

}  // namespace

void register_qconvex(const Scope& scope) {
    if (!scope.curves) return;
    // Only where qconvex runs: tried once on the corners of a square.
    const int square = memory_file("2 4 0 0 1 0 0 1 1 1");
    double wall = 0.0;
    const bool runs = run_qconvex_process(square, wall) >= 0;
    ::close(square);
    if (!runs) return;
    for (const Family family : kAllFamilies) {
        auto* bench = benchmark::RegisterBenchmark(bench_name({"qconvex", family_name(family)}).c_str(), time_qconvex, family);
        for (const int n : {4, 1000, 10000, 20001}) bench->Arg(n);
        bench->Iterations(kRuns)->Unit(benchmark::kMillisecond)->UseManualTime();
    }
}
