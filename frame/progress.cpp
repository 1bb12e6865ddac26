#include "progress.h"

#include "progress_hook.h"
#include "signal_guard.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kQuietStart = std::chrono::seconds(2);
constexpr auto kUpdateInterval = std::chrono::milliseconds(250);

Clock::time_point started;
Clock::time_point next_update;
Clock::time_point run_started;
// How long the first run took, once it is over: every run computes the same
// hull of the same points, so later runs are measured against it.
Clock::duration first_run{};
std::int32_t runs_total = 0;
std::int32_t current_run = 0;
// Whether the line is on the screen; read by the signal handler too.
volatile std::sig_atomic_t shown = 0;

// Carriage return, 79 blanks, carriage return: the line wiped, the cursor at its start.
constexpr char kClearLine[] =
    "\r                                                                               \r";
static_assert(sizeof kClearLine == 79 + 3);

// Clears the line when a signal ends the run while it is shown, so that the
// shell's next output starts on a clean line.
void clear_shown_line() {
    if (shown != 0) {
        const ssize_t ignored = ::write(STDERR_FILENO, kClearLine, sizeof kClearLine - 1);
        (void)ignored;
    }
}
std::optional<SignalGuard> guard;

// Share of the whole measurement (all runs) done, 0..1. Within the first run
// it is the algorithm's own report of its work; within a later one the time
// it has run against the time the first one took.
double share_done(Clock::time_point now, std::int64_t done, std::int64_t total) {
    double within = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 0.0;
    if (current_run > 0 && first_run.count() > 0) {
        within = std::chrono::duration<double>(now - run_started) / std::chrono::duration<double>(first_run);
    }
    within = std::clamp(within, 0.0, 0.99);
    return (current_run + within) / std::max(runs_total, 1);
}

void update(std::int64_t done, std::int64_t total) {
    const Clock::time_point now = Clock::now();
    if (now < next_update) return;
    next_update = now + kUpdateInterval;
    const int percent = static_cast<int>(100.0 * share_done(now, done, total));
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now - started).count();
    if (shown == 0) {
        // Set first, so that a signal in the middle of the first line clears it too.
        shown = 1;
        guard.emplace(clear_shown_line);
    }
    std::fprintf(stderr, "\rRacunam omotac: %3d%% (ponavljanje %d od %d), proteklo %lld s ", percent,
                 current_run + 1, runs_total, static_cast<long long>(seconds));
    std::fflush(stderr);
}

}  // namespace

void start_progress(std::int32_t total_runs) {
    progress_listener = isatty(STDERR_FILENO) != 0 ? update : nullptr;
    started = Clock::now();
    run_started = started;
    next_update = started + kQuietStart;
    first_run = Clock::duration{};
    runs_total = total_runs;
    current_run = 0;
    shown = 0;
}

void note_run_started(std::int32_t run) {
    const Clock::time_point now = Clock::now();
    if (run == 1) first_run = now - run_started;
    run_started = now;
    current_run = run;
    report_progress(0, 1);
}

void finish_progress() {
    if (shown != 0) std::fputs(kClearLine, stderr);
    progress_listener = nullptr;
    shown = 0;
    guard.reset();
}
