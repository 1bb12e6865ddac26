// The exact orientation predicates: every decision a hull algorithm makes
// about the position of points is the sign of one cross product of two
// directions between points of single precision,
//
//     (b - a) x (d - c) = (b.x - a.x)(d.y - c.y) - (b.y - a.y)(d.x - c.x),
//
// positive when the direction c -> d turns counter-clockwise from a -> b
// (y axis up), negative when clockwise, zero when the two are parallel (or
// one of them is zero). The turn a -> b -> c is its case c -> d = a -> c:
// c strictly left of the directed line a -> b (+1), strictly right (-1),
// on it (0, any two of the points equal included). The same sign decides
// "p is farther left of a -> b than q" ((b - a) x (p - q) > 0) and "a -> b
// is steeper than c -> d" for directions pointing right.
//
// The plain evaluation (plain_cross): the coordinates widened to double,
// then the four differences, the two products l = fl(dx1 dy2) and
// r = fl(dy1 dx2) and their difference D = fl(l - r), each rounded once to
// nearest (no fused multiply-add: the build passes -ffp-contract=off).
//
// Why a bound decides. Let u = 2^-53 and E the exact value. A difference of
// two widened floats is below 2^129, a nonzero one at least 2^-149; a
// nonzero product lies between 2^-298 and 2^258: far inside double's normal
// range, so every rounding above errs by at most u times its result, and l,
// r, D are multiples of 2^-350 (no underflow in D either). Each exact
// product is the product of two differences that err by u relatively each,
// so |L - l| <= k |l| and |R - r| <= k |r| with k = 3u + 3u^2 + u^3. And
// |(l - r) - D| <= u |D|. So E = L - R lies within k (|l| + |r|) of l - r,
// which lies within u |D| of D: whenever
//
//     |D| (1 - u) > k (|l| + |r|),                                    (*)
//
// E has the sign of D. Two thresholds imply (*):
//   - per evaluation (cross_sign): |D| > B = fl((3 + 16u) u fl(|l| + |r|)),
//     the bound ccwerrboundA of J. R. Shewchuk, "Adaptive Precision
//     Floating-Point Arithmetic and Fast Robust Geometric Predicates",
//     Discrete & Computational Geometry 18 (1997) 305-363. Each rounding
//     loses at most a factor (1 - u), so B >= (3 + 16u) u (1 - u)^2 (|l| + |r|),
//     and (3 + 16u)(1 - u)^3 u > k;
//   - for every evaluation among the points of one set (SetTurns): with
//     W_x = fl(max x - min x) and W_y = fl(max y - min y) over the set, every
//     rounded difference is at most the width of its axis (rounding is
//     monotone), so |l|, |r| <= P = fl(W_x W_y), and |D| > fl(7u P) >=
//     7u (1 - u) P gives |D| (1 - u) > 7u (1 - u)^2 P > 2kP.
// Where neither decides, the sign is found exactly: on integers below 2^24
// in magnitude the plain evaluation is exact (differences below 2^25,
// products below 2^50, their difference below 2^51), elsewhere the exact
// sum of the products' parts decides (exact_cross_sign).
#pragma once

#include "point.h"

#include <cmath>
#include <cstdint>

// Whether v is an integer of magnitude below 2^24, where the plain
// evaluation is exact. Without branches, so that a loop over many points
// runs in vector registers: below 2^23, adding and taking away 2^23 rounds
// a magnitude to an integer, which it equals exactly when it is one; from
// 2^23 to 2^24 every float is an integer. A NaN fails the first comparison.
inline bool is_small_integer(float v) {
    const float magnitude = std::fabs(v);
    const float rounded = (magnitude + 8388608.0f) - 8388608.0f;
    return (magnitude < 16777216.0f) & ((magnitude >= 8388608.0f) | (rounded == magnitude));
}

// The two rounded products of the plain evaluation and their difference.
struct PlainCross {
    double left, right, value;
};

