#include "hull_chan.h"

#include "chain_pass.h"
#include "contracts.h"
#include "default_points.h"
#include "hull_monotone_chain.h"
#include "one_position.h"
#include "point_order.h"
#include "polygon_checks.h"
#include "turn.h"

#include <algorithm>
#include <vector>

// The hull is wrapped side by side, as the monotone chain builds it: the
// upper side from the first point in sort order to the last, then the lower
// side back. Each group keeps its two chains apart, so that a wrap step on
// one side searches chains that run in one direction: seen from a vertex of
// the upper side, the points of an upper chain that come after it in sort
// order lie in one half-plane of directions (x growing, or straight up), in
// which the turn test orders directions, and along the chain they turn
// counter-clockwise up to the tangent and clockwise after it. The lower
// side is the same turned half a turn.

namespace {

enum Side { kUpper, kLower };

// The indices first, first + step, ... up to end (not included), as a
// cursor of build_chain.
class IndexRun {
public:
    IndexRun(std::int32_t first, std::int32_t end, std::int32_t step) : i_(first - step), end_(end), step_(step) {}
    bool next(std::int32_t& i) {
        i_ += step_;
        i = i_;
        return i_ != end_;
    }

private:
    std::int32_t i_, end_, step_;
};

// The groups of one round: runs of `size` consecutive sorted points (the
// last run shorter), each with its two chains. The upper chain of group g,
// in sort order, lies in chains[kUpper] from the group's first index; the
// lower chain, in reverse sort order, in chains[kLower] from n - end(g),
// the index its first point has counted from the end. A round's chains are
// built in place from the last round's: group g's slots hold the slots of
// the groups it is made of, in the order each side reads them.
struct Groups {
    std::int32_t n, size, count;
    Point* chains[2];
    std::int32_t* lengths[2];

    std::int32_t begin(std::int32_t g) const { return g * size; }
    std::int32_t end(std::int32_t g) const { return std::min(n, (g + 1) * size); }
    std::int32_t slot(Side side, std::int32_t g) const { return side == kUpper ? begin(g) : n - end(g); }
    const Point* chain(Side side, std::int32_t g) const { return chains[side] + slot(side, g); }
};

// The points of the chains of groups first, first + step, ... last, in that
// order, as indices into chains[side]: a cursor of build_chain.
class ChainRun {
public:
    ChainRun(const Groups& groups, Side side, std::int32_t first, std::int32_t last, std::int32_t step)
        : groups_(&groups), side_(side), g_(first - step), last_(last), step_(step) {}
    bool next(std::int32_t& i) {
        while (j_ == length_) {
            if (g_ == last_) return false;
            g_ += step_;
            start_ = groups_->slot(side_, g_);
            length_ = groups_->lengths[side_][g_];
            j_ = 0;
        }
        i = start_ + j_++;
        return true;
    }

private:
    const Groups* groups_;
    Side side_;
    std::int32_t g_, last_, step_;
    std::int32_t start_ = 0, length_ = 0, j_ = 0;
};

// Counts the turn tests of the group chains, for a recorded run.
struct TurnCount {
    static constexpr bool kRecording = true;
    std::int64_t turns = 0;
    void push(const Point&) {}
    void pop(const Point&) {}
    void turn(const Point&, const Point&, const Point&, int) { ++turns; }
};

// The listener of the group chains: nothing in a timed run, a count of
// their turn tests in a recorded one.
template <class Steps>
using ChainListener = std::conditional_t<Steps::kRecording, TurnCount, NoSteps>;

template <class Steps>
void tell_turns(Steps& steps, const ChainListener<Steps>& listener) {
    if constexpr (Steps::kRecording) steps.unseen_turns(listener.turns);
}

// A chain keeps the last copy it is given of each position but its first
// point, which it never drops. So that every chain, and every chain built
// from chains, holds the copy that the whole pass keeps, a chain that does
// not start the side starts at the last copy of its first position: this
// moves cursor on to it, and says whether a point of another position
// follows. Copies lie side by side in the order of the pass.
template <class Cursor>
bool to_last_copy(const Point* points, Cursor& cursor) {
    Cursor probe = cursor;
    std::int32_t first = 0, next = 0;
    probe.next(first);
    for (;;) {
        const Cursor before = probe;
        if (!probe.next(next)) return false;
        if (!same_position(points[next], points[first])) return true;
        cursor = before;
        first = next;
    }
}

// The chain of the points cursor gives into chain, from the last copy of
// the first position unless the chain starts the side; one point alone is
// its own chain.
template <class Cursor, class Listener>
std::int32_t chain_of(const Point* points, Cursor cursor, bool starts_side, Point* chain, const SetTurns& turns,
                      Listener& listener) {
    std::int32_t i = 0;
    bool more = true;
    if (starts_side) {
        Cursor probe = cursor;
        probe.next(i);
        more = probe.next(i);
    } else {
        more = to_last_copy(points, cursor);
    }
    if (more) return build_chain(points, cursor, chain, turns, listener);
    cursor.next(i);
    *chain = points[i];
    return 1;
}

// The chains of each group from the points themselves.
template <class Steps>
void chain_groups(const Point* points, const Groups& groups, const SetTurns& turns, Steps& steps) {
    ChainListener<Steps> listener;
    for (std::int32_t g = 0; g < groups.count; ++g) {
        const std::int32_t a = groups.begin(g), b = groups.end(g);
        groups.lengths[kUpper][g] = chain_of(points, IndexRun(a, b, 1), g == 0,
                                             groups.chains[kUpper] + groups.slot(kUpper, g), turns, listener);
        groups.lengths[kLower][g] = chain_of(points, IndexRun(b - 1, a - 1, -1), g == groups.count - 1,
                                             groups.chains[kLower] + groups.slot(kLower, g), turns, listener);
    }
    tell_turns(steps, listener);
}

// The groups of m^2 points (all n, where that is fewer) from those of m:
// each chain is built from the chains of the m groups it is made of, since
// a point on no chain of its old group is on no chain of the new one.
template <class Steps>
Groups merge_groups(const Groups& old, const SetTurns& turns, Steps& steps) {
    const std::int32_t per_group = old.size;
    Groups groups = old;
    groups.size = static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{old.size} * old.size, old.n));
    groups.count = (old.n + groups.size - 1) / groups.size;
    ChainListener<Steps> listener;
    for (std::int32_t g = 0; g < groups.count; ++g) {
        const std::int32_t first = g * per_group, last = std::min(old.count, first + per_group) - 1;
        for (const Side side : {kUpper, kLower}) {
            // Both sides read the old chains in the order of their pass and
            // write from the slot of the first one read.
            const std::int32_t from = side == kUpper ? first : last, to = side == kUpper ? last : first;
            const bool starts_side = side == kUpper ? g == 0 : g == groups.count - 1;
            groups.lengths[side][g] = chain_of(old.chains[side], ChainRun(old, side, from, to, side == kUpper ? 1 : -1),
                                               starts_side, old.chains[side] + old.slot(side, from), turns, listener);
        }
    }
    tell_turns(steps, listener);
    return groups;
}

