// The fast hulls against their straightforward versions: on integer point
// sets, where the straightforward versions' double arithmetic is exact, both
// must give the same vertices in the same order; likewise on random decimal
// and full-precision float sets, whose triples are far enough from
// collinear (or exactly so, through repeated points) for the plain double
// sign to be right.
#include "file_names.h"
#include "hull_brute_force.h"
#include "hull_monotone_chain.h"
#include "point_order.h"
#include "straightforward_brute_force.h"
#include "straightforward_driver.h"
#include "straightforward_monotone_chain.h"
#include "support/scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <list>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using HullFunction = std::int32_t (*)(const Point*, Point*, std::int32_t);

// n random integer points in [0, range), sorted; with a share of them
// copied from earlier points or put on the line through the first two, so
// duplicates and collinear triples occur at every range.
std::vector<Point> random_sorted_points(std::mt19937& rng, int n, int range) {
    std::uniform_int_distribution<int> coord(0, range - 1);
    std::uniform_int_distribution<int> kind(0, 5);
    std::vector<Point> points(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        Point& p = points[static_cast<std::size_t>(i)];
        const int what = kind(rng);
        if (what == 0 && i > 0) {
            p = points[std::uniform_int_distribution<std::size_t>(0, static_cast<std::size_t>(i) - 1)(rng)];
        } else if (what == 1 && i > 1) {
            // a + t (b - a) for a small integer t: on the line a-b, inside or beyond it.
            const Point a = points[0];
            const Point b = points[1];
            const int t = std::uniform_int_distribution<int>(-2, 3)(rng);
            p.x = a.x + static_cast<float>(t) * (b.x - a.x);
            p.y = a.y + static_cast<float>(t) * (b.y - a.y);
        } else {
            p.x = static_cast<float>(coord(rng));
            p.y = static_cast<float>(coord(rng));
        }
    }
    if (n > 0) std::qsort(points.data(), points.size(), sizeof(Point), compare_points);
    return points;
}

enum class Coordinates { decimal, full_float };

// n random points sorted, with three decimals from 0 to 300 (read from their
// text, as from a point file) or floats of full precision in +-1e6; one in
// six repeats an earlier point.
std::vector<Point> random_sorted_points(std::mt19937& rng, int n, Coordinates kind) {
    std::uniform_int_distribution<int> thousandths(0, 300000);
    std::uniform_real_distribution<float> wide(-1e6f, 1e6f);
    const auto coordinate = [&] {
        if (kind == Coordinates::full_float) return wide(rng);
        const int k = thousandths(rng);
        return std::strtof((std::to_string(k / 1000) + "." + std::to_string(1000 + k % 1000).substr(1)).c_str(),
                           nullptr);
    };
    std::vector<Point> points(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        Point& p = points[static_cast<std::size_t>(i)];
        if (i > 0 && std::uniform_int_distribution<int>(0, 5)(rng) == 0) {
            p = points[std::uniform_int_distribution<std::size_t>(0, static_cast<std::size_t>(i) - 1)(rng)];
        } else {
            p.x = coordinate();
            p.y = coordinate();
        }
    }
    if (n > 0) std::qsort(points.data(), points.size(), sizeof(Point), compare_points);
    return points;
}

std::string describe(const std::vector<Point>& points) {
    std::ostringstream text;
    text << points.size() << " tacaka:";
    for (const Point& p : points) text << ' ' << p.x << ',' << p.y;
    return text.str();
}

// Runs both functions on the points; the counts and the written positions
// (closing copy included, extra_slots of them past h) must agree.
void expect_same_hull(HullFunction fast, HullFunction straightforward, const std::vector<Point>& points,
                      std::int32_t extra_slots) {
    const auto n = static_cast<std::int32_t>(points.size());
    std::vector<Point> fast_hull(2 * points.size() + 2);
    std::vector<Point> straightforward_hull(2 * points.size() + 2);
    const std::int32_t h = fast(points.data(), fast_hull.data(), n);
    const std::int32_t h_straightforward = straightforward(points.data(), straightforward_hull.data(), n);
    ASSERT_EQ(h, h_straightforward) << describe(points);
    const std::int32_t written = h > 0 ? h + extra_slots : 0;
    for (std::int32_t v = 0; v < written; ++v) {
        const auto slot = static_cast<std::size_t>(v);
        ASSERT_TRUE(same_position(fast_hull[slot], straightforward_hull[slot]))
            << "vrh " << v << " od " << h << "; " << describe(points);
    }
}

