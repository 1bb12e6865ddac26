// The turn test of turn.h for many points c at once: the brute-force scan asks
// whether any of a step of points lies strictly right of one directed pair.
//
// For a pair i -> j with dx = xj - xi, dy = yj - yi the cross product of
// turn.h is, multiplied out,
//
//     cross(k) = yk * dx - xk * dy + c0,   c0 = dy * xi - dx * yi,
//
// which hoists everything but the two products of point k out of the loop
// over k. It equals the cross product of turn.h exactly wherever the scalar
// type T evaluates every step without rounding: on integer coordinates
// relative to the set's least corner, with extents below 2^11 in float and
// below 2^25 in double (products below 2^22 and 2^50, sums below 2^24 and
// 2^52). Under those conditions a negative lane is a point strictly right.
//
// FilteredTurnBatch below evaluates the same hoisted form in double lanes on
// any finite input, with an error bound for the whole point set: each lane is
// decided (surely right, surely not right) or left undecided for the exact
// test of turn.h.
//
// The step is written over a small set of vector operations Ops, with one
// set per instruction set: SSE2 here (every x86-64 processor), AVX in
// turn_batch_avx.h (a unit compiled for AVX includes it), and ScalarLanes,
// plain C++ for any processor.
#pragma once

#include "point.h"

#include <cstdint>

#if defined(HULL_VECTOR_SCAN) && (defined(__x86_64__) || defined(__i386__))
#define HULL_HAVE_SSE_TURNS 1
#include <immintrin.h>
#endif

// Points tested at once in every step of the scan; the coordinate arrays are
// padded to a multiple of it.
inline constexpr int kTurnBatchStep = 16;

// One step of kTurnBatchStep points: whether any lane of cross(k) is negative.
template <class Ops>
struct TurnBatch {
    using Scalar = typename Ops::Scalar;
    using Vector = typename Ops::Vector;
    static constexpr int kStep = kTurnBatchStep;
    static_assert(kStep % Ops::kLanes == 0);

    Vector dx, dy, c0;
    TurnBatch(Scalar dx_, Scalar dy_, Scalar c0_) : dx(Ops::set1(dx_)), dy(Ops::set1(dy_)), c0(Ops::set1(c0_)) {}

    bool any_right(const Scalar* x, const Scalar* y) const {
        Vector right = Ops::zero();
        for (int v = 0; v < kStep; v += Ops::kLanes) {
            const Vector cross = Ops::add(Ops::sub(Ops::mul(Ops::load(y + v), dx), Ops::mul(Ops::load(x + v), dy)), c0);
            right = Ops::bit_or(right, Ops::negative(cross));
        }
        return Ops::any(right);
    }
};

// The filtered batched turn test: for one directed pair a -> b and one step
// of kTurnBatchStep points k (double coordinates, the floats widened), the
// hoisted cross product
//
//     C(k) = fl(fl(fl(yk * dx) - fl(xk * dy)) + c0),
//     dx = fl(xb - xa), dy = fl(yb - ya), c0 = fl(fl(dy * xa) - fl(dx * ya)),
//
// with fl one rounding to nearest double (no fused multiply-add), against a
// bound B for the whole point set: C(k) < -B means k lies strictly right of
// a -> b, C(k) > B strictly left; the rest is undecided and belongs to the
// exact test (turn_sign).
//
// The bound (turn_batch_error_bound). Let u = 2^-53, X >= |x| and Y >= |y|
// for every point of the set, E(k) = (yk - ya)(xb - xa) - (yb - ya)(xk - xa)
// the exact cross product. The model |fl(v) - v| <= u |v| and <= u |fl(v)|
// holds for every product here (nonzero products of widened floats are at
// least 2^-298 and below 2^258 in magnitude, far from double underflow and
// overflow) and for every sum (an underflowing sum is exact). Then:
//   - |dx| <= 2X and |dy| <= 2Y (rounding is monotone); replacing xb - xa and
//     yb - ya by dx and dy changes E by at most
//     u (|yk - ya| |dx| + |xk - xa| |dy|) <= 8 u XY;
//   - fl(yk dx), fl(xk dy), fl(dy xa), fl(dx ya) err by at most 2 u XY each;
//   - the difference inside c0 and the one of the two products err by at
//     most u (1 + u) 4 XY each;
//   - the final sum, of magnitude at most (1 + u)^2 8 XY, by u (1 + u)^2 8 XY.
// Altogether |C(k) - E(k)| <= (32 + 24 u + 8 u^2) u XY. B = fl(33 u fl(XY))
// exceeds it, since 33 (1 - u) / (1 + u) > 32 + 24 u + 8 u^2. The derivation
// follows the one of ccwerrboundA in J. R. Shewchuk, "Adaptive Precision
// Floating-Point Arithmetic and Fast Robust Geometric Predicates", Discrete &
// Computational Geometry 18 (1997) 305-363, with the hoisted terms and one
// bound for the whole set in place of one per triple.
//
// On k = a or k = b the exact value is 0: such lanes are always undecided.
inline constexpr double kBatchErrorFactor = 33.0 / 9007199254740992.0;  // 33 u

