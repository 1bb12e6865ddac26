// What the hulls promise alike, on small sets written out by hand: the
// corners, each once, from the least point in the hull's own direction (the
// brute force counter-clockwise with a closing copy, the monotone chain and
// the hulls of its outline clockwise), in buffers of exactly the documented
// size. The generated
// families and their oracles are in hull_families_test.cpp.
#include "exact_reference.h"
#include "hull_brute_force.h"
#include "hull_chan.h"
#include "hull_check.h"
#include "hull_graham.h"
#include "hull_jarvis.h"
#include "hull_ks.h"
#include "hull_monotone_chain.h"
#include "hull_quick.h"
#include "support/hull_families.h"
#include "support/point_sets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct HullAlgorithm {
    const char* name;
    std::int32_t (*run)(const Point*, Point*, std::int32_t);
    bool clockwise;
    bool closing_copy;                    // hull[h] repeats hull[0]
    bool keeps_side_points;               // some points inside straight sides are vertices
    std::size_t (*room)(std::int32_t n);  // the documented size of the hull buffer
    std::int32_t (*equal_copies)(std::int32_t n);  // h when all n >= 1 points coincide
};

void PrintTo(const HullAlgorithm& hull, std::ostream* out) { *out << hull.name; }

// The monotone chain's outline: room for 2n - 2 vertices, two copies of
// one position.
std::size_t chain_room(std::int32_t n) { return static_cast<std::size_t>(std::max(1, 2 * n - 2)); }
std::int32_t chain_copies(std::int32_t n) { return n == 1 ? 1 : 2; }

const HullAlgorithm kHulls[] = {
    {"BruteForce", hull_brute_force, false, true, true,
     [](std::int32_t n) { return static_cast<std::size_t>(n) + 1; }, [](std::int32_t) { return 1; }},
    {"MonotoneChain", hull_monotone_chain, true, false, false, chain_room, chain_copies},
    {"Graham", hull_graham, true, false, false, chain_room, chain_copies},
    {"Jarvis", hull_jarvis, true, false, false, chain_room, chain_copies},
    {"Quick", hull_quick, true, false, false, chain_room, chain_copies},
    {"Chan", hull_chan, true, false, false, chain_room, chain_copies},
    {"Ks", hull_ks, true, false, false, chain_room, chain_copies},
};

struct Outcome {
    std::int32_t h;
    std::vector<Point> vertices;  // the h vertices as written
    std::vector<Point> ccw;       // the same, counter-clockwise from the first
};

class BothHulls : public testing::TestWithParam<HullAlgorithm> {
protected:
    // Sorts the points and runs the hull in a buffer of exactly its room.
    Outcome hull_of(const std::vector<Point>& input) const {
        const HullAlgorithm& algorithm = GetParam();
        const std::vector<Point> points = sorted(input);
        const auto n = static_cast<std::int32_t>(points.size());
        std::vector<Point> hull(algorithm.room(n), Point{-1, -1, -1});
        const std::int32_t h = algorithm.run(points.data(), hull.data(), n);
        EXPECT_GE(h, 0);
        EXPECT_LE(static_cast<std::size_t>(h) + (algorithm.closing_copy && h > 0 ? 1 : 0), hull.size());
        Outcome outcome{h, std::vector<Point>(hull.begin(), hull.begin() + std::max(h, 0)), {}};
        if (h > 0 && algorithm.closing_copy) {
            const Point& closing = hull[static_cast<std::size_t>(h)];
            EXPECT_TRUE(same_position(closing, hull[0]) && closing.color == hull[0].color) << "no closing copy";
        }
        outcome.ccw = outcome.vertices;
        if (algorithm.clockwise && h > 1) std::reverse(outcome.ccw.begin() + 1, outcome.ccw.end());
        if (h > 0) {
            EXPECT_TRUE(same_position(hull[0], points[0])) << "does not start at the least point";
        }
        return outcome;
    }
    std::string ccw(const std::vector<Point>& input) const {
        const Outcome outcome = hull_of(input);
        return positions(outcome.ccw.data(), outcome.ccw.size());
    }
};

