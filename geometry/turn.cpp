#include "turn.h"

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

SetTurns SetTurns::of(const Point* points, std::int32_t n) {
    const auto [min_x, max_x] = std::minmax_element(points, points + n, [](const Point& p, const Point& q) { return p.x < q.x; });
    const auto [min_y, max_y] = std::minmax_element(points, points + n, [](const Point& p, const Point& q) { return p.y < q.y; });
    return SetTurns(static_cast<double>(max_x->x) - min_x->x, static_cast<double>(max_y->y) - min_y->y);
}
