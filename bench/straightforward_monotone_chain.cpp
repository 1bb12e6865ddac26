#include "straightforward_monotone_chain.h"

#include <array>

std::int32_t hull_monotone_chain_straightforward(const Point* points, Point* hull, std::int32_t n) {
    if (n <= 0) return 0;

    // The lower chain's buffer, every element default-constructed on each call.
    std::array<Point, kStraightforwardChainCapacity> scratch;

    // Upper chain, left to right, at the front of hull.
    hull[0] = points[0];
    std::int32_t k = 1;
    if (n > 1) hull[k++] = points[1];
    for (std::int32_t i = 2; i < n; ++i) {
        hull[k++] = points[i];
        while (k > 2 && !plain_right_turn(hull[k - 3], hull[k - 2], hull[k - 1])) {
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
        while (m > 2 && !plain_right_turn(scratch[m - 3], scratch[m - 2], scratch[m - 1])) {
            scratch[m - 2] = scratch[m - 1];
            --m;
        }
    }

    // The lower chain without its two ends, which the upper chain holds.
    for (std::int32_t t = 1; t <= m - 2; ++t) hull[k + t - 1] = scratch[t];
    return n == 1 ? 1 : k + m - 2;
}
