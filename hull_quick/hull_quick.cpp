#include "hull_quick.h"

#include "contracts.h"
#include "default_points.h"
#include "line_batch.h"
#include "polygon_checks.h"
#include "turn.h"

#include <utility>

namespace {

// A side still to be searched: the points scratch[lo .. hi-1], all strictly
// left of the edge from the last vertex written to scratch[hi], its end.
struct Side {
    std::int32_t lo, hi;
};
static_assert(sizeof(Side) == kQuickSideBytes);

// Quickhull, clockwise. The first point a and the last b in sort order are
// corners; the line a -> b parts the rest into the points strictly left of
// it (above: the upper side, from a to b) and strictly right (the lower
// side, from b back to a); points on it are inside the side a-b or inside
// the hull. A side from v to w with points left of it is split at the
// point f farthest from it (the kernel's farthest_left; of points equally
// far the one farthest along v -> w, a corner): f is a corner, the points
// strictly left of v -> f and of f -> w form two smaller sides, and every
// other point lies in the triangle v f w or on its edges (none is left of
// both, being farther than f), so it is no corner. A side with no points
// is a hull edge. The sides are searched left first, so the vertices come
// in order: the right side of each split waits on a stack of Sides.
//
// Scratch, one copy of the points: the upper side, then b, ..., the lower
// side, then a. A split rearranges its side's range in place into the
// left part, f, the points dropped, the right part, which ends where the
// side's own end stands; so every side's end is the point just after its
// range.
template <class Steps>
std::int32_t build(const Point* points, Point* hull, std::int32_t n, Steps& steps) {
    HULL_PRECONDITION(n >= 0 && n <= kQuickScratchCapacity);
    HULL_PRECONDITION(is_sorted_by_position(points, n));
    if (n <= 0) return 0;
    const Point& a = points[0];
    const Point& b = points[n - 1];
    hull[0] = a;
    steps.phase(StepPhase::split);
    steps.push(a);
    if (n == 1) return 1;
    if (same_position(a, b)) {
        // All points at one position (sorted: the first equals the last).
        hull[1] = b;
        steps.push(b);
        return 2;
    }

    const SetTurns turns = SetTurns::of(points, n);
    DefaultPoints<kQuickScratchCapacity> buffer;
    Point* const scratch = buffer.data();
    steps.edge(a, b, StepEdge::current);
    std::int32_t upper_end = 0, lower_start = n - 1;
    scratch[n - 1] = a;
    const SetLine first_to_last(turns, a, b);
    for (std::int32_t k = 1; k < n - 1; ++k) {
        const Point& p = points[k];
        const int side = first_to_last.side(p);
        if (side > 0) {
            scratch[upper_end++] = p;
        } else if (side < 0) {
            scratch[--lower_start] = p;
        } else {
            steps.mark(p, StepMark::discarded);
        }
    }
    scratch[upper_end] = b;
    steps.unseen_turns(n - 2);

    // The lower side waits; its end, a, is hull[0] already.
    Side waiting[kQuickScratchCapacity];
    std::int32_t waiting_count = 0;
    waiting[waiting_count++] = {lower_start, n - 1};
    Side side{0, upper_end};
    std::int32_t h = 1;
    while (true) {
        const Point from = hull[h - 1];
        const Point to = scratch[side.hi];
        if (side.lo == side.hi) {
            steps.edge(from, to, StepEdge::accepted);
            if (waiting_count == 0) break;  // the edge back to a
            hull[h++] = to;
            steps.push(to);
            side = waiting[--waiting_count];
            continue;
        }
        steps.edge(from, to, StepEdge::current);
        const Point far = scratch[side.lo + farthest_left(turns, from, to, scratch + side.lo, side.hi - side.lo)];
        steps.mark(far, StepMark::farthest);
        // Three ways in one pass: left of from -> far to the front, left of
        // far -> to to the back, the rest (far among them) between.
        const SetLine before(turns, from, far), after(turns, far, to);
        std::int32_t left_end = side.lo, right_start = side.hi;
        std::int64_t tests = side.hi - side.lo - 1;  // farthest_left's comparisons
        for (std::int32_t i = side.lo; i < right_start;) {
            if constexpr (Steps::kRecording) ++tests;
            if (before.left(scratch[i])) {
                std::swap(scratch[left_end++], scratch[i++]);
                continue;
            }
            if constexpr (Steps::kRecording) ++tests;
            if (after.left(scratch[i])) {
                std::swap(scratch[i], scratch[--right_start]);
            } else {
                if (!same_position(scratch[i], far)) steps.mark(scratch[i], StepMark::discarded);
                ++i;
            }
        }
        steps.unseen_turns(tests);
        scratch[left_end] = far;  // far is among the points between: one of them gives way
        waiting[waiting_count++] = {right_start, side.hi};
        side = {side.lo, left_end};
    }
    HULL_POSTCONDITION(h >= 2 && h <= n);
    HULL_POSTCONDITION(turns_everywhere(hull, h, Turning::clockwise_strictly));
    return h;
}

}  // namespace

std::int32_t hull_quick(const Point* points, Point* hull, std::int32_t n) {
    NoSteps steps;
    return build(points, hull, n, steps);
}

std::int32_t hull_quick_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps) {
    return build(points, hull, n, steps);
}