TEST_P(BothHulls, SmallShapesFromTheLeastPointInTheirDirection) {
    EXPECT_EQ(ccw({{1, 1, 9}, {0, 0, 9}}), "0,0 1,1");
    EXPECT_EQ(ccw({{0, 0, 9}, {2, 3, 9}, {4, 0, 9}}), "0,0 4,0 2,3");
    EXPECT_EQ(ccw({{0, 0, 9}, {0, 4, 9}, {2, 2, 9}, {4, 0, 9}, {4, 4, 9}}), "0,0 4,0 4,4 0,4");
    EXPECT_EQ(ccw({{0, 0, 9}, {1, -1, 9}, {2, 0, 9}}), "0,0 1,-1 2,0");
    EXPECT_EQ(ccw({{0, 0, 9}, {1, 1, 9}, {2, 0, 9}}), "0,0 2,0 1,1");
    EXPECT_EQ(ccw({{0, 0, 9}, {0, 5, 9}, {3, 1, 9}}), "0,0 3,1 0,5");
    // (1e-20, 0) is a corner that double arithmetic calls collinear (it
    // rounds 1 - 1e-20 to 1); with the origin added, (1, 1) lies inside a side.
    EXPECT_EQ(ccw({{1e-20f, 0, 9}, {1, 1, 9}, {2, 2, 9}}), "1e-20,0 2,2 1,1");
    EXPECT_EQ(ccw({{0, 0, 9}, {1, 1, 9}, {2, 2, 9}, {1e-20f, 0, 9}}), "0,0 1e-20,0 2,2");
    // The written order turns the hull's own way.
    const Outcome triangle = hull_of({{0, 0, 9}, {10, 0, 9}, {0, 10, 9}});
    ASSERT_EQ(triangle.h, 3);
    EXPECT_EQ(triangle.vertices[1].x == 10, !GetParam().clockwise);
}

TEST_P(BothHulls, DegenerateSets) {
    EXPECT_EQ(hull_of({}).h, 0);
    EXPECT_EQ(ccw({{7, 8, 9}}), "7,8");
    for (const std::int32_t n : {2, 3}) {
        const Outcome same = hull_of(std::vector<Point>(static_cast<std::size_t>(n), Point{7, 8, 9}));
        EXPECT_EQ(same.h, GetParam().equal_copies(n)) << "n = " << n;
        for (const Point& p : same.vertices) EXPECT_TRUE(same_position(p, Point{7, 8, 9}));
    }
    // All on one line, more than ten points, any direction: the two ends.
    std::vector<Point> diagonal, vertical, horizontal;
    for (int i = 11; i >= 0; --i) {
        diagonal.push_back(Point{float(2 * i), float(-i), 9});
        vertical.push_back(Point{5, float(i), 9});
        horizontal.push_back(Point{float(i * 7 % 12), 3, 9});  // 0..11 shuffled
    }
    EXPECT_EQ(ccw(diagonal), "0,0 22,-11");
    EXPECT_EQ(ccw(vertical), "5,0 5,11");
    EXPECT_EQ(ccw(horizontal), "0,3 11,3");
    EXPECT_EQ(ccw({{0, 0, 9}, {0, 0, 9}, {1, 1, 9}}), "0,0 1,1");
}

TEST_P(BothHulls, CoincidingPointsAppearOnce) {
    // A copy of the first point, copies at a corner.
    EXPECT_EQ(ccw({{0, 0, 9}, {0, 0, 9}, {4, 0, 9}, {2, 3, 9}}), "0,0 4,0 2,3");
    EXPECT_EQ(ccw({{0, 0, 9}, {4, 0, 9}, {4, 0, 9}, {4, 0, 9}, {2, 3, 9}, {2, 3, 9}}), "0,0 4,0 2,3");
}

