// The hull programs' benchmark step written the straightforward way, kept as
// the yardstick that run_benchmark is measured against: fscanf for the point
// file, a std::list with the default allocator for the drawn points, qsort,
// the straightforward hull R times against the clock, and the log line.
#pragma once

#include "point.h"

#include <cstdint>
#include <list>

// What sets one straightforward program apart from the other.
struct StraightforwardProgram {
    const char* label_format;  // as in the log: "n^3(n=%d)" or "n*logn(n=%d)"
    std::int32_t capacity;     // the largest n accepted
    std::int32_t (*hull)(const Point* points, Point* hull, std::int32_t n);
};

extern const StraightforwardProgram kStraightforwardBrute;  // hull_brute_force_straightforward, 10000 points
extern const StraightforwardProgram kStraightforwardChain;  // hull_monotone_chain_straightforward, 20001 points

// Reads "n R" and n pairs "x y" from point_file_name with fscanf, appends
// each point to drawn (one heap node each) and to points[0 .. n-1], sorts
// points with compare_points, computes the hull into hull R times, and
// appends the timing line to log_name. points holds program.capacity
// elements, hull twice as many. Returns the last hull's vertex count.
// Throws std::runtime_error, naming the file, when the file cannot be read
// or holds a bad value; nothing is appended to the log then.
std::int32_t straightforward_run(const StraightforwardProgram& program, Point* points, Point* hull,
                                 std::list<Point>& drawn, const char* point_file_name, const char* log_name);

inline std::int32_t straightforward_chain_run(Point* points, Point* hull, std::list<Point>& drawn,
                                              const char* point_file_name, const char* log_name) {
    return straightforward_run(kStraightforwardChain, points, hull, drawn, point_file_name, log_name);
}

inline std::int32_t straightforward_brute_run(Point* points, Point* hull, std::list<Point>& drawn,
                                              const char* point_file_name, const char* log_name) {
    return straightforward_run(kStraightforwardBrute, points, hull, drawn, point_file_name, log_name);
}
