#include "hull_monotone_chain.h"

#include "chain_pass.h"
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
