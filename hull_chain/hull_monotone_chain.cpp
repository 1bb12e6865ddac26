#include "hull_monotone_chain.h"

#include "contracts.h"
#include "polygon_checks.h"
#include "turn.h"
#include "turn_batch.h"

#include <algorithm>
#include <array>
#include <cmath>

std::int32_t is_right_turn(Point p1, Point p2, Point p3) {
    return turn_sign(p1, p2, p3) < 0 ? 1 : 0;
}

void append_chain(Point* hull, const Point* chain, std::int32_t k, std::int32_t m) {
    for (std::int32_t j = 1; j <= m - 2; ++j) hull[k + j - 1] = chain[j];
}

namespace {

// One chain built in place over its candidates chain[0 .. count-1], in the
// order of the pass: each candidate is appended in turn, and every point
// that does not make a strict right turn with its neighbours is dropped. The
// chain never overtakes the candidate being read, as it holds at most as
// many points as have been read. The turn test is exact (right_turn_in_set
// with the set's bound). Returns the chain's length.
std::int32_t build_chain(Point* chain, std::int32_t count, double set_bound) {
    std::int32_t m = 0;
    for (std::int32_t t = 0; t < count; ++t) {
        chain[m++] = chain[t];
        while (m > 2 && !right_turn_in_set(chain[m - 3], chain[m - 2], chain[m - 1], set_bound)) {
            chain[m - 2] = chain[m - 1];
            --m;
        }
    }
    return m;
}

}  // namespace

std::int32_t hull_monotone_chain(const Point* points, Point* hull, std::int32_t n) {
    HULL_PRECONDITION(n >= 0 && n <= kChainScratchCapacity);
    HULL_PRECONDITION(is_sorted_by_position(points, n));
    if (n <= 0) return 0;

    // The lower chain is built in a buffer of the call's own, every element
    // default-constructed on entry.
    std::array<Point, kChainScratchCapacity> scratch;

    if (n == 1) {
        // Both chains would hold the point once; it is the hull's one vertex.
        hull[0] = points[0];
        return 1;
    }

    // Each chain is built from its candidates alone, points that a full pass
    // over all n points might keep; the others it would drop in any case, so
    // leaving them out changes neither the vertices nor their order (among
    // equal points the candidate is the copy a full pass keeps, and every
    // copy of a vertex stays a candidate). A point is left out of a chain
    // when it cannot be one of its vertices:
    //  - Points sharing an x lie on one vertical line, sorted upwards; of
    //    such a column only the top can be a vertex of the upper chain and
    //    only the bottom one of the lower chain (the rest lies on a vertical
    //    side between the two, or inside the hull). On the generator's files
    //    (a few hundred distinct x) that leaves a few hundred candidates.
    //  - first, last, top and bottom are points of the set (the first and
    //    last in sort order, one of greatest y, one of least y), all on the
    //    hull, and first -> top -> last -> bottom is the hull of the four,
    //    clockwise. The upper side of the hull lies nowhere below the segment
    //    first -> top (for x up to top's) or top -> last (from top's x on),
    //    so a point strictly right of that segment (below it) is not a vertex
    //    of the upper chain; likewise a point strictly right of last ->
    //    bottom or bottom -> first (above it) is not one of the lower chain.
    //    No test against first -> last is needed: a point strictly below it
    //    lies below both upper segments, one strictly above it above both
    //    lower ones. (A vertical
    //    segment has no point of the set strictly right of it, and a
    //    segment of one position none on either side.) The sides are decided
    //    by the filtered hoisted test of turn_batch.h; an undecided point
    //    stays a candidate.
    // The upper candidates go to the front of hull, in the order of the pass
    // (left to right); the lower ones to the back of the scratch buffer,
    // each in front of the one before, so that they too stand in the order
    // of their pass (right to left) from the last one stored.
    const Point& first = points[0];
    const Point& last = points[n - 1];
    // A new highest or lowest point is rare after the first few: the branches
    // are predicted, and no iteration waits for the one before.
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    float top_y = first.y;
    float bottom_y = first.y;
    for (std::int32_t i = 1; i < n; ++i) {
        const float y = points[i].y;
        if (y > top_y) [[unlikely]] {
            top_y = y;
            top = i;
        }
        if (y < bottom_y) [[unlikely]] {
            bottom_y = y;
            bottom = i;
        }
    }
    const double max_abs_x = std::max(std::fabs(static_cast<double>(first.x)), std::fabs(static_cast<double>(last.x)));
    const double max_abs_y =
        std::max(std::fabs(static_cast<double>(points[top].y)), std::fabs(static_cast<double>(points[bottom].y)));
    const double bound = turn_batch_error_bound(max_abs_x, max_abs_y);
    const float top_x = points[top].x;
    const float bottom_x = points[bottom].x;
    const FilteredTurnLine up_left(first, points[top], bound);
    const FilteredTurnLine up_right(points[top], last, bound);
    const FilteredTurnLine down_right(last, points[bottom], bound);
    const FilteredTurnLine down_left(points[bottom], first, bound);

    Point* const lower_end = scratch.data() + kChainScratchCapacity;
    hull[0] = first;
    lower_end[-1] = first;
    std::int32_t upper_count = 1;
    std::int32_t lower_count = 1;
    for (std::int32_t i = 1; i < n - 1; ++i) {
        const Point& p = points[i];
        const bool column_top = points[i + 1].x != p.x;
        const bool column_bottom = points[i - 1].x != p.x;
        // Inside a column (most points of a generator's file) there is
        // nothing to decide and nothing to copy.
        if (!column_top && !column_bottom) continue;
        // The points come in ascending x: which segment lies above or below
        // a point changes once in each chain, so these choices cost nothing.
        const FilteredTurnLine& upper_side = p.x <= top_x ? up_left : up_right;
        const FilteredTurnLine& lower_side = p.x >= bottom_x ? down_right : down_left;
        hull[upper_count] = p;
        lower_end[-1 - lower_count] = p;
        upper_count += column_top & !upper_side.surely_right(p);
        lower_count += column_bottom & !lower_side.surely_right(p);
    }
    hull[upper_count++] = last;
    lower_end[-1 - lower_count++] = last;

    // Upper chain left to right in hull, lower chain right to left in the
    // scratch buffer, each over its candidates; the hull is the upper chain,
    // then the lower chain without its two ends.
    const double chain_bound =
        turn_set_error_bound(static_cast<double>(last.x) - first.x, static_cast<double>(top_y) - bottom_y);
    const std::int32_t k = build_chain(hull, upper_count, chain_bound);
    Point* const lower = lower_end - lower_count;
    const std::int32_t m = build_chain(lower, lower_count, chain_bound);
    append_chain(hull, lower, k, m);
    const std::int32_t h = k + m - 2;
    // The promised polygon: from the first point in sort order, strictly
    // convex and clockwise; two copies of the point where all are equal.
    HULL_POSTCONDITION(h >= 1 && h <= 2 * n - 2 && same_position(hull[0], points[0]));
    HULL_POSTCONDITION(turns_everywhere(hull, h, Turning::clockwise_strictly));
    return h;
}
