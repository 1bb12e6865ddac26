// The kernel's exact predicates against rational arithmetic on points built
// to defeat a plain double evaluation, and against that plain evaluation
// where it is exact: the turn of a triple, the cross product of two
// directions, both against one threshold for a whole set, many points
// against one line at a time, the point farthest from a line and the order
// by angle around a point.
#include "angular_order.h"
#include "exact_reference.h"
#include "float_steps.h"
#include "hull_brute_force.h"
#include "hull_monotone_chain.h"
#include "line_batch.h"
#include "point_order.h"
#include "support/hull_families.h"
#include "turn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <cstring>
#include <random>
#include <vector>

namespace {

Point pt(float x, float y) { return Point{x, y, 9}; }

// Random triples and quadruples of several kinds, each hard for double in
// its own way.
class NearDegenerateTriples {
public:
    explicit NearDegenerateTriples(unsigned seed) : rng_(seed) {}

    // (b - a) x (d - c) near zero: c -> d nearly parallel to a -> b, c and d
    // nearly equally far from the line a -> b, or the kinds of next(a, b, c).
    void next(Point& a, Point& b, Point& c, Point& d) {
        next(a, b, c);
        switch (quad_kind_++ % 3) {
            case 0: {  // d rounded onto the parallel through c, then a few ulps off it
                const double t = std::uniform_real_distribution<double>(-3.0, 3.0)(rng_);
                d = pt(nudged(static_cast<float>(c.x + t * (static_cast<double>(b.x) - a.x)), ulps()),
                       nudged(static_cast<float>(c.y + t * (static_cast<double>(b.y) - a.y)), ulps()));
                break;
            }
            case 1: {  // c and d both rounded onto the line a-b: equally far from it, or a few ulps apart
                d = on_line(a, b);
                c = on_line(a, b);
                break;
            }
            default:  // a turn of three points, c -> d = a -> c
                d = c;
                c = a;
                break;
        }
    }

    void next(Point& a, Point& b, Point& c) {
        switch (kind_++ % 5) {
            case 0:  // c rounded onto the line a-b, then a few ulps off it
                a = pt(coordinate(), coordinate());
                b = pt(coordinate(), coordinate());
                c = on_line(a, b);
                break;
            case 1: {  // a tiny offset from a line through the origin's neighbourhood
                const float tiny = std::ldexp(1.0f, std::uniform_int_distribution<int>(-149, -10)(rng_));
                const float k = static_cast<float>(std::uniform_int_distribution<int>(1, 1000)(rng_));
                a = pt(sign() * tiny, 0.0f);
                b = pt(k, k);
                c = pt(2 * k, 2 * k);
                break;
            }
            case 2:  // mixed magnitudes, 1e-30 next to 1e30
                a = pt(mixed(), mixed());
                b = pt(mixed(), mixed());
                c = pt(mixed(), mixed());
                break;
            case 3: {  // three points of one line, each moved by at most one ulp
                const float slope = std::uniform_real_distribution<float>(-4.0f, 4.0f)(rng_);
                const float x0 = coordinate();
                const float dx = std::uniform_real_distribution<float>(0.5f, 1e4f)(rng_);
                a = pt(nudged(x0, ulps1()), nudged(slope * x0, ulps1()));
                b = pt(nudged(x0 + dx, ulps1()), nudged(slope * (x0 + dx), ulps1()));
                c = pt(nudged(x0 + 2 * dx, ulps1()), nudged(slope * (x0 + 2 * dx), ulps1()));
                break;
            }
            default:  // any finite float bits
                a = pt(raw(), raw());
                b = pt(raw(), raw());
                c = pt(raw(), raw());
                break;
        }
    }

private:
    Point on_line(const Point& a, const Point& b) {
        const double t = std::uniform_real_distribution<double>(-2.0, 3.0)(rng_);
        return pt(nudged(static_cast<float>(a.x + t * (static_cast<double>(b.x) - a.x)), ulps()),
                  nudged(static_cast<float>(a.y + t * (static_cast<double>(b.y) - a.y)), ulps()));
    }
    float coordinate() { return std::ldexp(std::uniform_real_distribution<float>(-1.0f, 1.0f)(rng_),
                                           std::uniform_int_distribution<int>(-20, 40)(rng_)); }
    float mixed() {
        const float m = std::uniform_real_distribution<float>(1.0f, 10.0f)(rng_);
        return sign() * m * (std::uniform_int_distribution<int>(0, 1)(rng_) ? 1e-30f : 1e30f);
    }
    float raw() {
        for (;;) {
            const std::uint32_t bits = static_cast<std::uint32_t>(rng_());
            float f;
            std::memcpy(&f, &bits, sizeof f);
            if (std::isfinite(f)) return f;
        }
    }
    float sign() { return std::uniform_int_distribution<int>(0, 1)(rng_) ? 1.0f : -1.0f; }
    int ulps() { return std::uniform_int_distribution<int>(-3, 3)(rng_); }
    int ulps1() { return std::uniform_int_distribution<int>(-1, 1)(rng_); }