// The brute force keeps the points inside a side that its polygon walks in
// ascending sort order (the bottom from left to right, a vertical right
// side upwards) and no others; the chain keeps none.
TEST_P(BothHulls, PointsInsideStraightSides) {
    struct Case {
        std::vector<Point> points;
        const char* brute_force;
        const char* monotone_chain;
    };
    const Case cases[] = {
        {{{0, 0, 9}, {1, 0, 9}, {1, 1, 9}, {2, 0, 9}}, "0,0 1,0 2,0 1,1", "0,0 2,0 1,1"},
        {{{0, 1, 9}, {2, 0, 9}, {2, 1, 9}, {2, 2, 9}}, "0,1 2,0 2,1 2,2", "0,1 2,0 2,2"},
        {{{0, 0, 9}, {0, 2, 9}, {1, 2, 9}, {2, 0, 9}, {2, 2, 9}}, "0,0 2,0 2,2 0,2", "0,0 2,0 2,2 0,2"},
        {{{0, 0, 9}, {0, 1, 9}, {0, 2, 9}, {2, 1, 9}}, "0,0 2,1 0,2", "0,0 2,1 0,2"},
        // A copy inside a side walked upwards is kept once.
        {{{0, 0, 9}, {1, 0, 9}, {1, 0, 9}, {2, 0, 9}, {1, 1, 9}}, "0,0 1,0 2,0 1,1", "0,0 2,0 1,1"},
        {{{0, 0, 9}, {10, 0, 9}, {0, 10, 9}, {10, 10, 9}, {5, 5, 9}, {5, 0, 9}, {0, 5, 9}, {10, 5, 9}, {5, 10, 9}},
         "0,0 5,0 10,0 10,5 10,10 0,10", "0,0 10,0 10,10 0,10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ccw(c.points), GetParam().keeps_side_points ? c.brute_force : c.monotone_chain);
    }
}

TEST_P(BothHulls, CopiesTheInputPointsWithTheirColoursAlikeOnEveryRun) {
    const std::vector<Point> points{{0, 0, 3}, {2, 3, 4}, {4, 0, 5}, {2, 1, 6}};
    const Outcome outcome = hull_of(points);
    ASSERT_EQ(outcome.h, 3);
    EXPECT_EQ(outcome.ccw[0].color, 3);
    EXPECT_EQ(outcome.ccw[1].color, 5);
    EXPECT_EQ(outcome.ccw[2].color, 4);
    // The driver runs the hull R times and shows the last: each run the same.
    const Outcome again = hull_of(points);
    for (std::size_t v = 0; v < 3; ++v) {
        EXPECT_TRUE(same_position(again.vertices[v], outcome.vertices[v]) && again.vertices[v].color == outcome.vertices[v].color);
    }
}

INSTANTIATE_TEST_SUITE_P(Hulls, BothHulls, testing::ValuesIn(kHulls),
                         [](const testing::TestParamInfo<HullAlgorithm>& info) { return std::string(info.param.name); });

TEST(HullBrute, ManyPointsOnSidesNeedNoEdgeList) {
    // A 21 x 21 grid: every side holds 21 points, far more accepted edges
    // than a fixed list of 100 would hold. Bottom and right side points are
    // vertices (21 + 20), of the top only the corner (0, 20).
    std::vector<Point> grid;
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 20; ++y) grid.push_back(Point{float(x), float(y), 9});
    std::vector<Point> hull(grid.size() + 1);
    const std::int32_t h = hull_brute_force(grid.data(), hull.data(), static_cast<std::int32_t>(grid.size()));
    EXPECT_EQ(h, 42);
    const std::vector<Point> corners = corners_of(hull.data(), static_cast<std::size_t>(h));
    EXPECT_EQ(positions(corners.data(), corners.size()), "0,0 20,0 20,20 0,20");
}

}  // namespace
