// The batched turn tests of turn_batch.h on 256-bit vectors: eight floats or
// four doubles. Only a unit compiled for AVX (without fused multiply-add)
// includes this, and its code runs only where the processor reports AVX.
#pragma once

#include "turn_batch.h"

#include <immintrin.h>

struct AvxFloats {
    using Scalar = float;
    using Vector = __m256;
    static constexpr int kLanes = 8;
    static Vector set1(float v) { return _mm256_set1_ps(v); }
    static Vector zero() { return _mm256_setzero_ps(); }
    static Vector load(const float* p) { return _mm256_loadu_ps(p); }
    static Vector add(Vector a, Vector b) { return _mm256_add_ps(a, b); }
    static Vector sub(Vector a, Vector b) { return _mm256_sub_ps(a, b); }
    static Vector mul(Vector a, Vector b) { return _mm256_mul_ps(a, b); }
    static Vector bit_or(Vector a, Vector b) { return _mm256_or_ps(a, b); }
    static Vector negative(Vector a) { return _mm256_cmp_ps(a, _mm256_setzero_ps(), _CMP_LT_OQ); }
    static bool any(Vector mask) { return _mm256_movemask_ps(mask) != 0; }
};

struct AvxDoubles {
    using Scalar = double;
    using Vector = __m256d;
    static constexpr int kLanes = 4;
    static Vector set1(double v) { return _mm256_set1_pd(v); }
    static Vector zero() { return _mm256_setzero_pd(); }
    static Vector load(const double* p) { return _mm256_loadu_pd(p); }
    static Vector add(Vector a, Vector b) { return _mm256_add_pd(a, b); }
    static Vector sub(Vector a, Vector b) { return _mm256_sub_pd(a, b); }
    static Vector mul(Vector a, Vector b) { return _mm256_mul_pd(a, b); }
    static Vector bit_or(Vector a, Vector b) { return _mm256_or_pd(a, b); }
    static Vector negative(Vector a) { return _mm256_cmp_pd(a, _mm256_setzero_pd(), _CMP_LT_OQ); }
    static Vector below(Vector a, Vector b) { return _mm256_cmp_pd(a, b, _CMP_LT_OQ); }
    static Vector not_above(Vector a, Vector b) { return _mm256_cmp_pd(a, b, _CMP_LE_OQ); }
    static bool any(Vector mask) { return _mm256_movemask_pd(mask) != 0; }
    static std::uint32_t bits(Vector mask) { return static_cast<std::uint32_t>(_mm256_movemask_pd(mask)); }
};
