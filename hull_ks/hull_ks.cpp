#include "hull_ks.h"

#include "contracts.h"
#include "default_points.h"
#include "line_batch.h"
#include "one_position.h"
#include "point_order.h"
#include "polygon_checks.h"
#include "turn.h"

#include <algorithm>
#include <array>

// The upper side of the hull is found from the first point in sort order to
// the last, then the lower side back, by the same code: the lower side is
// the upper side of the points turned half a turn, which reverses their
// sort order and keeps every turn. The points of a side are kept in the
// order of its pass, and a median line divides them between two neighbours
// of different positions in that order: a vertical line, tilted infinitely
// little where a column of points straddles it, so that a column needs no
// case of its own. Seen from a point, the points after it in the pass lie
// in one half-plane of directions (x growing, or straight up), in which the
// turn test orders directions as slopes, vertical ones steepest.

namespace {

// In a round of many pairs, the median of this many, spread evenly over
// them, stands for the median of all: selecting among all pairs took about
// a fifth of a call on the square family, most of it in branches that the
// processor mispredicts. A round that so drops less than an eighth of the
// candidates makes the next round select among all, so every two rounds
// still drop a quarter of the candidates or more.
constexpr std::int32_t kSpread = 63;

// The sign against the median of a pair of copies of one position.
constexpr std::int8_t kCopies = 2;

// Scratch of one call, in automatic storage (kKsStackBytes).
struct Scratch {
    HullCandidates marks;
    DefaultPoints<kHullKsPointCapacity + 2> regions;     // both sides' points, two ends each
    DefaultPoints<kHullKsPointCapacity + 2> candidates;  // the prune and search's, two by two
    std::array<PlainDirection, kHullKsPointCapacity / 2 + 1> directions;  // of the pairs of candidates
    std::array<std::int8_t, kHullKsPointCapacity / 2 + 1> signs;   // of each pair against the median
    std::array<std::int8_t, kHullKsPointCapacity> sides;
};
static_assert(sizeof(Scratch) >= kKsStackBytes && sizeof(Scratch) <= kKsStackBytes + 192);

// Keeps of points[0 .. count-1] those with sides[i] == side, in their
// order, packed at the start; returns how many.
std::int32_t keep_side(Point* points, const std::int8_t* sides, std::int32_t count, int side) {
    std::int32_t kept = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        points[kept] = points[i];
        kept += sides[i] == side;
    }
    return kept;
}

template <class Steps>
class SideHull {
public:
    // order: +1 for the side whose pass runs in sort order, -1 for the other.
    SideHull(const SetTurns& turns, int order, Scratch& scratch, Point* hull, std::int32_t& h, Steps& steps)
        : turns_(turns), order_(order), scratch_(scratch), hull_(hull), h_(h), steps_(steps) {}

    void emit(const Point& p) {
        hull_[h_++] = p;
        steps_.push(p);
    }

    // Writes to the hull, in order, the vertices of the side strictly
    // between its points region[0] and region[count - 1] (both vertices);
    // the points between them in the region are those of the pass between
    // them that lie strictly left of the line from one to the other, in the
    // order of the pass. Rearranges the region. Each side of a bridge keeps
    // at most half the region, rounded up, so the recursion goes about
    // log2 n deep at most.
    void connect(Point* region, std::int32_t count) {
        if (count <= 2) return;
        // The median line, moved back to where one position ends and the
        // next begins (never to 0: no point of the region shares the
        // position of its ends).
        std::int32_t cut = count / 2;
        while (same_position(region[cut - 1], region[cut])) --cut;
        steps_.divide(static_cast<float>((static_cast<double>(region[cut - 1].x) + region[cut].x) / 2));
        const auto [u, v] = bridge(region, count, region[cut]);
        steps_.edge(u, v, StepEdge::bridge);
        // Of copies the pass keeps the last, as the monotone chain does.
        const auto before = [this](const Point& a, const Point& b) { return precedes(a, b); };
        const auto left = static_cast<std::int32_t>(std::upper_bound(region, region + cut, u, before) - region) - 1;
        const auto right =
            static_cast<std::int32_t>(std::upper_bound(region + cut, region + count, v, before) - region) - 1;
        // Beyond the bridge only the points strictly left of the lines from
        // the side's ends to the bridge's remain: the left ones packed at the
        // start of the region, the right ones after the bridge's end.
        const Point left_end_point = region[left], right_start = region[right];
        std::int32_t left_end = 0, right_end = right;
        if (left > 0) {
            left_end = 1 + keep_left_of(region[0], left_end_point, region + 1, left - 1);
            region[left_end] = left_end_point;
        }
        if (right < count - 1) {
            right_end = right + 1 + keep_left_of(right_start, region[count - 1], region + right + 1, count - 2 - right);
            region[right_end] = region[count - 1];
        }
        connect(region, left_end + 1);
        if (left > 0) emit(left_end_point);
        if (right < count - 1) emit(right_start);
        connect(region + right, right_end + 1 - right);
    }

private:
    struct Bridge {
        Point left, right;
    };

