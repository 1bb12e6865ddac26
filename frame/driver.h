// The benchmark driver shared by both hull programs: read the point file,
// sort, compute the hull R times against the clock, append the timing line
// to the log, then show the points and the last hull in the window.
#pragma once

#include "file_names.h"
#include "point.h"

#include <array>
#include <cstdint>

// What sets one hull program apart from the other.
struct HullProgram {
    const char* label_format;  // e.g. "n^3(n=%d)"
    std::int32_t (*hull)(const Point* points, Point* hull, std::int32_t n);
};

// Steps up to the log line: opens the point file and the log, then times the
// reading, the sort and all R hull runs, and appends the line. points holds
// point_capacity elements, hull twice as many. Returns the last hull's
// vertex count. Throws InputError (nothing appended) on a bad file or value.
std::int32_t run_benchmark(const HullProgram& program, Point* points, Point* hull, std::int32_t point_capacity,
                           const char* point_file_name, const char* log_name);

// The whole program with arrays supplied: benchmark, outline, window, pause.
// Returns the exit status: 0, or 1 after a message on standard error.
int run_driver(const HullProgram& program, Point* points, Point* hull, std::int32_t point_capacity, int argc,
               char** argv);

// The program's entry: the point and hull arrays live on its stack for the
// whole run, every element default-constructed before anything is read.
template <std::int32_t PointCapacity>
int run_hull_program(const HullProgram& program, int argc, char** argv) {
    std::array<Point, PointCapacity> points;
    std::array<Point, 2 * PointCapacity> hull;
    return run_driver(program, points.data(), hull.data(), PointCapacity, argc, argv);
}
