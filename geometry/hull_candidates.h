// The candidates of a hull: one linear pass over a sorted point set decides
// for each point and each of the hull's two chains (the upper one from the
// first point in sort order to the last, the lower one back) whether it may
// lie on that chain, so that a hull algorithm may leave out the rest.
#pragma once

#include "capacities.h"
#include "point.h"
#include "turn.h"

#include <bit>
#include <cstdint>

inline constexpr std::int32_t kCandidateWords = (kLargestPointCapacity + 63) / 64;

// Bit i % 64 of word i / 64 for points[i].
struct HullCandidates {
    std::uint64_t upper[kCandidateWords];
    std::uint64_t lower[kCandidateWords];
};

// Marks the candidates of points[0 .. n-1], sorted with compare_points,
// 2 <= n <= kLargestPointCapacity, and returns the exact turn tests of the
// set (its extents are found on the way). The first and the last point are
// marked on both chains. Every point that Andrew's monotone chain keeps on
// a chain (a strict corner of the hull, and of copies of one the one that
// chain's pass keeps: the last in sort order on the upper chain, the first
// on the lower one) stays marked on that chain; a point marked on neither
// is no corner of the hull. Three tests leave a point out, none of them
// chosen by the data:
//  - Points sharing an x lie on one vertical line, sorted upwards; only the
//    top of such a column can be on the upper chain and only its bottom on
//    the lower chain (the rest lies on a vertical side or inside).
//  - A point strictly inside the box spanned by the extreme points in the
//    four diagonal directions is on neither chain.
//  - The upper outline first -> greatest y - x -> top -> greatest y + x ->
//    last (in sort order) joins points of the set, so the hull's upper side
//    lies nowhere below it: a point strictly below the outline's segment
//    over it is not on the upper chain. The same with the lower outline
//    (least y + x, bottom, least y - x) and points strictly above it.
// Between the extreme points in eight directions this leaves a thin band
// along the hull's boundary; where every point is a vertex (points on a
// circle) each one still goes to one chain only.
SetTurns mark_hull_candidates(const Point* points, std::int32_t n, HullCandidates& marks);

// The points marked on either chain, in sort order, into kept; returns how
// many (the first and the last point among them). The hull of the points
// kept is the hull of all n, vertex for vertex, copies included: an
// output-sensitive hull run on them alone does its work on the thin band
// along the boundary that mark_hull_candidates leaves.
std::int32_t keep_hull_candidates(const Point* points, std::int32_t n, const HullCandidates& marks, Point* kept);

// The marked indices among count words of marks, in ascending order
// (Ascending) or descending order: next(i) gives each in turn, then false.
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
        const int bit = Ascending ? std::countr_zero(word_) : 63 - std::countl_zero(word_);
        word_ &= ~(std::uint64_t{1} << bit);
        i = word_index_ * 64 + bit;
        return true;
    }

private:
    const std::uint64_t* words_;
    std::int32_t word_index_, last_word_;
    std::uint64_t word_;
};
