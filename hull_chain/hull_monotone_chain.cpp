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
// order of the pass: before each candidate is appended, every point that
// would not make a strict right turn with its neighbours is dropped (the
// same chain as appending first and then dropping the middle point). The
// chain never overtakes the candidate being read, as it holds at most as
// many points as have been read; its last two points stay in registers. The
// turn test is exact (right_turn_in_set with the set's bound). Returns the
// chain's length.
std::int32_t build_chain(Point* chain, std::int32_t count, double set_bound) {
    if (count <= 2) return count;
    Point before_last = chain[0];
    Point last = chain[1];
    std::int32_t m = 2;
    for (std::int32_t t = 2; t < count; ++t) {
        const Point next = chain[t];
        while (!right_turn_in_set(before_last, last, next, set_bound)) {
            last = before_last;
            if (--m < 2) break;
            before_last = chain[m - 2];
        }
        chain[m++] = next;
        before_last = last;
        last = next;
    }
    return m;
}

// The least and the greatest y of points[0 .. n-1], n >= 1, with the first
// point of each. The comparisons run in eight independent lanes, so that no
// iteration waits for the one before; the two points are then looked up.
struct YExtremes {
    std::int32_t bottom, top;
};

YExtremes y_extremes(const Point* points, std::int32_t n) {
    constexpr int kLanes = 8;
    float low[kLanes];
    float high[kLanes];
    for (int l = 0; l < kLanes; ++l) low[l] = high[l] = points[0].y;
    std::int32_t i = 0;
    for (; i + kLanes <= n; i += kLanes) {
        for (int l = 0; l < kLanes; ++l) {
            const float y = points[i + l].y;
            low[l] = y < low[l] ? y : low[l];
            high[l] = high[l] < y ? y : high[l];
        }
    }
    for (; i < n; ++i) {
        const float y = points[i].y;
        low[0] = y < low[0] ? y : low[0];
        high[0] = high[0] < y ? y : high[0];
    }
    for (int l = 1; l < kLanes; ++l) {
        low[0] = low[l] < low[0] ? low[l] : low[0];
        high[0] = high[0] < high[l] ? high[l] : high[0];
    }
    // Bounded by the last point, so that a coordinate no comparison orders
    // (a NaN, which the programs' reader refuses) cannot run past the end.
    const auto first_at = [&](float y) {
        std::int32_t at = 0;
        while (at < n - 1 && points[at].y != y) ++at;
        return at;
    };
    return {first_at(low[0]), first_at(high[0])};
}

// Copies the candidates among points[from .. to-1] (1 <= from, to <= n-1)
// for the two chains: to hull[upper_count ..] in the order of the pass, and
// to lower_end[-1 - lower_count] and below, each in front of the one before.
// A point is a candidate of a chain when the filter does not rule it out
// and, for a filter that looks at columns, it ends its column on that
// chain's side (see hull_monotone_chain). Every point is written to both
// places and the counts advance only for a candidate, so that no branch
// depends on the filter's answer.
template <class Filter>
void copy_candidates(const Point* points, std::int32_t from, std::int32_t to, const Filter& filter, Point* hull,
                     std::int32_t& upper_count, Point* lower_end, std::int32_t& lower_count) {
    if (from >= to) return;
    float previous_x = points[from - 1].x;
    Point p = points[from];
    for (std::int32_t i = from; i < to; ++i) {
        const Point next = points[i + 1];
        const bool column_top = !Filter::kLooksAtColumns || next.x != p.x;
        const bool column_bottom = !Filter::kLooksAtColumns || previous_x != p.x;
        // Inside a column (most points of a generator's file) there is
        // nothing to decide and nothing to copy.
        if (column_top | column_bottom) {
            const bool upper = column_top & filter.may_be_upper(p);
            const bool lower = column_bottom & filter.may_be_lower(p);
            hull[upper_count] = p;
            lower_end[-1 - lower_count] = p;
            upper_count += upper;
            lower_count += lower;
        }
        previous_x = p.x;
        p = next;
    }
}

