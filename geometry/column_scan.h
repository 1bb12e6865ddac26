// The scans of PointColumns in the lanes of the unit that includes this
// (line_batch.cpp, line_batch_avx.cpp): all of internal linkage, so each
// unit keeps its own code, and calling no inline function of another header.
#pragma once

#include "lanes.h"
#include "line_batch.h"

#include <tuple>

// The exact test of one lane: points[k] strictly right of points[i] ->
// points[j]. Compiled in a unit for every processor (line_batch.cpp).
bool exactly_right(const Point* points, std::int32_t i, std::int32_t j, std::int32_t k);

namespace {

// Points tested before the scan may stop.
constexpr std::size_t kColumnStep = 16;

template <class T>
T* columns_of(const PointColumns::Data& data) {
    return std::get<T*>(std::tuple(data.floats, data.doubles));
}

// Makes i the start point: the differences x - x_i and y - y_i, each
// rounded once as the plain evaluation rounds them.
template <class T>
void start_at(PointColumns::Data& data, std::int32_t i) {
    if (data.start == i) return;
    using V = Lanes<T>;
    T* const x = columns_of<T>(data);
    T* const y = x + data.padded;
    const V xi = x[i], yi = y[i];
    for (std::size_t k = 0; k < data.padded; k += V::size()) {
        (V(x + k, stdx::element_aligned) - xi).copy_to(x + 2 * data.padded + k, stdx::element_aligned);
        (V(y + k, stdx::element_aligned) - yi).copy_to(y + 2 * data.padded + k, stdx::element_aligned);
    }
    data.start = i;
}

// The first point strictly right of i -> j, i the start point: each lane
// is (x_j - x_i)(y_k - y_i) - (y_j - y_i)(x_k - x_i), the plain evaluation.
// A lane is flagged where its point may lie right of the line: in exact
// lanes where its value is negative, elsewhere where it is not above the
// threshold (a NaN included). Flagged lanes are decided one by one, in
// ascending k, below the negated threshold at once, else by the exact test
// (i and j themselves lie on the line); a padding lane repeats points[0],
// flagged at k = 0 first.
template <class T, bool Exact>
std::int32_t first_right_in(PointColumns::Data& data, std::int32_t i, std::int32_t j) {
    using V = Lanes<T>;
    constexpr std::size_t kWidth = V::size();
    static_assert(kColumnStep % kWidth == 0);
    const T* const to_x = columns_of<T>(data) + 2 * data.padded;
    const T* const to_y = to_x + data.padded;
    const V dx = to_x[j], dy = to_y[j];
    const V limit = static_cast<T>(Exact ? 0.0 : data.bound);
    const auto cross_at = [&](std::size_t k) {
        return dx * V(to_y + k, stdx::element_aligned) - dy * V(to_x + k, stdx::element_aligned);
    };
    const auto flagged = [&](const V& cross) {
        if constexpr (Exact) {
            return cross < limit;
        } else {
            return !(cross > limit);
        }
    };
    for (std::size_t k0 = 0; k0 < data.padded; k0 += kColumnStep) {
        auto any = flagged(cross_at(k0));
        for (std::size_t v = kWidth; v < kColumnStep; v += kWidth) any = any || flagged(cross_at(k0 + v));
        if (stdx::none_of(any)) continue;
        for (std::size_t v = 0; v < kColumnStep; v += kWidth) {
            const V cross = cross_at(k0 + v);
            for (std::uint32_t bits = lane_bits(flagged(cross)); bits != 0; bits &= bits - 1) {
                const int lane = __builtin_ctz(bits);
                const auto k = static_cast<std::int32_t>(k0 + v) + lane;
                if (k >= data.n) return data.n;
                if (Exact || cross[lane] < -data.bound) return k;
                if (k != i && k != j && exactly_right(data.points, i, j, k)) return k;
            }
        }
    }
    return data.n;
}

template <class T, bool Exact>
std::int32_t first_right_as(PointColumns::Data& data, std::int32_t i, std::int32_t j, std::int32_t* stops) {
    start_at<T>(data, i);
    if (stops == nullptr) return first_right_in<T, Exact>(data, i, j);
    for (std::int32_t to = 0; to < data.n; ++to) stops[to] = to == i ? data.n : first_right_in<T, Exact>(data, i, to);
    return data.n;
}

// The first point strictly right of i -> j, or with stops, that of i -> j
// for every j into stops[j] (none for j = i).
std::int32_t first_right(PointColumns::Data& data, std::int32_t i, std::int32_t j, std::int32_t* stops) {
    switch (data.kind) {
        case PointColumns::Kind::exact_float: return first_right_as<float, true>(data, i, j, stops);
        case PointColumns::Kind::exact_double: return first_right_as<double, true>(data, i, j, stops);
        default: return first_right_as<double, false>(data, i, j, stops);
    }
}

}  // namespace
