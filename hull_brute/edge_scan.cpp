#include "edge_scan.h"

#include "grid_scan.h"
#include "turn.h"

#include <algorithm>
#include <cmath>
#include <vector>

bool exactly_right(const Point* points, std::int32_t i, std::int32_t j, std::int32_t k) {
    return turn_sign(points[i], points[j], points[k]) < 0;
}

namespace {

// Any input (non-finite coordinates included): the exact turn test, one k
// at a time.
bool scan_general(const Point* points, std::int32_t n, std::int32_t* next_vertex) {
    bool any_rejected = false;
    for (std::int32_t i = 0; i < n; ++i) {
        report_progress(i, n);
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

#ifdef HULL_HAVE_SSE_TURNS
const bool processor_has_avx = __builtin_cpu_supports("avx");
#endif

// Extents below 2^11: products below 2^22, the sum below 2^24: single
// precision is exact, and twice as many lanes fit a vector as of doubles.
constexpr double kFloatExtent = 2048.0;
// Extents below 2^25: products below 2^50, the sum below 2^52: doubles are exact.
constexpr double kDoubleExtent = 33554432.0;

bool scan_grid(const Point* points, const GridCoordinates<float>& grid, std::int32_t n, std::int32_t* next_vertex) {
    const auto padded = static_cast<std::int32_t>(grid.xs.size());
#ifdef HULL_HAVE_SSE_TURNS
    if (processor_has_avx) return scan_grid_float_avx(points, grid.xs.data(), grid.ys.data(), n, padded, next_vertex);
    return scan_grid_pairs<TurnBatch<SseFloats>>(points, grid.xs.data(), grid.ys.data(), n, padded, next_vertex);
#else
    return scan_grid_pairs<TurnBatch<ScalarLanes<float>>>(points, grid.xs.data(), grid.ys.data(), n, padded, next_vertex);
#endif
}

bool scan_grid(const Point* points, const GridCoordinates<double>& grid, std::int32_t n, std::int32_t* next_vertex) {
    const auto padded = static_cast<std::int32_t>(grid.xs.size());
#ifdef HULL_HAVE_SSE_TURNS
    if (processor_has_avx) return scan_grid_double_avx(points, grid.xs.data(), grid.ys.data(), n, padded, next_vertex);
    return scan_grid_pairs<TurnBatch<SseDoubles>>(points, grid.xs.data(), grid.ys.data(), n, padded, next_vertex);
#else
    return scan_grid_pairs<TurnBatch<ScalarLanes<double>>>(points, grid.xs.data(), grid.ys.data(), n, padded, next_vertex);
#endif
}

// Finite points off a small grid: the filtered batched test on the
// coordinates widened to double, padded with copies of the first point.
bool scan_filtered(const Point* points, std::int32_t n, double max_abs_x, double max_abs_y,
                   std::int32_t* next_vertex) {
    const std::size_t padded = (static_cast<std::size_t>(n) + kScanStep - 1) / kScanStep * kScanStep;
    std::vector<double> xs(padded);
    std::vector<double> ys(padded);
    for (std::size_t k = 0; k < padded; ++k) {
        const Point& p = points[k < static_cast<std::size_t>(n) ? k : 0];
        xs[k] = p.x;
        ys[k] = p.y;
    }
    const double bound = turn_batch_error_bound(max_abs_x, max_abs_y);
    const auto count = static_cast<std::int32_t>(padded);
#ifdef HULL_HAVE_SSE_TURNS
    if (processor_has_avx) return scan_filtered_avx(points, xs.data(), ys.data(), n, count, bound, next_vertex);
    return scan_filtered_pairs<FilteredTurnBatch<SseDoubles>>(points, xs.data(), ys.data(), n, count, bound,
                                                              next_vertex);
#else
    return scan_filtered_pairs<FilteredTurnBatch<ScalarLanes<double>>>(points, xs.data(), ys.data(), n, count, bound,
                                                                       next_vertex);
#endif
}

}  // namespace

bool scan_edges(const Point* points, std::int32_t n, std::int32_t* next_vertex) {
    std::fill(next_vertex, next_vertex + n, -1);
    if (n <= 0) return false;

    bool integral = true;
    bool finite = true;
    float min_x = points[0].x, max_x = points[0].x, min_y = points[0].y, max_y = points[0].y;
    for (std::int32_t k = 0; k < n; ++k) {
        const Point& p = points[k];
        integral = integral && p.x == std::trunc(p.x) && p.y == std::trunc(p.y);
        finite = finite && std::isfinite(p.x) && std::isfinite(p.y);
        min_x = std::min(min_x, p.x);
        max_x = std::max(max_x, p.x);
        min_y = std::min(min_y, p.y);
        max_y = std::max(max_y, p.y);
    }
    const double extent = std::max(static_cast<double>(max_x) - min_x, static_cast<double>(max_y) - min_y);

    if (integral && extent < kFloatExtent) return scan_grid(points, to_grid<float>(points, n, min_x, min_y), n, next_vertex);
    if (integral && extent < kDoubleExtent) return scan_grid(points, to_grid<double>(points, n, min_x, min_y), n, next_vertex);
    const double max_abs_x = std::max(std::fabs(static_cast<double>(min_x)), std::fabs(static_cast<double>(max_x)));
    const double max_abs_y = std::max(std::fabs(static_cast<double>(min_y)), std::fabs(static_cast<double>(max_y)));
    if (finite) return scan_filtered(points, n, max_abs_x, max_abs_y, next_vertex);
    return scan_general(points, n, next_vertex);
}