    std::mt19937 rng_;
    unsigned kind_ = 0;
    unsigned quad_kind_ = 0;
};

// Every turn test on one triple of each kind: turn_sign's sign, the brute
// force's orientation (1 clockwise, 0 counter-clockwise, -1 collinear) and
// the chain's is_right_turn, each as the exact reference decides.
TEST(TurnSign, EachTestOnEachKindOfTurn) {
    struct Case {
        const char* what;
        Point a, b, c;
        int sign, orientation, right_turn;
    };
    const Case cases[] = {
        {"counter-clockwise", pt(0, 0), pt(1, 0), pt(0, 1), 1, 0, 0},
        {"clockwise", pt(0, 0), pt(0, 1), pt(1, 0), -1, 1, 1},
        {"collinear", pt(0, 0), pt(1, 1), pt(2, 2), 0, -1, 0},
        {"first two equal", pt(3, 4), pt(3, 4), pt(1, 0), 0, -1, 0},
        {"first and last equal", pt(3, 4), pt(1, 0), pt(3, 4), 0, -1, 0},
        // The exact cross product is -1e-20; double rounds 1 - 1e-20 to 1
        // and calls the three collinear, and a naive hull loses a corner.
        {"a tiny offset", pt(1e-20f, 0.0f), pt(1.0f, 1.0f), pt(2.0f, 2.0f), -1, 1, 1},
        {"its mirror image", pt(-1e-20f, 0.0f), pt(1.0f, 1.0f), pt(2.0f, 2.0f), 1, 0, 0},
    };
    for (const Case& t : cases) {
        EXPECT_EQ(reference_turn(t.a, t.b, t.c), t.sign) << t.what;
        EXPECT_EQ(turn_sign(t.a, t.b, t.c), t.sign) << t.what;
        EXPECT_EQ(orientation(t.a, t.b, t.c), t.orientation) << t.what;
        EXPECT_EQ(is_right_turn(t.a, t.b, t.c), t.right_turn) << t.what;
    }
    EXPECT_EQ(plain_turn_sign(pt(1e-20f, 0.0f), pt(1.0f, 1.0f), pt(2.0f, 2.0f)), 0);
}

TEST(TurnSign, ExtremeFloats) {
    const float big = std::numeric_limits<float>::max();
    const float least = std::numeric_limits<float>::denorm_min();
    EXPECT_EQ(turn_sign(pt(-big, -big), pt(big, big), pt(big, nudged(big, -1))), -1);
    EXPECT_EQ(turn_sign(pt(-big, -big), pt(big, big), pt(0.0f, 0.0f)), 0);
    EXPECT_EQ(turn_sign(pt(0.0f, 0.0f), pt(least, 0.0f), pt(0.0f, least)), 1);
    EXPECT_EQ(turn_sign(pt(-big, least), pt(big, 0.0f), pt(big, least)), 1);
    EXPECT_EQ(turn_sign(pt(0.0f, 0.0f), pt(-0.0f, 0.0f), pt(1.0f, 1.0f)), 0);  // -0 equals 0
    for (const auto& [a, b, c] : {std::array{pt(-big, -big), pt(big, big), pt(big, nudged(big, -1))},
                                  std::array{pt(-big, least), pt(big, 0.0f), pt(big, least)}}) {
        EXPECT_EQ(turn_sign(a, b, c), reference_turn(a, b, c));
    }
}

TEST(TurnSign, MatchesRationalReferenceOnNearDegenerateTriples) {
    NearDegenerateTriples triples(2024);
    int zeros = 0, naive_wrong = 0;
    for (int i = 0; i < 60000; ++i) {
        Point a, b, c;
        triples.next(a, b, c);
        const int expected = reference_turn(a, b, c);
        const int got = turn_sign(a, b, c);
        ASSERT_EQ(got, expected) << "a=(" << a.x << "," << a.y << ") b=(" << b.x << "," << b.y << ") c=(" << c.x
                                 << "," << c.y << ")";
        ASSERT_EQ(exact_cross_sign(a, b, a, c), expected);
        // Cyclic shifts keep the sign; a swap flips it.
        ASSERT_EQ(turn_sign(b, c, a), expected);
        ASSERT_EQ(turn_sign(b, a, c), -expected);
        zeros += expected == 0;
        naive_wrong += plain_turn_sign(a, b, c) != expected;
    }
    // The triples are hard: many exactly collinear, many misjudged by double.
    EXPECT_GT(zeros, 200);
    EXPECT_GT(naive_wrong, 1000);
}

// The cross product of two directions, what compares distances from a line
// and slopes, on quadruples as hard as the triples: alone, and against the
// threshold of the set of its four points (from the points or from their
// kept differences), which decides only what is true and leaves the rest to
// the exact test.
TEST(TurnSign, CrossOfTwoDirectionsMatchesRationalReference) {
    NearDegenerateTriples quads(4096);
    int zeros = 0, naive_wrong = 0, undecided = 0;
    for (int i = 0; i < 60000; ++i) {
        Point a, b, c, d;
        quads.next(a, b, c, d);
        const int expected = reference_cross(a, b, c, d);
        ASSERT_EQ(cross_sign(a, b, c, d), expected) << "a=(" << a.x << "," << a.y << ") b=(" << b.x << "," << b.y
                                                    << ") c=(" << c.x << "," << c.y << ") d=(" << d.x << "," << d.y << ")";
        ASSERT_EQ(exact_cross_sign(a, b, c, d), expected);
        // Antisymmetric in the two directions and in the ends of each.
        ASSERT_EQ(cross_sign(c, d, a, b), -expected);
        ASSERT_EQ(cross_sign(a, b, d, c), -expected);
        const std::array<Point, 4> set{a, b, c, d};
        const SetTurns turns = SetTurns::of(set.data(), 4);
        ASSERT_EQ(turns.cross_sign(a, b, c, d), expected) << i;
        ASSERT_EQ(turns.cross_sign(plain_direction(a, b), plain_direction(c, d)), expected) << i;
        ASSERT_EQ(turns.right_turn(a, b, d), reference_turn(a, b, d) < 0) << i;
        const double plain = plain_cross(a, b, c, d);
        zeros += expected == 0;
        naive_wrong += (plain > 0) - (plain < 0) != expected;
        undecided += std::fabs(plain) <= turns.bound();
    }
    // Hard quadruples, and the set's threshold leaves many of them undecided.
    EXPECT_GT(zeros, 200);
    EXPECT_GT(naive_wrong, 1000);
    EXPECT_GT(undecided, 5000);
}

// Integers up to 8e6 along a line, every other one a unit off it: a turn
// of three of them is a small difference of products near 2^45, which
// single precision would round away.
PointSets unit_off_long_lines() {
    PointSets sets;
    for (const int step : {412345, 98765, 7}) {
        std::vector<Point> points;
        for (int k = 0; k < 20; ++k) {
            points.push_back(pt(static_cast<float>(k * step), static_cast<float>(k * (step / 2) + k % 2)));
        }
        sets.push_back(points);
    }
    return sets;
}

const struct {
    const char* what;
    PointSets (*sets)();
} kSetKinds[] = {
    {"small integers, single-precision lanes", small_grids},
    {"integers up to 3e6, double lanes", wide_grids},
    {"integers a unit off long lines, double lanes", unit_off_long_lines},
    {"rounded onto lines, lanes against the set's threshold", rounded_onto_lines},
    {"built against double, lanes against the set's threshold", near_degenerate},
};

// Whether points[best] is the point farthest left of a -> b among
// points[0 .. n-1] and, of those equally far, the last along a -> b.
bool farthest_as_reference(const Point& a, const Point& b, const Point* points, std::int32_t n, std::int32_t best) {
    for (std::int32_t k = 0; k < n; ++k) {
        const int farther = reference_cross(a, b, points[best], points[k]);
        const int along = compare_points(&points[k], &points[best]) * (compare_points(&a, &b) < 0 ? 1 : -1);
        if (farther > 0 || (farther == 0 && along > 0)) return false;
    }
    return true;
}

// Many points against one line at a time, on sets of each kind of lanes:
// the first point strictly right of every pair as the brute force scans,
// the side of every point (in lanes and by SetLine) and the farthest point
// from the line, each as the reference decides.
TEST(TurnSign, PointsAgainstOneLineMatchRationalReference) {
    for (const auto& kind : kSetKinds) {
        const PointSets sets = kind.sets();
        for (std::size_t s = 0; s < sets.size(); s += sets.size() > 13 ? 13 : 1) {
            const std::vector<Point>& points = sets[s];
            const auto n = static_cast<std::int32_t>(std::min<std::size_t>(points.size(), 32));
            if (n == 0) continue;
            const PointColumns columns(points.data(), n);
            const SetTurns turns = SetTurns::of(points.data(), n);
            std::vector<std::int8_t> sides(static_cast<std::size_t>(n));
            for (std::int32_t i = 0; i < n; ++i) {
                for (std::int32_t j = 0; j < n; ++j) {
                    std::int32_t first = n;
                    for (std::int32_t k = n - 1; k >= 0; --k) {
                        if (reference_turn(points[i], points[j], points[k]) < 0) first = k;
                    }
                    ASSERT_EQ(columns.first_right(i, j), first) << kind.what << ", set " << s << ", pair " << i << " " << j;
                    if (i % 5 != 0) continue;
                    line_sides(turns, points[i], points[j], points.data(), n, sides.data());
                    const SetLine line(turns, points[i], points[j]);
                    for (std::int32_t k = 0; k < n; ++k) {
                        const int expected = reference_turn(points[i], points[j], points[k]);
                        ASSERT_EQ(sides[static_cast<std::size_t>(k)], expected)
                            << kind.what << ", set " << s << ", pair " << i << " " << j << ", point " << k;
                        ASSERT_EQ(line.side(points[k]), expected)
                            << kind.what << ", set " << s << ", pair " << i << " " << j << ", point " << k;
                    }
                    if (j % 4 != 0 || same_position(points[i], points[j])) continue;
                    ASSERT_TRUE(farthest_as_reference(points[i], points[j], points.data(), n,
                                                      farthest_left(turns, points[i], points[j], points.data(), n)))
                        << kind.what << ", set " << s << ", pair " << i << " " << j;
                }
            }
        }
    }
}

// The order by angle around the lowest point (the leftmost of the lowest),
// whole sets of every kind and the largest sets: each point not at the
// pivot once, each next one counter-clockwise from the one before, or on
// its ray and not nearer, as the reference decides.
TEST(TurnSign, AngularOrderMatchesRationalReference) {
    PointSets sets = chain_capacity();
    for (const auto& kind : kSetKinds) {
        for (std::vector<Point>& set : kind.sets()) sets.push_back(std::move(set));
    }
    static AngularOrder order;  // two arrays of keys for the largest set: too large for the test's stack
    for (std::size_t s = 0; s < sets.size(); ++s) {
        const std::vector<Point>& points = sets[s];
        const auto n = static_cast<std::int32_t>(points.size());
        if (n == 0) continue;
        const Point pivot = *std::min_element(points.begin(), points.end(), [](const Point& a, const Point& b) {
            return a.y < b.y || (a.y == b.y && a.x < b.x);
        });
        const std::int32_t m = order.sort(points.data(), n, pivot, SetTurns::of(points.data(), n));
        ASSERT_EQ(m, std::count_if(points.begin(), points.end(), [&](const Point& p) { return !same_position(p, pivot); }))
            << "set " << s;
        std::vector<bool> seen(points.size());
        for (std::int32_t i = 0; i < m; ++i) {
            ASSERT_FALSE(seen[static_cast<std::size_t>(order[i])]) << "set " << s << ", place " << i;
            seen[static_cast<std::size_t>(order[i])] = true;
            if (i == 0) continue;
            const Point& p = points[static_cast<std::size_t>(order[i - 1])];
            const Point& q = points[static_cast<std::size_t>(order[i])];
            const int turn = reference_turn(pivot, p, q);
            ASSERT_TRUE(turn > 0 || (turn == 0 && !nearer_on_ray(pivot, q, p))) << "set " << s << ", place " << i;
        }
    }
}

// Along a ray from p the nearer of two points, for Graham's order of
// collinear points: every direction, p first or last in sort order.
TEST(TurnSign, NearerOnRay) {
    const struct {
        Point p, a, b;
        bool nearer;
    } rows[] = {
        {pt(0, 0), pt(1, 1), pt(2, 2), true},     {pt(0, 0), pt(2, 2), pt(1, 1), false},
        {pt(0, 0), pt(-1, 3), pt(-2, 6), true},   {pt(5, 5), pt(5, 4), pt(5, 1), true},
        {pt(5, 5), pt(5, 9), pt(5, 7), false},    {pt(1, 1), pt(1, 1), pt(2, 1), true},
        {pt(1, 1), pt(2, 1), pt(1, 1), false},    {pt(1, 1), pt(2, 1), pt(2, 1), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(nearer_on_ray(row.p, row.a, row.b), row.nearer)
            << row.p.x << "," << row.p.y << " " << row.a.x << "," << row.a.y << " " << row.b.x << "," << row.b.y;
    }
}

// Where the plain double formula is exact (integer coordinates up to 2^24 in
// magnitude) turn_sign gives exactly its answer.
TEST(TurnSign, SameAsPlainDoubleOnIntegerCoordinates) {
    // Every triple of a 5 x 5 grid.
    for (int i = 0; i < 15625; ++i) {
        const Point a = pt(i % 5, i / 5 % 5), b = pt(i / 25 % 5, i / 125 % 5), c = pt(i / 625 % 5, i / 3125 % 5);
        ASSERT_EQ(turn_sign(a, b, c), plain_turn_sign(a, b, c));
    }
    std::mt19937 rng(300);
    const int limit = 1 << 24;
    const std::uniform_int_distribution<int> ranges[] = {std::uniform_int_distribution<int>(0, 299),
                                                         std::uniform_int_distribution<int>(-limit, limit),
                                                         std::uniform_int_distribution<int>(limit - 64, limit)};
    for (auto range : ranges) {
        for (int i = 0; i < 30000; ++i) {
            const Point a = pt(range(rng), range(rng)), b = pt(range(rng), range(rng));
            // Every other c is put on the line a-b: an integer of up to
            // 3 * 2^24, where the double formula is still exact.
            Point c = pt(range(rng), range(rng));
            if (i % 2) c = pt(2 * b.x - a.x, 2 * b.y - a.y);
            const int plain = plain_turn_sign(a, b, c);
            ASSERT_EQ(turn_sign(a, b, c), plain);
            if (i % 10 == 0) {
                ASSERT_EQ(reference_turn(a, b, c), plain);
            }
        }
    }
}

}  // namespace
