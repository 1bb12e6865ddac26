// The contenders timed on the same point sets: the project's hulls and
// other geometry libraries' (each library built in only where it is
// installed and the build asks for it, HULL_BENCH_PEERS).
#pragma once

#include "algorithms.h"
#include "point.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string_view>
#include <vector>

// What a contender starts from: the points sorted with compare_points, as
// the programs pass them to their hull step, or in file order for a whole
// hull, its own sort included.
enum class Input { sorted, file_order };

// Runs the benchmark's timing loop, one hull of points per iteration, and
// returns the positions of the last hull's vertices (any order).
using TimeHull = std::function<std::vector<Point>(benchmark::State& state, const std::vector<Point>& points)>;

struct Contender {
    std::string_view name;
    Input input;
    Growth growth;
    TimeHull time;
};

// One of the project's hulls: on the points as given (its hull step), or on
// a copy sorted first as the programs sort (qsort with compare_points) or
// with std::sort (a whole hull from the points in file order).
enum class Sort { none, qsort, std_sort };
TimeHull project_hull(HullFunction hull, Sort sort);

// CGAL's planar hulls (peers_cgal.cpp) and Qhull's (peers_qhull.cpp).
std::vector<Contender> cgal_contenders();
std::vector<Contender> qhull_contenders();
