// CGAL's planar hulls with exact predicates (filtered, exact where the
// filter cannot decide), on the floats widened to double.
#include "peers.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/ch_bykat.h>
#include <CGAL/ch_eddy.h>
#include <CGAL/ch_graham_andrew.h>
#include <CGAL/ch_jarvis.h>
#include <CGAL/convex_hull_2.h>

#include <iterator>

namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using CgalPoint = Kernel::Point_2;
using Points = std::vector<CgalPoint>;

// The timing loop of one CGAL hull, called as hull(first, last, out).
template <class Hull>
TimeHull timed(Hull hull) {
    return [hull](benchmark::State& state, const std::vector<Point>& points) {
        Points input;
        input.reserve(points.size());
        for (const Point& p : points) input.emplace_back(p.x, p.y);
        Points output;
        output.reserve(points.size() + 1);
        for (auto _ : state) {
            output.clear();
            hull(input.cbegin(), input.cend(), std::back_inserter(output));
            benchmark::ClobberMemory();
        }
        std::vector<Point> vertices;
        for (const CgalPoint& p : output) vertices.push_back(Point{static_cast<float>(p.x()), static_cast<float>(p.y())});
        return vertices;
    };
}

// The two chains of Andrew's scan on points already sorted as CGAL sorts
// them (x, then y: the programs' order), as ch_graham_andrew runs it after
// its sort: from the first point to the last and back.
struct AndrewScan {
    template <class In, class Out>
    Out operator()(In first, In last, Out out) const {
        out = CGAL::ch_graham_andrew_scan(first, last, out, Kernel());
        return CGAL::ch_graham_andrew_scan(std::make_reverse_iterator(last), std::make_reverse_iterator(first), out,
                                           Kernel());
    }
};

}  // namespace

std::vector<Contender> cgal_contenders() {
    return {
        {"cgal_andrew_scan", Input::sorted, Growth::n_log_n, timed(AndrewScan{})},
        {"cgal_jarvis", Input::sorted, Growth::n_h, timed([](auto... a) { return CGAL::ch_jarvis(a...); })},
        {"cgal_eddy", Input::sorted, Growth::n_log_n, timed([](auto... a) { return CGAL::ch_eddy(a...); })},
        {"cgal_bykat", Input::sorted, Growth::n_log_n, timed([](auto... a) { return CGAL::ch_bykat(a...); })},
        {"cgal_graham_andrew", Input::file_order, Growth::n_log_n,
         timed([](auto... a) { return CGAL::ch_graham_andrew(a...); })},
        // The same whole hull, its sort included, on the points as the
        // programs pass them to their hull step: beside Graham's scan,
        // which sorts them anew by angle.
        {"cgal_graham_andrew_sorted", Input::sorted, Growth::n_log_n,
         timed([](auto... a) { return CGAL::ch_graham_andrew(a...); })},
        {"cgal_convex_hull_2", Input::file_order, Growth::n_log_n,
         timed([](auto... a) { return CGAL::convex_hull_2(a...); })},
    };
}
