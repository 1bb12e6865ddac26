// The point files and the log that the whole-step benchmarks of one
// hull_bench process write, in a temporary directory of its own.
#pragma once

#include "point_families.h"

#include <cstdint>
#include <string>

// A point file of n points of the family from seed with R = repetitions,
// laid out as the generator writes it: "n R", then "x y" per line in the
// family's text. The random family's file is written by the generator
// itself, its clock standing at seed. Written once per process; throws
// std::runtime_error naming the file when it cannot be written.
std::string bench_point_file(Family family, std::int32_t n, std::int32_t repetitions, std::uint32_t seed);

// n points of the family from the fixed seed as qconvex reads them: "2",
// n, then "x y" per line with nine significant digits. Written once per
// process.
std::string bench_qconvex_file(Family family, std::int32_t n);

// The log the whole steps append their timing lines to.
std::string bench_log_file();

// Removes the directory with everything in it.
void remove_bench_files();
