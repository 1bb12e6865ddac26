// Progress of a long timed run on one line of standard error, updated in
// place: runs done of R and, within a run, the share of its work done, as
// the hull algorithm reports it through the kernel's progress hook.
//
// Shown only when standard error is a terminal and the run has lasted a
// couple of seconds, at most a few times a second, so it neither clutters
// short runs nor disturbs the timing. Never written to the log. While it is
// shown, a signal that ends the program (SIGINT, SIGTERM, SIGHUP, SIGQUIT and
// the others of signal_guard.h) clears it first; the exit status still names
// the signal.
#pragma once

#include <cstdint>

// Before the first run: shows progress from now on if standard error is a
// terminal, listening to the algorithm's reports.
void start_progress(std::int32_t total_runs);

// At the start of each run (0-based).
void note_run_started(std::int32_t run);

// After the last run: stops listening and clears the line if anything was shown.
void finish_progress();
