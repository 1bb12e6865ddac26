#include "hull_brute_force.h"

#include "capacities.h"
#include "contracts.h"
#include "line_batch.h"
#include "polygon_checks.h"
#include "progress_hook.h"
#include "scan_work.h"
#include "turn.h"

#include <vector>

std::int32_t orientation(Point p1, Point p2, Point p3) {
    switch (turn_sign(p1, p2, p3)) {
        case -1: return 1;
        case 1: return 0;
        default: return -1;
    }
}

namespace {

// Copies the closed polygon points[order[0]], ... and the closing copy of
// the first vertex, each vertex told to steps as it joins the hull; returns
// the vertex count.
template <class Steps>
std::int32_t write_polygon(const Point* points, Point* hull, const std::int32_t* order, std::int32_t count,
                           Steps& steps) {
    steps.phase(StepPhase::wrap);
    for (std::int32_t v = 0; v < count; ++v) {
        hull[v] = points[order[v]];
        steps.push(hull[v]);
    }
    hull[count] = hull[0];
    return count;
}

// Phase 1: every ordered pair (i, j) is tried against all points k, the scan
// stopping at the first point strictly right of i -> j. A pair that finds
// none is a hull edge; the chain below only ever follows, from each start
// point, the accepted edge with the least end index to another position, so
// that is all that is kept: next_vertex[i], or -1. Returns whether any pair
// was rejected (false exactly when all points lie on one line). Progress is
// reported per start point, as a share of the estimated work. Each pair is
// told to steps with the point that rejects it, or as an edge; its turn
// tests are the points its scan went through.
template <class Steps>
bool scan_edges(const Point* points, std::int32_t n, std::vector<std::int32_t>& next_vertex, Steps& steps) {
    const PointColumns columns(points, n);
    const std::vector<std::int64_t> work = progress_listener ? estimate_scan_work(columns, n) : std::vector<std::int64_t>();
    std::vector<std::int32_t> stops(static_cast<std::size_t>(n));
    bool any_rejected = false;
    steps.phase(StepPhase::pairs);
    for (std::int32_t i = 0; i < n; ++i) {
        if (!work.empty()) report_progress(work[static_cast<std::size_t>(i)], work.back());
        columns.first_right_from(i, stops.data());
        for (std::int32_t j = 0; j < n; ++j) {
            if (j == i) continue;
            const std::int32_t stop = stops[static_cast<std::size_t>(j)];
            steps.edge(points[i], points[j], StepEdge::pair);
            if (stop < n) {
                any_rejected = true;
                steps.unseen_turns(stop + 1);
                steps.mark(points[stop], StepMark::rejecting);
            } else {
                steps.unseen_turns(n);
                steps.edge(points[i], points[j], StepEdge::accepted);
                if (next_vertex[static_cast<std::size_t>(i)] < 0 && !same_position(points[i], points[j])) {
                    next_vertex[static_cast<std::size_t>(i)] = j;
                }
            }
        }
    }
    return any_rejected;
}

// The hull of n >= 1 sorted points.
template <class Steps>
std::int32_t hull_of_sorted(const Point* points, Point* hull, std::int32_t n, Steps& steps) {
    std::vector<std::int32_t> next_vertex(static_cast<std::size_t>(n), -1);
    const bool any_point_off_a_line = scan_edges(points, n, next_vertex, steps);

    // Degenerate sets: no point is ever strictly right of any pair exactly
    // when all points lie on one line (all equal included).
    if (!any_point_off_a_line) {
        const std::int32_t ends[2] = {0, n - 1};
        return write_polygon(points, hull, ends, same_position(points[0], points[n - 1]) ? 1 : 2, steps);
    }

    // Phase 2: follow the kept edges from points[0], the first point in sort
    // order and always a vertex, until the chain closes. A closed hull has at
    // most n vertices, so n steps bound the walk whatever the input.
    std::vector<std::int32_t> order;
    order.reserve(static_cast<std::size_t>(n));
    std::int32_t current = 0;
    do {
        order.push_back(current);
        current = next_vertex[static_cast<std::size_t>(current)];
    } while (current > 0 && static_cast<std::int32_t>(order.size()) < n);
    return write_polygon(points, hull, order.data(), static_cast<std::int32_t>(order.size()), steps);
}

template <class Steps>
std::int32_t brute_force_hull(const Point* points, Point* hull, std::int32_t n, Steps& steps) {
    HULL_PRECONDITION(n >= 0 && n <= kHullBrutePointCapacity);
    HULL_PRECONDITION(is_sorted_by_position(points, n));
    if (n <= 0) return 0;
    const std::int32_t h = hull_of_sorted(points, hull, n, steps);
    // The promised polygon: from the first point in sort order, turning
    // counter-clockwise (straight where a side holds further vertices), each
    // position once, closed by a copy of its first vertex.
    HULL_POSTCONDITION(h >= 1 && h <= n);
    HULL_POSTCONDITION(same_position(hull[0], points[0]) && same_position(hull[h], hull[0]));
    HULL_POSTCONDITION(turns_everywhere(hull, h, Turning::counter_clockwise_or_along));
    return h;
}

}  // namespace

std::int32_t hull_brute_force(const Point* points, Point* hull, std::int32_t n) {
    NoSteps steps;
    return brute_force_hull(points, hull, n, steps);
}

std::int32_t hull_brute_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps) {
    return brute_force_hull(points, hull, n, steps);
}
