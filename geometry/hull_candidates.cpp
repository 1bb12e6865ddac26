#include "hull_candidates.h"

#include "lanes.h"

#include <algorithm>
#include <array>
#include <limits>
#include <type_traits>

namespace {

using Floats = Lanes<float>;
using OneFloat = stdx::simd<float, stdx::simd_abi::scalar>;

// Indices of points far out in six directions: the greatest of y, -y,
// y - x, x - y, y + x and -(y + x), each sum rounded once to single
// precision. The extents are taken from y exactly; for the diagonals any
// point would keep the tests exact, a far one makes them rule out more.
struct Extremes {
    std::int32_t top, bottom;
    std::int32_t upper_left, lower_right;  // greatest and least y - x
    std::int32_t upper_right, lower_left;  // greatest and least y + x
};

template <class V>
[[gnu::always_inline]] inline std::array<V, 6> reach_of(const V& x, const V& y) {
    const V behind = y - x, ahead = y + x;
    return {y, -y, behind, -behind, ahead, -ahead};
}

template <class V>
std::array<V, 6> reach_of(const Point* points) {
    return reach_of(load_coordinate<V>(points), load_coordinate<V, true>(points));
}

// In blocks of 64: the greatest of each value within a block, then the
// block holding the greatest so far; the point itself is looked up in its
// block at the end. A value that no comparison orders (a NaN, which the
// programs' reader refuses) leaves a block's first point.
Extremes find_extremes(const Point* points, std::int32_t n) {
    constexpr std::int32_t kBlock = 64;
    constexpr auto kWidth = static_cast<std::int32_t>(Floats::size());
    constexpr float kLeast = -std::numeric_limits<float>::infinity();
    std::array<float, 6> best;
    best.fill(kLeast);
    std::array<std::int32_t, 6> found{};
    for (std::int32_t start = 0; start < n; start += kBlock) {
        const std::int32_t end = std::min(n, start + kBlock);
        std::array<Floats, 6> vectors;
        vectors.fill(Floats(kLeast));
        std::array<OneFloat, 6> block = reach_of<OneFloat>(points + start);
        std::int32_t i = start;
        for (; i + kWidth <= end; i += kWidth) {
            const std::array<Floats, 6> reach = reach_of<Floats>(points + i);
            for (int d = 0; d < 6; ++d) vectors[d] = stdx::max(vectors[d], reach[d]);
        }
        for (; i < end; ++i) {
            const std::array<OneFloat, 6> reach = reach_of<OneFloat>(points + i);
            for (int d = 0; d < 6; ++d) block[d] = stdx::max(block[d], reach[d]);
        }
        for (int d = 0; d < 6; ++d) {
            const float greatest = std::max(static_cast<float>(block[d][0]), stdx::hmax(vectors[d]));
            if (best[d] < greatest) {
                best[d] = greatest;
                found[d] = start;
            }
        }
    }
    const auto first_reaching = [&]<int D>(std::integral_constant<int, D>) {
        const std::int32_t end = std::min(n, found[D] + kBlock);
        for (std::int32_t i = found[D]; i < end; ++i) {
            if (reach_of<OneFloat>(points + i)[D][0] == best[D]) return i;
        }
        return found[D];
    };
    return {first_reaching(std::integral_constant<int, 0>()), first_reaching(std::integral_constant<int, 1>()),
            first_reaching(std::integral_constant<int, 2>()), first_reaching(std::integral_constant<int, 3>()),
            first_reaching(std::integral_constant<int, 4>()), first_reaching(std::integral_constant<int, 5>())};
}

// Where no point strictly inside lies on the hull's boundary: the box
// left < x < right, bottom < y < top spanned by the four diagonal points
// UL, UR, LR, LL (left the greater x of UL and LL, right the smaller of UR
// and LR, bottom the greater y of LL and LR, top the smaller of UL and UR).
// A vertical line through a point p of the box crosses UL -> UR above p and
// LL -> LR below it, a horizontal one crosses LL -> UL left of p and
// LR -> UR right of it: four points of the hull around p. Exact comparisons.
struct InnerBox {
    float left, right, bottom, top;
};

// One segment of an outline, a -> b: its points strictly right of it are
// left out, decided by the plain evaluation against the set's threshold.
struct Side {
    double ax, ay, dx, dy;
    Side(const Point& a, const Point& b)
        : ax(a.x), ay(a.y), dx(static_cast<double>(b.x) - a.x), dy(static_cast<double>(b.y) - a.y) {}
};

template <class V>
[[gnu::always_inline]] inline std::uint32_t surely_right(const Side& side, const V& x, const V& y, double bound) {
    using D = stdx::rebind_simd_t<double, V>;
    const D cross = lane_turn_cross<D>(side.ax, side.ay, side.dx, side.dy, stdx::static_simd_cast<D>(x),
                                       stdx::static_simd_cast<D>(y));
    return lane_bits(cross < -bound);
}

// Bit l of each: points[i + l] may be on the upper, on the lower chain
// (1 <= i, i + V::size() <= n - 1). Only the top of a column may be on the
// upper chain and only its bottom on the lower one, a point in the box on
// neither; the side tests run only where a point is left by those.
struct Marks {
    std::uint32_t upper, lower;
};

template <class V>
[[gnu::always_inline]] inline Marks candidates(const Point* points, std::int32_t i, const InnerBox& box, const Side& upper, const Side& lower,
                 double bound) {
    const V x = load_coordinate<V>(points + i);
    const V y = load_coordinate<V, true>(points + i);
    const auto outside = !(x > box.left && x < box.right && y > box.bottom && y < box.top);
    const std::uint32_t tops = lane_bits(outside && x != load_coordinate<V>(points + i + 1));
    const std::uint32_t bottoms = lane_bits(outside && x != load_coordinate<V>(points + i - 1));
    if ((tops | bottoms) == 0) return {0, 0};
    return {tops & ~surely_right(upper, x, y, bound), bottoms & ~surely_right(lower, x, y, bound)};
}

// Marks the candidates among points[from .. to-1] (1 <= from, to <= n-1),
// over which both outlines keep one segment: whole vectors from a multiple
// of their width on (so that none straddles a word), single lanes around.
void mark_run(const Point* points, std::int32_t from, std::int32_t to, const InnerBox& box, const Side& upper,
              const Side& lower, double bound, HullCandidates& marks) {
    const auto mark = [&](std::int32_t i, Marks bits) {
        marks.upper[i / 64] |= static_cast<std::uint64_t>(bits.upper) << (i % 64);
        marks.lower[i / 64] |= static_cast<std::uint64_t>(bits.lower) << (i % 64);
    };
    constexpr auto kWidth = static_cast<std::int32_t>(Floats::size());
    std::int32_t i = from;
    for (; i < to && i % kWidth != 0; ++i) mark(i, candidates<OneFloat>(points, i, box, upper, lower, bound));
    for (; i + kWidth <= to; i += kWidth) mark(i, candidates<Floats>(points, i, box, upper, lower, bound));
    for (; i < to; ++i) mark(i, candidates<OneFloat>(points, i, box, upper, lower, bound));
}

}  // namespace

