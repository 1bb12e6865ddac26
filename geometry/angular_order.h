// The points of a set ordered by angle around a pivot, exactly, as Graham's
// scan needs them: by a key of whole numbers first (a radix sort), then by
// the exact predicates wherever the keys are too close to tell.
//
// The key. For a point p and the pivot o, with d = p - o (d.y >= 0: o is
// the lowest point, the leftmost of the lowest), the pseudo-angle
//
//     K(p) = 1 - d.x / (|d.x| + d.y)
//
// runs from 0 (angle 0) to 2 (angle pi), strictly increasing with the
// angle, and equal for points on one ray from o. It is evaluated in double
// (the two differences, the sum, the quotient and 1 - q each rounded once)
// and scaled to a whole number k = floor(K' 2^(b-1)) of b bits (K' <= 2,
// and 2 itself is clamped to 2^b - 1), b from 16 to 22 as n grows.
//
// Its error. Each rounding errs by at most u = 2^-53 relatively, and
// |d.x| (1 + e1) + d.y (1 + e2) = (|d.x| + d.y)(1 + e) with |e| <= u (the
// terms are not negative), so the quotient q' errs from d.x / (|d.x| + d.y)
// by a factor within (1 + u)^2 / (1 - u)^2, by less than 4.01u absolutely
// (|q| <= 1); 1 - q' rounds by at most 2.01u more. No value overflows or
// underflows (differences of floats lie between 2^-149 and 2^129, far
// inside double's normal range). So |K' - K| < 2^-50, and the whole key
// k / 2^(b-1) lies within e = 2^(1-b) + 2^-50 of K.
//
// Why close keys suffice. If the keys order two points p before q but the
// exact order puts q first, then K(q) <= K(p), so (k(q) - k(p)) / 2^(b-1)
// <= 2e and, the keys being whole numbers, k(q) - k(p) <= 2. Every key
// between them in the sorted sequence lies in [k(p), k(q)], so each two
// neighbours on the way differ by at most 2 too. Hence: cut the sequence
// sorted by key wherever two neighbours differ by more than 2; every pair
// the keys order wrongly lies within one run, and sorting each run by the
// exact comparison gives the exact order. Points on one ray have one K, so
// they share a run and are ordered nearer first (nearer_on_ray). The runs
// are short except where many points lie on few rays from the pivot: b is
// chosen so that n keys spread over 2^b lie 64 to 256 apart on average.
//
// The sort itself: two passes of a radix sort by b/2 bits of the key each,
// then one pass over the sorted keys for the runs; no allocation.
#pragma once

#include "capacities.h"
#include "point.h"
#include "turn.h"

#include <cstdint>

class AngularOrder {
public:
    static constexpr std::int32_t kCapacity = kLargestPointCapacity;

    AngularOrder() = default;  // the arrays are left unset: sort writes them
    AngularOrder(const AngularOrder&) = delete;
    AngularOrder& operator=(const AngularOrder&) = delete;

    // Orders the points of points[0 .. n-1] (0 <= n <= kCapacity) that are
    // not at the pivot's position: by angle around the pivot counter-
    // clockwise from the direction of +x, points on one ray nearer first.
    // Every point must lie above the pivot, or at its height and not left
    // of it (the pivot is the lowest point, the leftmost of the lowest).
    // Returns their count m; operator[] gives them in order. turns is the
    // threshold of a set holding the points and the pivot.
    std::int32_t sort(const Point* points, std::int32_t n, const Point& pivot, const SetTurns& turns);

    // The index into points of the i-th point in the order, 0 <= i < m.
    std::int32_t operator[](std::int32_t i) const { return static_cast<std::int32_t>(sorted_[i] & 0xffffffffu); }

    // Exact comparisons (each one turn test) the last sort made in its runs.
    std::int64_t exact_comparisons() const { return exact_comparisons_; }

private:
    // Key in the high 32 bits, the point's index in the low ones.
    std::uint64_t items_[kCapacity];
    std::uint64_t spare_[kCapacity];
    const std::uint64_t* sorted_ = items_;
    std::int64_t exact_comparisons_ = 0;
};
