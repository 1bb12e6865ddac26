#include "hull_monotone_chain.h"

#include "contracts.h"
#include "polygon_checks.h"
#include "turn.h"
#include "turn_batch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <new>

std::int32_t is_right_turn(Point p1, Point p2, Point p3) {
    return turn_sign(p1, p2, p3) < 0 ? 1 : 0;
}

void append_chain(Point* hull, const Point* chain, std::int32_t k, std::int32_t m) {
    for (std::int32_t j = 1; j <= m - 2; ++j) hull[k + j - 1] = chain[j];
}

namespace {

// Writes kChainScratchCapacity default points (0, 0, 9) from bytes on,
// sixteen at a time from a block of sixteen default points: 192 bytes,
// three 64-byte stores on a processor with AVX-512, six 32-byte ones with
// AVX2, twelve 16-byte ones otherwise (the version is chosen as the program
// starts). A Point is an implicit-lifetime type: copying the bytes creates
// the points.
#ifdef HULL_HAVE_SSE_TURNS
[[gnu::target_clones("avx512f", "avx2", "default")]]
#endif
void fill_default_points(std::byte* bytes) {
    static constexpr Point kBlock[16] = {};
    constexpr std::size_t kBlocks = kChainScratchCapacity / 16;
    for (std::size_t b = 0; b < kBlocks; ++b) std::memcpy(bytes + b * sizeof kBlock, kBlock, sizeof kBlock);
    for (std::size_t i = kBlocks * 16; i < kChainScratchCapacity; ++i) {
        std::memcpy(bytes + i * sizeof(Point), &kBlock[0], sizeof(Point));
    }
}

// The lower chain's buffer: kChainScratchCapacity points, every one a
// default Point (0, 0, 9) on entry to each call, made as one block of bytes
// rather than point by point, which costs a third to a half as much.
class ScratchBuffer {
public:
    ScratchBuffer() { fill_default_points(bytes_); }
    Point* data() { return std::launder(reinterpret_cast<Point*>(bytes_)); }

private:
    alignas(64) std::byte bytes_[kChainScratchCapacity * sizeof(Point)];
};

// Candidates of the two chains, bit i % 64 of word i / 64 for point i.
struct CandidateMarks {
    std::uint64_t upper[kChainMarkWords];
    std::uint64_t lower[kChainMarkWords];
};
static_assert(sizeof(CandidateMarks) + sizeof(Point) * kChainScratchCapacity <= kChainStackBytes);

// The marked points in ascending order (Ascending) or descending order.
template <bool Ascending>
class MarkedPoints {
public:
    MarkedPoints(const std::uint64_t* words, std::int32_t count)
        : words_(words), word_index_(Ascending ? 0 : count - 1), last_word_(Ascending ? count - 1 : 0),
          word_(words[word_index_]) {}

