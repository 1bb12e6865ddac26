// Both hulls against the exact reference on point sets where a double
// evaluation of the turn test goes wrong, directly and through the driver.
#include "file_names.h"
#include "timed_step.h"
#include "exact_reference.h"
#include "hull_brute_force.h"
#include "hull_brute_profile.h"
#include "hull_chain_profile.h"
#include "hull_check.h"
#include "hull_monotone_chain.h"
#include "point_order.h"
#include "turn.h"
#include "support/scene_reset.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

Point pt(float x, float y) { return Point{x, y, 9}; }

std::string positions(const Point* p, std::size_t count) {
    // Shortest text that reads back as the same float: 1e-20, not 9.99999968e-21.
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        char item[64];
        char* end = std::to_chars(item, item + sizeof item, p[i].x).ptr;
        *end++ = ',';
        end = std::to_chars(end, item + sizeof item, p[i].y).ptr;
        if (i) text += ' ';
        text.append(item, end);
    }
    return text;
}

std::string brute(std::vector<Point> points) {
    std::qsort(points.data(), points.size(), sizeof(Point), compare_points);
    std::vector<Point> hull(points.size() + 1);
    const std::int32_t h = hull_brute_force(points.data(), hull.data(), static_cast<std::int32_t>(points.size()));
    return positions(hull.data(), static_cast<std::size_t>(h));
}

std::string chain(std::vector<Point> points) {
    std::qsort(points.data(), points.size(), sizeof(Point), compare_points);
    std::vector<Point> hull(2 * points.size());
    const std::int32_t h = hull_monotone_chain(points.data(), hull.data(), static_cast<std::int32_t>(points.size()));
    return positions(hull.data(), static_cast<std::size_t>(h));
}

float step(float v, int ulps) {
    for (; ulps > 0; --ulps) v = std::nextafter(v, INFINITY);
    for (; ulps < 0; ++ulps) v = std::nextafter(v, -INFINITY);
    return v;
}

TEST(ExactHull, KeepsCornerThatDoubleCallsCollinear) {
    // (1e-20, 0) is a true corner: double rounds 1 - 1e-20 to 1 and sees one line.
    const std::vector<Point> triangle{pt(1e-20f, 0), pt(1, 1), pt(2, 2)};
    EXPECT_EQ(brute(triangle), "1e-20,0 2,2 1,1");
    EXPECT_EQ(chain(triangle), "1e-20,0 1,1 2,2");
    // With the origin added, (1, 1) sits inside the side from (2, 2) back to
    // the origin and (1e-20, 0) is still a corner.
    const std::vector<Point> quad{pt(0, 0), pt(1, 1), pt(2, 2), pt(1e-20f, 0)};
    EXPECT_EQ(brute(quad), "0,0 1e-20,0 2,2");
    EXPECT_EQ(chain(quad), "0,0 2,2 1e-20,0");
    EXPECT_EQ(reference_extreme_points(quad).size(), 3u);
}

bool holds(const std::string& hull, const Point& p) {
    const std::string item = positions(&p, 1);
    return (" " + hull + " ").find(" " + item + " ") != std::string::npos;
}

TEST(ExactHull, OneUlpOffALine) {
    // A point a few ulps above or below the segment from (0.1, 0.3) to
    // (1000.7, 300.9), with a fourth point far below: m is a corner of the
    // hull exactly when it lies strictly left of a -> b (above the line).
    const Point a = pt(0.1f, 0.3f), b = pt(1000.7f, 300.9f), low = pt(500, -1000);
    const Point mid = pt(static_cast<float>((a.x + static_cast<double>(b.x)) / 2),
                         static_cast<float>((a.y + static_cast<double>(b.y)) / 2));
    int above = 0, below = 0;
    for (int ulps = -3; ulps <= 3; ++ulps) {
        const Point m = pt(mid.x, step(mid.y, ulps));
        const int side = reference_turn(a, b, m);
        above += side > 0;
        below += side < 0;
        // The turn tests of the kernel and of both hulls decide as the exact reference.
        EXPECT_EQ(turn_sign(a, b, m), side) << "offset " << ulps;
        EXPECT_EQ(orientation(a, b, m), side > 0 ? 0 : side < 0 ? 1 : -1) << "offset " << ulps;
        EXPECT_EQ(is_right_turn(a, b, m), side < 0 ? 1 : 0) << "offset " << ulps;
        const std::vector<Point> set{a, b, m, low};
        const std::string by_brute = brute(set), by_chain = chain(set);
        EXPECT_EQ(holds(by_brute, m), side > 0) << "offset " << ulps << ": " << by_brute;
        EXPECT_EQ(holds(by_chain, m), side > 0) << "offset " << ulps << ": " << by_chain;
        for (const Point& corner : {a, b, low}) {
            EXPECT_TRUE(holds(by_brute, corner)) << by_brute;
            EXPECT_TRUE(holds(by_chain, corner)) << by_chain;
        }
    }
    // Moving m up by single ulps crosses the line: both sides are tried.
    EXPECT_GT(above, 0);
    EXPECT_GT(below, 0);
}