// B of the comment above for a set whose coordinates satisfy |x| <= max_abs_x
// and |y| <= max_abs_y (both finite).
inline double turn_batch_error_bound(double max_abs_x, double max_abs_y) {
    return kBatchErrorFactor * (max_abs_x * max_abs_y);
}

// The lanes of one step as bit masks, bit v for point k0 + v.
struct TurnLanes {
    std::uint32_t surely_right;  // C(k) < -B: E(k) < 0
    std::uint32_t undecided;     // -B <= C(k) <= B
};

template <class Ops>
struct FilteredTurnBatch {
    using Vector = typename Ops::Vector;
    static_assert(sizeof(typename Ops::Scalar) == sizeof(double), "the bound is derived for double lanes");
    static constexpr int kStep = kTurnBatchStep;
    static_assert(kStep % Ops::kLanes == 0 && kStep <= 32);

    Vector dx, dy, c0, bound, minus_bound;
    FilteredTurnBatch(const Point& a, const Point& b, double set_bound) {
        const double xa = a.x;
        const double ya = a.y;
        const double dx_ = static_cast<double>(b.x) - xa;
        const double dy_ = static_cast<double>(b.y) - ya;
        dx = Ops::set1(dx_);
        dy = Ops::set1(dy_);
        c0 = Ops::set1(dy_ * xa - dx_ * ya);
        bound = Ops::set1(set_bound);
        minus_bound = Ops::set1(-set_bound);
    }

    Vector cross(const double* x, const double* y, int v) const {
        return Ops::add(Ops::sub(Ops::mul(Ops::load(y + v), dx), Ops::mul(Ops::load(x + v), dy)), c0);
    }

    // Whether any lane may lie right (C(k) <= B): false means every point of
    // the step is surely not right of a -> b.
    bool any_maybe_right(const double* x, const double* y) const {
        Vector maybe = Ops::zero();
        for (int v = 0; v < kStep; v += Ops::kLanes) maybe = Ops::bit_or(maybe, Ops::not_above(cross(x, y, v), bound));
        return Ops::any(maybe);
    }

    TurnLanes classify(const double* x, const double* y) const {
        TurnLanes lanes{0, 0};
        for (int v = 0; v < kStep; v += Ops::kLanes) {
            const Vector c = cross(x, y, v);
            const std::uint32_t right = Ops::bits(Ops::below(c, minus_bound));
            const std::uint32_t maybe = Ops::bits(Ops::not_above(c, bound));
            lanes.surely_right |= right << v;
            lanes.undecided |= (maybe & ~right) << v;
        }
        return lanes;
    }
};

