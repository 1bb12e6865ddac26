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
// The step is written over a small set of vector operations Ops, with one
// set per instruction set: SSE2 here (every x86-64 processor), AVX in
// turn_batch_avx.h (a unit compiled for AVX includes it), and ScalarLanes,
// plain C++ for any processor.
#pragma once

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
    static T bit_or(T a, T b) { return (a != T(0)) | (b != T(0)) ? T(1) : T(0); }
    static T negative(T a) { return a < T(0) ? T(1) : T(0); }
    static bool any(T mask) { return mask != T(0); }
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
    static bool any(Vector mask) { return _mm_movemask_pd(mask) != 0; }
};

#endif
