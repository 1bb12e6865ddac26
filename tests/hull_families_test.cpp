// Every hull on the families of point sets, every set checked by each
// oracle that is right on its family, once: the exact rational reference
// (the corners, the order, the buffers of the documented sizes), the
// straightforward versions of bench/ (the same vertices in the same order,
// the same copy of each, and the brute force's points inside sides), and
// Qhull's qconvex, which no one here wrote (the same corners).
#include "exact_reference.h"
#include "hull_brute_force.h"
#include "hull_check.h"
#include "hull_monotone_chain.h"
#include "straightforward.h"
#include "support/allocation_count.h"
#include "support/hull_families.h"
#include "support/point_sets.h"
#include "support/qconvex_runner.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

#ifdef HULL_QCONVEX
const std::string kQconvex = HULL_QCONVEX;
#else
const std::string kQconvex;
#endif

using HullFunction = std::int32_t (*)(const Point*, Point*, std::int32_t);

struct Family {
    const char* name;
    PointSets (*sets)();
    CheckedHulls hulls;    // all, or all but the brute force on sets it takes too long for
    bool straightforward;  // plain double arithmetic decides every turn of these sets rightly
    int qconvex_every;     // qconvex checks every k-th set; 0: none
};

constexpr CheckedHulls kAll = CheckedHulls::all;
constexpr CheckedHulls kAllButBrute = CheckedHulls::chain_outlines;

void PrintTo(const Family& family, std::ostream* out) { *out << family.name; }

// Each row names what it catches.
const Family kFamilies[] = {
    // The programs' own input: the brute force's single-precision grid scan.
    {"GeneratorFiles", generator_files, kAll, true, 4},
    // Copies kept twice, points inside sides kept or lost, one position, one line.
    {"SmallGrids", small_grids, kAll, true, 8},
    // The brute force's double-precision grid scan (extents of 2^11 and more).
    {"WideGrids", wide_grids, kAll, true, 8},
    // Off the integer grid: the filtered scan where collinear points are exactly collinear.
    {"QuarterUnits", quarter_units, kAll, true, 3},
    // The filtered scan on the floats of decimal text.
    {"Decimals", decimals, kAll, true, 3},
    // The filtered scan on floats of every exponent.
    {"FullFloats", full_floats, kAll, true, 0},
    // The plain double sign's mistakes and the filtered scan's undecided lanes.
    {"RoundedOntoLines", rounded_onto_lines, kAll, false, 0},
    // Double evaluation anywhere in a turn test.
    {"NearDegenerate", near_degenerate, kAll, false, 0},
    // Points inside sides kept or lost, long columns, copies in other colours.
    {"BoundarySets", boundary_sets, kAll, true, 4},
    // The chain's filter by one line rather than its quadrilateral, the kept copy of each vertex.
    {"ColouredDiamonds", coloured_diamonds, kAllButBrute, true, 0},
    // The chain's filter where its outline runs along the hull's sides.
    {"OutlineTraps", outline_traps, kAll, false, 0},
    // Hulls whose sides are long and whose inside is crowded.
    {"Clustered", clustered, kAll, true, 2},
    // The chain's filters and passes over hundreds to thousands of points.
    {"LargerSets", larger_sets, kAllButBrute, true, 0},
    // The chain's scratch buffer and chain lengths at its program's capacity.
    {"ChainCapacity", chain_capacity, kAllButBrute, true, 0},
    // Whatever the fuzzers once found.
    {"FuzzCorpus", fuzz_corpus, kAll, false, 0},
    // Corners lost to rounding; buffers of exactly the documented size.
    {"RoundingTraps", rounding_traps, kAll, false, 0},
    // Kirkpatrick and Seidel's recursion where a bridge ends at the end of
    // its points; Chan's wrap over several rounds of groups.
    {"RoundedCircles", rounded_circles, kAllButBrute, false, 0},
};

// Seconds long even in the release build: named Slow/..., labelled slow in CTest.
const Family kSlowFamilies[] = {
    // Its program's largest set, through the brute force's whole scan.
    {"BruteForceCapacity", brute_force_capacity, kAll, true, 0},
};

// The straightforward brute force takes cubic time: only on sets this small.
constexpr std::size_t kStraightforwardBruteLimit = 400;

// Runs a hull and its straightforward version on the sorted points: the
// same count, and the same element (position and colour) in every slot
// written, closing copy included.
void expect_as_straightforward(const char* hull, HullFunction fast, HullFunction straightforward,
                               const std::vector<Point>& points, std::int32_t extra_slots) {
    const auto n = static_cast<std::int32_t>(points.size());
    std::vector<Point> fast_hull(2 * points.size() + 2), straightforward_hull(2 * points.size() + 2);
    const std::int32_t h = fast(points.data(), fast_hull.data(), n);
    ASSERT_EQ(h, straightforward(points.data(), straightforward_hull.data(), n)) << hull;
    for (std::int32_t v = 0; v < (h > 0 ? h + extra_slots : 0); ++v) {
        const Point& got = fast_hull[static_cast<std::size_t>(v)];
        const Point& wanted = straightforward_hull[static_cast<std::size_t>(v)];
        ASSERT_TRUE(same_position(got, wanted) && got.color == wanted.color)
            << hull << ": vertex " << v << " of " << h << " is " << positions(&got, 1) << " in colour " << got.color
            << ", not " << positions(&wanted, 1) << " in colour " << wanted.color;
    }
}