// Families of sets built to defeat double evaluation, each checked with
// the same code the fuzzer runs.
class NearDegenerateSets {
public:
    explicit NearDegenerateSets(unsigned seed) : rng_(seed) {}

    std::vector<Point> next(int n) {
        std::vector<Point> set;
        switch (kind_++ % 6) {
            case 0: {  // points rounded onto one line, up to 2 ulps off
                const Point a = pt(coordinate(), coordinate()), b = pt(coordinate(), coordinate());
                for (int i = 0; i < n; ++i) {
                    const double t = std::uniform_real_distribution<double>(-1.0, 2.0)(rng_);
                    set.push_back(pt(step(static_cast<float>(a.x + t * (static_cast<double>(b.x) - a.x)), ulps()),
                                     step(static_cast<float>(a.y + t * (static_cast<double>(b.y) - a.y)), ulps())));
                }
                break;
            }
            case 1: {  // the diagonal k, k with tiny offsets at its ends
                for (int i = 0; i < n; ++i) {
                    const float k = static_cast<float>(std::uniform_int_distribution<int>(0, 50)(rng_));
                    const int e = std::uniform_int_distribution<int>(-149, -20)(rng_);
                    const float tiny = i % 3 == 0 ? std::ldexp(1.0f, e) * (i % 2 ? 1.0f : -1.0f) : 0.0f;
                    set.push_back(pt(k + tiny, k));
                }
                break;
            }
            case 2:  // 1e-30 next to 1e30
                for (int i = 0; i < n; ++i) set.push_back(pt(mixed(), mixed()));
                break;
            case 3:  // a generator file: integers 0..299, repeats likely
                for (int i = 0; i < n; ++i) {
                    set.push_back(pt(std::uniform_int_distribution<int>(0, 299)(rng_),
                                     std::uniform_int_distribution<int>(0, 299)(rng_)));
                }
                break;
            case 4: {  // integers on lines through one point, extents from 10^2 to 10^7
                const int scales[] = {300, 5000, 1000000, 20000000};
                const int scale = scales[kind_ / 6 % 4];
                const int directions[][2] = {{1, 0}, {0, 1}, {1, 1}, {2, -1}, {3, 1}};
                for (int i = 0; i < n; ++i) {
                    const int* d = directions[std::uniform_int_distribution<int>(0, 4)(rng_)];
                    const int k = std::uniform_int_distribution<int>(-scale / 4, scale / 4)(rng_);
                    set.push_back(i % 4 == 3 ? pt(std::uniform_int_distribution<int>(0, 2 * scale)(rng_),
                                                  std::uniform_int_distribution<int>(0, 2 * scale)(rng_))
                                             : pt(scale + k * d[0], scale + k * d[1]));
                }
                break;
            }
            default: {  // integers near 2^24 on a few lines through one point
                const float base = 16777216.0f;
                for (int i = 0; i < n; ++i) {
                    const int k = std::uniform_int_distribution<int>(-8, 8)(rng_);
                    const int dir = std::uniform_int_distribution<int>(0, 3)(rng_);
                    set.push_back(pt(base + static_cast<float>(k * (dir % 2 ? 2 : 1)), base - static_cast<float>(k * dir)));
                }
                break;
            }
        }
        return set;
    }

private:
    float coordinate() {
        return std::ldexp(std::uniform_real_distribution<float>(-1.0f, 1.0f)(rng_),
                          std::uniform_int_distribution<int>(-10, 30)(rng_));
    }
    float mixed() {
        const float m = static_cast<float>(std::uniform_int_distribution<int>(-3, 3)(rng_));
        return m * (std::uniform_int_distribution<int>(0, 1)(rng_) ? 1e-30f : 1e30f);
    }
    int ulps() { return std::uniform_int_distribution<int>(-2, 2)(rng_); }

    std::mt19937 rng_;
    unsigned kind_ = 0;
};

TEST(ExactHull, BothHullsMatchReferenceOnNearDegenerateSets) {
    NearDegenerateSets sets(77);
    for (int round = 0; round < 300; ++round) {
        const std::vector<Point> set = sets.next(3 + round % 40);
        ASSERT_EQ(check_hulls(set), "") << "round " << round;
    }
}

