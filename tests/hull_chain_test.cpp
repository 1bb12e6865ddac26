#include "hull_brute_force.h"
#include "hull_monotone_chain.h"
#include "support/point_sets.h"

#include <gtest/gtest.h>

#include <random>
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

TEST(HullChain, SmallShapesClockwiseFromFirstPoint) {
    EXPECT_EQ(chain({{1, 1, 9}, {0, 0, 9}}), "0,0 1,1");
    EXPECT_EQ(chain({{0, 0, 9}, {10, 0, 9}, {0, 10, 9}}), "0,0 0,10 10,0");
    std::vector<Point> square{{0, 0, 9}, {10, 0, 9}, {0, 10, 9}, {10, 10, 9}, {5, 5, 9},
                              {5, 0, 9}, {0, 5, 9}, {10, 5, 9}, {5, 10, 9}};
    EXPECT_EQ(chain(square), "0,0 0,10 10,10 10,0");
    EXPECT_EQ(chain({{0, 0, 9}, {1, -1, 9}, {2, 0, 9}}), "0,0 2,0 1,-1");
    EXPECT_EQ(chain({{0, 0, 9}, {1, 1, 9}, {2, 0, 9}}), "0,0 1,1 2,0");
    EXPECT_EQ(chain({{0, 0, 9}, {0, 5, 9}, {3, 1, 9}}), "0,0 0,5 3,1");
}

TEST(HullChain, DegenerateSets) {
    EXPECT_EQ(chain({}), "");
    EXPECT_EQ(chain({{4, 2, 9}}), "4,2");
    EXPECT_EQ(chain({{0, 0, 9}, {0, 3, 9}, {0, 1, 9}, {0, 2, 9}}), "0,0 0,3");
    EXPECT_EQ(chain({{6, 3, 9}, {0, 0, 9}, {4, 2, 9}, {2, 1, 9}}), "0,0 6,3");
    EXPECT_EQ(chain({{0, 0, 9}, {0, 0, 9}, {1, 1, 9}}), "0,0 1,1");
    EXPECT_EQ(chain({{3, 3, 9}, {3, 3, 9}, {3, 3, 9}}), "3,3 3,3");
    EXPECT_EQ(chain({{3, 3, 9}, {3, 3, 9}}), "3,3 3,3");
}

TEST(HullChain, FullCapacity) {
    std::mt19937 rng(7);
    const std::vector<Point> points = sorted(random_grid_points(rng, kChainScratchCapacity, 300));
    std::vector<Point> hull(2 * points.size());
    const std::int32_t h = hull_monotone_chain(points.data(), hull.data(), kChainScratchCapacity);
    EXPECT_GE(h, 4);
    EXPECT_EQ(strict_vertices(hull.data(), h).size(), static_cast<std::size_t>(h));
}

// Both hulls agree on the corners (extreme points) of random sets, including
// dense ones full of repeats and of points on straight sides, and sets whose
// extent and coordinates take each of the brute force's exact scans:
// small grids, large grids, very large grids and quarter units.
TEST(HullAgreement, SameCornersOnRandomSets) {
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
        points = sorted(points);
        std::vector<Point> brute_hull(points.size() + 1), chain_hull(2 * points.size());
        const std::int32_t hb = hull_brute_force(points.data(), brute_hull.data(), n);
        const std::int32_t hc = hull_monotone_chain(points.data(), chain_hull.data(), n);
        const std::vector<Point> a = strict_vertices(brute_hull.data(), hb);
        const std::vector<Point> b = strict_vertices(chain_hull.data(), hc);
        ASSERT_EQ(a.size(), b.size()) << "round " << round;
        for (std::size_t i = 0; i < a.size(); ++i) ASSERT_TRUE(same_position(a[i], b[i])) << "round " << round;
        EXPECT_TRUE(same_position(brute_hull[0], points[0]));
        EXPECT_TRUE(same_position(chain_hull[0], points[0]));
    }
}

}  // namespace
