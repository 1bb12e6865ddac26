// The pair loops of the brute-force scan, shared by the translation units
// compiled for different instruction sets: over exact grid coordinates, and
// over any finite coordinates with the filtered batched turn test. Every
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

// The exact turn test for one undecided lane: whether points[k] lies
// strictly right of points[i] -> points[j]. Compiled in a unit of its own
// (without AVX), so every processor runs the same code.
bool exactly_right(const Point* points, std::int32_t i, std::int32_t j, std::int32_t k);

namespace {

// The pair loop over any finite points: xs and ys hold the coordinates of
// points widened to double, padded to a multiple of the step with copies of
// points[0]; bound is the set's error bound (turn_batch_error_bound). For
// each pair a step whose lanes are all surely not right is passed at once.
// Otherwise a lane surely right rejects the pair, and without one the
// undecided lanes go in ascending k to the exact test, which rejects the
// pair at the first point strictly right. A pair is thus rejected exactly
// when some point lies strictly right of it, as by the scan of k one by one
// (k = i, k = j and the padding are undecided and never sent).
template <class Batch>
inline bool scan_filtered_pairs(const Point* points, const double* xs, const double* ys, std::int32_t n,
                                std::int32_t padded, double bound, std::int32_t* next_vertex) {
    bool any_rejected = false;
    for (std::int32_t i = 0; i < n; ++i) {
        report_progress(i, n);
        for (std::int32_t j = 0; j < n; ++j) {
            if (j == i) continue;
            const Batch step(points[i], points[j], bound);
            bool rejected = false;
            for (std::int32_t k0 = 0; k0 < padded && !rejected; k0 += Batch::kStep) {
                if (!step.any_maybe_right(xs + k0, ys + k0)) continue;
                const TurnLanes lanes = step.classify(xs + k0, ys + k0);
                rejected = lanes.surely_right != 0;
                for (std::uint32_t open = lanes.undecided; open != 0 && !rejected; open &= open - 1) {
                    const std::int32_t k = k0 + __builtin_ctz(open);
                    rejected = k < n && k != i && k != j && exactly_right(points, i, j, k);
                }
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
bool scan_filtered_avx(const Point* points, const double* xs, const double* ys, std::int32_t n, std::int32_t padded,
                       double bound, std::int32_t* next_vertex);
#endif
