// turn_sign against rational arithmetic on triples built to defeat a plain
// double evaluation, and against that plain evaluation where it is exact.
#include "exact_reference.h"
#include "float_steps.h"
#include "hull_brute_force.h"
#include "hull_monotone_chain.h"
#include "turn.h"
#include "turn_batch.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <cstring>
#include <random>
#include <vector>

namespace {

Point pt(float x, float y) { return Point{x, y, 9}; }

// Random triples of several kinds, each hard for double in its own way.
class NearDegenerateTriples {
public:
    explicit NearDegenerateTriples(unsigned seed) : rng_(seed) {}

    void next(Point& a, Point& b, Point& c) {
        switch (kind_++ % 5) {
            case 0: {  // c rounded onto the line a-b, then a few ulps off it
                a = pt(coordinate(), coordinate());
                b = pt(coordinate(), coordinate());
                const double t = std::uniform_real_distribution<double>(-2.0, 3.0)(rng_);
                c = pt(static_cast<float>(a.x + t * (static_cast<double>(b.x) - a.x)),
                       static_cast<float>(a.y + t * (static_cast<double>(b.y) - a.y)));
                c.x = nudged(c.x, ulps());
                c.y = nudged(c.y, ulps());
                break;
            }
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
        ASSERT_EQ(exact_turn_sign(a, b, c), expected);
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

// The set-bounded tests against the rational reference: whatever they
// decide is right, and what they cannot decide the exact test does.
TEST(TurnSign, SetBoundedTestsDecideOnlyWhatIsTrue) {
    NearDegenerateTriples triples(77);
    int decided = 0, undecided = 0;
    for (int i = 0; i < 30000; ++i) {
        Point a, b, c;
        triples.next(a, b, c);
        const int expected = reference_turn(a, b, c);
        const double width_x = static_cast<double>(std::max({a.x, b.x, c.x})) - std::min({a.x, b.x, c.x});
        const double width_y = static_cast<double>(std::max({a.y, b.y, c.y})) - std::min({a.y, b.y, c.y});
        ASSERT_EQ(right_turn_in_set(a, b, c, turn_set_error_bound(width_x, width_y)), expected < 0) << i;
        const double max_x = std::max({std::fabs(a.x), std::fabs(b.x), std::fabs(c.x)});
        const double max_y = std::max({std::fabs(a.y), std::fabs(b.y), std::fabs(c.y)});
        const FilteredTurnLine line(a, b, turn_batch_error_bound(max_x, max_y));
        if (line.surely_right(c)) {
            ASSERT_EQ(expected, -1) << i;
        }
        if (line.surely_left(c)) {
            ASSERT_EQ(expected, 1) << i;
        }
        (line.surely_right(c) || line.surely_left(c) ? decided : undecided) += 1;
    }
    // Both outcomes occur often: the sets are neither all easy nor all hard.
    EXPECT_GT(decided, 3000);
    EXPECT_GT(undecided, 3000);
}

// One step of the batched filtered test: 16 points k against a -> b, every
// lane classified, and the quick answer consistent with the lanes.
template <class Ops>
void expect_batches_decide_only_what_is_true(unsigned seed) {
    NearDegenerateTriples triples(seed);
    int surely = 0, open = 0;
    for (int round = 0; round < 3000; ++round) {
        Point a, b, c;
        triples.next(a, b, c);
        std::vector<Point> ks{c};
        // The other lanes: points of further triples, some on the line a-b
        // (a and b themselves among them), some anywhere.
        while (ks.size() < static_cast<std::size_t>(kTurnBatchStep)) {
            Point d, e, f;
            triples.next(d, e, f);
            ks.push_back(ks.size() % 5 == 1 ? a : ks.size() % 5 == 2 ? b : f);
        }
        double max_x = std::max(std::fabs(a.x), std::fabs(b.x));
        double max_y = std::max(std::fabs(a.y), std::fabs(b.y));
        std::vector<double> xs, ys;
        for (const Point& k : ks) {
            max_x = std::max(max_x, static_cast<double>(std::fabs(k.x)));
            max_y = std::max(max_y, static_cast<double>(std::fabs(k.y)));
            xs.push_back(k.x);
            ys.push_back(k.y);
        }
        const FilteredTurnBatch<Ops> batch(a, b, turn_batch_error_bound(max_x, max_y));
        const TurnLanes lanes = batch.classify(xs.data(), ys.data());
        ASSERT_EQ(lanes.surely_right & lanes.undecided, 0u);
        bool any_right = false;
        for (int v = 0; v < kTurnBatchStep; ++v) {
            const int expected = reference_turn(a, b, ks[static_cast<std::size_t>(v)]);
            const bool right = (lanes.surely_right >> v) & 1u;
            const bool undecided = (lanes.undecided >> v) & 1u;
            if (right) {
                ASSERT_EQ(expected, -1) << "round " << round << " lane " << v;
            }
            if (!right && !undecided) {
                ASSERT_EQ(expected, 1) << "round " << round << " lane " << v;
            }
            if (expected == 0) {
                ASSERT_TRUE(undecided) << "round " << round << " lane " << v;
            }
            any_right |= expected < 0;
            surely += right;
            open += undecided;
        }
        ASSERT_EQ(batch.any_maybe_right(xs.data(), ys.data()), (lanes.surely_right | lanes.undecided) != 0);
        if (any_right) {
            ASSERT_TRUE(batch.any_maybe_right(xs.data(), ys.data()));
        }
    }
    EXPECT_GT(surely, 3000);
    EXPECT_GT(open, 3000);
}

TEST(TurnSign, FilteredBatchInPlainLanesDecidesOnlyWhatIsTrue) {
    expect_batches_decide_only_what_is_true<ScalarLanes<double>>(11);
}

#ifdef HULL_HAVE_SSE_TURNS
TEST(TurnSign, FilteredBatchInSseLanesDecidesOnlyWhatIsTrue) {
    expect_batches_decide_only_what_is_true<SseDoubles>(12);
}
#endif

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
