#include "angular_order.h"

#include "contracts.h"
#include "lanes.h"
#include "point_order.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kKeyShift = 32;
constexpr std::uint64_t kIndexMask = 0xffffffffu;
// Neighbouring keys this close may be ordered wrongly (see the header).
constexpr std::uint64_t kRunGap = 2;
// The key has 2d bits, sorted in two passes of a radix sort by d bits
// each: d grows with n so that n keys lie some 64 to 256 apart on
// average (rarely within kRunGap of each other), from 8 to 11 bits.
constexpr int kLeastDigitBits = 8;
constexpr int kMostDigitBits = 11;
constexpr int kMostBuckets = 1 << kMostDigitBits;
// Runs longer than this are sorted by std::sort, shorter ones by insertion.
constexpr std::int32_t kInsertionRun = 16;

int digit_bits(std::int32_t n) {
    int bits = kLeastDigitBits;
    while (bits < kMostDigitBits && (std::int64_t{1} << (2 * bits)) < std::int64_t{64} * n) ++bits;
    return bits;
}

std::uint64_t key_of(std::uint64_t item) { return item >> kKeyShift; }

// The exact order: counter-clockwise around the pivot, nearer first on one
// ray; copies of the pivot before everything (nearest of all).
struct ExactAngle {
    const Point* points;
    const Point& pivot;
    const SetTurns& turns;
    std::int64_t& comparisons;
    bool operator()(std::uint64_t a, std::uint64_t b) const {
        const Point& p = points[a & kIndexMask];
        const Point& q = points[b & kIndexMask];
        ++comparisons;
        const int turn = turns.turn_sign(pivot, p, q);
        if (turn != 0) return turn > 0;
        return nearer_on_ray(pivot, p, q);
    }
};

// One pass of the radix sort by the digit of the given bits at shift, stable.
void radix_pass(const std::uint64_t* from, std::uint64_t* to, std::int32_t n, std::int32_t* count, int shift,
                std::uint64_t mask) {
    std::int32_t start = 0;
    for (std::uint64_t b = 0; b <= mask; ++b) {
        const std::int32_t c = count[b];
        count[b] = start;
        start += c;
    }
    for (std::int32_t i = 0; i < n; ++i) {
        const std::uint64_t item = from[i];
        to[count[(item >> shift) & mask]++] = item;
    }
}

// The keys of points[0 .. V::size()-1] around the pivot (px, py), scaled
// and clamped, lane by lane as the scalar expression rounds them. A copy of
// the pivot gets key 0, which puts it with the points of angle 0, before
// them once that run is sorted.
template <class V>
[[gnu::always_inline]] inline V scaled_keys(const Point* points, double px, double py, double scale, double largest) {
    const V dx = load_coordinate<V>(points) - V(px), dy = load_coordinate<V, true>(points) - V(py);
    V sum = stdx::abs(dx) + dy;
    const auto copy = sum == V(0.0);
    stdx::where(copy, sum) = V(1.0);
    V key = V(1.0) - dx / sum;
    stdx::where(copy, key) = V(0.0);
    return stdx::min(key * V(scale), V(largest));
}

}  // namespace

std::int32_t AngularOrder::sort(const Point* points, std::int32_t n, const Point& pivot, const SetTurns& turns) {
    HULL_PRECONDITION(n >= 0 && n <= kCapacity);
    exact_comparisons_ = 0;
    if (n == 0) return 0;
    const int bits = digit_bits(n);
    const std::uint64_t mask = (std::uint64_t{1} << bits) - 1;
    const double scale = std::ldexp(1.0, 2 * bits - 1);      // K' < 2 times it: below 2^(2 bits)
    const double largest = std::ldexp(1.0, 2 * bits) - 1.0;  // where K' rounded to 2

    using V = Lanes<double>;
    using One = stdx::simd<double, stdx::simd_abi::scalar>;
    constexpr auto kWidth = static_cast<std::int32_t>(V::size());
    // The keys with their indices, and how many have each digit.
    std::int32_t low[kMostBuckets], high[kMostBuckets];
    std::fill(low, low + mask + 1, 0);
    std::fill(high, high + mask + 1, 0);
    const auto store = [&](std::int32_t i, double key) {
        HULL_PRECONDITION(points[i].y > pivot.y || (points[i].y == pivot.y && points[i].x >= pivot.x));
        const auto whole = static_cast<std::uint32_t>(key);
        ++low[whole & mask];
        ++high[whole >> bits];
        items_[i] = static_cast<std::uint64_t>(whole) << kKeyShift | static_cast<std::uint32_t>(i);
    };
    std::int32_t i = 0;
    for (; i + kWidth <= n; i += kWidth) {
        const V keys = scaled_keys<V>(points + i, pivot.x, pivot.y, scale, largest);
        for (std::int32_t lane = 0; lane < kWidth; ++lane) store(i + lane, keys[lane]);
    }
    for (; i < n; ++i) store(i, scaled_keys<One>(points + i, pivot.x, pivot.y, scale, largest)[0]);

    // Least significant digit first; a digit all keys share is passed over.
    std::uint64_t* from = items_;
    std::uint64_t* to = spare_;
    for (const auto& [count, shift] : {std::pair{low, kKeyShift}, std::pair{high, kKeyShift + bits}}) {
        if (count[(from[0] >> shift) & mask] == n) continue;
        radix_pass(from, to, n, count, shift, mask);
        std::swap(from, to);
    }

    // The runs of close keys, each sorted exactly.
    std::uint64_t* const sorted = from;
    const ExactAngle exact{points, pivot, turns, exact_comparisons_};
    std::uint64_t previous = key_of(sorted[0]);
    for (std::int32_t k = 1; k < n; ++k) {
        const std::uint64_t key = key_of(sorted[k]);
        if (key - previous > kRunGap) {
            previous = key;
            continue;
        }
        const std::int32_t start = k - 1;
        std::int32_t end = k + 1;
        for (previous = key; end < n && key_of(sorted[end]) - previous <= kRunGap; ++end) previous = key_of(sorted[end]);
        if (end - start > kInsertionRun) {
            std::sort(sorted + start, sorted + end, exact);
        } else {
            for (std::int32_t j = start + 1; j < end; ++j) {
                const std::uint64_t item = sorted[j];
                std::int32_t at = j;
                for (; at > start && exact(item, sorted[at - 1]); --at) sorted[at] = sorted[at - 1];
                sorted[at] = item;
            }
        }
        k = end;
        if (k < n) previous = key_of(sorted[k]);
    }

    // The copies of the pivot, first in the order, are left out.
    std::int32_t copies = 0;
    while (copies < n && same_position(points[sorted[copies] & kIndexMask], pivot)) ++copies;
    sorted_ = sorted + copies;
    return n - copies;
}