    // Whether a comes before b in the pass.
    bool precedes(const Point& a, const Point& b) const { return order_ * compare_points(&a, &b) < 0; }

    // Keeps of points[0 .. count-1] those strictly left of a -> b, in their
    // order, packed at the start; returns how many.
    std::int32_t keep_left_of(const Point& a, const Point& b, Point* points, std::int32_t count) {
        line_sides(turns_, a, b, points, count, scratch_.sides.data());
        if constexpr (Steps::kRecording) steps_.unseen_turns(count);
        return keep_side(points, scratch_.sides.data(), count, 1);
    }

    // The edge of the region's upper chain that crosses the line just
    // before cut (a point of the region), by prune and search. The
    // candidates, at first the whole region, are paired in order, the median
    // K of the pairs' directions taken (of a spread of them in a round of
    // many, see kSpread; copies of one position have no direction),
    // and the first and the last candidate farthest out in the direction K
    // found: the contact. Where the contact spans the line, its ends are the
    // bridge's. Where it lies before the line, the bridge comes after it
    // along the chain and is less steep than K: the candidates before the
    // contact go, and of each pair at least as steep as K the first point,
    // which is no end (if it were, the second would lie above the bridge).
    // Where the contact lies after the line, the same mirrored: the
    // candidates after it go, and of each pair at most as steep as K the
    // second point. The median pair goes in either case; with the median of
    // all pairs a round drops a quarter of the candidates or more. The
    // bridge's ends stay.
    Bridge bridge(const Point* region, std::int32_t count, const Point& cut) {
        Point* const points = scratch_.candidates.data();
        PlainDirection* const directions = scratch_.directions.data();
        std::int8_t* const signs = scratch_.signs.data();
        std::int64_t tests = 0;  // turn tests, told in a recorded run
        const auto against = [&](const PlainDirection& d, const PlainDirection& e) {
            if constexpr (Steps::kRecording) ++tests;
            return turns_.cross_sign(d, e);
        };
        std::copy_n(region, count, points);
        std::int32_t k = count;
        bool exact_median = false;
        while (k > 2) {
            const std::int32_t pairs = k / 2;
            // The directions whose median is taken: of every pair, or in a
            // round of many pairs, of an even spread of them; copies of one
            // position have none.
            const bool spread_out = !exact_median && pairs >= 4 * kSpread;
            const std::int32_t stride = spread_out ? pairs / kSpread : 1;
            std::int32_t paired = 0;
            for (std::int32_t i = 0; i < (spread_out ? kSpread * stride : pairs); i += stride) {
                directions[paired] = plain_direction(points[2 * i], points[2 * i + 1]);
                paired += !same_position(points[2 * i], points[2 * i + 1]);
            }
            bool steeper = false;  // whether the bridge is steeper than the median
            std::int32_t keep_from = 0, keep_to = k;  // the candidates on the bridge's side of the contact
            if (paired == 0) {
                // No median: only copies go, one of each.
                for (std::int32_t i = 0; i < pairs; ++i) {
                    signs[i] = same_position(points[2 * i], points[2 * i + 1]) ? kCopies : -1;
                }
            } else {
                std::nth_element(directions, directions + paired / 2, directions + paired,
                                 [&](const PlainDirection& d, const PlainDirection& e) { return against(d, e) > 0; });
                const Point from = *directions[paired / 2].from, to = *directions[paired / 2].to;
                const PlainDirection median = plain_direction(from, to);
                // Of a pair steeper than the median the second point lies
                // farther out in its direction than the first, of one less
                // steep the first: only the one farther out (both, as
                // steep) may be the first or the last of the contact.
                std::int32_t lowest = -1, highest = -1;
                const auto consider = [&](std::int32_t i) {
                    const int sign = lowest < 0 ? 1 : against(median, plain_direction(points[highest], points[i]));
                    if (sign > 0) lowest = i;
                    if (sign >= 0) highest = i;
                };
                for (std::int32_t i = 0; i < pairs; ++i) {
                    if (same_position(points[2 * i], points[2 * i + 1])) {
                        signs[i] = kCopies;
                        consider(2 * i + 1);
                        continue;
                    }
                    const int sign = against(median, plain_direction(points[2 * i], points[2 * i + 1]));
                    signs[i] = static_cast<std::int8_t>(sign);
                    consider(sign > 0 ? 2 * i + 1 : 2 * i);
                    if (sign == 0) consider(2 * i + 1);
                }
                if (k % 2 == 1) consider(k - 1);
                const bool low_before = precedes(points[lowest], cut), high_before = precedes(points[highest], cut);
                if (low_before && !high_before) {
                    const Bridge found{points[lowest], points[highest]};
                    if constexpr (Steps::kRecording) steps_.unseen_turns(tests);
                    return found;
                }
                steeper = !low_before;
                if (steeper) {
                    keep_to = lowest + 1;
                } else {
                    keep_from = highest;
                }
            }
            // What each pair keeps by its sign against the median (-1, 0,
            // +1, or copies) and whether the bridge is steeper: bit 0 its
            // first point, bit 1 its second; of copies the one on the
            // contact's side.
            constexpr std::int8_t kKeeps[2][4] = {{3, 2, 2, 2}, {1, 1, 3, 1}};
            std::int32_t kept = 0, kept_from = 0, kept_to = 0;
            const auto keep = [&](std::int32_t i, const Point& p, bool stays) {
                if (i == keep_from) kept_from = kept;
                points[kept] = p;
                kept += stays;
                if (i + 1 == keep_to) kept_to = kept;
            };
            for (std::int32_t i = 0; i < pairs; ++i) {
                const std::int32_t keeps = kKeeps[steeper][signs[i] + 1];
                const Point first = points[2 * i], second = points[2 * i + 1];
                keep(2 * i, first, keeps & 1);
                keep(2 * i + 1, second, keeps >> 1);
            }
            if (k % 2 == 1) keep(k - 1, points[k - 1], true);
            if (kept_from > 0) std::copy(points + kept_from, points + kept_to, points);
            exact_median = 8 * (kept_to - kept_from) > 7 * k;
            k = kept_to - kept_from;
        }
        if constexpr (Steps::kRecording) steps_.unseen_turns(tests);
        return {points[0], points[1]};
    }

