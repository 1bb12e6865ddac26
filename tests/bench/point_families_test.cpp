#include "generator.h"
#include "hull_monotone_chain.h"
#include "point_families.h"
#include "support/scratch_dir.h"
#include "turn.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

std::set<std::pair<float, float>> positions(const std::vector<Point>& points) {
    std::set<std::pair<float, float>> set;
    for (const Point& p : points) set.insert({p.x, p.y});
    return set;
}

// True when every point is a corner of the polygon the points make in the
// given order: all consecutive triples turn strictly counter-clockwise and
// the polygon winds around once.
bool strictly_convex_ccw(const std::vector<Point>& polygon) {
    const std::size_t n = polygon.size();
    if (n < 3) return false;
    std::size_t wraps = 0;
    double previous = 0.0;
    for (std::size_t i = 0; i <= n; ++i) {
        const Point& a = polygon[i % n];
        const Point& b = polygon[(i + 1) % n];
        const Point& c = polygon[(i + 2) % n];
        if (i < n && turn_sign(a, b, c) <= 0) return false;
        // Edge directions of a convex polygon walked once increase, but for
        // one step back across the +-pi seam of atan2.
        const double direction = std::atan2(static_cast<double>(b.y) - a.y, static_cast<double>(b.x) - a.x);
        if (i > 0 && direction < previous) ++wraps;
        previous = direction;
    }
    return wraps == 1;
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

// The random family's point file is the generator's own file for its clock
// at the seed, byte for byte.
TEST(PointFamilies, RandomFamilysFileIsTheGeneratorsFileForTheSeed) {
    const ScratchDir dir;
    for (const unsigned seed : {1u, 7u, 1733000000u}) {
        const std::string path = (dir.path() / "generator.test").string();
        char answers[] = "500\n3\n";
        std::FILE* in = fmemopen(answers, sizeof answers - 1, "r");
        std::FILE* out = std::fopen("/dev/null", "w");
        ASSERT_EQ(gen::run_generator(in, out, path, [seed] { return seed; }), 0);
        std::fclose(in);
        std::fclose(out);
        EXPECT_EQ(dir.read("generator.test"), point_file_text(Family::random_grid, 500, 3, seed)) << "seed " << seed;
    }
}

// The decimal family is what a point file with three decimals gives: each
// coordinate reads back from its text as itself, and that text has three
// decimals from 0 to 300; the square spans +-1e6 with fractions.
TEST(PointFamilies, DecimalAndFloatFamiliesReadBackFromTheirText) {
    int fractional = 0;
    for (const Family family : {Family::decimal, Family::square}) {
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

// The curves' whole point: every one of their points is a hull vertex,
// even at the largest size, where rounding to integers alone would break
// that.
TEST(PointFamilies, CurvePointsAreAllStrictHullVertices) {
    const std::tuple<Family, std::int32_t, std::uint32_t> sets[] = {
        {Family::circle, 3, kFixedSeed},    {Family::circle, 4, kFixedSeed},      {Family::circle, 17, kFixedSeed},
        {Family::circle, 1000, kFixedSeed}, {Family::circle, kCurveCapacity, kFixedSeed}, {Family::circle, 1000, 1},
        {Family::circle, 2000, 2},          {Family::circle, 5000, 3},           {Family::circle, 5000, 20},
        {Family::parabola, 3, kFixedSeed},  {Family::parabola, 1000, 4},         {Family::parabola, kCurveCapacity, kFixedSeed},
        {Family::parabola, kCurveCapacity, 5}};
    for (const auto& [family, n, seed] : sets) {
        const std::vector<Point> curve = make_points(family, n, seed);
        ASSERT_TRUE(strictly_convex_ccw(curve)) << family_name(family) << " n=" << n << " seed " << seed;
        EXPECT_EQ(positions(curve).size(), curve.size()) << "duplicates at n=" << n;
        for (const Point& p : curve) {
            EXPECT_EQ(p.x, std::floor(p.x));
            EXPECT_LE(std::fabs(p.x), 16777216.0f);  // integers exact as floats
        }
        const std::vector<Point> sorted = sorted_points(curve);
        std::vector<Point> hull(2 * curve.size());
        EXPECT_EQ(hull_monotone_chain(sorted.data(), hull.data(), n), n) << family_name(family) << " n=" << n;
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
    EXPECT_FALSE(parse_family("triangle", family));
    EXPECT_FALSE(parse_family("", family));
}

}  // namespace
