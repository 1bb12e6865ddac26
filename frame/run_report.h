// What a hull program tells a user who runs it by hand at a terminal. When
// standard output is not a terminal (./run, scripts and tests read it) the
// reports print nothing.
#pragma once

#include "point.h"

#include <cstdint>
#include <string>

// The line appended to the log (with its newline), and the hull's outline:
// how many points it passes through (h, the count the program's hull
// algorithm gives) and how many of them are corners.
void report_run(const std::string& log_line, const Point* hull, std::int32_t h);

// How many of the outline's h points are corners, where the outline turns
// (decided exactly): points inside a side are not. One point, or two, are
// all corners.
std::int32_t count_corners(const Point* hull, std::int32_t h);

// How to end the program once its window is up.
void report_window_opening();
