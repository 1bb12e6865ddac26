#include "hull_monotone_chain.h"
#include "support/point_sets.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::string chain(const std::vector<Point>& input) {
    const std::vector<Point> points = sorted(input);
    std::vector<Point> hull(std::max<std::size_t>(1, 2 * points.size()), Point{-1, -1, -1});
    const std::int32_t h = hull_monotone_chain(points.data(), hull.data(), static_cast<std::int32_t>(points.size()));
    return positions(hull.data(), h);
}

TEST(IsRightTurn, OnlyStrictClockwise) {
    EXPECT_EQ(is_right_turn({0, 0, 9}, {0, 1, 9}, {1, 0, 9}), 1);
    EXPECT_EQ(is_right_turn({0, 0, 9}, {1, 0, 9}, {0, 1, 9}), 0);
    EXPECT_EQ(is_right_turn({0, 0, 9}, {1, 1, 9}, {2, 2, 9}), 0);
    EXPECT_EQ(is_right_turn({1, 1, 9}, {1, 1, 9}, {2, 0, 9}), 0);
}

TEST(AppendChain, CopiesInnerLowerChain) {
    std::vector<Point> hull(6);
    const std::vector<Point> lower{{9, 9, 9}, {1, 0, 9}, {2, 0, 9}, {8, 8, 9}};
    append_chain(hull.data(), lower.data(), 2, 4);
    EXPECT_EQ(hull[2].x, 1);
    EXPECT_EQ(hull[3].x, 2);
    EXPECT_EQ(hull[4].x, 0);  // untouched
    append_chain(hull.data(), lower.data(), 0, 2);
    EXPECT_EQ(hull[0].x, 0);
}

TEST(HullChain, PointsInsideStraightSidesAreNotVertices) {
    std::vector<Point> square{{0, 0, 9}, {10, 0, 9}, {0, 10, 9}, {10, 10, 9}, {5, 5, 9},
                              {5, 0, 9}, {0, 5, 9}, {10, 5, 9}, {5, 10, 9}};
    EXPECT_EQ(chain(square), "0,0 0,10 10,10 10,0");
}

}  // namespace
