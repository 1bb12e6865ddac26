// How a long hull computation tells whoever listens how far it has come,
// without knowing who that is: the driver installs a listener for its timed
// runs (the progress line on the terminal); with none installed a report
// costs one test of a pointer.
#pragma once

#include <cstdint>

// done of total units of the current call's work are finished.
using ProgressListener = void (*)(std::int64_t done, std::int64_t total);

// The listener, or nullptr (the start value): nobody listens.
extern ProgressListener progress_listener;

inline void report_progress(std::int64_t done, std::int64_t total) {
    if (progress_listener) progress_listener(done, total);
}
