// The timed step of the hull programs, without the window: read the point
// file, sort, compute the hull R times against the clock, append the timing
// line to the log.
#pragma once

#include "hull_steps.h"
#include "point.h"
#include "stopwatch.h"

#include <cstddef>
#include <cstdint>
#include <string>

// What sets one hull program apart from the others.
struct HullProgram {
    const char* name;          // "hull_brute"
    const char* method;        // the algorithm, for the usage text: "grube sile, O(n^3)"
    const char* label_format;  // e.g. "n^3(n=%d)"
    std::int32_t (*hull)(const Point* points, Point* hull, std::int32_t n);
    // Stack that one call of hull takes for arrays of its own (0 if none).
    std::size_t hull_stack_bytes = 0;
    // The same hull, its steps told to a recorder (hull_steps.h): one
    // untimed run for the window to replay; nullptr where none is written.
    std::int32_t (*recorded)(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps) = nullptr;
};

// What the timed step measured, beyond the line it appended.
struct TimedStep {
    std::string log_line;                // as appended, with its newline
    std::int32_t repetitions = 0;        // R
    Stopwatch::Duration whole{};         // the logged interval: reading, sorting and all R runs
    Stopwatch::Duration hull_runs{};     // the R hull runs alone, the last part of it
};

// Opens the point file and the log, then times the reading, the sort and
// all R hull runs, and appends the line. The hull runs are timed once more
// on their own, inside the logged interval, by one clock reading between
// the sort and the first run. points holds point_capacity elements, hull
// twice as many. Returns the last hull's vertex count and, if asked, fills
// *measured. Throws InputError (nothing appended) on a bad file or value.
std::int32_t run_benchmark(const HullProgram& program, Point* points, Point* hull, std::int32_t point_capacity,
                           const char* point_file_name, const char* log_name, TimedStep* measured = nullptr);
