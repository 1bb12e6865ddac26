// The pair loop of the brute-force scan over exact grid coordinates, shared
// by the translation units compiled for different instruction sets. Every
// definition here has internal linkage, so each unit keeps its own code.
#pragma once

#include "point.h"
#include "progress.h"

#include <algorithm>
#include <cstdint>

namespace {

// Points tested at once in every step of the scan; the coordinate arrays are
// padded to a multiple of it.
constexpr int kScanStep = 16;

// Keeps j as i's edge if it is the first accepted one to another position.
inline void accept(const Point* points, std::int32_t i, std::int32_t j, std::int32_t* next_vertex) {
    if (next_vertex[i] < 0 && !same_position(points[i], points[j])) next_vertex[i] = j;
}

// The pair loop over grid coordinates. For points i, j, k the cross product
// (j - i) x (k - i) is computed as ys[k]*dx - xs[k]*dy + c0 with dx, dy the
// differences j - i and c0 = dy*xi - dx*yi, exactly in T for the extents
// admitted below; a negative value is a point strictly to the right.
// Scan::any_right(xs + k0, ys + k0, ...) tests one step of Scan::kStep
// points at once.
template <class Scan, class T>
inline bool scan_grid_pairs(const Point* points, const T* xs, const T* ys, std::int32_t n, std::int32_t padded,
                            std::int32_t* next_vertex) {
    bool any_rejected = false;
    for (std::int32_t i = 0; i < n; ++i) {
        note_progress_within_run(i, n);
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

// One step of the scan in plain C++, kStep points of any exact type T.
template <class T>
struct PortableStep {
    static constexpr int kStep = kScanStep;
    T dx, dy, c0;
    PortableStep(T dx_, T dy_, T c0_) : dx(dx_), dy(dy_), c0(c0_) {}
    bool any_right(const T* x, const T* y) const {
        T least = 0;
        for (int l = 0; l < kStep; ++l) least = std::min(least, y[l] * dx - x[l] * dy + c0);
        return least < 0;
    }
};

}  // namespace

// Single-precision scan with 256-bit vectors; only for processors with AVX.
bool scan_grid_float_avx(const Point* points, const float* xs, const float* ys, std::int32_t n, std::int32_t padded,
                         std::int32_t* next_vertex);
