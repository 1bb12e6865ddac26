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

// One step of the scan on kStep points with the vector operations Ops
// (a vector type of Ops::kLanes lanes of Ops::Scalar and what is done with
// it): the step's points are strictly right of the pair if any lane of
// ys*dx - xs*dy + c0 is negative.
template <class Ops>
struct VectorStep {
    using Scalar = typename Ops::Scalar;
    using Vector = typename Ops::Vector;
    static constexpr int kStep = kScanStep;
    static_assert(kStep % Ops::kLanes == 0);

    Vector dx, dy, c0;
    VectorStep(Scalar dx_, Scalar dy_, Scalar c0_) : dx(Ops::set1(dx_)), dy(Ops::set1(dy_)), c0(Ops::set1(c0_)) {}

    bool any_right(const Scalar* x, const Scalar* y) const {
        Vector right = Ops::zero();
        for (int v = 0; v < kStep; v += Ops::kLanes) {
            const Vector cross = Ops::add(Ops::sub(Ops::mul(Ops::load(y + v), dx), Ops::mul(Ops::load(x + v), dy)), c0);
            right = Ops::bit_or(right, Ops::negative(cross));
        }
        return Ops::any(right);
    }
};

}  // namespace

// The scans with 256-bit vectors; only for processors with AVX.
bool scan_grid_float_avx(const Point* points, const float* xs, const float* ys, std::int32_t n, std::int32_t padded,
                         std::int32_t* next_vertex);
bool scan_grid_double_avx(const Point* points, const double* xs, const double* ys, std::int32_t n,
                          std::int32_t padded, std::int32_t* next_vertex);
