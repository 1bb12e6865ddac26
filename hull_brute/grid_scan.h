// The pair loop of the brute-force scan over exact grid coordinates, shared
// by the translation units compiled for different instruction sets. Every
// definition here has internal linkage, so each unit keeps its own code.
#pragma once

#include "point.h"
#include "progress_hook.h"
#include "turn_batch.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kScanStep = kTurnBatchStep;

// Keeps j as i's edge if it is the first accepted one to another position.
inline void accept(const Point* points, std::int32_t i, std::int32_t j, std::int32_t* next_vertex) {
    if (next_vertex[i] < 0 && !same_position(points[i], points[j])) next_vertex[i] = j;
}

// The pair loop over grid coordinates: for each pair i -> j, the batched turn
// test Scan (a TurnBatch of turn_batch.h) tells for one step of Scan::kStep
// points k at once whether any lies strictly to the right, exactly in T for
// the extents the caller admits.
template <class Scan, class T>
inline bool scan_grid_pairs(const Point* points, const T* xs, const T* ys, std::int32_t n, std::int32_t padded,
                            std::int32_t* next_vertex) {
    bool any_rejected = false;
    for (std::int32_t i = 0; i < n; ++i) {
        report_progress(i, n);
        const T xi = xs[i];
        const T yi = ys[i];
        for (std::int32_t j = 0; j < n; ++j) {
            if (j == i) continue;
            const T dx = xs[j] - xi;
            const T dy = ys[j] - yi;
            const Scan step(dx, dy, dy * xi - dx * yi);
            bool rejected = false;
            for (std::int32_t k0 = 0; k0 < padded && !rejected; k0 += Scan::kStep) {
                rejected = step.any_right(xs + k0, ys + k0);
            }
            any_rejected |= rejected;
            if (!rejected) accept(points, i, j, next_vertex);
        }
    }
    return any_rejected;
}

}  // namespace

#ifdef HULL_HAVE_SSE_TURNS
// The scans with 256-bit vectors; only for processors with AVX.
bool scan_grid_float_avx(const Point* points, const float* xs, const float* ys, std::int32_t n, std::int32_t padded,
                         std::int32_t* next_vertex);
bool scan_grid_double_avx(const Point* points, const double* xs, const double* ys, std::int32_t n,
                          std::int32_t padded, std::int32_t* next_vertex);
#endif
