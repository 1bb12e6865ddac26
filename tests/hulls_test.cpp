// What both hulls promise alike, run over each of them: the corners of the
// set, each once, from the least point in the hull's own direction (the
// brute force counter-clockwise with a closing copy, the monotone chain
// clockwise), in buffers of exactly the documented size.
#include "capacities.h"
#include "exact_reference.h"
#include "hull_brute_force.h"
#include "hull_monotone_chain.h"
#include "support/point_sets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct HullAlgorithm {
    const char* name;
    std::int32_t (*run)(const Point*, Point*, std::int32_t);
    std::int32_t capacity;  // the largest n its program takes
    bool clockwise;
    bool closing_copy;                    // hull[h] repeats hull[0]
    bool keeps_side_points;               // some points inside straight sides are vertices
    std::size_t (*room)(std::int32_t n);  // the documented size of the hull buffer
    std::int32_t (*equal_copies)(std::int32_t n);  // h when all n >= 1 points coincide
};

void PrintTo(const HullAlgorithm& hull, std::ostream* out) { *out << hull.name; }

const HullAlgorithm kHulls[] = {
    {"BruteForce", hull_brute_force, kHullBrutePointCapacity, false, true, true,
     [](std::int32_t n) { return static_cast<std::size_t>(n) + 1; }, [](std::int32_t) { return 1; }},
    {"MonotoneChain", hull_monotone_chain, kHullChainPointCapacity, true, false, false,
     [](std::int32_t n) { return static_cast<std::size_t>(std::max(1, 2 * n - 2)); },
     [](std::int32_t n) { return n == 1 ? 1 : 2; }},
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
            EXPECT_TRUE(same_position(hull[static_cast<std::size_t>(h)], hull[0])) << "no closing copy";
        }
        outcome.ccw = outcome.vertices;
        if (algorithm.clockwise && h > 1) std::reverse(outcome.ccw.begin() + 1, outcome.ccw.end());
        if (h > 0) {
            EXPECT_TRUE(same_position(hull[0], points[0])) << "does not start at the least point";
        }
        return outcome;
    }
    static std::string vertices(const Outcome& outcome) {
        return positions(outcome.ccw.data(), static_cast<std::int32_t>(outcome.ccw.size()));
    }
    std::string ccw(const std::vector<Point>& input) const { return vertices(hull_of(input)); }
    // Corners counter-clockwise from the least point, as the exact reference finds them.
    static std::string reference(const std::vector<Point>& input) {
        const std::vector<Point> corners = reference_extreme_points(input);
        return positions(corners.data(), static_cast<std::int32_t>(corners.size()));
    }
    // The outcome's corners (vertices inside a straight side left out), in its order.
    static std::string corners(const Outcome& outcome) {
        std::vector<Point> kept;
        const std::size_t m = outcome.ccw.size();
        for (std::size_t i = 0; i < m; ++i) {
            const Point& before = outcome.ccw[(i + m - 1) % m];
            const Point& after = outcome.ccw[(i + 1) % m];
            if (m < 3 || !strictly_between(before, outcome.ccw[i], after)) kept.push_back(outcome.ccw[i]);
        }
        return positions(kept.data(), static_cast<std::int32_t>(kept.size()));
    }
};

TEST_P(BothHulls, SmallShapesFromTheLeastPointInTheirDirection) {
    EXPECT_EQ(ccw({{1, 1, 9}, {0, 0, 9}}), "0,0 1,1");
    EXPECT_EQ(ccw({{0, 0, 9}, {2, 3, 9}, {4, 0, 9}}), "0,0 4,0 2,3");
    EXPECT_EQ(ccw({{0, 0, 9}, {0, 4, 9}, {2, 2, 9}, {4, 0, 9}, {4, 4, 9}}), "0,0 4,0 4,4 0,4");
    EXPECT_EQ(ccw({{0, 0, 9}, {1, -1, 9}, {2, 0, 9}}), "0,0 1,-1 2,0");
    EXPECT_EQ(ccw({{0, 0, 9}, {1, 1, 9}, {2, 0, 9}}), "0,0 2,0 1,1");
    EXPECT_EQ(ccw({{0, 0, 9}, {0, 5, 9}, {3, 1, 9}}), "0,0 3,1 0,5");
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
    // A copy of the first point, copies at a corner, a copy inside a side.
    EXPECT_EQ(ccw({{0, 0, 9}, {0, 0, 9}, {4, 0, 9}, {2, 3, 9}}), "0,0 4,0 2,3");
    EXPECT_EQ(ccw({{0, 0, 9}, {4, 0, 9}, {4, 0, 9}, {4, 0, 9}, {2, 3, 9}, {2, 3, 9}}), "0,0 4,0 2,3");
    EXPECT_EQ(corners(hull_of({{0, 0, 9}, {1, 0, 9}, {1, 0, 9}, {2, 0, 9}, {1, 1, 9}})), "0,0 2,0 1,1");
}

