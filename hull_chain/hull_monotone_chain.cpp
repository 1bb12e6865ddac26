#include "hull_monotone_chain.h"

#include "predicates.h"

#include <algorithm>
#include <array>

std::int32_t is_right_turn(Point p1, Point p2, Point p3) {
    return turn_sign(p1, p2, p3) < 0 ? 1 : 0;
}

void append_chain(Point* hull, const Point* chain, std::int32_t k, std::int32_t m) {
    for (std::int32_t j = 1; j <= m - 2; ++j) hull[k + j - 1] = chain[j];
}

namespace {

using IndexArray = std::array<std::int32_t, kChainScratchCapacity>;

// Turn tests between input points given by index, for one call. Where every
// coordinate is a small integer the plain double evaluation is exact; it
// runs on coordinates widened once per call into arrays of their own.
struct PlainTurns {
    const Point* points;
    double cross(std::int32_t a, std::int32_t b, std::int32_t c) const {
        const Point& pa = points[a];
        const Point& pb = points[b];
        const Point& pc = points[c];
        return (static_cast<double>(pc.y) - pa.y) * (static_cast<double>(pb.x) - pa.x) -
               (static_cast<double>(pb.y) - pa.y) * (static_cast<double>(pc.x) - pa.x);
    }
    bool right(std::int32_t a, std::int32_t b, std::int32_t c) const { return cross(a, b, c) < 0.0; }
    bool left(std::int32_t a, std::int32_t b, std::int32_t c) const { return cross(a, b, c) > 0.0; }
};

// Any other input: the exact turn test.
struct ExactTurns {
    const Point* points;
    bool right(std::int32_t a, std::int32_t b, std::int32_t c) const {
        return turn_sign(points[a], points[b], points[c]) < 0;
    }
    bool left(std::int32_t a, std::int32_t b, std::int32_t c) const {
        return turn_sign(points[a], points[b], points[c]) > 0;
    }
};

bool all_small_integers(const Point* points, std::int32_t n) {
    bool small = true;
    for (std::int32_t i = 0; i < n; ++i) small &= is_small_integer(points[i].x) & is_small_integer(points[i].y);
    return small;
}

// One chain over the point indices chain[0 .. count-1], built in place: each
// index is appended in turn, and every point that does not make a strict
// right turn with its neighbours is dropped. Returns the chain's length.
template <class Turns>
std::int32_t build_chain(const Turns& turns, std::int32_t* chain, std::int32_t count) {
    std::int32_t m = std::min<std::int32_t>(count, 2);
    for (std::int32_t t = 2; t < count; ++t) {
        chain[m++] = chain[t];
        while (m > 2 && !turns.right(chain[m - 3], chain[m - 2], chain[m - 1])) {
            chain[m - 2] = chain[m - 1];
            --m;
        }
    }
    return m;
}

template <class Turns>
std::int32_t chain_hull(const Turns& turns, const Point* points, Point* hull, std::int32_t n) {
    // The lower chain is built in a buffer of the call's own, every element
    // default-constructed on entry.
    std::array<Point, kChainScratchCapacity> scratch;

    // Only points on or above the path from the first point over a highest
    // point to the last one can be vertices of the upper chain (that path
    // joins hull points, so everything strictly below it lies inside the
    // hull or on its lower side), and likewise only points on or below the
    // path over a lowest point for the lower chain. Building each chain from
    // its own candidates gives the same chain as building it from all points
    // with far fewer turns.
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    for (std::int32_t i = 1; i < n; ++i) {
        if (points[i].y > points[top].y) top = i;
        if (points[i].y < points[bottom].y) bottom = i;
    }
    // The indices are sorted into the two lists without branches.
    IndexArray upper;
    IndexArray lower;
    std::int32_t upper_count = 0;
    std::int32_t lower_count = 0;
    for (std::int32_t i = 0; i < n; ++i) {
        const bool below = i < top ? turns.right(0, top, i) : turns.right(top, n - 1, i);
        const bool above = i < bottom ? turns.left(0, bottom, i) : turns.left(bottom, n - 1, i);
        upper[upper_count] = i;
        lower[lower_count] = i;
        upper_count += !below;
        lower_count += !above;
    }
    std::reverse(lower.begin(), lower.begin() + lower_count);

    // Upper chain left to right; lower chain right to left, copied into the
    // scratch buffer; the hull is the upper chain, then the lower chain
    // without its two ends.
    const std::int32_t k = build_chain(turns, upper.data(), upper_count);
    const std::int32_t m = build_chain(turns, lower.data(), lower_count);
    for (std::int32_t t = 0; t < k; ++t) hull[t] = points[upper[t]];
    for (std::int32_t t = 0; t < m; ++t) scratch[t] = points[lower[t]];
    append_chain(hull, scratch.data(), k, m);
    // One point: both chains hold it once; it is the hull's one vertex.
    return n == 1 ? 1 : k + m - 2;
}

}  // namespace

std::int32_t hull_monotone_chain(const Point* points, Point* hull, std::int32_t n) {
    if (n <= 0) return 0;
    if (all_small_integers(points, n)) return chain_hull(PlainTurns{points}, points, hull, n);
    return chain_hull(ExactTurns{points}, points, hull, n);
}
