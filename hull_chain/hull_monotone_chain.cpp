#include "hull_monotone_chain.h"

#include "contracts.h"
#include "polygon_checks.h"
#include "turn.h"

#include <algorithm>
#include <array>

std::int32_t is_right_turn(Point p1, Point p2, Point p3) {
    return turn_sign(p1, p2, p3) < 0 ? 1 : 0;
}

void append_chain(Point* hull, const Point* chain, std::int32_t k, std::int32_t m) {
    for (std::int32_t j = 1; j <= m - 2; ++j) hull[k + j - 1] = chain[j];
}

namespace {

using IndexArray = std::array<std::int32_t, kChainScratchCapacity>;

// The turn test where every coordinate involved is an integer below 2^24:
// the plain evaluation, exact there.
std::int32_t is_right_turn_on_small_integers(Point p1, Point p2, Point p3) {
    return plain_right_turn(p1, p2, p3);
}

bool all_small_integers(const Point* points, const std::int32_t* list, std::int32_t count) {
    bool small = true;
    for (std::int32_t t = 0; t < count; ++t) {
        small &= is_small_integer(points[list[t]].x);
        small &= is_small_integer(points[list[t]].y);
    }
    return small;
}

// One chain of the points points[order[0]], points[order[1]], ... (count of
// them), built in chain: each point is appended in turn, and every point that
// does not make a strict right turn (RightTurn) with its neighbours is
// dropped. Returns the chain's length.
template <std::int32_t (*RightTurn)(Point, Point, Point)>
std::int32_t build_chain(const Point* points, const std::int32_t* order, std::int32_t count, Point* chain) {
    std::int32_t m = 0;
    for (std::int32_t t = 0; t < count; ++t) {
        chain[m++] = points[order[t]];
        while (m > 2 && !RightTurn(chain[m - 3], chain[m - 2], chain[m - 1])) {
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

    // Points sharing an x lie on one vertical line, sorted upwards. Of such a
    // column only its top can be a vertex of the upper chain and only its
    // bottom one of the lower chain: every other point of the column lies
    // between the two on a vertical side, or inside the hull, and either
    // chain would drop it. Each chain is therefore built from its candidates
    // alone: the first point, the top of every column and the last point for
    // the upper chain (left to right), the last point, the bottom of every
    // column and the first point for the lower chain (right to left). Among
    // equal points the candidate is the copy a full pass would keep. On the
    // generator's files (a few hundred distinct x) that leaves a few hundred
    // candidates of up to 20001 points. The indices are listed without
    // branches.
    IndexArray upper;
    IndexArray lower;
    upper[0] = 0;
    std::int32_t upper_count = 1;
    for (std::int32_t i = 1; i < n - 1; ++i) {
        upper[upper_count] = i;
        upper_count += points[i + 1].x != points[i].x;
    }
    std::int32_t lower_count = 0;
    if (n > 1) {
        upper[upper_count++] = n - 1;
        lower[lower_count++] = n - 1;
    }
    for (std::int32_t i = n - 2; i > 0; --i) {
        lower[lower_count] = i;
        lower_count += points[i - 1].x != points[i].x;
    }
    lower[lower_count++] = 0;

    // Where all candidates are small integers the plain turn test is exact
    // and cheaper than the general one. (Both lists are checked: the bottom
    // of a column is not its top.)
    const bool small = all_small_integers(points, upper.data(), upper_count) &&
                       all_small_integers(points, lower.data(), lower_count);
    const auto build = small ? build_chain<is_right_turn_on_small_integers> : build_chain<is_right_turn>;

    // Upper chain left to right in hull; lower chain right to left in the
    // scratch buffer; the hull is the upper chain, then the lower chain
    // without its two ends.
    const std::int32_t k = build(points, upper.data(), upper_count, hull);
    const std::int32_t m = build(points, lower.data(), lower_count, scratch.data());
    append_chain(hull, scratch.data(), k, m);
    // One point: both chains hold it once; it is the hull's one vertex.
    const std::int32_t h = n == 1 ? 1 : k + m - 2;
    // The promised polygon: from the first point in sort order, strictly
    // convex and clockwise; two copies of the point where all are equal.
    HULL_POSTCONDITION(h >= 1 && h <= (n == 1 ? 1 : 2 * n - 2) && same_position(hull[0], points[0]));
    HULL_POSTCONDITION(turns_everywhere(hull, h, Turning::clockwise_strictly));
    return h;
}
