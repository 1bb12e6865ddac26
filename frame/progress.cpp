#include "progress.h"

#include "progress_hook.h"

#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kQuietStart = std::chrono::seconds(2);
constexpr auto kUpdateInterval = std::chrono::milliseconds(250);

Clock::time_point started;
Clock::time_point next_update;
std::int32_t runs_total = 0;
std::int32_t current_run = 0;
bool shown = false;

void update(std::int64_t done, std::int64_t total) {
    const Clock::time_point now = Clock::now();
    if (now < next_update) return;
    next_update = now + kUpdateInterval;
    const int percent = total > 0 ? static_cast<int>(100.0 * done / total) : 0;
    std::fprintf(stderr, "\rRacunam omotac: ponavljanje %d od %d, %3d%% ponavljanja ", current_run + 1, runs_total,
                 percent);
    std::fflush(stderr);
    shown = true;
}

}  // namespace

void start_progress(std::int32_t total_runs) {
    progress_listener = isatty(STDERR_FILENO) != 0 ? update : nullptr;
    started = Clock::now();
    next_update = started + kQuietStart;
    runs_total = total_runs;
    current_run = 0;
    shown = false;
}

void note_run_started(std::int32_t run) {
    current_run = run;
    report_progress(0, 1);
}

void finish_progress() {
    if (shown) std::fprintf(stderr, "\r%70s\r", "");
    progress_listener = nullptr;
    shown = false;
}
