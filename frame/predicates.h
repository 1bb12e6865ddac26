// The one turn test of the project: the exact sign of the cross product
// (b - a) x (c - a) of single-precision points, their coordinates taken as
// real numbers.
//
// The cross product is first evaluated in double precision, the way it is
// written: (c.y - a.y)(b.x - a.x) - (b.y - a.y)(c.x - a.x). A forward error
// bound on that evaluation decides its sign in nearly every case; where the
// value is too close to zero for the bound to decide, the sign is computed
// exactly with integer arithmetic. Wherever the double evaluation is exact
// (for instance on integer coordinates below 2^24) the fast path alone
// answers, and answers the same as the plain formula.
#pragma once

#include "point.h"

#include <cmath>
#include <cstdint>

// Sign of the exact cross product; the slow path of turn_sign.
int exact_turn_sign(const Point& a, const Point& b, const Point& c);

// Whether v is an integer of magnitude below 2^24. On such coordinates the
// differences are exact below 2^25, the products below 2^50 and their
// difference below 2^51: the double evaluation is exact. Written without
// branches so that a loop over many points runs in vector registers: below
// 2^23, adding and taking away 2^23 rounds a magnitude to an integer, which
// it equals exactly when it is one; from 2^23 to 2^24 every float is an
// integer. A NaN fails the first comparison.
inline bool is_small_integer(float v) {
    const float magnitude = std::fabs(v);
    const float rounded = (magnitude + 8388608.0f) - 8388608.0f;
    return (magnitude < 16777216.0f) & ((magnitude >= 8388608.0f) | (rounded == magnitude));
}

// Relative error bound of the double evaluation: with l and r the two
// rounded products, |computed - exact| <= kTurnErrorBound * (|l| + |r|)
// for every pair of double differences of floats (no overflow or underflow
// is possible for float inputs widened to double).
inline constexpr double kTurnEpsilon = 1.0 / 9007199254740992.0;  // 2^-53
inline constexpr double kTurnErrorBound = (3.0 + 16.0 * kTurnEpsilon) * kTurnEpsilon;

// +1: a -> b -> c turns counter-clockwise (c strictly left of the directed
// line a -> b, y axis up); -1: clockwise (strictly right); 0: collinear,
// including any two of the points being equal.
inline int turn_sign(const Point& a, const Point& b, const Point& c) {
    const double ax = a.x;
    const double ay = a.y;
    const double left = (static_cast<double>(c.y) - ay) * (static_cast<double>(b.x) - ax);
    const double right = (static_cast<double>(b.y) - ay) * (static_cast<double>(c.x) - ax);
    const double cross = left - right;
    // Terms of opposite sign (or a zero term) cannot cancel: the rounded
    // difference has the sign of the exact one.
    if ((left > 0.0 && right <= 0.0) || (left < 0.0 && right >= 0.0) || left == 0.0) {
        return (cross > 0.0) - (cross < 0.0);
    }
    const double bound = kTurnErrorBound * (std::fabs(left) + std::fabs(right));
    if (cross > bound) return 1;
    if (cross < -bound) return -1;
    // Collinear points of an integer grid land here (the value is 0): on
    // integers below 2^24 every step above is exact.
    if (is_small_integer(a.x) && is_small_integer(a.y) && is_small_integer(b.x) && is_small_integer(b.y) &&
        is_small_integer(c.x) && is_small_integer(c.y)) {
        return (cross > 0.0) - (cross < 0.0);
    }
    return exact_turn_sign(a, b, c);
}
