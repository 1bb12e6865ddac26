// The scan in single precision with 256-bit vectors. This unit alone is
// compiled for AVX (without fused multiply-add); it runs only where the
// processor reports AVX.
#include "grid_scan.h"

#include <immintrin.h>

namespace {

// One step in single precision with 256-bit vectors (AVX): two vectors of 8.
struct AvxFloatStep {
    static constexpr int kStep = kScanStep;
    __m256 dx, dy, c0;
    AvxFloatStep(float dx_, float dy_, float c0_)
        : dx(_mm256_set1_ps(dx_)), dy(_mm256_set1_ps(dy_)), c0(_mm256_set1_ps(c0_)) {}
    bool any_right(const float* x, const float* y) const {
        const __m256 zero = _mm256_setzero_ps();
        const __m256 c1 = _mm256_add_ps(_mm256_sub_ps(_mm256_mul_ps(_mm256_loadu_ps(y), dx),
                                                      _mm256_mul_ps(_mm256_loadu_ps(x), dy)), c0);
        const __m256 c2 = _mm256_add_ps(_mm256_sub_ps(_mm256_mul_ps(_mm256_loadu_ps(y + 8), dx),
                                                      _mm256_mul_ps(_mm256_loadu_ps(x + 8), dy)), c0);
        return _mm256_movemask_ps(_mm256_or_ps(_mm256_cmp_ps(c1, zero, _CMP_LT_OQ),
                                               _mm256_cmp_ps(c2, zero, _CMP_LT_OQ))) != 0;
    }
};

}  // namespace

bool scan_grid_float_avx(const Point* points, const float* xs, const float* ys, std::int32_t n, std::int32_t padded,
                         std::int32_t* next_vertex) {
    return scan_grid_pairs<AvxFloatStep>(points, xs, ys, n, padded, next_vertex);
}