constexpr int kRanges[] = {1, 3, 10, 300, 5000, 100000};

TEST(StraightforwardAgreement, BruteForceOnSmallRandomSets) {
    std::mt19937 rng(20240611);
    for (const int range : kRanges) {
        for (int n = 0; n <= 200; n += (n < 20 ? 1 : 9)) {
            const int sets = n < 20 ? 12 : 2;
            for (int s = 0; s < sets; ++s) {
                expect_same_hull(hull_brute_force, hull_brute_force_straightforward,
                                 random_sorted_points(rng, n, range), 1);
                if (HasFatalFailure()) return;
            }
        }
    }
}

TEST(StraightforwardAgreement, MonotoneChainOnSmallRandomSets) {
    std::mt19937 rng(977);
    for (const int range : kRanges) {
        for (int n = 0; n <= 200; ++n) {
            for (int s = 0; s < 3; ++s) {
                expect_same_hull(hull_monotone_chain, hull_monotone_chain_straightforward,
                                 random_sorted_points(rng, n, range), 0);
                if (HasFatalFailure()) return;
            }
        }
    }
}

TEST(StraightforwardAgreement, MonotoneChainOnLargerSets) {
    std::mt19937 rng(31337);
    std::uniform_int_distribution<int> size(201, 2000);
    for (int s = 0; s < 300; ++s) {
        const int range = kRanges[s % std::size(kRanges)];
        expect_same_hull(hull_monotone_chain, hull_monotone_chain_straightforward,
                         random_sorted_points(rng, size(rng), range), 0);
        if (HasFatalFailure()) return;
    }
    // The largest set the chain accepts.
    expect_same_hull(hull_monotone_chain, hull_monotone_chain_straightforward,
                     random_sorted_points(rng, kStraightforwardChainCapacity, 300), 0);
}

// Points that nearly all lie on the hull's boundary (the lattice points of a
// diamond, with its vertical sides' columns in some), where the chain splits
// the points by one line instead of the quadrilateral; copies of points in
// other colours show that the same copy of each vertex is kept.
TEST(StraightforwardAgreement, MonotoneChainOnBoundarySets) {
    std::mt19937 rng(8086);
    for (int round = 0; round < 300; ++round) {
        const int radius = 20 + static_cast<int>(rng() % 200);
        std::vector<Point> points;
        for (int x = -radius; x <= radius; ++x) {
            const auto y = static_cast<float>(radius - std::abs(x));
            points.push_back(Point{static_cast<float>(x), y, static_cast<ColorCode>(rng() % 10)});
            points.push_back(Point{static_cast<float>(x), -y, static_cast<ColorCode>(rng() % 10)});
        }
        if (round % 2 == 1) {
            for (int y = -radius / 2; y <= radius / 2; ++y) points.push_back(Point{static_cast<float>(radius / 2), static_cast<float>(y), 3});
        }
        for (int c = 0; c < 30; ++c) {
            Point copy = points[rng() % points.size()];
            copy.color = static_cast<ColorCode>(rng() % 10);
            points.push_back(copy);
        }
        std::shuffle(points.begin(), points.end(), rng);
        std::qsort(points.data(), points.size(), sizeof(Point), compare_points);
        const auto n = static_cast<std::int32_t>(points.size());
        std::vector<Point> fast(2 * points.size()), straightforward(2 * points.size());
        const std::int32_t h = hull_monotone_chain(points.data(), fast.data(), n);
        ASSERT_EQ(h, hull_monotone_chain_straightforward(points.data(), straightforward.data(), n)) << describe(points);
        for (std::int32_t v = 0; v < h; ++v) {
            const auto slot = static_cast<std::size_t>(v);
            ASSERT_TRUE(same_position(fast[slot], straightforward[slot]) && fast[slot].color == straightforward[slot].color)
                << "vrh " << v << " od " << h << "; " << describe(points);
        }
    }
}

