#include "driver.h"

#include "console_pause.h"
#include "display_bound.h"
#include "display_check.h"
#include "input_error.h"
#include "run_report.h"
#include "scene.h"
#include "snapshot_hint.h"
#include "timed_step.h"
#include "viewer.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/resource.h>

int run_driver(const HullProgram& program, Point* points, Point* hull, std::int32_t point_capacity, int argc,
               char** argv) {
    std::int32_t h = 0;
    TimedStep measured;
    try {
        h = run_benchmark(program, points, hull, point_capacity, kPointFileName, kTimingLogName, &measured);
    } catch (const InputError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    report_run(measured, hull, h);
    // An empty point set has no hull, so it gets no outline either.
    if (h > 0) add_outline(hull, h);
    // Asked before the toolkit starts, which would only report in its own
    // words and end the program.
    const std::string no_display = display_problem(argc, argv);
    if (!no_display.empty()) {
        std::fputs(no_window_message(no_display).c_str(), stderr);
        return 1;
    }
    report_window_opening();
    // The scene holds the n points read, the last hull array is free again.
    offer_steps({program.recorded, points, hull, static_cast<std::int32_t>(scene_points.size())});
    show_scene(argc, argv);
    stop_display_bound();
    pause_console();
    return 0;
}

bool stack_limit_allows(std::size_t bytes) {
    struct rlimit limit {};
    if (getrlimit(RLIMIT_STACK, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= bytes) return true;
    constexpr std::size_t kKb = 1024;
    std::fprintf(stderr,
                 "Greska: ogranicenje steka (ulimit -s) je %llu KB, a programu treba najmanje %zu KB; "
                 "povecajte ga, npr. ulimit -s 8192.\n",
                 static_cast<unsigned long long>(limit.rlim_cur / kKb), (bytes + kKb - 1) / kKb);
    return false;
}