TEST_P(BothHulls, CopiesTheInputPointsWithTheirColours) {
    const Outcome outcome = hull_of({{0, 0, 3}, {2, 3, 4}, {4, 0, 5}, {2, 1, 6}});
    ASSERT_EQ(outcome.h, 3);
    EXPECT_EQ(outcome.ccw[0].color, 3);
    EXPECT_EQ(outcome.ccw[1].color, 5);
    EXPECT_EQ(outcome.ccw[2].color, 4);
}

// Random sets, including dense ones full of repeats and of points on straight
// sides, and sets whose extent and coordinates take each of the brute
// force's exact scans: small grids, large grids, very large grids and
// quarter units.
TEST_P(BothHulls, CornersAreTheExactReferenceOnRandomSets) {
    std::mt19937 rng(2024);
    const int ranges[] = {5, 300, 10000, 3000000, 40};
    const float scales[] = {1.0f, 1.0f, 1.0f, 1.0f, 0.25f};
    for (int round = 0; round < 500; ++round) {
        const int n = 1 + static_cast<int>(rng() % 60);
        std::vector<Point> points = random_grid_points(rng, n, ranges[round % 5]);
        for (Point& p : points) {
            p.x *= scales[round % 5];
            p.y *= scales[round % 5];
        }
        const std::string expected = reference(points);
        if (std::count(expected.begin(), expected.end(), ' ') < 2) continue;  // one position or one line
        const Outcome outcome = hull_of(points);
        ASSERT_EQ(corners(outcome), expected) << "round " << round;
        if (!GetParam().keeps_side_points) {
            ASSERT_EQ(vertices(outcome), expected) << "round " << round;
        }
    }
}

// Sets of many points that nearly all lie on the hull's boundary, where no
// point is strictly inside the polygon of the extreme points: the lattice
// points on the sides of a rectangle (long vertical columns), a diamond and
// a triangle, and the corners of a rounded circle, in integers and in
// decimals, with copies and shuffled. Their corners are the exact
// reference's.
TEST_P(BothHulls, CornersAreTheExactReferenceOnBoundarySets) {
    std::mt19937 rng(99);
    std::vector<std::vector<Point>> sets;
    std::vector<Point> rectangle, diamond, triangle, circle, decimal_circle;
    for (int x = 0; x <= 120; ++x) {
        rectangle.insert(rectangle.end(), {Point{float(x), 0, 9}, Point{float(x), 40, 9}});
        triangle.insert(triangle.end(), {Point{float(x), 0, 9}, Point{float(x), float(120 - x), 9}});
    }
    for (int y = 1; y < 40; ++y) rectangle.insert(rectangle.end(), {Point{0, float(y), 9}, Point{120, float(y), 9}});
    for (int y = 1; y < 120; ++y) triangle.push_back(Point{0, float(y), 9});
    for (int x = -60; x <= 60; ++x) {
        diamond.insert(diamond.end(), {Point{float(x), float(60 - std::abs(x)), 9}, Point{float(x), float(std::abs(x) - 60), 9}});
    }
    for (int i = 0; i < 400; ++i) {
        const double angle = 2 * 3.14159265358979 * i / 400;
        circle.push_back(Point{float(std::round(5000 * std::cos(angle))), float(std::round(5000 * std::sin(angle))), 9});
        decimal_circle.push_back(
            Point{float(std::round(150000 * std::cos(angle)) / 1000), float(std::round(150000 * std::sin(angle)) / 1000), 9});
    }
    for (std::vector<Point>* set : {&rectangle, &diamond, &triangle, &circle, &decimal_circle}) {
        for (int copies = 0; copies < 20; ++copies) set->push_back((*set)[rng() % set->size()]);
        std::shuffle(set->begin(), set->end(), rng);
        const Outcome outcome = hull_of(*set);
        EXPECT_EQ(corners(outcome), reference(*set));
        if (!GetParam().keeps_side_points) {
            EXPECT_EQ(vertices(outcome), reference(*set));
        }
    }
}

// The largest set the hull's program takes, integers as the generator writes
// them: the corners are those of the exact hull.
TEST_P(BothHulls, FullCapacityGivesTheExactHull) {
    std::mt19937 rng(7);
    const std::vector<Point> points = random_grid_points(rng, GetParam().capacity, 300);
    const Outcome outcome = hull_of(points);
    EXPECT_EQ(corners(outcome), reference(points));
    if (!GetParam().keeps_side_points) {
        EXPECT_EQ(vertices(outcome), corners(outcome));
    }
}

INSTANTIATE_TEST_SUITE_P(Hulls, BothHulls, testing::ValuesIn(kHulls),
                         [](const testing::TestParamInfo<HullAlgorithm>& info) { return std::string(info.param.name); });

}  // namespace
