// Both hulls against Qhull's qconvex: on every set the corners of each hull
// (vertices inside a straight side dropped) are exactly qconvex's vertices.
#include "hull_brute_force.h"
#include "hull_monotone_chain.h"
#include "point_order.h"
#include "turn.h"
#include "qconvex_runner.h"
#include "support/point_sets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace {

const std::string kQconvex = QCONVEX_PROGRAM;

bool all_collinear(const std::vector<Point>& points) {
    for (std::size_t j = 1; j < points.size(); ++j) {
        if (points[j].x == points[0].x && points[j].y == points[0].y) continue;
        for (const Point& p : points) {
            if (turn_sign(points[0], points[j], p) != 0) return false;
        }
        return true;
    }
    return true;
}

using Position = std::pair<float, float>;

// The hull's corners as a set of positions, to compare with qconvex's.
std::set<Position> corners(const Point* polygon, std::int32_t count) {
    std::set<Position> positions;
    for (const Point& p : strict_vertices(polygon, count)) positions.insert({p.x, p.y});
    return positions;
}

// Runs both hulls and qconvex on the points (in the order given, which is
// what qconvex's indices refer to) and compares their corners.
void expect_same_corners(const std::vector<Point>& points) {
    const auto n = static_cast<std::int32_t>(points.size());
    const std::vector<Point> input = sorted(points);
    std::vector<Point> brute(points.size() + 1), chain(2 * points.size() + 1);
    const std::int32_t brute_count = hull_brute_force(input.data(), brute.data(), n);
    const std::int32_t chain_count = hull_monotone_chain(input.data(), chain.data(), n);
    const std::set<Position> brute_corners = corners(brute.data(), brute_count);
    const std::set<Position> chain_corners = corners(chain.data(), chain_count);
    EXPECT_EQ(brute_corners, chain_corners);
    if (all_collinear(points)) return;  // qconvex has no hull for these

    // The chain leaves out points inside straight sides: all it returns are corners.
    EXPECT_EQ(static_cast<std::size_t>(chain_count), chain_corners.size());
    const QconvexResult qhull = run_qconvex(kQconvex, points);
    ASSERT_TRUE(qhull.ok) << qhull.error;
    std::set<Position> qhull_corners;
    for (const int index : qhull.vertices) qhull_corners.insert({points[index].x, points[index].y});
    EXPECT_EQ(brute_corners, qhull_corners) << "brute force against qconvex";
    EXPECT_EQ(chain_corners, qhull_corners) << "monotone chain against qconvex";
}

// Sizes 3..max_n, cycling through the sets of one family.
std::int32_t size_of(int set, std::int32_t max_n) { return 3 + (set * 37) % (max_n - 2); }

Point at(double x, double y) { return Point{static_cast<float>(x), static_cast<float>(y)}; }

TEST(QhullCrossCheck, RandomIntegersAsTheGeneratorWritesThem) {
    std::mt19937 engine(1);
    std::uniform_int_distribution<int> coordinate(0, 299);
    for (int set = 0; set < 40; ++set) {
        std::vector<Point> points;
        for (std::int32_t i = size_of(set, 300); i > 0; --i) points.push_back(at(coordinate(engine), coordinate(engine)));
        SCOPED_TRACE("set " + std::to_string(set) + ", n=" + std::to_string(points.size()));
        expect_same_corners(points);
    }
}

TEST(QhullCrossCheck, ClusteredIntegers) {
    std::mt19937 engine(2);
    std::uniform_real_distribution<double> centre(0, 1000);
    std::uniform_real_distribution<double> spread(0.5, 30);
    for (int set = 0; set < 40; ++set) {
        const int clusters = 1 + set % 4;
        std::vector<std::normal_distribution<double>> x, y;
        for (int c = 0; c < clusters; ++c) {
            const double s = spread(engine);
            x.emplace_back(centre(engine), s);
            y.emplace_back(centre(engine), s);
        }
        std::vector<Point> points;
        for (std::int32_t i = size_of(set, 250); i > 0; --i) {
            const int c = i % clusters;
            points.push_back(at(std::round(x[c](engine)), std::round(y[c](engine))));
        }
        SCOPED_TRACE("set " + std::to_string(set) + ", n=" + std::to_string(points.size()));
        expect_same_corners(points);
    }
}

