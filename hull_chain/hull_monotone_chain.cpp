#include "hull_monotone_chain.h"

#include "predicates.h"

#include <array>

std::int32_t is_right_turn(Point p1, Point p2, Point p3) {
    return turn_sign(p1, p2, p3) < 0 ? 1 : 0;
}

void append_chain(Point* hull, const Point* chain, std::int32_t k, std::int32_t m) {
    for (std::int32_t j = 1; j <= m - 2; ++j) hull[k + j - 1] = chain[j];
}

std::int32_t hull_monotone_chain(const Point* points, Point* hull, std::int32_t n) {
    if (n <= 0) return 0;

    // The lower chain is built in a buffer of the call's own, every element
    // default-constructed on entry.
    std::array<Point, kChainScratchCapacity> scratch;

    // Upper chain, left to right, at the front of hull.
    hull[0] = points[0];
    std::int32_t k = 1;
    if (n > 1) hull[k++] = points[1];
    for (std::int32_t i = 2; i < n; ++i) {
        hull[k++] = points[i];
        while (k > 2 && !is_right_turn(hull[k - 3], hull[k - 2], hull[k - 1])) {
            hull[k - 2] = hull[k - 1];
            --k;
        }
    }

    // Lower chain, right to left.
    scratch[0] = points[n - 1];
    std::int32_t m = 1;
    if (n > 1) scratch[m++] = points[n - 2];
    for (std::int32_t i = n - 3; i >= 0; --i) {
        scratch[m++] = points[i];
        while (m > 2 && !is_right_turn(scratch[m - 3], scratch[m - 2], scratch[m - 1])) {
            scratch[m - 2] = scratch[m - 1];
            --m;
        }
    }

    append_chain(hull, scratch.data(), k, m);
    // One point: both chains hold it once; it is the hull's one vertex.
    return n == 1 ? 1 : k + m - 2;
}
