// The whole qconvex process (start, reading, hull, output) on the same
// points as the hulls, for a comparison with what the hull programs spend.
#include "launch.h"
#include "measurements.h"
#include "memory_file.h"
#include "point_families.h"

#include <string>

#include <unistd.h>

namespace {

constexpr int kRuns = 20;  // runs of the process per set

// One run of "qconvex Fx" reading the points held in memory behind input_fd
// (opened anew through /proc, from their start), its output and messages
// thrown away: the CPU seconds (user and system) of the process and, in
// wall_seconds, its elapsed time; a negative value when it could not be
// started or failed.
double run_qconvex_process(int input_fd, double& wall_seconds) {
    launch::Command command;
    command.program = "qconvex";
    command.arguments = {"Fx"};
    command.input = launch::Stream::file("/proc/self/fd/" + std::to_string(input_fd));
    command.output = launch::Stream::null();
    command.errors = launch::Stream::null();
    launch::Process process(command);
    process.wait();
    const launch::Ending& ending = process.ending();
    if (!ending.started || !ending.exited || ending.status != 0) return -1.0;
    wall_seconds = ending.wall_seconds;
    return ending.cpu_seconds;
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
