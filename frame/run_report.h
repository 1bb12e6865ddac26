// What a hull program tells a user who runs it by hand at a terminal. When
// standard output is not a terminal (./run, scripts and tests read it) the
// reports print nothing.
#pragma once

#include "point.h"
#include "timed_step.h"

#include <cstdint>
#include <string>

// The line appended to the log (with its newline); the measured interval
// to the microsecond, split into reading with sorting and the R hull runs,
// and the time of one run; then the hull's outline: how many points it
// passes through (h, the count the program's hull algorithm gives) and how
// many of them are corners.
void report_run(const TimedStep& measured, const Point* hull, std::int32_t h);

// The lines of report_run about the times, each with its newline: the
// milliseconds with three decimals, one run in microseconds with two, a
// decimal comma in both.
std::string describe_times(const TimedStep& measured);

// How many of the outline's h points are corners, where the outline turns
// (decided exactly): points inside a side are not. One point, or two, are
// all corners.
std::int32_t count_corners(const Point* hull, std::int32_t h);

// How to end the program once its window is up.
void report_window_opening();