    bool next(std::int32_t& i) {
        while (word_ == 0) {
            if (word_index_ == last_word_) return false;
            word_index_ += Ascending ? 1 : -1;
            word_ = words_[word_index_];
        }
        const int bit = Ascending ? __builtin_ctzll(word_) : 63 - __builtin_clzll(word_);
        word_ &= ~(std::uint64_t{1} << bit);
        i = word_index_ * 64 + bit;
        return true;
    }

private:
    const std::uint64_t* words_;
    std::int32_t word_index_, last_word_;
    std::uint64_t word_;
};

// One chain over the marked points, in the order of its pass, into
// chain[0 ..]: before each point is appended, every point that would not
// make a strict right turn with its neighbours is dropped (the same chain
// as appending first and then dropping the middle point). The coordinates
// of its last two points, chain[m-2] and chain[m-1], stay in registers,
// widened to double. The turn test is exact: right_turn_in_set with the
// set's bound, turn_sign where the bound cannot decide. At least two
// points are marked; returns the chain's length.
template <class Marked>
std::int32_t build_chain(const Point* points, Marked marked, Point* chain, double set_bound) {
    std::int32_t i = 0;
    marked.next(i);
    chain[0] = points[i];
    marked.next(i);
    chain[1] = points[i];
    double before_x = chain[0].x;
    double before_y = chain[0].y;
    double last_x = chain[1].x;
    double last_y = chain[1].y;
    std::int32_t m = 2;
    while (marked.next(i)) {
        const Point& next = points[i];
        const double next_x = next.x;
        const double next_y = next.y;
        for (;;) {
            const double cross = (next_y - before_y) * (last_x - before_x) - (last_y - before_y) * (next_x - before_x);
            if (cross < -set_bound) break;
            if (!(cross > set_bound) && turn_sign(chain[m - 2], chain[m - 1], next) < 0) break;
            last_x = before_x;
            last_y = before_y;
            if (--m < 2) break;
            before_x = chain[m - 2].x;
            before_y = chain[m - 2].y;
        }
        chain[m++] = next;
        before_x = last_x;
        before_y = last_y;
        last_x = next_x;
        last_y = next_y;
    }
    return m;
}

// Indices of points of the set far out in six directions: greatest and
// least y (exactly: the error bounds are taken from them), and greatest and
// least y - x and y + x (as computed in single precision; any point of the
// set would keep the filters exact, a far one makes them rule out more).
struct Extremes {
    std::int32_t top, bottom;
    std::int32_t upper_left, lower_right;  // greatest and least y - x
    std::int32_t upper_right, lower_left;  // greatest and least y + x
};

#ifdef HULL_HAVE_SSE_TURNS
// x and y of points[0 .. 3], read as three 16-byte words: x0 y0 c0 x1,
// y1 c1 x2 y2, c2 x3 y3 c3.
struct FourPoints {
    __m128 x, y;
};

inline FourPoints load_four(const Point* points) {
    const float* f = &points->x;
    const __m128 v0 = _mm_loadu_ps(f);
    const __m128 v1 = _mm_loadu_ps(f + 4);
    const __m128 v2 = _mm_loadu_ps(f + 8);
    const __m128 x01 = _mm_shuffle_ps(v0, v1, _MM_SHUFFLE(3, 2, 3, 0));  // x0 x1 x2 y2
    const __m128 x23 = _mm_shuffle_ps(v1, v2, _MM_SHUFFLE(1, 1, 2, 2));  // x2 x2 x3 x3
    const __m128 y01 = _mm_shuffle_ps(v0, v1, _MM_SHUFFLE(0, 0, 1, 1));  // y0 y0 y1 y1
    const __m128 y23 = _mm_shuffle_ps(v1, v2, _MM_SHUFFLE(2, 2, 3, 3));  // y2 y2 y3 y3
    return {_mm_shuffle_ps(x01, x23, _MM_SHUFFLE(2, 0, 1, 0)), _mm_shuffle_ps(y01, y23, _MM_SHUFFLE(2, 0, 2, 0))};
}
#endif

// The six values of one point whose greatest is sought: y, -y, y - x,
// x - y, y + x, -(y + x), each sum rounded once to single precision.
struct Reach {
    float v[6];
};

inline Reach reach_of(const Point& p) {
    const float ahead = p.y + p.x;
    const float behind = p.y - p.x;
    return {{p.y, -p.y, behind, -behind, ahead, -ahead}};
}

// The first of points[from .. to-1] whose value D of reach_of is value, or
// from where none is (a NaN).
template <int D>
std::int32_t first_reaching(const Point* points, std::int32_t from, std::int32_t to, float value) {
    for (std::int32_t i = from; i < to; ++i) {
        if (reach_of(points[i]).v[D] == value) return i;
    }
    return from;
}

// The greatest of the six values over points[from .. to-1], from < to.
Reach block_reach(const Point* points, std::int32_t from, std::int32_t to) {
    float high_y = points[from].y;
    float low_y = high_y;
    float high_behind = points[from].y - points[from].x;
    float low_behind = high_behind;
    float high_ahead = points[from].y + points[from].x;
    float low_ahead = high_ahead;
    std::int32_t i = from;
#ifdef HULL_HAVE_SSE_TURNS
    if (to - from >= 4) {
        __m128 hy = _mm_set1_ps(high_y), ly = hy, hb = _mm_set1_ps(high_behind), lb = hb;
        __m128 ha = _mm_set1_ps(high_ahead), la = ha;
        for (; i + 4 <= to; i += 4) {
            const FourPoints four = load_four(points + i);
            const __m128 behind = _mm_sub_ps(four.y, four.x);
            const __m128 ahead = _mm_add_ps(four.y, four.x);
            hy = _mm_max_ps(hy, four.y);
            ly = _mm_min_ps(ly, four.y);
            hb = _mm_max_ps(hb, behind);
            lb = _mm_min_ps(lb, behind);
            ha = _mm_max_ps(ha, ahead);
            la = _mm_min_ps(la, ahead);
        }
        alignas(16) float lanes[6][4];
        _mm_store_ps(lanes[0], hy);
        _mm_store_ps(lanes[1], ly);
        _mm_store_ps(lanes[2], hb);
        _mm_store_ps(lanes[3], lb);
        _mm_store_ps(lanes[4], ha);
        _mm_store_ps(lanes[5], la);
        for (int l = 0; l < 4; ++l) {
            high_y = high_y < lanes[0][l] ? lanes[0][l] : high_y;
            low_y = lanes[1][l] < low_y ? lanes[1][l] : low_y;
            high_behind = high_behind < lanes[2][l] ? lanes[2][l] : high_behind;
            low_behind = lanes[3][l] < low_behind ? lanes[3][l] : low_behind;
            high_ahead = high_ahead < lanes[4][l] ? lanes[4][l] : high_ahead;
            low_ahead = lanes[5][l] < low_ahead ? lanes[5][l] : low_ahead;
        }
    }
#endif
    for (; i < to; ++i) {
        const float y = points[i].y;
        const float behind = y - points[i].x;
        const float ahead = y + points[i].x;
        high_y = high_y < y ? y : high_y;
        low_y = y < low_y ? y : low_y;
        high_behind = high_behind < behind ? behind : high_behind;
        low_behind = behind < low_behind ? behind : low_behind;
        high_ahead = high_ahead < ahead ? ahead : high_ahead;
        low_ahead = ahead < low_ahead ? ahead : low_ahead;
    }
    return {{high_y, -low_y, high_behind, -low_behind, high_ahead, -low_ahead}};
}

// One pass in blocks: the greatest of each value within a block, then the
// block that holds the greatest so far; the point itself is looked up in
// its block of 64 at the end. A value that no comparison orders (a NaN,
// which the programs' reader refuses) leaves the block's first point in its
// place.
Extremes find_extremes(const Point* points, std::int32_t n) {
    constexpr std::int32_t kBlock = 64;
    Reach best = reach_of(points[0]);
    std::int32_t best_block[6] = {0, 0, 0, 0, 0, 0};
    for (std::int32_t start = 0; start < n; start += kBlock) {
        const Reach block = block_reach(points, start, std::min(n, start + kBlock));
        for (int d = 0; d < 6; ++d) {
            if (best.v[d] < block.v[d]) {
                best.v[d] = block.v[d];
                best_block[d] = start;
            }
        }
    }
    const auto block_end = [&](int d) { return std::min(n, best_block[d] + kBlock); };
    return {first_reaching<0>(points, best_block[0], block_end(0), best.v[0]),
            first_reaching<1>(points, best_block[1], block_end(1), best.v[1]),
            first_reaching<2>(points, best_block[2], block_end(2), best.v[2]),
            first_reaching<3>(points, best_block[3], block_end(3), best.v[3]),
            first_reaching<4>(points, best_block[4], block_end(4), best.v[4]),
            first_reaching<5>(points, best_block[5], block_end(5), best.v[5])};
}

// Where no point strictly inside lies on the hull's boundary: the box
// left < x < right, bottom < y < top spanned by the four diagonal points
// UL, UR, LR, LL (left the greater x of UL and LL, right the smaller of UR
// and LR, bottom the greater y of LL and LR, top the smaller of UL and UR).
// A vertical line through a point p of the box crosses the segment UL -> UR
// above p and LL -> LR below it, a horizontal one crosses LL -> UL left of
// p and LR -> UR right of it: four points of the hull around p, so p lies
// strictly inside the hull, whichever points of the set the four are. The
// comparisons are exact.
struct InnerBox {
    float left, right, bottom, top;
    bool holds(const Point& p) const { return (p.x > left) & (p.x < right) & (p.y > bottom) & (p.y < top); }
};

// The segments of the upper and the lower outline over a run of points:
// each joins two points a < b of the set in sort order. The upper side of
// the hull lies nowhere below the upper segment between their x: a point
// strictly right of it (below it) is not a vertex of the upper chain. The
// lower segment is taken from b to a, so that a point strictly right of it
// (above it) is not a vertex of the lower chain. Both are decided with the
// filtered hoisted test of turn_batch.h; an undecided point stays a
// candidate.
struct Sides {
    FilteredTurnLine upper, lower;
};

// Bit 0: points[i] may be a vertex of the upper chain, bit 1: of the lower
// chain (1 <= i <= n-2). Only the top of a column can be on the upper
// chain and only its bottom on the lower one; a point in the box is on
// neither.
inline unsigned candidate_bits(const Point* points, std::int32_t i, const InnerBox& box, const Sides& sides) {
    const Point& p = points[i];
    const bool outside = !box.holds(p);
    const bool upper = outside & (points[i + 1].x != p.x) & !sides.upper.surely_right(p);
    const bool lower = outside & (points[i - 1].x != p.x) & !sides.lower.surely_right(p);
    return static_cast<unsigned>(upper) | static_cast<unsigned>(lower) << 1;
}

#ifdef HULL_HAVE_SSE_TURNS
// The same for the four points[i .. i+3]: bit l of upper and of lower for
// point i + l. The side tests, two points per register, are made only
// where one of the four ends a column outside the box.
struct FourMarks {
    unsigned upper, lower;
};

struct SseSides {
    __m128d dx, dy, c0, minus_bound;
    explicit SseSides(const FilteredTurnLine& line)
        : dx(_mm_set1_pd(line.dx)), dy(_mm_set1_pd(line.dy)), c0(_mm_set1_pd(line.c0)),
          minus_bound(_mm_set1_pd(-line.bound)) {}
    // Bit l: point l of the two strictly right of the line.
    unsigned surely_right(__m128d x, __m128d y) const {
        const __m128d cross = _mm_add_pd(_mm_sub_pd(_mm_mul_pd(y, dx), _mm_mul_pd(x, dy)), c0);
        return static_cast<unsigned>(_mm_movemask_pd(_mm_cmplt_pd(cross, minus_bound)));
    }
};

inline FourMarks four_candidates(const Point* points, std::int32_t i, const __m128 box_low, const __m128 box_high,
                                 const SseSides& upper, const SseSides& lower) {
    const FourPoints four = load_four(points + i);
    const __m128 before = _mm_set1_ps(points[i - 1].x);
    const __m128 after = _mm_set1_ps(points[i + 4].x);
    const __m128 x23 = _mm_shuffle_ps(four.x, after, _MM_SHUFFLE(0, 0, 3, 2));                // x2 x3 x4 x4
    const __m128 next = _mm_shuffle_ps(four.x, x23, _MM_SHUFFLE(2, 1, 2, 1));                 // x1 .. x4
    const __m128 x01 = _mm_shuffle_ps(before, four.x, _MM_SHUFFLE(1, 0, 0, 0));               // x-1 x-1 x0 x1
    const __m128 previous = _mm_shuffle_ps(x01, four.x, _MM_SHUFFLE(2, 1, 2, 0));             // x-1 .. x2
    // box_low holds left, bottom and box_high right, top, each twice, to
    // compare with x, y interleaved: lanes (x0, y0, x1, y1) and (x2 ..).
    const __m128 xy01 = _mm_unpacklo_ps(four.x, four.y);
    const __m128 xy23 = _mm_unpackhi_ps(four.x, four.y);
    const int in01 = _mm_movemask_ps(_mm_and_ps(_mm_cmpgt_ps(xy01, box_low), _mm_cmplt_ps(xy01, box_high)));
    const int in23 = _mm_movemask_ps(_mm_and_ps(_mm_cmpgt_ps(xy23, box_low), _mm_cmplt_ps(xy23, box_high)));
    const unsigned inside = static_cast<unsigned>((in01 & (in01 >> 1) & 1) | ((in01 >> 2) & (in01 >> 3) & 1) << 1 |
                                                  (in23 & (in23 >> 1) & 1) << 2 | ((in23 >> 2) & (in23 >> 3) & 1) << 3);
    const unsigned outside = ~inside & 0xFu;
    const unsigned tops = outside & static_cast<unsigned>(_mm_movemask_ps(_mm_cmpneq_ps(four.x, next)));
    const unsigned bottoms = outside & static_cast<unsigned>(_mm_movemask_ps(_mm_cmpneq_ps(four.x, previous)));
    if ((tops | bottoms) == 0) return {0, 0};
    const __m128d x01d = _mm_cvtps_pd(four.x);
    const __m128d x23d = _mm_cvtps_pd(_mm_movehl_ps(four.x, four.x));
    const __m128d y01d = _mm_cvtps_pd(four.y);
    const __m128d y23d = _mm_cvtps_pd(_mm_movehl_ps(four.y, four.y));
    const unsigned upper_out = upper.surely_right(x01d, y01d) | upper.surely_right(x23d, y23d) << 2;
    const unsigned lower_out = lower.surely_right(x01d, y01d) | lower.surely_right(x23d, y23d) << 2;
    return {tops & ~upper_out, bottoms & ~lower_out};
}
#endif

// Marks the candidates among points[from .. to-1] (1 <= from, to <= n-1),
// over which the sides stay the same: one branch-free test per point, four
// at a time in vector registers where the processor has them.
void mark_candidates(const Point* points, std::int32_t from, std::int32_t to, const InnerBox& box, const Sides& sides,
                     CandidateMarks& marks) {
    const auto mark = [&](std::int32_t i, unsigned upper, unsigned lower) {
        marks.upper[i / 64] |= static_cast<std::uint64_t>(upper) << (i % 64);
        marks.lower[i / 64] |= static_cast<std::uint64_t>(lower) << (i % 64);
    };
    std::int32_t i = from;
#ifdef HULL_HAVE_SSE_TURNS
    // Groups of four start at a multiple of four, so none straddles a word.
    for (; i < to && i % 4 != 0; ++i) {
        const unsigned bits = candidate_bits(points, i, box, sides);
        mark(i, bits & 1u, bits >> 1);
    }
    const __m128 box_low = _mm_setr_ps(box.left, box.bottom, box.left, box.bottom);
    const __m128 box_high = _mm_setr_ps(box.right, box.top, box.right, box.top);
    const SseSides upper(sides.upper);
    const SseSides lower(sides.lower);
    for (; i + 4 <= to; i += 4) {
        const FourMarks four = four_candidates(points, i, box_low, box_high, upper, lower);
        mark(i, four.upper, four.lower);
    }
#endif
    for (; i < to; ++i) {
        const unsigned bits = candidate_bits(points, i, box, sides);
        mark(i, bits & 1u, bits >> 1);
    }
}

}  // namespace