// The side of the line first -> last: a point strictly below it is not on
// the upper chain, one strictly above it not on the lower chain. It serves
// sets where nearly every point is a vertex, whose columns hold at most two
// points, both ends: it does not look at columns, which would cost more
// there than it saves (a point inside a column that it lets through is
// dropped by the chain).
struct SplitFilter {
    static constexpr bool kLooksAtColumns = false;
    FilteredTurnLine line;
    bool may_be_upper(const Point& p) const { return !line.surely_right(p); }
    bool may_be_lower(const Point& p) const { return !line.surely_left(p); }
};

// The sides of the quadrilateral first -> top -> last -> bottom that lie
// above and below one point: a point strictly below the segment above it is
// not on the upper chain, one strictly above the segment below it not on the
// lower chain.
struct QuadrilateralFilter {
    static constexpr bool kLooksAtColumns = true;
    const FilteredTurnLine& upper_side;
    const FilteredTurnLine& lower_side;
    bool may_be_upper(const Point& p) const { return !upper_side.surely_right(p); }
    bool may_be_lower(const Point& p) const { return !lower_side.surely_right(p); }
};

struct Quadrilateral {
    std::int32_t top, bottom;  // indices in the sorted points
    FilteredTurnLine up_left, up_right, down_right, down_left;

    // The sides for the point of index i: the points come in ascending x, so
    // the segment above a point is first -> top up to top and top -> last
    // after it; the one below, likewise, changes at bottom. A point of top's
    // or bottom's x may go with either segment; both pass through that
    // corner.
    QuadrilateralFilter sides_at(std::int32_t i) const {
        return {i > top ? up_right : up_left, i > bottom ? down_right : down_left};
    }
};

