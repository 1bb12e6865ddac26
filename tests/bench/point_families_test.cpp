#include "generator.h"
#include "hull_monotone_chain.h"
#include "point_families.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <set>
#include <utility>
#include <vector>

namespace {

std::set<std::pair<float, float>> positions(const std::vector<Point>& points) {
    std::set<std::pair<float, float>> set;
    for (const Point& p : points) set.insert({p.x, p.y});
    return set;
}

bool same_points(const std::vector<Point>& a, const std::vector<Point>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y) return false;
    }
    return true;
}

// The same seed gives the same set, another seed another one.
TEST(PointFamilies, EveryFamilyGivesExactlyNPointsTheSameForTheSameSeed) {
    for (const Family family : kAllFamilies) {
        for (const std::int32_t n : {0, 1, 2, 3, 10, 1000}) {
            const std::vector<Point> first = make_points(family, n);
            EXPECT_EQ(first.size(), static_cast<std::size_t>(n)) << family_name(family);
            EXPECT_TRUE(same_points(first, make_points(family, n))) << family_name(family) << " n=" << n;
            if (n >= 10) {
                EXPECT_FALSE(same_points(make_points(family, n, 1), make_points(family, n, 2)))
                    << family_name(family) << " n=" << n;
            }
        }
    }
}

// The random family is the generator's own file for its clock at the seed.
TEST(PointFamilies, RandomFamilyIsTheGeneratorsFileForTheSeed) {
    const ScratchDir dir;
    for (const unsigned seed : {1u, 7u, 1733000000u}) {
        const std::string path = (dir.path() / "generator.test").string();
        char answers[] = "500\n3\n";
        std::FILE* in = fmemopen(answers, sizeof answers - 1, "r");
        std::FILE* out = std::fopen("/dev/null", "w");
        ASSERT_EQ(gen::run_generator(in, out, path, [seed] { return seed; }), 0);
        std::fclose(in);
        std::fclose(out);
        std::ifstream file(path);
        int n = 0;
        int repetitions = 0;
        file >> n >> repetitions;
        std::vector<Point> written(static_cast<std::size_t>(n));
        for (Point& p : written) file >> p.x >> p.y;
        EXPECT_TRUE(file && same_points(written, make_points(Family::random_grid, n, seed))) << "seed " << seed;
    }
}

// The decimal family is what a point file with three decimals gives: each
// coordinate reads back from its text as itself, and that text has three
// decimals from 0 to 300; the float family spans +-1e6 with fractions.
TEST(PointFamilies, DecimalAndFloatFamiliesReadBackFromTheirText) {
    int fractional = 0;
    for (const Family family : {Family::decimal, Family::full_float}) {
        for (const Point& p : make_points(family, 3000)) {
            for (const float v : {p.x, p.y}) {
                const std::string text = coordinate_text(family, v);
                ASSERT_EQ(std::strtof(text.c_str(), nullptr), v) << text;
                if (family == Family::decimal) {
                    ASSERT_TRUE(v >= 0.0f && v <= 300.0f) << text;
                    ASSERT_EQ(text.size() - text.find('.'), 4u) << text;
                } else {
                    ASSERT_LE(std::fabs(v), 1e6f) << text;
                }
                fractional += v != std::floor(v);
            }
        }
    }
    EXPECT_GT(fractional, 10000);
}

TEST(PointFamilies, DiscPointsAreIntegersInsideTheRadius) {
    for (const Point& p : make_points(Family::disc, 5000)) {
        EXPECT_EQ(p.x, std::floor(p.x));
        EXPECT_LE(std::hypot(double(p.x), double(p.y)), kDiscRadius + 1.0);
    }
}

// The circle's whole point: every one of its points is a hull vertex, even
// at the largest size, where rounding to integers alone would break that.
TEST(PointFamilies, CirclePointsAreAllStrictHullVertices) {
    const std::pair<std::int32_t, std::uint32_t> sets[] = {
        {3, kFixedSeed}, {4, kFixedSeed}, {17, kFixedSeed}, {1000, kFixedSeed}, {kCircleCapacity, kFixedSeed},
        {1000, 1},       {2000, 2},       {5000, 3},        {5000, 20}};
    for (const auto& [n, seed] : sets) {
        const std::vector<Point> circle = make_points(Family::circle, n, seed);
        ASSERT_TRUE(strictly_convex_ccw(circle)) << "n=" << n << " seed " << seed;
        EXPECT_EQ(positions(circle).size(), circle.size()) << "duplicates at n=" << n;
        for (const Point& p : circle) {
            EXPECT_EQ(p.x, std::floor(p.x));
            EXPECT_LE(std::fabs(p.x), 16777216.0f);  // integers exact as floats
        }
        const std::vector<Point> sorted = sorted_points(circle);
        std::vector<Point> hull(2 * circle.size());
        EXPECT_EQ(hull_monotone_chain(sorted.data(), hull.data(), n), n) << "n=" << n << " seed " << seed;
    }
}

TEST(PointFamilies, ConvexityCheckRejectsFlatReflexAndDoublyWoundPolygons) {
    const std::vector<Point> square{{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    EXPECT_TRUE(strictly_convex_ccw(square));
    EXPECT_FALSE(strictly_convex_ccw({{0, 0}, {1, 0}, {0, 1}, {1, 1}}));            // crossed
    EXPECT_FALSE(strictly_convex_ccw({{0, 0}, {1, 0}, {2, 0}, {1, 1}}));            // flat corner
    EXPECT_FALSE(strictly_convex_ccw({{0, 1}, {1, 1}, {1, 0}, {0, 0}}));            // clockwise
    EXPECT_FALSE(strictly_convex_ccw({{0, 0}, {2, 0}, {2, 2}, {1, 1}, {0, 2}}));    // reflex
    EXPECT_FALSE(strictly_convex_ccw({{0, 0}, {1, 0}}));
    // A pentagram: every turn is left, but it winds around twice.
    std::vector<Point> star;
    for (int i = 0; i < 5; ++i) {
        const double angle = 2 * 3.141592653589793 * (2 * i) / 5;
        star.push_back(Point{static_cast<float>(std::round(1000 * std::cos(angle))),
                             static_cast<float>(std::round(1000 * std::sin(angle)))});
    }
    EXPECT_FALSE(strictly_convex_ccw(star));
}

TEST(PointFamilies, SortedPointsAreInCompareOrderAndKeepEveryPoint) {
    const std::vector<Point> points = make_points(Family::random_grid, 2000);
    const std::vector<Point> sorted = sorted_points(points);
    ASSERT_EQ(sorted.size(), points.size());
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        EXPECT_TRUE(sorted[i - 1].x < sorted[i].x || (sorted[i - 1].x == sorted[i].x && sorted[i - 1].y <= sorted[i].y));
    }
    std::multiset<std::pair<float, float>> before, after;
    for (const Point& p : points) before.insert({p.x, p.y});
    for (const Point& p : sorted) after.insert({p.x, p.y});
    EXPECT_EQ(before, after);
}

TEST(PointFamilies, UnknownFamilyNameIsRefused) {
    Family family = Family::random_grid;
    EXPECT_TRUE(parse_family("disc", family));
    EXPECT_EQ(family, Family::disc);
    EXPECT_FALSE(parse_family("square", family));
    EXPECT_FALSE(parse_family("", family));
}

}  // namespace
