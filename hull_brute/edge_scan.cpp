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

// One step in single precision with 128-bit vectors (SSE2, present on every
// x86-64 processor).
struct SseFloatStep {
    static constexpr int kStep = kScanStep;
    __m128 dx, dy, c0;
    SseFloatStep(float dx_, float dy_, float c0_) : dx(_mm_set1_ps(dx_)), dy(_mm_set1_ps(dy_)), c0(_mm_set1_ps(c0_)) {}
    bool any_right(const float* x, const float* y) const {
        __m128 right = _mm_setzero_ps();
        for (int v = 0; v < kStep; v += 4) {
            const __m128 c = _mm_add_ps(_mm_sub_ps(_mm_mul_ps(_mm_loadu_ps(y + v), dx), _mm_mul_ps(_mm_loadu_ps(x + v), dy)), c0);
            right = _mm_or_ps(right, _mm_cmplt_ps(c, _mm_setzero_ps()));
        }
        return _mm_movemask_ps(right) != 0;
    }
};

bool scan_grid_float(const Point* points, const float* xs, const float* ys, std::int32_t n, std::int32_t padded,
                     std::int32_t* next_vertex) {
    static const bool has_avx = __builtin_cpu_supports("avx");
    if (has_avx) return scan_grid_float_avx(points, xs, ys, n, padded, next_vertex);
    return scan_grid_pairs<SseFloatStep>(points, xs, ys, n, padded, next_vertex);
}


// Extents below 2^11: products below 2^22, the sum below 2^24: single
// precision is exact, and twice as many lanes fit a vector as of doubles.
constexpr double kFloatExtent = 2048.0;

// Extents below 2^14: coordinates and differences stay below 2^14 in
// magnitude, each product below 2^28 and the sum of all four below 2^30, so
// 32-bit integers are exact.
constexpr double kIntExtent = 16384.0;
// Extents below 2^25: products below 2^50, the sum below 2^52: doubles are exact.
constexpr double kDoubleExtent = 33554432.0;

bool scan_grid_int(const Point* points, const std::int32_t* xs, const std::int32_t* ys, std::int32_t n,
                   std::int32_t padded, std::int32_t* next_vertex) {
    return scan_grid_pairs<PortableStep<std::int32_t>>(points, xs, ys, n, padded, next_vertex);
}

bool scan_grid_double(const Point* points, const double* xs, const double* ys, std::int32_t n,
                      std::int32_t padded, std::int32_t* next_vertex) {
    return scan_grid_pairs<PortableStep<double>>(points, xs, ys, n, padded, next_vertex);
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

    if (integral && extent < kFloatExtent) {
        const auto grid = to_grid<float>(points, n, min_x, min_y);
        return scan_grid_float(points, grid.xs.data(), grid.ys.data(), n, static_cast<std::int32_t>(grid.xs.size()),
                               next_vertex);
    }
    if (integral && extent < kIntExtent) {
        const auto grid = to_grid<std::int32_t>(points, n, min_x, min_y);
        return scan_grid_int(points, grid.xs.data(), grid.ys.data(), n, static_cast<std::int32_t>(grid.xs.size()),
                             next_vertex);
    }
    if (integral && extent < kDoubleExtent) {
        const auto grid = to_grid<double>(points, n, min_x, min_y);
        return scan_grid_double(points, grid.xs.data(), grid.ys.data(), n, static_cast<std::int32_t>(grid.xs.size()),
                                next_vertex);
    }
    return scan_general(points, n, next_vertex);
}