std::int32_t hull_monotone_chain(const Point* points, Point* hull, std::int32_t n) {
    HULL_PRECONDITION(n >= 0 && n <= kChainScratchCapacity);
    HULL_PRECONDITION(is_sorted_by_position(points, n));
    if (n <= 0) return 0;

    ScratchBuffer scratch;

    if (n == 1) {
        // Both chains would hold the point once; it is the hull's one vertex.
        hull[0] = points[0];
        return 1;
    }

    // Each chain is built from its candidates alone, points that a full pass
    // over all n points might keep; the others it would drop in any case, so
    // leaving them out changes neither the vertices nor their order (of
    // equal points, the copy a full pass keeps always stays a candidate).
    // Three tests leave a point out, none of them chosen by the data:
    //  - Points sharing an x lie on one vertical line, sorted upwards; of
    //    such a column only the top can be a vertex of the upper chain and
    //    only the bottom one of the lower chain (the rest lies on a vertical
    //    side between the two, or inside the hull). On the generator's files
    //    (a few hundred distinct x) that leaves a few hundred candidates, at
    //    one comparison per point.
    //  - A point strictly inside the box of InnerBox is on neither chain.
    //  - The upper outline first -> upper_left -> top -> upper_right -> last
    //    and the lower one first -> lower_left -> bottom -> lower_right ->
    //    last (each in sort order) join points of the set, so the hull's
    //    upper side lies nowhere below the first and its lower side nowhere
    //    above the second: a point strictly below the segment of the upper
    //    outline over it is not on the upper chain, one strictly above the
    //    segment of the lower outline under it not on the lower chain.
    //    Between the extreme points in eight directions this leaves a thin
    //    band along the hull's boundary; where nearly every point is a
    //    vertex (points on a circle) each point still goes to one chain only.
    // The candidates are marked, one bit per point and chain; each chain then
    // reads its marked points straight from the input in the order of its
    // pass, the upper one into hull, the lower one into the scratch buffer.
    const Point& first = points[0];
    const Point& last = points[n - 1];
    const Extremes extremes = find_extremes(points, n);
    const Point& top = points[extremes.top];
    const Point& bottom = points[extremes.bottom];
    const double max_abs_x = std::max(std::fabs(static_cast<double>(first.x)), std::fabs(static_cast<double>(last.x)));
    const double max_abs_y = std::max(std::fabs(static_cast<double>(top.y)), std::fabs(static_cast<double>(bottom.y)));
    const double bound = turn_batch_error_bound(max_abs_x, max_abs_y);
    const InnerBox box{std::max(points[extremes.upper_left].x, points[extremes.lower_left].x),
                       std::min(points[extremes.upper_right].x, points[extremes.lower_right].x),
                       std::max(points[extremes.lower_left].y, points[extremes.lower_right].y),
                       std::min(points[extremes.upper_left].y, points[extremes.upper_right].y)};

    std::array<std::int32_t, 5> upper_outline{0, extremes.upper_left, extremes.top, extremes.upper_right, n - 1};
    std::array<std::int32_t, 5> lower_outline{0, extremes.lower_left, extremes.bottom, extremes.lower_right, n - 1};
    std::sort(upper_outline.begin(), upper_outline.end());
    std::sort(lower_outline.begin(), lower_outline.end());

    // Runs of points over which both outlines keep their segment: from one
    // corner of either outline to the next.
    CandidateMarks marks;
    const std::int32_t words = (n + 63) / 64;
    std::fill_n(marks.upper, words, std::uint64_t{0});
    std::fill_n(marks.lower, words, std::uint64_t{0});
    std::int32_t u = 0;
    std::int32_t l = 0;
    std::int32_t from = 1;
    while (from < n - 1) {
        while (upper_outline[u + 1] < from) ++u;
        while (lower_outline[l + 1] < from) ++l;
        const std::int32_t to = std::min({upper_outline[u + 1], lower_outline[l + 1], n - 2}) + 1;
        const Sides sides{FilteredTurnLine(points[upper_outline[u]], points[upper_outline[u + 1]], bound),
                          FilteredTurnLine(points[lower_outline[l + 1]], points[lower_outline[l]], bound)};
        mark_candidates(points, from, to, box, sides, marks);
        from = to;
    }
    // The first and the last point in sort order are on both chains.
    for (std::uint64_t* chain_marks : {marks.upper, marks.lower}) {
        chain_marks[0] |= 1u;
        chain_marks[(n - 1) / 64] |= std::uint64_t{1} << ((n - 1) % 64);
    }

    // Upper chain left to right in hull, lower chain right to left in the
    // scratch buffer, each over its candidates; the hull is the upper chain,
    // then the lower chain without its two ends.
    const double chain_bound =
        turn_set_error_bound(static_cast<double>(last.x) - first.x, static_cast<double>(top.y) - bottom.y);
    const std::int32_t k = build_chain(points, MarkedPoints<true>(marks.upper, words), hull, chain_bound);
    const std::int32_t m = build_chain(points, MarkedPoints<false>(marks.lower, words), scratch.data(), chain_bound);
    append_chain(hull, scratch.data(), k, m);
    const std::int32_t h = k + m - 2;
    // The promised polygon: from the first point in sort order, strictly
    // convex and clockwise; two copies of the point where all are equal.
    HULL_POSTCONDITION(h >= 1 && h <= 2 * n - 2 && same_position(hull[0], points[0]));
    HULL_POSTCONDITION(turns_everywhere(hull, h, Turning::clockwise_strictly));
    return h;
}