// Each group's hull, clockwise from its first point, for a recorded run.
template <class Steps>
void tell_group_hulls(const Groups& groups, Steps& steps) {
    if constexpr (Steps::kRecording) {
        std::vector<Point> polygon;
        for (std::int32_t g = 0; g < groups.count; ++g) {
            const Point* upper = groups.chain(kUpper, g);
            const Point* lower = groups.chain(kLower, g);
            const std::int32_t k = groups.lengths[kUpper][g], m = groups.lengths[kLower][g];
            polygon.assign(upper, upper + k);
            if (m > 2) polygon.insert(polygon.end(), lower + 1, lower + m - 1);
            steps.polygon(polygon.data(), static_cast<std::int32_t>(polygon.size()));
        }
    }
}

// A point of a group's chain.
struct ChainPoint {
    std::int32_t group, index;
};

// The point of chain[from .. length-1] farthest counter-clockwise as seen
// from p (the farthest from p of those in that direction): the first whose
// successor turns clockwise from it. The chain's points lie on p's side of
// the pass, beyond p, so the successors turn counter-clockwise (or go
// straight on) up to it and clockwise after it.
template <class Steps>
std::int32_t tangent(const Point* chain, std::int32_t from, std::int32_t length, const Point& p, const SetTurns& turns,
                     Steps& steps) {
    // Binary search for the first j in [from, length - 1) whose successor
    // turns clockwise, length - 1 where none does.
    std::int32_t low = from, high = length - 1;
    while (low < high) {
        const std::int32_t middle = low + (high - low) / 2;
        if constexpr (Steps::kRecording) steps.unseen_turns(1);
        if (turns.turn_sign(p, chain[middle], chain[middle + 1]) >= 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

// One side of the hull by wrapping: from the first point of the side's
// pass to its last, each vertex the point seen farthest counter-clockwise
// from the one before, taken over the tangents of the groups that still
// hold points beyond it. Copies of one position in several groups: the
// one the pass reaches last, as the chain keeps. The upper side writes both
// its ends, the lower side neither (the upper side holds them). Returns
// false, when h would pass limit.
template <class Steps>
bool wrap_side(const Groups& groups, Side side, const SetTurns& turns, Point* hull, std::int32_t& h,
               std::int32_t limit, Steps& steps) {
    const std::int32_t step = side == kUpper ? 1 : -1;
    const std::int32_t first = side == kUpper ? 0 : groups.count - 1, last = side == kUpper ? groups.count - 1 : 0;
    const auto point_at = [&](const ChainPoint& at) -> const Point& { return groups.chain(side, at.group)[at.index]; };
    const ChainPoint end{last, groups.lengths[side][last] - 1};
    ChainPoint at{first, 0};
    if (side == kUpper) {
        hull[h++] = point_at(at);
        steps.push(point_at(at));
    }
    for (;;) {
        const Point& p = point_at(at);
        ChainPoint best{-1, 0};
        for (std::int32_t g = at.group;; g += step) {
            const Point* chain = groups.chain(side, g);
            const std::int32_t length = groups.lengths[side][g];
            std::int32_t from = g == at.group ? at.index + 1 : 0;
            while (from < length && same_position(chain[from], p)) ++from;
            if (from < length) {
                const ChainPoint candidate{g, tangent(chain, from, length, p, turns, steps)};
                const Point& c = point_at(candidate);
                steps.mark(c, StepMark::tangent);
                bool better = best.group < 0;
                if (!better) {
                    const int sign = turns.turn_sign(p, point_at(best), c);
                    steps.turn(p, point_at(best), c, sign);
                    better = sign > 0 || (sign == 0 && !nearer_on_ray(p, c, point_at(best)));
                }
                if (better) {
                    best = candidate;
                    steps.edge(p, c, StepEdge::candidate);
                }
            }
            if (g == last) break;
        }
        const bool closed = best.group == end.group && best.index == end.index;
        if (closed && side == kLower) return true;
        if (h == limit) return false;
        hull[h++] = point_at(best);
        steps.push(point_at(best));
        if (closed) return true;
        at = best;
    }
}

// The first round's m: kChanFirstGroupSize for speed. A recorded run starts
// from 4 where the groups' lengths fit (then from 16), so that on the small
// sets a student steps through, the wrap over several groups shows.
template <class Steps>
std::int32_t first_group_size(std::int32_t n) {
    std::int32_t m = Steps::kRecording ? 4 : kChanFirstGroupSize;
    while ((n + m - 1) / m > kChanMostGroups) m *= m;
    return std::min(n, m);
}

template <class Steps>
std::int32_t build(const Point* all_points, Point* hull, std::int32_t n_all, Steps& steps) {
    HULL_PRECONDITION(n_all >= 0 && n_all <= kHullChanPointCapacity);
    HULL_PRECONDITION(is_sorted_by_position(all_points, n_all));
    if (std::int32_t h = 0; outline_of_one_position(all_points, hull, n_all, h)) return h;

    // The groups are made of the hull's candidates alone (the kernel's
    // filter, as the chain uses it): their hull is the hull of all points.
    HullCandidates marks;
    const SetTurns turns = mark_hull_candidates(all_points, n_all, marks);
    steps.candidates(all_points, n_all, marks);
    DefaultPoints<kHullChanPointCapacity> candidates;
    const Point* const points = candidates.data();
    const std::int32_t n = keep_hull_candidates(all_points, n_all, marks, candidates.data());

    DefaultPoints<kHullChanPointCapacity> upper, lower;
    std::int32_t upper_lengths[kChanMostGroups], lower_lengths[kChanMostGroups];
    const std::int32_t first_size = first_group_size<Steps>(n);
    Groups groups{n, first_size, (n + first_size - 1) / first_size, {upper.data(), lower.data()},
                  {upper_lengths, lower_lengths}};
    steps.phase(StepPhase::groups);
    chain_groups(points, groups, turns, steps);
    for (;;) {
        tell_group_hulls(groups, steps);
        std::int32_t h = 0;
        if (groups.count == 1) {
            // One group: its chains are the hull's.
            h = groups.lengths[kUpper][0];
            std::copy_n(upper.data(), h, hull);
            append_chain(hull, lower.data(), h, groups.lengths[kLower][0]);
            h += std::max(0, groups.lengths[kLower][0] - 2);
        } else {
            steps.phase(StepPhase::wrap);
            if (!wrap_side(groups, kUpper, turns, hull, h, groups.size, steps) ||
                !wrap_side(groups, kLower, turns, hull, h, groups.size, steps)) {
                // More than m vertices: m squared.
                steps.phase(StepPhase::groups);
                groups = merge_groups(groups, turns, steps);
                continue;
            }
        }
        HULL_POSTCONDITION(h >= 2 && h <= 2 * n - 2 && same_position(hull[0], points[0]));
        HULL_POSTCONDITION(turns_everywhere(hull, h, Turning::clockwise_strictly));
        return h;
    }
}

}  // namespace

std::int32_t hull_chan(const Point* points, Point* hull, std::int32_t n) {
    NoSteps steps;
    return build(points, hull, n, steps);
}

std::int32_t hull_chan_recorded(const Point* points, Point* hull, std::int32_t n, StepRecorder& steps) {
    return build(points, hull, n, steps);
}