inline PlainCross plain_cross_terms(const Point& a, const Point& b, const Point& c, const Point& d) {
    const double left = (static_cast<double>(b.x) - a.x) * (static_cast<double>(d.y) - c.y);
    const double right = (static_cast<double>(b.y) - a.y) * (static_cast<double>(d.x) - c.x);
    return {left, right, left - right};
}

// (b - a) x (d - c) in double as written: exact where every coordinate is a
// small integer, rounded elsewhere.
inline double plain_cross(const Point& a, const Point& b, const Point& c, const Point& d) {
    return plain_cross_terms(a, b, c, d).value;
}

// (b - a) x (c - a), the turn a -> b -> c, evaluated the same way.
inline double plain_turn_cross(const Point& a, const Point& b, const Point& c) { return plain_cross(a, b, a, c); }

// Sign of plain_turn_cross: the exact turn on small integers, a guess elsewhere.
inline int plain_turn_sign(const Point& a, const Point& b, const Point& c) {
    const double cross = plain_turn_cross(a, b, c);
    return (cross > 0.0) - (cross < 0.0);
}

// 1 when p1 -> p2 -> p3 turns strictly clockwise by plain_turn_cross, else 0:
// the right-turn test of the straightforward hulls, three points by value.
inline std::int32_t plain_right_turn(Point p1, Point p2, Point p3) {
    return plain_turn_cross(p1, p2, p3) < 0.0 ? 1 : 0;
}

// Sign of (b - a) x (d - c), exactly: each difference split into a double
// and its rounding error, the products of those parts split likewise, and
// the 16 parts summed without rounding (an expansion of doubles in automatic
// storage). Slower than the filters; the last resort of cross_sign.
int exact_cross_sign(const Point& a, const Point& b, const Point& c, const Point& d);

// Where a threshold could not decide: zero directions and a direction
// crossed with itself or its reverse are 0 at once, small integers are
// decided by the plain value, the rest by exact_cross_sign.
int undecided_cross_sign(const Point& a, const Point& b, const Point& c, const Point& d, double value);

inline constexpr double kRoundoff = 1.0 / 9007199254740992.0;  // u = 2^-53
inline constexpr double kCrossErrorFactor = (3.0 + 16.0 * kRoundoff) * kRoundoff;

// The exact sign of (b - a) x (d - c) for every finite input.
inline int cross_sign(const Point& a, const Point& b, const Point& c, const Point& d) {
    const auto [left, right, value] = plain_cross_terms(a, b, c, d);
    // Terms of opposite sign (or a zero term) cannot cancel: D has the sign of E.
    if ((left > 0.0 && right <= 0.0) || (left < 0.0 && right >= 0.0) || left == 0.0) {
        return (value > 0.0) - (value < 0.0);
    }
    const double bound = kCrossErrorFactor * (std::fabs(left) + std::fabs(right));
    if (value > bound) return 1;
    if (value < -bound) return -1;
    return undecided_cross_sign(a, b, c, d, value);
}

// The exact turn of a -> b -> c: +1 counter-clockwise, -1 clockwise, 0 collinear.
inline int turn_sign(const Point& a, const Point& b, const Point& c) { return cross_sign(a, b, a, c); }

// A direction from one point to another with the two differences of the
// plain evaluation, each rounded once: kept where a direction is compared
// with others again and again (SetTurns::cross_sign), so that a comparison
// rounds only the two products and their difference, as plain_cross does.
// The points must outlive it.
struct PlainDirection {
    double dx, dy;
    const Point* from;
    const Point* to;
};

inline PlainDirection plain_direction(const Point& from, const Point& to) {
    return {static_cast<double>(to.x) - from.x, static_cast<double>(to.y) - from.y, &from, &to};
}