    const SetTurns& turns_;
    int order_;
    Scratch& scratch_;
    Point* hull_;
    std::int32_t& h_;
    Steps& steps_;
};

template <class Steps>
std::int32_t build(const Point* points, Point* hull, std::int32_t n, Steps& steps) {
    HULL_PRECONDITION(n >= 0 && n <= kHullKsPointCapacity);
    HULL_PRECONDITION(is_sorted_by_position(points, n));
    if (std::int32_t h = 0; outline_of_one_position(points, hull, n, h)) return h;

    Scratch scratch;
    // Only the hull's candidates on a side's chain (the kernel's filter, as
    // the chain uses it) can be its vertices.
    HullCandidates& marks = scratch.marks;
    const SetTurns turns = mark_hull_candidates(points, n, marks);
    steps.candidates(points, n, marks);
    steps.phase(StepPhase::split);
    // Each side's points: its two ends and, in the order of its pass, its
    // candidates strictly beyond the line from one to the other.
    const SetLine ends(turns, points[0], points[n - 1]);
    const std::int32_t words = (n + 63) / 64;
    const auto side_points = [&](auto marked, int side, Point* region) {
        std::int32_t count = 0, i = 0;
        while (marked.next(i)) {
            const bool end = i == 0 || i == n - 1;
            if constexpr (Steps::kRecording) steps.unseen_turns(end ? 0 : 1);
            region[count] = points[i];
            count += end || ends.side(points[i]) == side;
        }
        return count;
    };
    Point* const upper = scratch.regions.data();
    const std::int32_t upper_count = side_points(MarkedPoints<true>(marks.upper, words), 1, upper);
    Point* const lower = upper + upper_count;
    const std::int32_t lower_count = side_points(MarkedPoints<false>(marks.lower, words), -1, lower);

    std::int32_t h = 0;
    SideHull<Steps> upper_side(turns, 1, scratch, hull, h, steps);
    upper_side.emit(points[0]);
    upper_side.connect(upper, upper_count);
    upper_side.emit(points[n - 1]);
    SideHull<Steps>(turns, -1, scratch, hull, h, steps).connect(lower, lower_count);
    HULL_POSTCONDITION(h >= 2 && h <= 2 * n - 2 && same_position(hull[0], points[0]));
    HULL_POSTCONDITION(turns_everywhere(hull, h, Turning::clockwise_strictly));
    return h;
}

}  // namespace

std::int32_t hull_ks(const Point* points, Point* hull, std::int32_t n) {
    NoSteps steps;
    return build(points, hull, n, steps);
}

std::int32_t hull_ks_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps) {
    return build(points, hull, n, steps);
}