// Points on a few lattice lines (rectangle sides, diagonals, steep and flat
// slopes), so many points lie inside straight hull sides.
TEST(QhullCrossCheck, CollinearHeavyIntegers) {
    std::mt19937 engine(3);
    std::uniform_int_distribution<int> origin(-50, 50);
    std::uniform_int_distribution<int> step(-7, 7);
    std::uniform_int_distribution<int> length(1, 25);
    for (int set = 0; set < 40; ++set) {
        std::vector<Point> points;
        if (set % 4 == 0) {
            // The border of a rectangle with its lattice points, and its centre.
            const int w = 2 + set, h = 1 + set / 2;
            for (int i = 0; i <= w; ++i) points.insert(points.end(), {at(i, 0), at(i, h)});
            for (int j = 1; j < h; ++j) points.insert(points.end(), {at(0, j), at(w, j)});
            points.push_back(at(w / 2, h / 2));
        } else {
            const int lines = 1 + set % 5;
            for (int l = 0; l < lines; ++l) {
                const int ox = origin(engine), oy = origin(engine);
                int dx = step(engine), dy = step(engine);
                if (dx == 0 && dy == 0) dx = 1;
                for (int t = length(engine); t >= 0; --t) points.push_back(at(ox + t * dx, oy + t * dy));
            }
        }
        std::shuffle(points.begin(), points.end(), engine);
        SCOPED_TRACE("set " + std::to_string(set) + ", n=" + std::to_string(points.size()));
        expect_same_corners(points);
    }
}

// Few distinct positions, each many times over; small grids are also full
// of collinear triples.
TEST(QhullCrossCheck, DuplicateHeavyIntegers) {
    std::mt19937 engine(4);
    for (int set = 0; set < 40; ++set) {
        std::uniform_int_distribution<int> coordinate(0, 1 + set % 6);
        std::vector<Point> points;
        for (std::int32_t i = size_of(set, 120); i > 0; --i) points.push_back(at(coordinate(engine), coordinate(engine)));
        SCOPED_TRACE("set " + std::to_string(set) + ", n=" + std::to_string(points.size()));
        expect_same_corners(points);
    }
}

// Decimal coordinates: hundredths (not exact in binary, so the float values
// decide), and binary fractions (quarters, eighths) on the sides of a
// triangle and inside it: exact, so points inside a side stay collinear.
TEST(QhullCrossCheck, DecimalCoordinates) {
    std::mt19937 engine(5);
    std::uniform_int_distribution<int> hundredths(0, 30000);
    std::uniform_int_distribution<int> quarter_step(0, 80);
    const Point corner[3] = {at(-10.25, -3.5), at(9.75, -3.5), at(-0.25, 6.5)};
    for (int set = 0; set < 30; ++set) {
        std::vector<Point> points;
        const std::int32_t n = size_of(set, 200);
        for (std::int32_t i = 0; i < n; ++i) {
            if (set % 2 == 0) {
                points.push_back(at(std::strtof(std::to_string(hundredths(engine) / 100.0).c_str(), nullptr),
                                    std::strtof(std::to_string(hundredths(engine) / 100.0).c_str(), nullptr)));
            } else if (i % 4 != 3) {
                // On side i % 3, at one of 81 evenly spaced places, all exact
                // binary fractions (each side spans a multiple of 10 in x and y).
                const Point& a = corner[i % 3];
                const Point& b = corner[(i + 1) % 3];
                const double t = quarter_step(engine) / 80.0;
                points.push_back(at(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)));
            } else {
                points.push_back(at(-2 + quarter_step(engine) / 16.0, -1 + quarter_step(engine) / 32.0));
            }
        }
        SCOPED_TRACE("set " + std::to_string(set) + ", n=" + std::to_string(points.size()));
        expect_same_corners(points);
    }
}

// The harness itself: qconvex's indices are read back, side points are not
// corners, and a flat set is reported as qconvex's failure.
TEST(QhullCrossCheck, HarnessReadsQconvexVerticesAndItsRefusal) {
    const std::vector<Point> square{at(0, 0), at(2, 0), at(1, 0), at(1, 1), at(2, 2), at(0, 2), at(0, 1)};
    const QconvexResult result = run_qconvex(kQconvex, square);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(std::set<int>(result.vertices.begin(), result.vertices.end()), (std::set<int>{0, 1, 4, 5}));

    const Point closed[] = {at(0, 0), at(1, 0), at(2, 0), at(2, 2), at(0, 2), at(0, 0)};
    EXPECT_EQ(corners(closed, 6), (std::set<Position>{{0, 0}, {2, 0}, {2, 2}, {0, 2}}));

    const QconvexResult flat = run_qconvex(kQconvex, {at(0, 0), at(1, 1), at(2, 2), at(3, 3)});
    EXPECT_FALSE(flat.ok);
    EXPECT_FALSE(flat.error.empty());
}

}  // namespace
