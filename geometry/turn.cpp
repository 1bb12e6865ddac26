#include "turn.h"

#include "lanes.h"

#include <gmpxx.h>

#include <algorithm>

namespace {

// Every finite float is an integer multiple of 2^-149 (the least subnormal),
// so scaling by 2^149 turns each coordinate into an exact integer of at most
// 277 bits; a double holds that scaled value exactly.
mpz_class scaled(float v) {
    return mpz_class(std::ldexp(static_cast<double>(v), 149));
}

}  // namespace

int exact_cross_sign(const Point& a, const Point& b, const Point& c, const Point& d) {
    const mpz_class cross = (scaled(b.x) - scaled(a.x)) * (scaled(d.y) - scaled(c.y)) -
                            (scaled(b.y) - scaled(a.y)) * (scaled(d.x) - scaled(c.x));
    return sgn(cross);
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
