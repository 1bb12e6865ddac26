#include "turn.h"

#include "lanes.h"

#include <algorithm>

namespace {

// The error-free transformations of J. R. Shewchuk, "Adaptive Precision
// Floating-Point Arithmetic and Fast Robust Geometric Predicates" (1997):
// value + error equals the exact sum or product of two doubles, each a
// double. They hold without overflow or underflow, which the values here
// cannot reach: widened floats are multiples of 2^-149 below 2^128, their
// differences below 2^129, every nonzero piece below is at least 2^-201
// (a multiple of 2^-149, or split from one), and products lie between
// 2^-402 and 2^260 (double's normal range is 2^-1022 to 2^1024). The build evaluates every operation as written
// (-ffp-contract=off), which these rely on.
struct Exact {
    double value, error;
};

Exact two_sum(double a, double b) {
    const double value = a + b;
    const double b_part = value - a;
    const double a_part = value - b_part;
    return {value, (a - a_part) + (b - b_part)};
}

// Dekker's product: each factor split into two halves of at most 26 bits
// (Veltkamp's split by 2^27 + 1), whose four products are exact.
Exact two_product(double a, double b) {
    const auto split = [](double v) {
        const double scaled = 134217729.0 * v;
        const double high = scaled - (scaled - v);
        return Exact{high, v - high};
    };
    const double value = a * b;
    const auto [a_high, a_low] = split(a);
    const auto [b_high, b_low] = split(b);
    const double error = ((value - a_high * b_high) - a_low * b_high) - a_high * b_low;
    return {value, a_low * b_low - error};
}

// A sum of doubles kept exactly, as Shewchuk's nonoverlapping expansion
// (Grow-Expansion with zero elimination): components in increasing
// magnitude, no two overlapping, so that the last one has the sign of the
// whole. Each term adds at most one component.
class ExactSum {
public:
    void add(double term) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < count_; ++i) {
            const Exact sum = two_sum(term, components_[i]);
            if (sum.error != 0.0) components_[kept++] = sum.error;
            term = sum.value;
        }
        if (term != 0.0) components_[kept++] = term;
        count_ = kept;
    }
    int sign() const {
        if (count_ == 0) return 0;
        return components_[count_ - 1] > 0.0 ? 1 : -1;
    }

private:
    double components_[16];  // the 16 terms of one cross product
    std::size_t count_ = 0;
};

}  // namespace

int exact_cross_sign(const Point& a, const Point& b, const Point& c, const Point& d) {
    // Each difference of two floats as value + error, then the products of
    // those parts: 8 terms on each side, every one exact.
    const Exact dx1 = two_sum(b.x, -static_cast<double>(a.x)), dy1 = two_sum(b.y, -static_cast<double>(a.y));
    const Exact dx2 = two_sum(d.x, -static_cast<double>(c.x)), dy2 = two_sum(d.y, -static_cast<double>(c.y));
    ExactSum cross;
    for (const double x : {dx1.value, dx1.error}) {
        for (const double y : {dy2.value, dy2.error}) {
            const Exact product = two_product(x, y);
            cross.add(product.value);
            cross.add(product.error);
        }
    }
    for (const double y : {dy1.value, dy1.error}) {
        for (const double x : {dx2.value, dx2.error}) {
            const Exact product = two_product(y, x);
            cross.add(-product.value);
            cross.add(-product.error);
        }
    }
    return cross.sign();
}

int undecided_cross_sign(const Point& a, const Point& b, const Point& c, const Point& d, double value) {
    if (same_position(a, b) || same_position(c, d) || (same_position(a, c) && same_position(b, d)) ||
        (same_position(a, d) && same_position(b, c))) {
        return 0;
    }
    const float coordinates[] = {a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y};
    if (std::all_of(std::begin(coordinates), std::end(coordinates), is_small_integer)) {
        return (value > 0.0) - (value < 0.0);
    }
    return exact_cross_sign(a, b, c, d);
}

namespace {

// is_small_integer lane by lane.
template <class V>
[[gnu::always_inline]] inline auto small_integer_lanes(const V& v) {
    const V magnitude = stdx::abs(v);
    const V rounded = (magnitude + V(8388608.0f)) - V(8388608.0f);
    return magnitude < V(16777216.0f) && (magnitude >= V(8388608.0f) || rounded == magnitude);
}

}  // namespace

SetTurns SetTurns::of(const Point* points, std::int32_t n) {
    using V = Lanes<float>;
    constexpr auto kWidth = static_cast<std::int32_t>(V::size());
    float min_x = points[0].x, max_x = min_x, min_y = points[0].y, max_y = min_y;
    bool small_integers = true;
    std::int32_t i = 0;
    if (n >= kWidth) {
        V low_x = min_x, high_x = min_x, low_y = min_y, high_y = min_y;
        auto integers = low_x == low_x;
        for (; i + kWidth <= n; i += kWidth) {
            const V x = load_coordinate<V>(points + i), y = load_coordinate<V, true>(points + i);
            low_x = stdx::min(low_x, x);
            high_x = stdx::max(high_x, x);
            low_y = stdx::min(low_y, y);
            high_y = stdx::max(high_y, y);
            integers = integers && small_integer_lanes(x) && small_integer_lanes(y);
        }
        min_x = stdx::hmin(low_x);
        max_x = stdx::hmax(high_x);
        min_y = stdx::hmin(low_y);
        max_y = stdx::hmax(high_y);
        small_integers = stdx::all_of(integers);
    }
    for (; i < n; ++i) {
        const float x = points[i].x, y = points[i].y;
        min_x = std::min(min_x, x);
        max_x = std::max(max_x, x);
        min_y = std::min(min_y, y);
        max_y = std::max(max_y, y);
        small_integers = small_integers && is_small_integer(x) && is_small_integer(y);
    }
    return SetTurns(static_cast<double>(max_x) - min_x, static_cast<double>(max_y) - min_y, small_integers);
}
