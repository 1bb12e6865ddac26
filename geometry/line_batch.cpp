#include "line_batch.h"

#include "column_scan.h"
#include "point_order.h"

#include <algorithm>

bool exactly_right(const Point* points, std::int32_t i, std::int32_t j, std::int32_t k) {
    return turn_sign(points[i], points[j], points[k]) < 0;
}

#ifdef HULL_AVX_SCAN
// The same scans in 256-bit lanes (line_batch_avx.cpp).
std::int32_t first_right_avx(PointColumns::Data& data, std::int32_t i, std::int32_t j, std::int32_t* stops);
#endif

namespace {

#ifdef HULL_AVX_SCAN
const bool processor_has_avx = __builtin_cpu_supports("avx");
#endif

template <class T>
T* fill_columns(const Point* points, std::int32_t n, std::size_t padded, std::vector<T>& columns) {
    columns.resize(4 * padded);
    for (std::size_t k = 0; k < padded; ++k) {
        const Point& p = points[k < static_cast<std::size_t>(n) ? k : 0];
        columns[k] = static_cast<T>(p.x);
        columns[padded + k] = static_cast<T>(p.y);
    }
    return columns.data();
}

}  // namespace

PointColumns::PointColumns(const Point* points, std::int32_t n) {
    const SetTurns turns = n > 0 ? SetTurns::of(points, n) : SetTurns(0.0, 0.0);
    const bool small_integers = std::all_of(points, points + n, [](const Point& p) {
        return is_small_integer(p.x) && is_small_integer(p.y);
    });
    const std::size_t padded = (static_cast<std::size_t>(n) + kColumnStep - 1) / kColumnStep * kColumnStep;
    data_ = {small_integers ? Kind::exact_double : Kind::filtered, nullptr, nullptr, padded, -1, points, n, turns.bound()};
    if (small_integers && turns.width_x() < 2048.0 && turns.width_y() < 2048.0) {
        data_.kind = Kind::exact_float;
        data_.floats = fill_columns(points, n, padded, floats_);
    } else {
        data_.doubles = fill_columns(points, n, padded, doubles_);
    }
}

std::int32_t PointColumns::first_right(std::int32_t i, std::int32_t j) const {
    return ::first_right(data_, i, j, nullptr);
}

void PointColumns::first_right_from(std::int32_t i, std::int32_t* stops) const {
#ifdef HULL_AVX_SCAN
    if (processor_has_avx) {
        first_right_avx(data_, i, 0, stops);
        return;
    }
#endif
    ::first_right(data_, i, 0, stops);
}

void line_sides(const SetTurns& turns, const Point& a, const Point& b, const Point* points, std::int32_t n,
                std::int8_t* sides) {
    using V = Lanes<double>;
    constexpr std::int32_t kWidth = V::size();
    const V ax = a.x, ay = a.y, dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const double bound = turns.bound();
    std::int32_t k = 0;
    for (; k + kWidth <= n; k += kWidth) {
        const V cross = lane_turn_cross(ax, ay, dx, dy, load_coordinate<V>(points + k), load_coordinate<V, true>(points + k));
        for (std::int32_t lane = 0; lane < kWidth; ++lane) {
            const double value = cross[lane];
            sides[k + lane] = static_cast<std::int8_t>(value > bound ? 1 : value < -bound ? -1 : turn_sign(a, b, points[k + lane]));
        }
    }
    for (; k < n; ++k) sides[k] = static_cast<std::int8_t>(turns.turn_sign(a, b, points[k]));
}

std::int32_t farthest_left(const SetTurns& turns, const Point& a, const Point& b, const Point* points,
                           std::int32_t n) {
    // plain_turn_cross(a, b, p) with the direction a -> b taken once.
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const auto value = [&](const Point& p) {
        return dx * (static_cast<double>(p.y) - a.y) - dy * (static_cast<double>(p.x) - a.x);
    };
    const double margin = turns.difference_bound();
    const bool forward = compare_points(&a, &b) < 0;
    std::int32_t best = 0;
    double best_value = value(points[0]);
    for (std::int32_t k = 1; k < n; ++k) {
        const Point& p = points[k];
        const double v = value(p);
        if (v < best_value - margin) continue;  // surely nearer the line
        if (!(v > best_value + margin)) {       // not surely farther: decide exactly
            const int farther = turns.cross_sign(a, b, points[best], p);
            if (farther < 0) continue;
            if (farther == 0) {
                const int along = compare_points(&p, &points[best]);
                if (forward ? along <= 0 : along >= 0) continue;
            }
        }
        best = k;
        best_value = v;
    }
    return best;
}
