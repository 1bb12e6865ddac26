#include "turn.h"

#include <gmpxx.h>

namespace {

// Every finite float is an integer multiple of 2^-149 (the least subnormal),
// so scaling by 2^149 turns each coordinate into an exact integer of at most
// 277 bits; a double holds that scaled value exactly.
mpz_class scaled(float v) {
    return mpz_class(std::ldexp(static_cast<double>(v), 149));
}

}  // namespace

int exact_turn_sign(const Point& a, const Point& b, const Point& c) {
    const mpz_class ax = scaled(a.x);
    const mpz_class ay = scaled(a.y);
    const mpz_class cross = (scaled(c.y) - ay) * (scaled(b.x) - ax) - (scaled(b.y) - ay) * (scaled(c.x) - ax);
    return sgn(cross);
}