// The same hoisted evaluation for one point at a time, against one fixed
// line a -> b: the side of every point c of a set, decided where the bound
// B of turn_batch_error_bound (the same derivation, with k = c) allows.
// Neither answer is true on an undecided point: a filter built on these
// keeps such points for an exact test.
struct FilteredTurnLine {
    double dx, dy, c0, bound;
    FilteredTurnLine(const Point& a, const Point& b, double set_bound)
        : dx(static_cast<double>(b.x) - a.x),
          dy(static_cast<double>(b.y) - a.y),
          c0(dy * a.x - dx * a.y),
          bound(set_bound) {}

    double cross(const Point& c) const { return (static_cast<double>(c.y) * dx - static_cast<double>(c.x) * dy) + c0; }
    // c lies strictly right of a -> b (clockwise turn).
    bool surely_right(const Point& c) const { return cross(c) < -bound; }
    // c lies strictly left of a -> b (counter-clockwise turn).
    bool surely_left(const Point& c) const { return cross(c) > bound; }
};

// One lane of T: the same step in plain C++, for processors without the
// vector units above (and to test that the vector forms agree with it).
template <class T>
struct ScalarLanes {
    using Scalar = T;
    using Vector = T;
    static constexpr int kLanes = 1;
    static T set1(T v) { return v; }
    static T zero() { return T(0); }
    static T load(const T* p) { return *p; }
    static T add(T a, T b) { return a + b; }
    static T sub(T a, T b) { return a - b; }
    static T mul(T a, T b) { return a * b; }
    // A "mask" here is 1 (negative) or 0.
    static T bit_or(T a, T b) { return ((a != T(0)) || (b != T(0))) ? T(1) : T(0); }
    static T negative(T a) { return a < T(0) ? T(1) : T(0); }
    static T below(T a, T b) { return a < b ? T(1) : T(0); }
    static T not_above(T a, T b) { return a <= b ? T(1) : T(0); }
    static bool any(T mask) { return mask != T(0); }
    static std::uint32_t bits(T mask) { return mask != T(0) ? 1u : 0u; }
};

#ifdef HULL_HAVE_SSE_TURNS

// 128-bit vectors, four floats or two doubles.
struct SseFloats {
    using Scalar = float;
    using Vector = __m128;
    static constexpr int kLanes = 4;
    static Vector set1(float v) { return _mm_set1_ps(v); }
    static Vector zero() { return _mm_setzero_ps(); }
    static Vector load(const float* p) { return _mm_loadu_ps(p); }
    static Vector add(Vector a, Vector b) { return _mm_add_ps(a, b); }
    static Vector sub(Vector a, Vector b) { return _mm_sub_ps(a, b); }
    static Vector mul(Vector a, Vector b) { return _mm_mul_ps(a, b); }
    static Vector bit_or(Vector a, Vector b) { return _mm_or_ps(a, b); }
    static Vector negative(Vector a) { return _mm_cmplt_ps(a, _mm_setzero_ps()); }
    static bool any(Vector mask) { return _mm_movemask_ps(mask) != 0; }
};

struct SseDoubles {
    using Scalar = double;
    using Vector = __m128d;
    static constexpr int kLanes = 2;
    static Vector set1(double v) { return _mm_set1_pd(v); }
    static Vector zero() { return _mm_setzero_pd(); }
    static Vector load(const double* p) { return _mm_loadu_pd(p); }
    static Vector add(Vector a, Vector b) { return _mm_add_pd(a, b); }
    static Vector sub(Vector a, Vector b) { return _mm_sub_pd(a, b); }
    static Vector mul(Vector a, Vector b) { return _mm_mul_pd(a, b); }
    static Vector bit_or(Vector a, Vector b) { return _mm_or_pd(a, b); }
    static Vector negative(Vector a) { return _mm_cmplt_pd(a, _mm_setzero_pd()); }
    static Vector below(Vector a, Vector b) { return _mm_cmplt_pd(a, b); }
    static Vector not_above(Vector a, Vector b) { return _mm_cmple_pd(a, b); }
    static bool any(Vector mask) { return _mm_movemask_pd(mask) != 0; }
    static std::uint32_t bits(Vector mask) { return static_cast<std::uint32_t>(_mm_movemask_pd(mask)); }
};

#endif
