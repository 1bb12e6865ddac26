#include "hull_monotone_chain.h"

#include "predicates.h"

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

// One chain over the point indices chain[0 .. count-1], built in place: each
// index is appended in turn, and every point that does not make a strict
// right turn with its neighbours is dropped. Returns the chain's length.
std::int32_t build_chain(const Point* points, std::int32_t* chain, std::int32_t count) {
    std::int32_t m = std::min<std::int32_t>(count, 2);
    for (std::int32_t t = 2; t < count; ++t) {
        chain[m++] = chain[t];
        while (m > 2 && !is_right_turn(points[chain[m - 3]], points[chain[m - 2]], points[chain[m - 1]])) {
            chain[m - 2] = chain[m - 1];
            --m;
        }
    }
    return m;
}

}  // namespace

std::int32_t hull_monotone_chain(const Point* points, Point* hull, std::int32_t n) {
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

    // Upper chain left to right; lower chain right to left, copied into the
    // scratch buffer; the hull is the upper chain, then the lower chain
    // without its two ends.
    const std::int32_t k = build_chain(points, upper.data(), upper_count);
    const std::int32_t m = build_chain(points, lower.data(), lower_count);
    for (std::int32_t t = 0; t < k; ++t) hull[t] = points[upper[t]];
    for (std::int32_t t = 0; t < m; ++t) scratch[t] = points[lower[t]];
    append_chain(hull, scratch.data(), k, m);
    // One point: both chains hold it once; it is the hull's one vertex.
    return n == 1 ? 1 : k + m - 2;
}