// The same predicates for points of one set, against one threshold computed
// for the whole set from its extents: one comparison decides nearly every
// evaluation, cross_sign the rest.
class SetTurns {
public:
    // For a set whose coordinates span width_x = fl(max x - min x) and
    // width_y = fl(max y - min y); small_integers: every coordinate is an
    // integer of magnitude below 2^24 (is_small_integer), so that the plain
    // value is exact and its sign decides where the threshold does not.
    SetTurns(double width_x, double width_y, bool small_integers = false)
        : width_x_(width_x), width_y_(width_y), bound_(7.0 * kRoundoff * (width_x * width_y)),
          difference_bound_(24.0 * kRoundoff * (width_x * width_y)), small_integers_(small_integers) {}
    // The extents of points[0 .. n-1], n >= 1, and whether they are all
    // small integers, in one pass.
    static SetTurns of(const Point* points, std::int32_t n);

    double width_x() const { return width_x_; }
    double width_y() const { return width_y_; }
    // |plain value| above this decides its sign.
    double bound() const { return bound_; }
    // Two plain values v and w of the set (plain_cross of any four of its
    // points, exact values V and W): v > w + this (rounded) proves V > W,
    // and V >= W implies v >= w - this (rounded). Why: with P = fl(W_x W_y)
    // as above, |l|, |r| <= P, so |V - v| <= 2k'P + u|l - r| <= 8.02uP
    // (k' = (1 - u)^-3 - 1 < 3.01u bounds |L - l| / |l|), and |v| <= 2P, so
    // rounding w +- B errs by at most 2.01uP; B = fl(24uP) > 2 * 8.02uP +
    // 2.01uP leaves room for both.
    double difference_bound() const { return difference_bound_; }

    bool small_integers() const { return small_integers_; }

    // The sign of a plain value of four of the set's points, where the
    // bound or the set's small integers decide; exact() gives it elsewhere.
    template <class Exact>
    int sign_of(double value, Exact exact) const {
        if (value > bound_) return 1;
        if (value < -bound_) return -1;
        if (small_integers_) return (value > 0.0) - (value < 0.0);
        return exact();
    }
    int cross_sign(const Point& a, const Point& b, const Point& c, const Point& d) const {
        return sign_of(plain_cross(a, b, c, d), [&] { return ::cross_sign(a, b, c, d); });
    }
    // cross_sign(*d.from, *d.to, *e.from, *e.to): the same plain value from
    // the differences kept, so the same decision.
    int cross_sign(const PlainDirection& d, const PlainDirection& e) const {
        return sign_of(d.dx * e.dy - d.dy * e.dx, [&] { return ::cross_sign(*d.from, *d.to, *e.from, *e.to); });
    }
    int turn_sign(const Point& a, const Point& b, const Point& c) const { return cross_sign(a, b, a, c); }
    // c strictly right of a -> b (a -> b -> c turns clockwise).
    bool right_turn(const Point& a, const Point& b, const Point& c) const {
        const double value = plain_turn_cross(a, b, c);
        if (value < -bound_) return true;
        if (value > bound_) return false;
        if (small_integers_) return value < 0.0;
        return ::turn_sign(a, b, c) < 0;
    }

private:
    double width_x_, width_y_, bound_, difference_bound_;
    bool small_integers_;
};

// One directed line a -> b of a set against many points of the set: the
// same exact turn as SetTurns::turn_sign(a, b, p), with the direction
// b - a taken once (each value is plain_turn_cross(a, b, p), rounded alike).
class SetLine {
public:
    SetLine(const SetTurns& turns, const Point& a, const Point& b)
        : turns_(&turns), a_(a), b_(b), dx_(static_cast<double>(b.x) - a.x), dy_(static_cast<double>(b.y) - a.y) {}

    // +1 where p lies strictly left of a -> b, -1 strictly right, 0 on it.
    int side(const Point& p) const {
        const double value = dx_ * (static_cast<double>(p.y) - a_.y) - dy_ * (static_cast<double>(p.x) - a_.x);
        return turns_->sign_of(value, [&] { return ::turn_sign(a_, b_, p); });
    }
    bool left(const Point& p) const { return side(p) > 0; }
    bool right(const Point& p) const { return side(p) < 0; }

private:
    const SetTurns* turns_;
    Point a_, b_;
    double dx_, dy_;
};