TEST(StraightforwardAgreement, BothHullsOnDecimalAndFloatSets) {
    std::mt19937 rng(4242);
    for (const Coordinates kind : {Coordinates::decimal, Coordinates::full_float}) {
        // Up to a few steps of the brute force's batches, and their ragged ends.
        for (int n = 0; n <= 120; n += (n < 40 ? 1 : 7)) {
            for (int s = 0; s < 2; ++s) {
                const std::vector<Point> points = random_sorted_points(rng, n, kind);
                expect_same_hull(hull_brute_force, hull_brute_force_straightforward, points, 1);
                expect_same_hull(hull_monotone_chain, hull_monotone_chain_straightforward, points, 0);
                if (HasFatalFailure()) return;
            }
        }
        for (const int n : {400, 3000, kStraightforwardChainCapacity}) {
            const std::vector<Point> points = random_sorted_points(rng, n, kind);
            if (n <= 400) expect_same_hull(hull_brute_force, hull_brute_force_straightforward, points, 1);
            expect_same_hull(hull_monotone_chain, hull_monotone_chain_straightforward, points, 0);
            if (HasFatalFailure()) return;
        }
    }
}

// The straightforward driver reads the file as the workbench does, appends
// its log line and fills its list of drawn points.
class StraightforwardDriver : public ::testing::Test {
protected:
    std::string write(const std::string& text) const {
        dir_.write(kPointFileName, text);
        return (dir_ / kPointFileName).string();
    }
    std::string log() const { return (dir_ / kTimingLogName).string(); }
    std::string read_log() const { return dir_.read(kTimingLogName); }

    ScratchDir dir_;
    std::vector<Point> points_ = std::vector<Point>(kStraightforwardChainCapacity);
    std::vector<Point> hull_ = std::vector<Point>(2 * kStraightforwardChainCapacity);
    std::list<Point> drawn_;
};

TEST_F(StraightforwardDriver, ComputesTheHullAndAppendsOneLogLine) {
    const std::string file = write("5 3\n0 0\n4 0\n2 2\n4 4\n0 4\n");
    EXPECT_EQ(straightforward_chain_run(points_.data(), hull_.data(), drawn_, file.c_str(), log().c_str()), 4);
    EXPECT_EQ(drawn_.size(), 5u);
    EXPECT_EQ(drawn_.front().x, 0.0f);
    EXPECT_EQ(drawn_.back().y, 4.0f);
    EXPECT_EQ(straightforward_brute_run(points_.data(), hull_.data(), drawn_, file.c_str(), log().c_str()), 4);
    const std::string text = read_log();
    EXPECT_EQ(text.substr(0, 27), "n*logn(n=5):   0 sekundi   ") << text;
    EXPECT_NE(text.find("\nn^3(n=5)"), std::string::npos) << text;
}

TEST_F(StraightforwardDriver, RejectsBadFilesNamingThemAndLogsNothing) {
    const std::string cases[] = {"", "3\n", "3 0\n0 0\n1 1\n2 2\n",
                                 std::to_string(kStraightforwardChainCapacity + 1) + " 1\n", "-1 1\n", "3 1\n0 0\n1 x\n"};
    for (const std::string& text : cases) {
        const std::string file = write(text);
        try {
            straightforward_chain_run(points_.data(), hull_.data(), drawn_, file.c_str(), log().c_str());
            ADD_FAILURE() << "prihvaceno: " << text;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(file), std::string::npos) << error.what();
        }
    }
    const std::string missing = (dir_ / "nema.test").string();
    EXPECT_THROW(straightforward_chain_run(points_.data(), hull_.data(), drawn_, missing.c_str(), log().c_str()),
                 std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(log()));
}

}  // namespace