SetTurns mark_hull_candidates(const Point* points, std::int32_t n, HullCandidates& marks) {
    const Extremes extremes = find_extremes(points, n);
    const SetTurns turns(static_cast<double>(points[n - 1].x) - points[0].x,
                         static_cast<double>(points[extremes.top].y) - points[extremes.bottom].y);
    const Point& ul = points[extremes.upper_left];
    const Point& ur = points[extremes.upper_right];
    const Point& lr = points[extremes.lower_right];
    const Point& ll = points[extremes.lower_left];
    const InnerBox box{std::max(ul.x, ll.x), std::min(ur.x, lr.x), std::max(ll.y, lr.y), std::min(ul.y, ur.y)};

    std::array<std::int32_t, 5> upper{0, extremes.upper_left, extremes.top, extremes.upper_right, n - 1};
    std::array<std::int32_t, 5> lower{0, extremes.lower_left, extremes.bottom, extremes.lower_right, n - 1};
    std::sort(upper.begin(), upper.end());
    std::sort(lower.begin(), lower.end());

    const std::int32_t words = (n + 63) / 64;
    std::fill_n(marks.upper, words, std::uint64_t{0});
    std::fill_n(marks.lower, words, std::uint64_t{0});
    // Runs from one corner of either outline to the next; the lower
    // outline's segments run backwards, so that above it is right of it.
    std::size_t u = 0;
    std::size_t l = 0;
    for (std::int32_t from = 1; from < n - 1;) {
        while (upper[u + 1] < from) ++u;
        while (lower[l + 1] < from) ++l;
        const std::int32_t to = std::min({upper[u + 1], lower[l + 1], n - 2}) + 1;
        mark_run(points, from, to, box, Side(points[upper[u]], points[upper[u + 1]]),
                 Side(points[lower[l + 1]], points[lower[l]]), turns.bound(), marks);
        from = to;
    }
    for (std::uint64_t* chain : {marks.upper, marks.lower}) {
        chain[0] |= 1u;
        chain[(n - 1) / 64] |= std::uint64_t{1} << ((n - 1) % 64);
    }
    return turns;
}

std::int32_t keep_hull_candidates(const Point* points, std::int32_t n, const HullCandidates& marks, Point* kept) {
    std::int32_t count = 0;
    const std::int32_t words = (n + 63) / 64;
    for (std::int32_t w = 0; w < words; ++w) {
        for (std::uint64_t word = marks.upper[w] | marks.lower[w]; word != 0; word &= word - 1) {
            kept[count++] = points[w * 64 + std::countr_zero(word)];
        }
    }
    return count;
}
