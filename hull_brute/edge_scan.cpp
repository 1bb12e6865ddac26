#include "edge_scan.h"

#include "grid_scan.h"
#include "predicates.h"

#include <algorithm>
#include <cmath>
#include <immintrin.h>
#include <vector>

namespace {

// Any input: the exact turn test, one k at a time.
bool scan_general(const Point* points, std::int32_t n, std::int32_t* next_vertex) {
    bool any_rejected = false;
    for (std::int32_t i = 0; i < n; ++i) {
        note_progress_within_run(i, n);
        for (std::int32_t j = 0; j < n; ++j) {
            if (j == i) continue;
            bool rejected = false;
            for (std::int32_t k = 0; k < n && !rejected; ++k) {
                rejected = k != i && k != j && turn_sign(points[i], points[j], points[k]) < 0;
            }
            any_rejected |= rejected;
            if (!rejected) accept(points, i, j, next_vertex);
        }
    }
    return any_rejected;
}

// Coordinates relative to the least x and y, as exact integers of type T,
// padded with copies of the first point to a whole number of blocks. The
// padding never rejects a pair that the first point does not reject already.
template <class T>
struct GridCoordinates {
    std::vector<T> xs;
    std::vector<T> ys;
};

template <class T>
GridCoordinates<T> to_grid(const Point* points, std::int32_t n, float min_x, float min_y) {
    const std::size_t padded = (static_cast<std::size_t>(n) + kScanStep - 1) / kScanStep * kScanStep;
    GridCoordinates<T> grid{std::vector<T>(padded), std::vector<T>(padded)};
    for (std::size_t k = 0; k < padded; ++k) {
        const Point& p = points[k < static_cast<std::size_t>(n) ? k : 0];
        grid.xs[k] = static_cast<T>(static_cast<double>(p.x) - min_x);
        grid.ys[k] = static_cast<T>(static_cast<double>(p.y) - min_y);
    }
    return grid;
}

// Vector operations for VectorStep on 128-bit vectors (SSE2, present on
// every x86-64 processor); the AVX ones live in grid_scan_avx.cpp.
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

const bool processor_has_avx = __builtin_cpu_supports("avx");

// Extents below 2^11: products below 2^22, the sum below 2^24: single
// precision is exact, and twice as many lanes fit a vector as of doubles.
constexpr double kFloatExtent = 2048.0;
// Extents below 2^25: products below 2^50, the sum below 2^52: doubles are exact.
constexpr double kDoubleExtent = 33554432.0;

bool scan_grid(const Point* points, const GridCoordinates<float>& grid, std::int32_t n, std::int32_t* next_vertex) {
    const auto padded = static_cast<std::int32_t>(grid.xs.size());
    if (processor_has_avx) return scan_grid_float_avx(points, grid.xs.data(), grid.ys.data(), n, padded, next_vertex);
    return scan_grid_pairs<VectorStep<SseFloats>>(points, grid.xs.data(), grid.ys.data(), n, padded, next_vertex);
}

bool scan_grid(const Point* points, const GridCoordinates<double>& grid, std::int32_t n, std::int32_t* next_vertex) {
    const auto padded = static_cast<std::int32_t>(grid.xs.size());
    if (processor_has_avx) return scan_grid_double_avx(points, grid.xs.data(), grid.ys.data(), n, padded, next_vertex);
    return scan_grid_pairs<VectorStep<SseDoubles>>(points, grid.xs.data(), grid.ys.data(), n, padded, next_vertex);
}

}  // namespace

bool scan_edges(const Point* points, std::int32_t n, std::int32_t* next_vertex) {
    std::fill(next_vertex, next_vertex + n, -1);
    if (n <= 0) return false;

    bool integral = true;
    float min_x = points[0].x, max_x = points[0].x, min_y = points[0].y, max_y = points[0].y;
    for (std::int32_t k = 0; k < n; ++k) {
        const Point& p = points[k];
        integral = integral && p.x == std::trunc(p.x) && p.y == std::trunc(p.y);
        min_x = std::min(min_x, p.x);
        max_x = std::max(max_x, p.x);
        min_y = std::min(min_y, p.y);
        max_y = std::max(max_y, p.y);
    }
    const double extent = std::max(static_cast<double>(max_x) - min_x, static_cast<double>(max_y) - min_y);

    if (integral && extent < kFloatExtent) return scan_grid(points, to_grid<float>(points, n, min_x, min_y), n, next_vertex);
    if (integral && extent < kDoubleExtent) return scan_grid(points, to_grid<double>(points, n, min_x, min_y), n, next_vertex);
    return scan_general(points, n, next_vertex);
}
