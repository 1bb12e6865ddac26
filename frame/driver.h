// The benchmark driver shared by the hull programs: the timed step
// (timed_step.h), then the points and the last hull in the window.
#pragma once

#include "file_names.h"
#include "point.h"
#include "standard_descriptors.h"
#include "timed_step.h"
#include "usage.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Stack that the window toolkit and the graphics library take while the
// window is shown (about 75 KB with Mesa's software renderer), with room to
// spare. The window's recorded run of the hull (the steps it shows) takes
// the hull's own stack on top of it.
inline constexpr std::size_t kToolkitStack = 128 * 1024;
// The frames of main, the driver and the C library, and the program's
// arguments and environment at the top of the stack.
inline constexpr std::size_t kStackMargin = 32 * 1024;

// The whole program with arrays supplied: benchmark, outline, window, pause.
// Returns the exit status: 0, or 1 after a message on standard error.
int run_driver(const HullProgram& program, Point* points, Point* hull, std::int32_t point_capacity, int argc,
               char** argv);

// Whether the stack size limit (ulimit -s) allows bytes of stack; if not,
// says so on standard error.
bool stack_limit_allows(std::size_t bytes);

namespace driver_detail {
// Kept out of line: its frame, which holds the arrays, is entered only after
// the stack limit has been checked.
template <std::int32_t PointCapacity>
[[gnu::noinline]] int run_with_arrays(const HullProgram& program, int argc, char** argv) {
    std::array<Point, PointCapacity> points;
    std::array<Point, 2 * PointCapacity> hull;
    return run_driver(program, points.data(), hull.data(), PointCapacity, argc, argv);
}
}  // namespace driver_detail

// The program's entry: the point and hull arrays live on its stack for the
// whole run, every element default-constructed before anything is read.
// Under a stack limit too small for them it ends at once with a message
// and status 1 instead of crashing on the first touch of the arrays.
// Asked for its usage (-h, --help), it prints it and does nothing else.
// First of all, a standard descriptor that is closed is opened on
// /dev/null, so that neither the log nor the display connection takes its
// number and receives what the program or a library writes there.
template <std::int32_t PointCapacity>
int run_hull_program(const HullProgram& program, int argc, char** argv) {
    if (!open_standard_descriptors()) return 1;
    if (asks_for_usage(argc, argv)) return print_usage(program, PointCapacity);
    constexpr std::size_t kArrayBytes = sizeof(Point) * 3 * static_cast<std::size_t>(PointCapacity);
    if (!stack_limit_allows(kArrayBytes + program.hull_stack_bytes + kToolkitStack + kStackMargin)) return 1;
    return driver_detail::run_with_arrays<PointCapacity>(program, argc, argv);
}
