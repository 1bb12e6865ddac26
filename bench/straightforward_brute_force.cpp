#include "straightforward_brute_force.h"

#include <vector>

std::int32_t hull_brute_force_straightforward(const Point* points, Point* hull, std::int32_t n) {
    if (n <= 0) return 0;

    // An ordered pair (i, j) of distinct positions is a hull edge when no
    // other point lies strictly to its right; from each i the edge with the
    // least j is kept.
    std::vector<std::int32_t> next(static_cast<std::size_t>(n), -1);
    bool any_rejected = false;
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::int32_t j = 0; j < n; ++j) {
            if (j == i) continue;
            bool rejected = false;
            for (std::int32_t k = 0; k < n; ++k) {
                if (k == i || k == j) continue;
                if (plain_right_turn(points[i], points[j], points[k]) == 1) {
                    rejected = true;
                    break;
                }
            }
            if (rejected) {
                any_rejected = true;
            } else if (next[i] < 0 && !same_position(points[i], points[j])) {
                next[i] = j;
            }
        }
    }

    // All points on one line: its two ends, or the one position.
    if (!any_rejected) {
        hull[0] = points[0];
        if (same_position(points[0], points[n - 1])) {
            hull[1] = points[0];
            return 1;
        }
        hull[1] = points[n - 1];
        hull[2] = points[0];
        return 2;
    }

    // Follow the kept edges from points[0] until the chain closes, at most n steps.
    std::int32_t h = 0;
    std::int32_t current = 0;
    do {
        hull[h++] = points[current];
        current = next[current];
    } while (current > 0 && h < n);
    hull[h] = hull[0];
    return h;
}
