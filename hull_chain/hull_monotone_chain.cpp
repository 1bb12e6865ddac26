#include "hull_monotone_chain.h"

#include "contracts.h"
#include "default_points.h"
#include "hull_candidates.h"
#include "polygon_checks.h"
#include "turn.h"

std::int32_t is_right_turn(Point p1, Point p2, Point p3) {
    return turn_sign(p1, p2, p3) < 0 ? 1 : 0;
}

void append_chain(Point* hull, const Point* chain, std::int32_t k, std::int32_t m) {
    for (std::int32_t j = 1; j <= m - 2; ++j) hull[k + j - 1] = chain[j];
}

namespace {

// Whether a -> b -> c turns strictly right; the turn is told to steps with
// its exact sign, which only a recorded run computes.
template <class Steps>
bool right_turn_told(const SetTurns& turns, const Point& a, const Point& b, const Point& c, Steps& steps) {
    const bool right = turns.right_turn(a, b, c);
    if constexpr (Steps::kRecording) steps.turn(a, b, c, right ? -1 : turns.turn_sign(a, b, c));
    return right;
}

// One chain over the marked points, in the order of its pass, into
// chain[0 ..]: before each point is appended, every point that would not
// make a strict right turn with its neighbours is dropped, which leaves the
// same chain as appending first and then dropping the middle one of the
// last three. At least two points are marked; returns the chain's length.
template <class Marked, class Steps>
std::int32_t build_chain(const Point* points, Marked marked, Point* chain, const SetTurns& turns, Steps& steps) {
    std::int32_t i = 0;
    marked.next(i);
    chain[0] = points[i];
    steps.push(chain[0]);
    marked.next(i);
    chain[1] = points[i];
    steps.push(chain[1]);
    std::int32_t m = 2;
    while (marked.next(i)) {
        const Point& next = points[i];
        while (m >= 2 && !right_turn_told(turns, chain[m - 2], chain[m - 1], next, steps)) {
            steps.pop(chain[m - 1]);
            --m;
        }
        chain[m++] = next;
        steps.push(next);
    }
    return m;
}

template <class Steps>
std::int32_t chain_hull(const Point* points, Point* hull, std::int32_t n, Steps& steps) {
    HULL_PRECONDITION(n >= 0 && n <= kChainScratchCapacity);
    HULL_PRECONDITION(is_sorted_by_position(points, n));
    if (n <= 0) return 0;

    DefaultPoints<kChainScratchCapacity> scratch;

    if (n == 1) {
        // Both chains would hold the point once; it is the hull's one vertex.
        hull[0] = points[0];
        steps.push(hull[0]);
        return 1;
    }

    // Each chain is built from its candidates alone: the points it leaves
    // out a full pass would drop in any case, so neither the vertices nor
    // their order change. The upper chain runs left to right in hull, the
    // lower one right to left in the scratch buffer; the hull is the upper
    // chain, then the lower chain without its two ends.
    HullCandidates marks;
    const SetTurns turns = mark_hull_candidates(points, n, marks);
    steps.candidates(points, n, marks);
    const std::int32_t words = (n + 63) / 64;
    steps.phase(StepPhase::upper_chain);
    const std::int32_t k = build_chain(points, MarkedPoints<true>(marks.upper, words), hull, turns, steps);
    steps.phase(StepPhase::lower_chain);
    const std::int32_t m = build_chain(points, MarkedPoints<false>(marks.lower, words), scratch.data(), turns, steps);
    append_chain(hull, scratch.data(), k, m);
    const std::int32_t h = k + m - 2;
    // The promised polygon: from the first point in sort order, strictly
    // convex and clockwise; two copies of the point where all are equal.
    HULL_POSTCONDITION(h >= 1 && h <= 2 * n - 2 && same_position(hull[0], points[0]));
    HULL_POSTCONDITION(turns_everywhere(hull, h, Turning::clockwise_strictly));
    return h;
}

}  // namespace

std::int32_t hull_monotone_chain(const Point* points, Point* hull, std::int32_t n) {
    NoSteps steps;
    return chain_hull(points, hull, n, steps);
}

std::int32_t hull_chain_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps) {
    return chain_hull(points, hull, n, steps);
}
