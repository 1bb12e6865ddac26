// Progress of a long timed run on one line of standard error, updated in
// place: runs done of R and, within a run, the share of its work done.
//
// Shown only when standard error is a terminal and the run has lasted a
// couple of seconds, at most a few times a second, so it neither clutters
// short runs nor disturbs the timing. Never written to the log.
#pragma once

#include <cstdint>

namespace progress_detail {
extern bool enabled;
void update(std::int32_t done, std::int32_t total);
}  // namespace progress_detail

// Before the first run: shows progress from now on if standard error is a terminal.
void start_progress(std::int32_t total_runs);

// At the start of each run (0-based).
void note_run_started(std::int32_t run);

// From inside a long run: done of total units of its work are finished.
inline void note_progress_within_run(std::int32_t done, std::int32_t total) {
    if (progress_detail::enabled) progress_detail::update(done, total);
}

// After the last run: clears the line if anything was shown.
void finish_progress();