// Whether the quadrilateral is worth its second cross product: whether, on
// a sample of column ends spread evenly over the points (one in kSpacing,
// at most kSample), it rules out of a chain at least one in kWorth of those
// the line first -> last keeps in. A point it rules out saves a step of a
// chain, which costs several times a cross product. An empty sample (few
// points, or few column ends) leaves the quadrilateral in use.
bool quadrilateral_pays(const Point* points, std::int32_t n, const SplitFilter& split, const Quadrilateral& quadrilateral) {
    constexpr std::int32_t kSample = 32;
    constexpr std::int32_t kSpacing = 32;
    constexpr std::int32_t kWorth = 16;
    const std::int32_t inner = n - 2;
    const std::int32_t sample = std::min(kSample, inner / kSpacing);
    std::int32_t seen = 0;
    std::int32_t ruled_out = 0;
    for (std::int32_t s = 0; s < sample; ++s) {
        const std::int32_t i = 1 + static_cast<std::int32_t>(static_cast<std::int64_t>(s) * inner / sample);
        const Point& p = points[i];
        const bool column_top = points[i + 1].x != p.x;
        const bool column_bottom = points[i - 1].x != p.x;
        const QuadrilateralFilter sides = quadrilateral.sides_at(i);
        if (column_top && split.may_be_upper(p)) {
            ++seen;
            ruled_out += !sides.may_be_upper(p);
        }
        if (column_bottom && split.may_be_lower(p)) {
            ++seen;
            ruled_out += !sides.may_be_lower(p);
        }
    }
    return ruled_out * kWorth >= seen;
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
    // leaving them out changes neither the vertices nor their order (of
    // equal points, the copy a full pass keeps always stays a candidate).
    // A point may be left out of a chain when it cannot be one of its
    // vertices:
    //  - Points sharing an x lie on one vertical line, sorted upwards; of
    //    such a column only the top can be a vertex of the upper chain and
    //    only the bottom one of the lower chain (the rest lies on a vertical
    //    side between the two, or inside the hull). On the generator's files
    //    (a few hundred distinct x) that leaves a few hundred candidates.
    //  - first, last, top and bottom are points of the set (the first and
    //    last in sort order, the first of greatest y, the first of least y),
    //    all on the hull, and first -> top -> last -> bottom is the hull of
    //    the four, clockwise. The upper side of the hull lies nowhere below
    //    the segment first -> top (for x up to top's) or top -> last (from
    //    top's x on), so a point strictly right of that segment (below it) is
    //    not a vertex of the upper chain; likewise a point strictly right of
    //    last -> bottom or bottom -> first (above it) is not one of the lower
    //    chain. (A vertical segment has no point of the set strictly right of
    //    it, and a segment of one position none on either side.) Top and
    //    bottom lie on or beyond the line first -> last, so this rules out at
    //    least what the line alone does: a point strictly below it is not on
    //    the upper chain, one strictly above it not on the lower chain.
    // The quadrilateral costs a second cross product per point, and pays for
    // it only where it rules out many more points than the line, as inside
    // a disc or a square; where nearly every point is a vertex (points on a
    // circle) it rules out none. A sample of the points decides which is
    // used: the quadrilateral with the column test, or the line alone
    // (SplitFilter); either gives the same hull. The sides are decided by the
    // filtered hoisted test of turn_batch.h; an undecided point stays a
    // candidate.
    // The upper candidates go to the front of hull, in the order of the pass
    // (left to right); the lower ones to the back of the scratch buffer,
    // each in front of the one before, so that they too stand in the order
    // of their pass (right to left) from the last one stored.
    const Point& first = points[0];
    const Point& last = points[n - 1];
    const YExtremes extremes = y_extremes(points, n);
    const Point& top = points[extremes.top];
    const Point& bottom = points[extremes.bottom];
    const double max_abs_x = std::max(std::fabs(static_cast<double>(first.x)), std::fabs(static_cast<double>(last.x)));
    const double max_abs_y = std::max(std::fabs(static_cast<double>(top.y)), std::fabs(static_cast<double>(bottom.y)));
    const double bound = turn_batch_error_bound(max_abs_x, max_abs_y);
    const SplitFilter split{FilteredTurnLine(first, last, bound)};
    const Quadrilateral quadrilateral{extremes.top,
                                      extremes.bottom,
                                      FilteredTurnLine(first, top, bound),
                                      FilteredTurnLine(top, last, bound),
                                      FilteredTurnLine(last, bottom, bound),
                                      FilteredTurnLine(bottom, first, bound)};

    Point* const lower_end = scratch.data() + kChainScratchCapacity;
    hull[0] = first;
    lower_end[-1] = first;
    std::int32_t upper_count = 1;
    std::int32_t lower_count = 1;
    if (quadrilateral_pays(points, n, split, quadrilateral)) {
        // Three runs of points, each with its two segments fixed: up to the
        // first of top and bottom, up to the second, and the rest.
        const std::int32_t runs[4] = {1, std::clamp(std::min(extremes.top, extremes.bottom) + 1, 1, n - 1),
                                      std::clamp(std::max(extremes.top, extremes.bottom) + 1, 1, n - 1), n - 1};
        for (int r = 0; r < 3; ++r) {
            copy_candidates(points, runs[r], runs[r + 1], quadrilateral.sides_at(runs[r]), hull, upper_count,
                            lower_end, lower_count);
        }
    } else {
        copy_candidates(points, 1, n - 1, split, hull, upper_count, lower_end, lower_count);
    }
    hull[upper_count++] = last;
    lower_end[-1 - lower_count++] = last;

    // Upper chain left to right in hull, lower chain right to left in the
    // scratch buffer, each over its candidates; the hull is the upper chain,
    // then the lower chain without its two ends.
    const double chain_bound =
        turn_set_error_bound(static_cast<double>(last.x) - first.x, static_cast<double>(top.y) - bottom.y);
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
