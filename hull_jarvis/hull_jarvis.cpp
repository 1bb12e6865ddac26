#include "hull_jarvis.h"

#include "contracts.h"
#include "point_order.h"
#include "polygon_checks.h"
#include "turn.h"

namespace {

// Jarvis's march, clockwise: from the first point in sort order (a corner),
// each next vertex is found by one pass over all points that keeps as the
// candidate the point no other lies strictly left of the edge to: a point
// strictly left of the edge to the candidate, or on it and farther, takes
// its place. All points lie in a wedge of less than a half turn at a strict
// corner, so this order is transitive and the pass ends at the next corner,
// the far end of a straight side, never a point inside it or a copy of the
// current vertex. The march ends where it comes back to the first point.
template <class Steps>
std::int32_t build(const Point* points, Point* hull, std::int32_t n, Steps& steps) {
    HULL_PRECONDITION(n >= 0 && n <= kHullJarvisPointCapacity);
    HULL_PRECONDITION(is_sorted_by_position(points, n));
    if (n <= 0) return 0;
    const Point& start = points[0];
    hull[0] = start;
    steps.phase(StepPhase::wrap);
    steps.push(start);
    if (n == 1) return 1;
    if (same_position(start, points[n - 1])) {
        // All points at one position (sorted: the first equals the last).
        hull[1] = points[n - 1];
        steps.push(hull[1]);
        return 2;
    }

    const SetTurns turns = SetTurns::of(points, n);
    const Point* current = &start;
    std::int32_t h = 1;
    while (true) {
        // Any point at another position to begin with: the last in sort
        // order from the start, the start itself from every later vertex.
        const Point* candidate = h == 1 ? &points[n - 1] : &start;
        steps.edge(*current, *candidate, StepEdge::candidate);
        SetLine line(turns, *current, *candidate);
        std::int64_t unseen = 0;
        for (std::int32_t k = 0; k < n; ++k) {
            const Point& p = points[k];
            const int turn = line.side(p);
            if (turn > 0 || (turn == 0 && nearer_on_ray(*current, *candidate, p))) {
                steps.turn(*current, *candidate, p, turn);
                candidate = &p;
                line = SetLine(turns, *current, *candidate);
                steps.edge(*current, *candidate, StepEdge::candidate);
            } else if constexpr (Steps::kRecording) {
                ++unseen;
            }
        }
        steps.unseen_turns(unseen);
        steps.edge(*current, *candidate, StepEdge::accepted);
        if (same_position(*candidate, start)) break;
        hull[h++] = *candidate;
        steps.push(*candidate);
        current = candidate;
    }
    HULL_POSTCONDITION(h >= 2 && h <= n);
    HULL_POSTCONDITION(turns_everywhere(hull, h, Turning::clockwise_strictly));
    return h;
}

}  // namespace

std::int32_t hull_jarvis(const Point* points, Point* hull, std::int32_t n) {
    NoSteps steps;
    return build(points, hull, n, steps);
}

std::int32_t hull_jarvis_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps) {
    return build(points, hull, n, steps);
}
