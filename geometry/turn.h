// The turn tests: every way the project decides on which side of the directed
// line a -> b a third point c lies. All of them evaluate the sign of the same
// cross product of single-precision points, their coordinates widened to
// double,
//
//     cross = (c.y - a.y)(b.x - a.x) - (b.y - a.y)(c.x - a.x),
//
// positive when a -> b -> c turns counter-clockwise (c strictly left of a -> b,
// y axis up), negative when it turns clockwise, zero when the three points are
// collinear (any two of them equal included). They differ in what they
// guarantee:
//
//   plain_turn_cross      the formula in double as written; exact wherever
//                         that evaluation is, for instance when every
//                         coordinate is an integer below 2^24
//                         (is_small_integer)
//   plain_turn_sign       its sign; so exact on small integers only
//   turn_sign             exact on every finite input: the plain evaluation
//                         with an error bound, and exact_turn_sign where the
//                         bound cannot decide
//   exact_turn_sign       exact by integer arithmetic alone (slow)
//   right_turn_in_set     exact on every finite input: the plain evaluation
//                         against one error bound for a whole point set
//                         (turn_set_error_bound), turn_sign where it cannot
//                         decide
//
// The brute-force scan evaluates the same cross product for many points c at
// once in vector registers (turn_batch.h).
#pragma once

#include "point.h"

#include <cmath>
#include <cstdint>

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

// The cross product evaluated in double exactly as written above: the four
// differences, the two products and their difference each rounded once.
inline double plain_turn_cross(const Point& a, const Point& b, const Point& c) {
    return (static_cast<double>(c.y) - static_cast<double>(a.y)) * (static_cast<double>(b.x) - static_cast<double>(a.x)) -
           (static_cast<double>(b.y) - static_cast<double>(a.y)) * (static_cast<double>(c.x) - static_cast<double>(a.x));
}

// Sign of plain_turn_cross: the exact turn where that evaluation is exact
// (every coordinate a small integer), a guess elsewhere.
inline int plain_turn_sign(const Point& a, const Point& b, const Point& c) {
    const double cross = plain_turn_cross(a, b, c);
    return (cross > 0.0) - (cross < 0.0);
}

// 1 when p1 -> p2 -> p3 turns strictly clockwise by plain_turn_cross, else 0:
// the right-turn test of the straightforward hulls, three points by value.
inline std::int32_t plain_right_turn(Point p1, Point p2, Point p3) {
    return plain_turn_cross(p1, p2, p3) < 0.0 ? 1 : 0;
}

// Sign of the exact cross product, by integer arithmetic on the coordinates
// scaled to integers; the slow path of turn_sign.
int exact_turn_sign(const Point& a, const Point& b, const Point& c);

// Error bound of the plain evaluation: with l and r the two rounded products,
// |computed - exact| <= kTurnErrorBound * (|l| + |r|). This is the bound
// ccwerrboundA = (3 + 16 eps) eps of the orientation filter in J. R. Shewchuk,
// "Adaptive Precision Floating-Point Arithmetic and Fast Robust Geometric
// Predicates", Discrete & Computational Geometry 18 (1997) 305-363, with
// eps = 2^-53; it accounts for the rounding of the differences as well as of
// the products and the final difference. Floats widened to double can
// neither overflow nor underflow in this evaluation, so the bound holds for
// every finite input.
inline constexpr double kTurnEpsilon = 1.0 / 9007199254740992.0;  // 2^-53
inline constexpr double kTurnErrorBound = (3.0 + 16.0 * kTurnEpsilon) * kTurnEpsilon;

// The exact sign of the cross product for every finite input. The plain
// evaluation decides nearly every case by the bound above; the rest falls to
// small-integer inputs (where the evaluation is exact) or exact_turn_sign.
// Wherever the plain evaluation is exact this answers as plain_turn_sign.
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

// Error bound of the plain evaluation for every triple of a set whose
// coordinates span width_x = fl(max x - min x) and width_y = fl(max y - min y):
// each difference of the cross product is at most the width in magnitude
// once rounded (rounding is monotone), so each rounded product is at most
// P = fl(width_x * width_y), and the bound above gives an error of at most
// (3 + 16 eps) eps (|l| + |r|) <= (6 + 32 eps) eps P, less than
// fl(7 eps P) >= 7 eps P (1 - eps). (Nonzero products of widened floats lie
// far from double underflow and overflow.)
inline double turn_set_error_bound(double width_x, double width_y) {
    return 7.0 * kTurnEpsilon * (width_x * width_y);
}

// Whether a -> b -> c turns strictly clockwise (c strictly right of a -> b),
// exactly, for points of a set with the error bound set_bound of
// turn_set_error_bound: the plain evaluation decides wherever it is farther
// from zero than the bound, turn_sign the rest (collinear points among them).
inline bool right_turn_in_set(const Point& a, const Point& b, const Point& c, double set_bound) {
    const double cross = plain_turn_cross(a, b, c);
    if (cross < -set_bound) return true;
    if (cross > set_bound) return false;
    return turn_sign(a, b, c) < 0;
}
