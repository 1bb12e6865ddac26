#include "hull_graham.h"

#include "angular_order.h"
#include "contracts.h"
#include "polygon_checks.h"
#include "turn.h"

#include <algorithm>

namespace {

// Graham's scan: the pivot (the lowest point, the leftmost of the lowest),
// the others by angle around it (the kernel's AngularOrder: exact, nearer
// first on one ray, copies of the pivot left out), then one pass that keeps
// on a stack, in hull, only strict left turns. The stack is the hull
// counter-clockwise from the pivot; read backwards from the first point in
// sort order it is the clockwise outline of the monotone chain.
template <class Steps>
std::int32_t build(const Point* points, Point* hull, std::int32_t n, Steps& steps) {
    HULL_PRECONDITION(n >= 0 && n <= kHullGrahamPointCapacity);
    HULL_PRECONDITION(is_sorted_by_position(points, n));
    if (n <= 0) return 0;
    hull[0] = points[0];
    if (n == 1 || same_position(points[0], points[n - 1])) {
        // One position (sorted: the first equals the last): once for one
        // point, twice for more.
        steps.push(hull[0]);
        if (n == 1) return 1;
        hull[1] = points[n - 1];
        steps.push(hull[1]);
        return 2;
    }

    // The pivot: the first of the lowest in sort order is the leftmost of them.
    const SetTurns turns = SetTurns::of(points, n);
    std::int32_t pivot = 0;
    for (std::int32_t i = 1; i < n; ++i) {
        if (points[i].y < points[pivot].y) pivot = i;
    }

    steps.phase(StepPhase::angular_sort);
    steps.mark(points[pivot], StepMark::pivot);
    AngularOrder order;
    const std::int32_t m = order.sort(points, n, points[pivot], turns);
    if constexpr (Steps::kRecording) steps.unseen_turns(order.exact_comparisons());

    // m >= 1: not every point is at the pivot's position. The last point in
    // the order (the farthest on the last ray) is a corner; a point that
    // does not lie strictly right of the line from the top of the stack to
    // it lies in the triangle of the pivot, the top and the last point, so
    // it is no corner and is passed over with that one test; the last point
    // itself is taken at the end.
    steps.phase(StepPhase::stack_pass);
    hull[0] = points[pivot];
    steps.push(hull[0]);
    hull[1] = points[order[0]];
    steps.push(hull[1]);
    std::int32_t h = 2;
    const Point& last = points[order[m - 1]];
    SetLine beyond(turns, hull[1], last);
    for (std::int32_t i = 1; i < m; ++i) {
        const Point& next = points[order[i]];
        steps.mark(next, StepMark::tested);
        if (i < m - 1) {
            const int side = beyond.side(next);
            steps.turn(hull[h - 1], last, next, side);
            if (side >= 0) {
                steps.mark(next, StepMark::discarded);
                continue;
            }
        }
        // The pivot stays: every point lies left of or on a line from it.
        while (h >= 2) {
            const int turn = turns.turn_sign(hull[h - 2], hull[h - 1], next);
            steps.turn(hull[h - 2], hull[h - 1], next, turn);
            if (turn > 0) break;
            steps.pop(hull[h - 1]);
            --h;
        }
        hull[h++] = next;
        steps.push(next);
        beyond = SetLine(turns, next, last);
    }

    // Counter-clockwise from the pivot to clockwise from points[0], which is
    // a corner (the least in sort order) and on the stack once.
    std::reverse(hull + 1, hull + h);
    const Point* first = std::find_if(hull, hull + h, [&](const Point& v) { return same_position(v, points[0]); });
    std::rotate(hull, hull + (first - hull), hull + h);
    HULL_POSTCONDITION(h >= 2 && h <= n && same_position(hull[0], points[0]));
    HULL_POSTCONDITION(turns_everywhere(hull, h, Turning::clockwise_strictly));
    return h;
}

}  // namespace

std::int32_t hull_graham(const Point* points, Point* hull, std::int32_t n) {
    NoSteps steps;
    return build(points, hull, n, steps);
}

std::int32_t hull_graham_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps) {
    return build(points, hull, n, steps);
}
