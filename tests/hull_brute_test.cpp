#include "hull_brute_force.h"
#include "support/point_sets.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Result {
    std::int32_t h;
    std::vector<Point> hull;  // the h vertices and the closing copy
};

Result brute(const std::vector<Point>& input) {
    const std::vector<Point> points = sorted(input);
    std::vector<Point> hull(points.size() + 1, Point{-1, -1, -1});
    const std::int32_t h = hull_brute_force(points.data(), hull.data(), static_cast<std::int32_t>(points.size()));
    hull.resize(static_cast<std::size_t>(h) + (h > 0 ? 1 : 0));
    return {h, hull};
}

// The hull array, closing copy included.
std::string positions(const Result& r) {
    return positions(r.hull.data(), static_cast<std::int32_t>(r.hull.size()));
}

TEST(Orientation, ValuesForEachTurn) {
    EXPECT_EQ(orientation({0, 0, 9}, {1, 0, 9}, {0, 1, 9}), 0);
    EXPECT_EQ(orientation({0, 0, 9}, {0, 1, 9}, {1, 0, 9}), 1);
    EXPECT_EQ(orientation({0, 0, 9}, {1, 1, 9}, {2, 2, 9}), -1);
    EXPECT_EQ(orientation({3, 4, 9}, {3, 4, 9}, {1, 0, 9}), -1);
    EXPECT_EQ(orientation({3, 4, 9}, {1, 0, 9}, {3, 4, 9}), -1);
}

TEST(HullBrute, PointsInsideStraightSides) {
    // Walked in ascending sort order (bottom, vertical right side): vertices.
    EXPECT_EQ(positions(brute({{0, 0, 9}, {1, 0, 9}, {1, 1, 9}, {2, 0, 9}})), "0,0 1,0 2,0 1,1 0,0");
    EXPECT_EQ(positions(brute({{0, 1, 9}, {2, 0, 9}, {2, 1, 9}, {2, 2, 9}})), "0,1 2,0 2,1 2,2 0,1");
    // Walked in descending order (top, vertical left side): not vertices.
    EXPECT_EQ(positions(brute({{0, 0, 9}, {0, 2, 9}, {1, 2, 9}, {2, 0, 9}, {2, 2, 9}})), "0,0 2,0 2,2 0,2 0,0");
    EXPECT_EQ(positions(brute({{0, 0, 9}, {0, 1, 9}, {0, 2, 9}, {2, 1, 9}})), "0,0 2,1 0,2 0,0");
    // A copy inside a side walked upwards is kept once.
    EXPECT_EQ(positions(brute({{0, 0, 9}, {1, 0, 9}, {1, 0, 9}, {2, 0, 9}, {1, 1, 9}})), "0,0 1,0 2,0 1,1 0,0");
}

TEST(HullBrute, ManyPointsOnSidesNeedNoEdgeList) {
    // A 21 x 21 grid: every side holds 21 points, far more accepted edges
    // than a fixed list of 100 would hold. Bottom and right side points are
    // vertices (21 + 20), of the top only the corner (0, 20).
    std::vector<Point> grid;
    for (int x = 0; x <= 20; ++x)
        for (int y = 0; y <= 20; ++y) grid.push_back(Point{float(x), float(y), 9});
    const Result r = brute(grid);
    EXPECT_EQ(r.h, 42);
    EXPECT_EQ(strict_vertices(r.hull.data(), r.h).size(), 4u);
}

TEST(HullBrute, CopiesColoursAndRepeatsExactly) {
    const std::vector<Point> points = sorted({{0, 0, 3}, {2, 3, 4}, {4, 0, 5}, {2, 1, 6}});
    std::vector<Point> first(5), second(5);
    const std::int32_t h1 = hull_brute_force(points.data(), first.data(), 4);
    const std::int32_t h2 = hull_brute_force(points.data(), second.data(), 4);
    ASSERT_EQ(h1, 3);
    ASSERT_EQ(h2, 3);
    const int colours[] = {3, 5, 4, 3};
    for (int i = 0; i <= h1; ++i) {
        EXPECT_EQ(first[i].color, colours[i]);
        EXPECT_EQ(first[i].x, second[i].x);
        EXPECT_EQ(first[i].y, second[i].y);
    }
}

}  // namespace