TEST(ExactHull, LargeSetsInExactlySizedBuffers) {
    NearDegenerateSets sets(5);
    for (int round = 0; round < 5; ++round) {
        ASSERT_EQ(check_hulls(sets.next(200)), "") << "round " << round;
    }
    // n = 0, 1, 2: the smallest buffers the hulls are documented to need.
    EXPECT_EQ(check_hulls({}), "");
    EXPECT_EQ(check_hulls({pt(1e-30f, 1e30f)}), "");
    EXPECT_EQ(check_hulls({pt(1e-30f, 1e30f), pt(1e-30f, 1e30f)}), "");
    EXPECT_EQ(check_hulls({pt(0, 0), pt(1e-45f, 0)}), "");
}

// Point sets of the kinds other point tools write, three decimals from 0 to
// 300 and full-precision floats in +-1e6, with many points on lines through
// two of them (rounded to the nearest float, so a few ulps off or exactly
// on), repeats, and sizes across the brute force's steps of 16 points.
// These are sets where the plain double sign fails and the filtered batched
// test has undecided lanes.
std::vector<Point> decimal_or_float_set(std::mt19937& rng, int n, bool decimal) {
    const auto coordinate = [&]() -> float {
        if (!decimal) return std::uniform_real_distribution<float>(-1e6f, 1e6f)(rng);
        const int k = std::uniform_int_distribution<int>(0, 300000)(rng);
        return std::strtof((std::to_string(k / 1000) + "." + std::to_string(1000 + k % 1000).substr(1)).c_str(), nullptr);
    };
    const Point a = pt(coordinate(), coordinate());
    const Point b = pt(coordinate(), coordinate());
    std::vector<Point> set;
    for (int i = 0; i < n; ++i) {
        const int what = std::uniform_int_distribution<int>(0, 5)(rng);
        if (what <= 2) {  // on the line a-b, between or beyond them
            const double t = std::uniform_real_distribution<double>(-0.5, 1.5)(rng);
            set.push_back(pt(static_cast<float>(a.x + t * (static_cast<double>(b.x) - a.x)),
                             static_cast<float>(a.y + t * (static_cast<double>(b.y) - a.y))));
        } else if (what == 3 && !set.empty()) {
            set.push_back(set[std::uniform_int_distribution<std::size_t>(0, set.size() - 1)(rng)]);
        } else {
            set.push_back(pt(coordinate(), coordinate()));
        }
    }
    return set;
}

TEST(ExactHull, BothHullsMatchReferenceOnDecimalAndFloatSets) {
    std::mt19937 rng(2026);
    for (int round = 0; round < 240; ++round) {
        const int n = 3 + round % 80;
        ASSERT_EQ(check_hulls(decimal_or_float_set(rng, n, round % 2 == 0)), "") << "round " << round;
    }
    // Points of one line alone, at least one step long: every lane of a
    // pair on that line is undecided or exactly zero.
    for (const bool decimal : {true, false}) {
        std::vector<Point> line;
        const Point a = pt(decimal ? 0.1f : -777777.7f, decimal ? 0.3f : 123456.79f);
        for (int i = 0; i < 40; ++i) {
            const double t = i / 39.0;
            line.push_back(pt(static_cast<float>(a.x + t * (300.0 - a.x)), static_cast<float>(a.y + t * (200.0 - a.y))));
        }
        ASSERT_EQ(check_hulls(line), "") << (decimal ? "decimal" : "float");
    }
}

// The whole reading and hull path of both programs, on a point file.
TEST(ExactHull, ThroughTheDriverFromAPointFile) {
    ScratchDir dir;
    dir.write(kPointFileName, "5 2\n1e-20 0\n1 1\n2 2\n0 0\n1 1\n");
    const std::string file = (dir / kPointFileName).string();
    const std::string log = (dir / kTimingLogName).string();

    struct Case {
        HullProgram program;
        std::int32_t capacity;
        const char* hull;
    };
    const Case cases[] = {{kHullBrute, kHullBrutePointCapacity, "0,0 1e-20,0 2,2"},
                          {kHullChain, kHullChainPointCapacity, "0,0 2,2 1e-20,0"}};
    for (const Case& c : cases) {
        reset_scene();
        std::vector<Point> points(static_cast<std::size_t>(c.capacity));
        std::vector<Point> hull(2 * points.size());
        const std::int32_t h = run_benchmark(c.program, points.data(), hull.data(), c.capacity, file.c_str(), log.c_str());
        EXPECT_EQ(positions(hull.data(), static_cast<std::size_t>(h)), c.hull) << c.program.label_format;
    }
    reset_scene();
    const std::string lines = dir.read(kTimingLogName);
    EXPECT_EQ(lines.substr(0, 9), "n^3(n=5):");
    EXPECT_NE(lines.find("\nn*logn(n=5):"), std::string::npos) << lines;
}

}  // namespace