using Positions = std::set<std::pair<float, float>>;

Positions corner_positions(const std::vector<Point>& polygon, std::int32_t count) {
    Positions corners;
    for (const Point& p : corners_of(polygon.data(), static_cast<std::size_t>(count))) corners.insert({p.x, p.y});
    return corners;
}

// qconvex's vertices (of the points in the order given, which its indices
// refer to) are the corners of both hulls.
void expect_qconvex_corners(const std::vector<Point>& points) {
    if (reference_extreme_points(points).size() < 3) return;  // qconvex has no hull for these
    const std::vector<Point> input = sorted(points);
    const auto n = static_cast<std::int32_t>(points.size());
    std::vector<Point> brute(points.size() + 1), chain(2 * points.size());
    const Positions brute_corners = corner_positions(brute, hull_brute_force(input.data(), brute.data(), n));
    const Positions chain_corners = corner_positions(chain, hull_monotone_chain(input.data(), chain.data(), n));
    const QconvexResult qhull = qconvex_vertices(kQconvex, points);
    ASSERT_TRUE(qhull.ok) << qhull.error;
    Positions qhull_corners;
    for (const int index : qhull.vertices) qhull_corners.insert({points[index].x, points[index].y});
    EXPECT_EQ(brute_corners, qhull_corners) << "brute force against qconvex";
    EXPECT_EQ(chain_corners, qhull_corners) << "monotone chain against qconvex";
}

class HullFamilies : public testing::TestWithParam<Family> {};

TEST_P(HullFamilies, EveryOracleAgrees) {
    const Family& family = GetParam();
    const PointSets sets = family.sets();
    ASSERT_FALSE(sets.empty());
    for (std::size_t s = 0; s < sets.size(); ++s) {
        const std::vector<Point>& points = sets[s];
        SCOPED_TRACE("set " + std::to_string(s) + ", n = " + std::to_string(points.size()));
        ASSERT_EQ(check_hulls(points, family.hulls), "");
        if (family.straightforward) {
            const std::vector<Point> input = sorted(points);
            if (family.hulls == kAll && input.size() <= kStraightforwardBruteLimit) {
                expect_as_straightforward("brute force", hull_brute_force, hull_brute_force_straightforward, input, 1);
            }
            expect_as_straightforward("monotone chain", hull_monotone_chain, hull_monotone_chain_straightforward, input, 0);
        }
        if (family.qconvex_every > 0 && !kQconvex.empty() && s % static_cast<std::size_t>(family.qconvex_every) == 0) {
            expect_qconvex_corners(points);
        }
        if (HasFailure()) return;
    }
}

const auto kFamilyName = [](const testing::TestParamInfo<Family>& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Families, HullFamilies, testing::ValuesIn(kFamilies), kFamilyName);
INSTANTIATE_TEST_SUITE_P(Slow, HullFamilies, testing::ValuesIn(kSlowFamilies), kFamilyName);

// A hull call takes nothing from the heap: its scratch lives in the call's
// automatic storage. The sets take each hull through its paths: its
// program's capacity, most points corners, long straight sides, copies.
TEST(HullCalls, TakeNothingFromTheHeap) {
    const long counted = allocations_so_far();
    ::operator delete(::operator new(sizeof(int)));
    ASSERT_EQ(allocations_so_far() - counted, 1) << "operator new is not the counting one";
    for (PointSets (*family)() : {chain_capacity, rounded_circles, boundary_sets}) {
        for (const std::vector<Point>& set : family()) {
            const std::vector<Point> points = sorted(set);
            const auto n = static_cast<std::int32_t>(points.size());
            std::vector<Point> hull(2 * points.size() + 2);
            for (const ChainOutlineHull& outline : kChainOutlineHulls) {
                const long before = allocations_so_far();
                outline.hull(points.data(), hull.data(), n);
                EXPECT_EQ(allocations_so_far() - before, 0) << outline.name << ", n = " << n;
            }
        }
    }
}

// The qconvex harness itself: its indices are read back, and a flat set is
// reported as qconvex's refusal.
TEST(Qconvex, ReadsTheVerticesAndTheRefusal) {
    if (kQconvex.empty()) {
        GTEST_SKIP() << "qconvex was not found when the build was configured (Debian package qhull-bin): "
                        "the hulls are not cross-checked against it";
    }
    const std::vector<Point> square{{0, 0, 9}, {2, 0, 9}, {1, 0, 9}, {1, 1, 9}, {2, 2, 9}, {0, 2, 9}, {0, 1, 9}};
    const QconvexResult result = qconvex_vertices(kQconvex, square);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(std::set<int>(result.vertices.begin(), result.vertices.end()), (std::set<int>{0, 1, 4, 5}));

    const QconvexResult flat = qconvex_vertices(kQconvex, {{0, 0, 9}, {1, 1, 9}, {2, 2, 9}, {3, 3, 9}});
    EXPECT_FALSE(flat.ok);
    EXPECT_FALSE(flat.error.empty());
}

}  // namespace
