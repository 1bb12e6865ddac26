// The straightforward versions the project's hulls and their programs'
// timed step are measured against: plain code as one would first write it,
// each right turn decided by plain_right_turn (one by-value double cross
// product, exact where its products are, such as on small integers).
#pragma once

#include "point.h"
#include "timed_step.h"

#include <cstdint>
#include <list>

// The brute force: every ordered pair scanned against every other point.
// The same result as hull_brute_force (counter-clockwise from points[0],
// closing copy of the first vertex, 2 ends for a collinear set, 1 vertex
// when all points coincide, 0 for n = 0) wherever plain_right_turn is
// exact. points sorted with compare_points; hull has room for n + 1.
std::int32_t hull_brute_force_straightforward(const Point* points, Point* hull, std::int32_t n);

// Room of the monotone chain's lower-chain buffer, and so the largest n it takes.
inline constexpr std::int32_t kStraightforwardChainCapacity = 20001;

// Andrew's monotone chain with a lower-chain buffer default-constructed on
// every call. The same result as hull_monotone_chain (clockwise from
// points[0], no closing copy; 0 for n = 0, 1 for n = 1) wherever
// plain_right_turn is exact. points sorted with compare_points, n <= 20001;
// hull has room for 2n - 2 (1 when n = 1).
std::int32_t hull_monotone_chain_straightforward(const Point* points, Point* hull, std::int32_t n);

// The timed step of a hull program, straightforward: fscanf for the point
// file, a std::list with the default allocator for the drawn points, qsort,
// program.hull R times against the clock, and the program's log line
// appended with fprintf. Reads "n R" and n pairs from point_file_name into
// points[0 .. n-1] (capacity elements), appends each to drawn, and returns
// the last hull's vertex count; hull holds twice the capacity. Throws
// std::runtime_error, naming the file, when the file cannot be read or
// holds a bad value; nothing is appended to the log then.
std::int32_t straightforward_run(const HullProgram& program, std::int32_t capacity, Point* points, Point* hull,
                                 std::list<Point>& drawn, const char* point_file_name, const char* log_name);
